#pragma once
// Builds the postal dictionary from PostalEntry rows into a new file and puts it in place of
// the old one only when the whole build succeeded.
#include "postal_entry.h"

#include <functional>

namespace address {

struct ImportCounts {
    int prefectures = 0;
    int cities = 0;
    int towns = 0;      // towns and villages of districts
    int areas = 0;      // town areas (mtyoiki rows)
};

struct ImportResult {
    bool ok = false;
    QString error;
    ImportCounts counts;
};

// progress(done, total) is called now and then while the rows are written.
using ImportProgress = std::function<void(int done, int total)>;

// Writes the dictionary to targetPath (DataCom/postal.db): into targetPath + ".new" first,
// then replaces the old file. issueDate goes into mdate.
ImportResult buildDictionary(const QList<PostalEntry> &entries, const QString &targetPath, const QString &issueDate,
                             const ImportProgress &progress = {});

// Reads KEN_ALL.CSV / a jquery-jpostal-ja json folder and builds the dictionary from it.
ImportResult importKenAll(const QString &csvPath, const QString &targetPath, const QString &issueDate,
                          const ImportProgress &progress = {});
ImportResult importJpostal(const QString &jsonFolder, const QString &targetPath, const QString &issueDate,
                           const ImportProgress &progress = {});

} // namespace address
