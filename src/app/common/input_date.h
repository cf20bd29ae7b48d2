#pragma once
// The date input dialog "日付入力": a month calendar with "OK" and "ｷｬﾝｾﾙ".
#include "store/dataset.h"

#include <QDate>
#include <QDialog>
#include <functional>

class QCalendarWidget;

namespace minori {

class TfInputDate : public QDialog {
    Q_OBJECT
public:
    explicit TfInputDate(QWidget *parent = nullptr);
    // Opens on the preset date, or on today when it is not valid.
    void setPreset(const QDate &date);
    QDate date() const { return date_; }
    QString dateText() const;      // "yyyy/mm/dd"
    QCalendarWidget *calendar() const { return calendar_; }

    void accept() override;

private:
    QCalendarWidget *calendar_;
    QDate date_;
};

// How the date dialog is run; tests replace it to pick a date without a modal loop.
using DateAsker = std::function<bool(TfInputDate &dialog)>;
void setDateAsker(DateAsker asker);

// For a widget bound to a date column (property "boundField"): asks for a date preset to the
// column's value and on OK stores it (editing the row if needed). True on OK.
bool PickDateForCombo(QWidget *boundWidget, store::Dataset &set);

} // namespace minori
