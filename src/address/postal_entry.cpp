#include "postal_entry.h"

#include <QStringList>

namespace address {

const QString kCatchAllTown = QStringLiteral("以下に掲載がない場合");
const QString kCatchAllTownKana = QStringLiteral("ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ");

QString prefectureCode(const QString &name)
{
    static const QStringList names = {
        QStringLiteral("北海道"), QStringLiteral("青森県"), QStringLiteral("岩手県"), QStringLiteral("宮城県"),
        QStringLiteral("秋田県"), QStringLiteral("山形県"), QStringLiteral("福島県"), QStringLiteral("茨城県"),
        QStringLiteral("栃木県"), QStringLiteral("群馬県"), QStringLiteral("埼玉県"), QStringLiteral("千葉県"),
        QStringLiteral("東京都"), QStringLiteral("神奈川県"), QStringLiteral("新潟県"), QStringLiteral("富山県"),
        QStringLiteral("石川県"), QStringLiteral("福井県"), QStringLiteral("山梨県"), QStringLiteral("長野県"),
        QStringLiteral("岐阜県"), QStringLiteral("静岡県"), QStringLiteral("愛知県"), QStringLiteral("三重県"),
        QStringLiteral("滋賀県"), QStringLiteral("京都府"), QStringLiteral("大阪府"), QStringLiteral("兵庫県"),
        QStringLiteral("奈良県"), QStringLiteral("和歌山県"), QStringLiteral("鳥取県"), QStringLiteral("島根県"),
        QStringLiteral("岡山県"), QStringLiteral("広島県"), QStringLiteral("山口県"), QStringLiteral("徳島県"),
        QStringLiteral("香川県"), QStringLiteral("愛媛県"), QStringLiteral("高知県"), QStringLiteral("福岡県"),
        QStringLiteral("佐賀県"), QStringLiteral("長崎県"), QStringLiteral("熊本県"), QStringLiteral("大分県"),
        QStringLiteral("宮崎県"), QStringLiteral("鹿児島県"), QStringLiteral("沖縄県")};
    const int i = names.indexOf(name);
    return i < 0 ? QString() : QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
}

CitySplit splitCity(const QString &name, const QString &kana)
{
    // A district (郡) is followed by the name of one of its towns or villages. 郡 inside a
    // city's own name (郡山市, 大和郡山市, 蒲郡市, 小郡市, 郡上市) is not followed by one.
    const qsizetype at = name.indexOf(u'郡');
    const QString rest = at > 0 ? name.mid(at + 1) : QString();
    if (at <= 0 || rest.size() < 2 || !(rest.endsWith(u'町') || rest.endsWith(u'村')))
        return {name, kana, QString(), QString()};
    CitySplit s{name.left(at + 1), kana, rest, QString()};
    const QString gun = QStringLiteral("ｸﾞﾝ");
    const qsizetype k = kana.indexOf(gun);
    if (k > 0) {
        s.cityKana = kana.left(k + gun.size());
        s.townKana = kana.mid(k + gun.size());
    }
    return s;
}

} // namespace address
