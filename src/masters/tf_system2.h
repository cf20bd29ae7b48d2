#pragma once
// TfSystem2 "その他設定": the one option カラー設定 of `system` (the colour settings button of
// the main window).
#include "tf_system_row_screen.h"

class QCheckBox;

namespace minori {

class TfSystem2 : public SystemRowScreen {
    Q_OBJECT
public:
    explicit TfSystem2(QWidget *parent = nullptr);
    QCheckBox *colorBox() const { return color_; }

private:
    QCheckBox *color_;
};

} // namespace minori
