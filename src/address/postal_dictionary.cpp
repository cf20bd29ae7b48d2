#include "postal_dictionary.h"

#include "store/dataset.h"
#include "store/session.h"
#include "store/sql_error.h"

#include <QFileInfo>
#include <memory>

namespace address {

const char *const kAddressIndexTable = "mtyoiki_fts";

namespace {
using C = store::ColumnDef;
std::unique_ptr<store::Database> g_postal;
} // namespace

QList<store::TableDef> postalTables()
{
    // Name and reading columns are plain text: real names exceed the display widths
    // (さいたま市見沼区 is 16 bytes) and a cut name would no longer be found.
    store::TableDef ken{QStringLiteral("mken"),
                        {C::text(QStringLiteral("県CODE"), 2), C::memo(QStringLiteral("県名")), C::memo(QStringLiteral("県カナ"))},
                        {QStringLiteral("県CODE")},
                        {},
                        {}};
    store::TableDef siku{QStringLiteral("msiku"),
                         {C::text(QStringLiteral("県CODE"), 2), C::text(QStringLiteral("市区CODE"), 3),
                          C::memo(QStringLiteral("市区名")), C::memo(QStringLiteral("市区カナ"))},
                         {QStringLiteral("県CODE"), QStringLiteral("市区CODE")},
                         {{QStringLiteral("name"), {QStringLiteral("市区名")}, false},
                          {QStringLiteral("kana"), {QStringLiteral("市区カナ")}, false}},
                         {}};
    store::TableDef tyoson{QStringLiteral("mtyoson"),
                           {C::text(QStringLiteral("県CODE"), 2), C::text(QStringLiteral("市区CODE"), 3),
                            C::text(QStringLiteral("町村CODE"), 3), C::memo(QStringLiteral("町村名")),
                            C::memo(QStringLiteral("町村カナ"))},
                           {QStringLiteral("県CODE"), QStringLiteral("市区CODE"), QStringLiteral("町村CODE")},
                           {{QStringLiteral("kana"), {QStringLiteral("町村カナ")}, false}},
                         {}};
    store::TableDef tyoiki{QStringLiteral("mtyoiki"),
                           {C::text(QStringLiteral("県CODE"), 2), C::text(QStringLiteral("市区CODE"), 3),
                            C::text(QStringLiteral("町村CODE"), 3), C::text(QStringLiteral("町域CODE"), 4),
                            C::memo(QStringLiteral("県名")), C::memo(QStringLiteral("市区名")),
                            C::memo(QStringLiteral("町村名")), C::memo(QStringLiteral("町域名")),
                            C::memo(QStringLiteral("町域カナ")), C::text(QStringLiteral("郵便番号"), 8),
                            C::smallint(QStringLiteral("文字長")), C::smallint(QStringLiteral("カナ文字長")),
                            C::memo(QStringLiteral("住所"))},
                           {},
                           {{QStringLiteral("area"),
                             {QStringLiteral("県CODE"), QStringLiteral("市区CODE"), QStringLiteral("町村CODE"),
                              QStringLiteral("町域CODE")},
                             false},
                            {QStringLiteral("code"), {QStringLiteral("郵便番号")}, false},
                            // the kana seek asks the table which rows begin with the typed reading
                            {QStringLiteral("kana"), {QStringLiteral("町域カナ")}, false}},
                         {}};
    store::TableDef date{QStringLiteral("mdate"), {C::memo(QStringLiteral("郵便データ日付"))}, {}, {}, {}};
    return {ken, siku, tyoson, tyoiki, date};
}

store::Database &postalDatabase()
{
    const QString path = store::Session::postalPath();
    if (g_postal && g_postal->path() == path)
        return *g_postal;
    g_postal.reset();
    if (!QFileInfo::exists(path))
        throw store::SqlError(QStringLiteral("郵便辞書がありません: %1").arg(path), QString());
    auto db = std::make_unique<store::Database>(path, true);
    g_postal = std::move(db);
    return *g_postal;
}

bool postalDictionaryExists() { return QFileInfo::exists(store::Session::postalPath()); }

void closePostalDatabase() { g_postal.reset(); }

void BindToDataCom(QObject *screen, const QStringList &keepOnData)
{
    for (store::Dataset *q : screen->findChildren<store::Dataset *>()) {
        if (keepOnData.contains(q->objectName()))
            continue;
        q->setDatabase(postalDatabase());
    }
}

QString PostalDataDate()
{
    try {
        const QVariant v = postalDatabase().scalar(QStringLiteral("SELECT * FROM mdate"));
        if (v.isValid() && !v.isNull())
            return v.toString();
    } catch (const std::exception &) {
    }
    return QStringLiteral("不明");
}

} // namespace address
