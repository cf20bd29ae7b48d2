#pragma once
// The counter screen "カウンター": every number counter in a grid, the current one in two
// fields. Only COUNTER can be corrected; there is no new, delete or search.
#include "record_screen.h"

namespace minori {

class TfCounter : public RecordScreen {
    Q_OBJECT
public:
    explicit TfCounter(QWidget *parent = nullptr);

    QLineEdit *nameField() const { return name_; }
    QLineEdit *counterField() const { return counter_; }

protected:
    bool checkBeforePost() override;

private:
    QLineEdit *name_;
    QLineEdit *counter_;
};

} // namespace minori
