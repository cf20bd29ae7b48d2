#include "input_date.h"

#include "common_routines.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace minori {

namespace {
DateAsker &asker()
{
    static DateAsker a;
    return a;
}
} // namespace

TfInputDate::TfInputDate(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("日付入力"));
    auto *v = new QVBoxLayout(this);
    calendar_ = new QCalendarWidget(this);
    calendar_->setGridVisible(true);
    v->addWidget(calendar_);
    auto *h = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    ok->setDefault(true);
    h->addStretch();
    h->addWidget(ok);
    h->addWidget(cancel);
    v->addLayout(h);
    connect(ok, &QPushButton::clicked, this, &TfInputDate::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(calendar_, &QCalendarWidget::activated, this, &TfInputDate::accept);   // double-click on a day
    setPreset(QDate());
}

void TfInputDate::setPreset(const QDate &date)
{
    date_ = date.isValid() ? date : QDate::currentDate();
    calendar_->setSelectedDate(date_);
}

QString TfInputDate::dateText() const { return DateText(date_); }

void TfInputDate::accept()
{
    date_ = calendar_->selectedDate();
    QDialog::accept();
}

void setDateAsker(DateAsker a) { asker() = std::move(a); }

bool PickDateForCombo(QWidget *boundWidget, store::Dataset &set)
{
    const QString column = boundWidget->property("boundField").toString();
    store::Field &f = set.field(column);
    TfInputDate dlg(boundWidget->window());
    dlg.setPreset(f.asDate());
    const bool ok = asker() ? asker()(dlg) : dlg.exec() == QDialog::Accepted;
    if (!ok)
        return false;
    EnsureEditing(set);
    set.field(column).setDate(dlg.date());
    boundWidget->update();
    return true;
}

} // namespace minori
