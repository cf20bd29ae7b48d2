#include "common_routines.h"

#include "prompter.h"
#include "store/session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTextStream>

namespace minori {

QString NowText() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")); }

QString DateText(const QDate &date) { return date.toString(QStringLiteral("yyyy/MM/dd")); }

QString DateTextDashed(const QDate &date) { return DateText(date).replace(u'/', u'-'); }

QString ProgramFilePath(const QString &name) { return store::Session::programFile(name); }

QString ProgramRelativePath(const QString &name)
{
    QString n = name;
    n.replace(u'\\', u'/');
    if (!n.contains(u'/'))
        return ProgramFilePath(n);
    return name;
}

QString DataEtcFilePath(const QString &name) { return ProgramFilePath(QStringLiteral("DataEtc/") + name); }

QString DataFolderPath() { return ProgramRelativePath(QStringLiteral("data")); }

bool AppendToFile(const QString &path, const QString &text)
{
    QFile f(path);
    if (!f.open(QIODevice::Append | QIODevice::Text)) {
        ShowInfo(QStringLiteral("出力ファイルを開けません\n"));
        return false;
    }
    f.write(text.toUtf8());
    return true;
}

QString SettingsFilePath() { return ProgramFilePath(QStringLiteral("minori.ini")); }

namespace {
QString registryKey(const QString &section, const QString &name)
{
    QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (program.isEmpty())
        program = QStringLiteral("minori");
    return QStringLiteral("Software/Kazeworks/%1/%2/%3").arg(program, section, name);
}
} // namespace

bool WriteRegistryText(const QString &section, const QString &name, const QString &value)
{
    QSettings s(SettingsFilePath(), QSettings::IniFormat);
    s.setValue(registryKey(section, name), value);
    s.sync();
    if (s.status() != QSettings::NoError) {
        ShowError(QStringLiteral("ユーザーに権限がありません"));
        return false;
    }
    return true;
}

QString ReadRegistryText(const QString &section, const QString &name, const QString &defaultValue)
{
    QSettings s(SettingsFilePath(), QSettings::IniFormat);
    const QVariant v = s.value(registryKey(section, name));
    return v.isValid() ? v.toString() : defaultValue;
}

bool OpenSql(store::Dataset &query, const QString &sql, const QVariantList &params)
{
    query.close();
    query.setSql(sql, params);
    query.open();
    query.first();
    return !query.isEmpty();
}

void ExecSqlOn(store::Dataset &query, const QString &sql, const QVariantList &params)
{
    query.close();
    query.setSql(sql, params);
    query.database().exec(sql, params);
}

void ExecSql(const QString &sql, const QVariantList &params) { store::Session::data().exec(sql, params); }

bool LocateExact(store::Dataset &set, const QString &column, const QVariant &value)
{
    return set.locateExact(column, value);
}

bool LocatePrefix(store::Dataset &set, const QString &column, const QString &value)
{
    return set.locatePrefix(column, value);
}

void CopyFieldsByName(store::Dataset &target, store::Dataset &source)
{
    for (int i = 0; i < source.fieldCount(); ++i) {
        store::Field &from = source.field(i);
        store::Field *to = target.findField(from.name());
        if (to && to->canModify())
            to->setValue(from.value());
    }
}

void PostIfEditing(store::Dataset &query)
{
    if (query.isEditing())
        query.post();
}

void EnsureEditing(store::Dataset &set)
{
    if (!set.isEditing())
        set.edit();
}

void RefreshKeepPosition(store::Dataset &set) { set.refresh(); }

void BindToData(QObject *screen)
{
    for (store::Dataset *q : screen->findChildren<store::Dataset *>())
        q->setDatabase(store::Session::data());
}

void CloseAllQueries(QObject *screen)
{
    for (store::Dataset *q : screen->findChildren<store::Dataset *>())
        q->close();
}

bool PackTable(const QString &table, bool showOk, bool showFailure)
{
    const QString path = DataFolderPath() + u'/' + table;
    try {
        store::Database &db = store::Session::data();
        if (!db.tableExists(table)) {
            ShowError(QStringLiteral("テーブルが存在しません\r") + path);
            return false;
        }
        // Free pages left by deleted rows go back to the file system.
        db.exec(QStringLiteral("PRAGMA incremental_vacuum"));
        if (showOk)
            ShowInfo(QStringLiteral("最適化OK\r") + path);
        return true;
    } catch (const store::SqlError &) {
        if (showFailure)
            ShowError(QStringLiteral("最適化失敗\r") + path);
        return false;
    }
}

} // namespace minori
