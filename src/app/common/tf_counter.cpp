#include "tf_counter.h"

#include "prompter.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace minori {

TfCounter::TfCounter(QWidget *parent)
    : RecordScreen(QStringLiteral("カウンター"), QStringLiteral("select * from Counter"), parent)
{
    setObjectName(QStringLiteral("TfCounter"));
    for (const char16_t *c : {u"新規", u"削除", u"検索"})
        removeCommand(QString::fromUtf16(c));
    name_ = addDisplayField(QStringLiteral("名称"), QStringLiteral("名称"));
    counter_ = addLineField(QStringLiteral("COUNTER"), QStringLiteral("COUNTER"), ImeMode::Off);
    // Digits only: a counter is a whole number of at most 15 digits.
    counter_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,15}")), counter_));
    addGrid({{QStringLiteral("名称"), QStringLiteral("名称"), 20},
             {QStringLiteral("COUNTER"), QStringLiteral("COUNTER"), 12, Qt::AlignRight | Qt::AlignVCenter}});
    resize(480, 420);
}

bool TfCounter::checkBeforePost()
{
    // A counter must stay a whole number: anything else would issue wrong numbers later.
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,15}$"));
    if (!digits.match(counter_->text().trimmed()).hasMatch()) {
        ShowError(QStringLiteral("COUNTERには0以上の整数を入力してください。"));
        counter_->setFocus();
        return false;
    }
    return true;
}

} // namespace minori
