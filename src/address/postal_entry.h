#pragma once
// One town area as the postal data sources give it, before it is split into the
// dictionary's levels.
#include <QList>
#include <QString>

namespace address {

struct PostalEntry {
    QString code;       // seven digits, no hyphen
    QString pref, city, town;                // 市区町村 whole in city ("西多摩郡奥多摩町")
    QString prefKana, cityKana, townKana;    // half-width katakana
};

// The catch-all town area of a city, for addresses not listed separately.
extern const QString kCatchAllTown;       // "以下に掲載がない場合"
extern const QString kCatchAllTownKana;   // "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ"

// JIS number of a prefecture ("01" … "47"), empty for a name that is not a prefecture.
QString prefectureCode(const QString &name);

// 市区町村 of the data split into the city-level unit and the town or village of a district:
// "西多摩郡奥多摩町" → "西多摩郡" + "奥多摩町"; a city or ward stays whole ("郡山市", "蒲郡市").
struct CitySplit {
    QString city, cityKana, town, townKana;
};
CitySplit splitCity(const QString &name, const QString &kana);

} // namespace address
