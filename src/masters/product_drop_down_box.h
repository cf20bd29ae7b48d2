#pragma once
// An editable box whose drop-down arrow does not open a list of its own but asks the screen
// to show a picker (the classification list, the postal search). Typing stays free.
#include <QComboBox>

namespace minori {

class DropDownBox : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownBox(QWidget *parent = nullptr) : QComboBox(parent) { setEditable(true); }
    void showPopup() override { emit dropDownRequested(); }

signals:
    void dropDownRequested();
};

} // namespace minori
