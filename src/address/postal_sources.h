#pragma once
// Readers of the two sources of postal data: Japan Post's KEN_ALL.CSV and the json files of
// the jquery-jpostal-ja package. Both give PostalEntry rows in the file's order.
#include "postal_entry.h"

namespace address {

// KEN_ALL.CSV: Shift-JIS, 15 columns, half-width readings; a town name too long for one row
// continues over the following rows inside "（…）" and is joined back into one. False with a
// message when the file cannot be read, is empty, is not valid Shift-JIS or not 15 columns.
bool readKenAll(const QString &path, QList<PostalEntry> *out, QString *error);

// jquery-jpostal-ja json/NNN.json files: [code, prefecture, city, town, office address, office
// name, prefecture kana, city kana, town kana]. Business offices (with an office name) are left
// out; an empty town is the city's catch-all town area.
bool readJpostal(const QString &folder, QList<PostalEntry> *out, QString *error);

// Fields of one CSV line (double quotes enclose a field, "" inside is one quote).
QStringList splitCsvLine(const QString &line);

} // namespace address
