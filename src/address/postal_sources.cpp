#include "postal_sources.h"

#include "store/sjis.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace address {

namespace {
bool isPostalCode(const QString &s)
{
    static const QRegularExpression re(QStringLiteral("^[0-9]{7}$"));
    return re.match(s).hasMatch();
}

bool openParen(const QString &town) { return town.count(u'（') > town.count(u'）'); }
} // namespace

QStringList splitCsvLine(const QString &line)
{
    QStringList fields;
    QString cur;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < line.size() && line.at(i + 1) == u'"') {
                    cur += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cur += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    fields << cur;
    return fields;
}

bool readKenAll(const QString &path, QList<PostalEntry> *out, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("ファイルを開けません: %1").arg(path);
        return false;
    }
    QString content;
    if (!sjis::decodeStrict(f.readAll(), &content)) {
        *error = QStringLiteral("Shift-JIS のファイルではありません: %1").arg(path);
        return false;
    }
    const QStringList lines = content.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    QList<PostalEntry> rows;
    QString continuedKana;       // reading of the first row of a continued town name
    bool continuing = false;
    for (int n = 0; n < lines.size(); ++n) {
        const QString &line = lines.at(n);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList c = splitCsvLine(line);
        if (c.size() != 15) {
            *error = QStringLiteral("KEN_ALL.CSV の形式ではありません（%1 行目の列数 %2、15 列のはずです）").arg(n + 1).arg(c.size());
            return false;
        }
        const QString code = c.at(2).trimmed();
        if (!isPostalCode(code) || prefectureCode(c.at(6)).isEmpty()) {
            *error = QStringLiteral("KEN_ALL.CSV の形式ではありません（%1 行目の郵便番号または都道府県名が正しくありません）").arg(n + 1);
            return false;
        }
        if (continuing && !rows.isEmpty() && rows.last().code == code) {
            PostalEntry &e = rows.last();
            e.town += c.at(8);
            if (c.at(5) != continuedKana)
                e.townKana += c.at(5);
            continuing = openParen(e.town);
            continue;
        }
        rows.append(PostalEntry{code, c.at(6), c.at(7), c.at(8), c.at(3), c.at(4), c.at(5)});
        continuedKana = c.at(5);
        continuing = openParen(c.at(8));
    }
    if (rows.isEmpty()) {
        *error = QStringLiteral("郵便番号のデータがありません: %1").arg(path);
        return false;
    }
    *out = rows;
    return true;
}

bool readJpostal(const QString &folder, QList<PostalEntry> *out, QString *error)
{
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("[0-9][0-9][0-9].json")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        *error = QStringLiteral("json ファイルがありません: %1").arg(folder);
        return false;
    }
    QList<PostalEntry> rows;
    for (const QString &name : files) {
        QFile f(QDir(folder).filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("ファイルを開けません: %1").arg(f.fileName());
            return false;
        }
        QByteArray data = f.readAll();
        // The files are JSONP: jQuery_jpostal_callback( [...] );
        const qsizetype from = data.indexOf('[');
        const qsizetype to = data.lastIndexOf(']');
        if (from < 0 || to < from) {
            *error = QStringLiteral("郵便番号データの形式ではありません: %1").arg(f.fileName());
            return false;
        }
        QJsonParseError pe;
        const QJsonDocument doc = QJsonDocument::fromJson(data.mid(from, to - from + 1), &pe);
        if (pe.error != QJsonParseError::NoError || !doc.isArray()) {
            *error = QStringLiteral("郵便番号データの形式ではありません: %1 (%2)").arg(f.fileName(), pe.errorString());
            return false;
        }
        for (const QJsonValue &v : doc.array()) {
            const QJsonArray a = v.toArray();
            if (a.size() < 9)
                continue;
            QString code = a.at(0).toString();
            if (code.startsWith(u'_'))
                code.remove(0, 1);
            // Entries of a three-digit area and business offices are not town areas.
            if (!isPostalCode(code) || !a.at(5).toString().isEmpty())
                continue;
            PostalEntry e{code,
                          a.at(1).toString(),
                          a.at(2).toString(),
                          a.at(3).toString(),
                          a.at(6).toString(),
                          a.at(7).toString(),
                          a.at(8).toString()};
            if (prefectureCode(e.pref).isEmpty())
                continue;
            if (e.town.isEmpty()) {
                e.town = kCatchAllTown;
                e.townKana = kCatchAllTownKana;
            }
            rows.append(e);
        }
    }
    if (rows.isEmpty()) {
        *error = QStringLiteral("郵便番号のデータがありません: %1").arg(folder);
        return false;
    }
    *out = rows;
    return true;
}

} // namespace address
