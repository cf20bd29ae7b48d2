#pragma once
// The pattern of the screens over the one row of `system`: browse and edit only (the row is
// never added or deleted), with "修正", "決定", "ｷｬﾝｾﾙ" and "閉じる".
#include "app/common/record_screen.h"

namespace minori {

class SystemRowScreen : public RecordScreen {
    Q_OBJECT
public:
    explicit SystemRowScreen(const QString &caption, QWidget *parent = nullptr);

    void doNew() override {}
    void doDelete() override {}
    void doFind() override {}

protected:
    // Bound controls placed by the screen itself (on tabs): a field of the row.
    void bindField(QWidget *widget, const QString &field);

private:
    void hideRowCommands();
};

} // namespace minori
