#include "postal_import.h"

#include "postal_dictionary.h"
#include "postal_sources.h"
#include "store/database.h"
#include "store/sjis.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <filesystem>

namespace address {

namespace {

QString code(int n, int width) { return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')); }

QVariant orNull(const QString &s) { return s.isEmpty() ? QVariant() : QVariant(s); }

struct CityKey {
    QString pref, city;
};

void removeFiles(const QString &path)
{
    for (const QString &suffix : {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
}

void writeAll(store::Database &db, const QList<PostalEntry> &entries, const QString &issueDate,
              const ImportProgress &progress, ImportCounts &counts)
{
    for (const store::TableDef &t : postalTables())
        db.exec(t.createSql());

    QHash<QString, QString> cityCodes;    // pref code + "\t" + city name → 市区CODE
    QHash<QString, int> cityCount;        // pref code → cities so far
    QHash<QString, QString> townCodes;    // pref + city code + town name → 町村CODE
    QHash<QString, int> townCount;        // pref + city code → towns so far
    QHash<QString, int> areaCount;        // pref + city code → town areas so far
    QSet<QString> prefs;

    store::Statement ken = db.prepare(QStringLiteral("INSERT INTO mken (県CODE, 県名, 県カナ) VALUES (?, ?, ?)"));
    store::Statement siku =
        db.prepare(QStringLiteral("INSERT INTO msiku (県CODE, 市区CODE, 市区名, 市区カナ) VALUES (?, ?, ?, ?)"));
    store::Statement tyoson = db.prepare(
        QStringLiteral("INSERT INTO mtyoson (県CODE, 市区CODE, 町村CODE, 町村名, 町村カナ) VALUES (?, ?, ?, ?, ?)"));
    store::Statement tyoiki = db.prepare(QStringLiteral(
        "INSERT INTO mtyoiki (県CODE, 市区CODE, 町村CODE, 町域CODE, 県名, 市区名, 町村名, 町域名, 町域カナ, 郵便番号, "
        "文字長, カナ文字長, 住所) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));

    const int total = static_cast<int>(entries.size());
    for (int i = 0; i < total; ++i) {
        const PostalEntry &e = entries.at(i);
        const QString pc = prefectureCode(e.pref);
        if (!prefs.contains(pc)) {
            prefs.insert(pc);
            ken.bindAll({pc, e.pref, e.prefKana});
            ken.step();
            ken.reset();
        }
        const CitySplit s = splitCity(e.city, e.cityKana);
        const QString cityKey = pc + u'\t' + s.city;
        QString cc = cityCodes.value(cityKey);
        if (cc.isEmpty()) {
            cc = code(++cityCount[pc], 3);
            cityCodes.insert(cityKey, cc);
            siku.bindAll({pc, cc, s.city, s.cityKana});
            siku.step();
            siku.reset();
        }
        const QString cityId = pc + cc;
        QString tc;
        if (!s.town.isEmpty()) {
            const QString townKey = cityId + u'\t' + s.town;
            tc = townCodes.value(townKey);
            if (tc.isEmpty()) {
                tc = code(++townCount[cityId], 3);
                townCodes.insert(townKey, tc);
                tyoson.bindAll({pc, cc, tc, s.town, s.townKana});
                tyoson.step();
                tyoson.reset();
            }
        }
        const QString ac = code(++areaCount[cityId], 4);
        const QString postal = e.code.left(3) + u'-' + e.code.mid(3);
        tyoiki.bindAll({pc, cc, orNull(tc), ac, e.pref, s.city, orNull(s.town), e.town, e.townKana, postal,
                        sjis::byteLength(e.town), sjis::byteLength(e.townKana), e.pref + s.city + s.town + e.town});
        tyoiki.step();
        tyoiki.reset();
        if (progress && (i % 5000 == 0 || i + 1 == total))
            progress(i + 1, total);
    }
    counts.prefectures = static_cast<int>(prefs.size());
    counts.cities = static_cast<int>(cityCodes.size());
    counts.towns = static_cast<int>(townCodes.size());
    counts.areas = total;

    for (const store::TableDef &t : postalTables())
        for (const QString &ix : t.indexSql())
            db.exec(ix);
    db.exec(QStringLiteral("INSERT INTO mdate (郵便データ日付) VALUES (?)"), {issueDate});

    // Substring search over the whole address. SQLite builds without FTS5 go without it; the
    // fuzzy search then scans.
    try {
        db.exec(QStringLiteral("CREATE VIRTUAL TABLE %1 USING fts5(住所, content='', tokenize='trigram')")
                    .arg(QLatin1String(kAddressIndexTable)));
        db.exec(QStringLiteral("INSERT INTO %1 (rowid, 住所) SELECT rowid, 住所 FROM mtyoiki")
                    .arg(QLatin1String(kAddressIndexTable)));
    } catch (const store::SqlError &) {
        db.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(kAddressIndexTable)));
    }
}

} // namespace

ImportResult buildDictionary(const QList<PostalEntry> &entries, const QString &targetPath, const QString &issueDate,
                             const ImportProgress &progress)
{
    ImportResult r;
    const QString temp = targetPath + QStringLiteral(".new");
    removeFiles(temp);
    try {
        {
            store::Database db(temp);
            db.exec(QStringLiteral("PRAGMA journal_mode=OFF"));
            db.exec(QStringLiteral("PRAGMA synchronous=OFF"));
            store::Transaction tx(db);
            writeAll(db, entries, issueDate, progress, r.counts);
            tx.commit();
            // A plain rollback-journal file: the program opens it read-only.
            db.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        }
        // The program's own connection must let go of the old file first.
        closePostalDatabase();
        std::error_code ec;
        std::filesystem::rename(std::filesystem::path(temp.toStdWString()), std::filesystem::path(targetPath.toStdWString()), ec);
        if (ec)
            throw store::SqlError(QStringLiteral("%1 を置き換えられません: %2").arg(targetPath, QString::fromLocal8Bit(ec.message().c_str())),
                                  QString());
        r.ok = true;
    } catch (const std::exception &e) {
        removeFiles(temp);
        r.error = QString::fromUtf8(e.what());
    }
    return r;
}

ImportResult importKenAll(const QString &csvPath, const QString &targetPath, const QString &issueDate,
                          const ImportProgress &progress)
{
    QList<PostalEntry> entries;
    ImportResult r;
    if (!readKenAll(csvPath, &entries, &r.error))
        return r;
    return buildDictionary(entries, targetPath, issueDate, progress);
}

ImportResult importJpostal(const QString &jsonFolder, const QString &targetPath, const QString &issueDate,
                           const ImportProgress &progress)
{
    QList<PostalEntry> entries;
    ImportResult r;
    if (!readJpostal(jsonFolder, &entries, &r.error))
        return r;
    return buildDictionary(entries, targetPath, issueDate, progress);
}

} // namespace address
