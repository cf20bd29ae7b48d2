#pragma once
// The postal dictionary DataCom/postal.db: its tables, the one read-only connection of the
// process, and the small readers the screens share.
#include "store/database.h"
#include "store/schema.h"

#include <QList>
#include <QObject>
#include <QString>

namespace address {

// Tables of the dictionary: mken, msiku, mtyoson, mtyoiki, mdate (names are stored uncut).
QList<store::TableDef> postalTables();
// Full-text index over mtyoiki.住所 (trigram), when SQLite offers FTS5.
extern const char *const kAddressIndexTable;   // "mtyoiki_fts"

// The dictionary of the session's program folder, opened read-only on first use and again
// when the program folder changes. Throws store::SqlError when the file is missing or broken.
store::Database &postalDatabase();
bool postalDictionaryExists();
// Closes the connection (before the file is replaced, and in tests).
void closePostalDatabase();

// Binds every result set of the screen to the dictionary, except those whose object name is
// in keepOnData (they stay on the data folder).
void BindToDataCom(QObject *screen, const QStringList &keepOnData = {});

// 郵便データ日付 of mdate, or "不明" when the dictionary or the row cannot be read.
QString PostalDataDate();

} // namespace address
