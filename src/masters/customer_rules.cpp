#include "customer_rules.h"

#include "app/common/counter_routines.h"
#include "app/common/text_routines.h"

namespace minori::customer {

const QString kListSql = QStringLiteral("SELECT * FROM mtokui ORDER BY 得意先CODE");
const QString kOneSql = QStringLiteral("SELECT * FROM mtokui WHERE 得意先code=?");
const QString kSamePhoneSql = QStringLiteral("SELECT * FROM mtokui WHERE 電話番号F=? AND 得意先CODE<>?");
const QString kSameReadingSql = QStringLiteral("SELECT * FROM mtokui WHERE フリガナ=? AND 得意先CODE<>?");
// An empty key finds the customers whose key is blank, stored empty or null alike.
const QString kByPhoneKeySql =
    QStringLiteral("SELECT * FROM mtokui WHERE 電話番号F=?1 OR (?1='' AND 電話番号F IS NULL) ORDER BY 電話番号F");
const QString kClassListSql = QStringLiteral("SELECT * FROM mbunrui ORDER BY 分類CODE");
const QString kClassOneSql = QStringLiteral("SELECT * FROM mbunrui WHERE 分類code=?");

const QString kSamePhoneCaption = QStringLiteral(
    "顧客マスター 電話番号重複確認 ※[OK]ボタンで選択したデータへ移動します [閉じる]ボタンで入力中データへ戻ります");
const QString kSameReadingCaption = QStringLiteral("顧客マスター 名前重複確認 ※[OK]で既存データへ移動します");
const QString kCopyQuestion = QStringLiteral(
    "この顧客データを複写し新たな顧客データを作成します。\r同一住所に住む家族などの場合は複写後に氏名、フリガナなどを修正してください");

QString copyQuestionFor(const QString &name)
{
    return QStringLiteral("既存の顧客データを複写して新たな顧客データを作成します。\r"
                          "同一住所に住む家族などの場合は複写後に氏名、フリガナなどを修正してください。\r"
                          "複写元の顧客名: %1")
        .arg(name);
}

QString phoneSearchKey(const QString &telephone) { return DigitsOnly(telephone); }

bool isTakeAway(const QString &code)
{
    const QString takeAway = TakeAwayCustomerCode();
    return !takeAway.isEmpty() && code == takeAway;
}

QString memoWithDate(const QString &memo, const QString &now) { return now.left(10) + QChar(u'\r') + memo; }

} // namespace minori::customer
