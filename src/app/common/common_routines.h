#pragma once
// Date, path, settings-store and SQL shortcuts shared by every screen.
#include "store/dataset.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace minori {

// Dates.
QString NowText();                          // "yyyy/mm/dd hh:nn:ss"
QString DateText(const QDate &date);        // "yyyy/mm/dd"
QString DateTextDashed(const QDate &date);  // "yyyy-mm-dd", for SQL date comparisons

// Files and paths (the program folder is the session's).
QString ProgramFilePath(const QString &name);
QString ProgramRelativePath(const QString &name);
QString DataEtcFilePath(const QString &name);
QString DataFolderPath();
bool AppendToFile(const QString &path, const QString &text);

// Per-installation settings store, under "Software/Kazeworks/<program>/<section>/<name>".
bool WriteRegistryText(const QString &section, const QString &name, const QString &value);
QString ReadRegistryText(const QString &section, const QString &name, const QString &defaultValue);
// File holding the settings store of this installation.
QString SettingsFilePath();

// SQL shortcuts over the session's data folder.
bool OpenSql(store::Dataset &query, const QString &sql, const QVariantList &params = {});
void ExecSqlOn(store::Dataset &query, const QString &sql, const QVariantList &params = {});
void ExecSql(const QString &sql, const QVariantList &params = {});
bool LocateExact(store::Dataset &set, const QString &column, const QVariant &value);
bool LocatePrefix(store::Dataset &set, const QString &column, const QString &value);
void CopyFieldsByName(store::Dataset &target, store::Dataset &source);
void PostIfEditing(store::Dataset &query);
void EnsureEditing(store::Dataset &set);
void RefreshKeepPosition(store::Dataset &set);
// Binds every result set a screen owns to the session's data folder / closes them all.
void BindToData(QObject *screen);
void CloseAllQueries(QObject *screen);
// Gives the space of deleted rows back (the database file shrinks); false with a message on failure.
bool PackTable(const QString &table, bool showOk, bool showFailure);

} // namespace minori
