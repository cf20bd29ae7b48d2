#pragma once
// The one rule for looking a record up by typed text (a reading, a product number):
// no candidate is not found; exactly one is taken at once without showing anything;
// several show the record picker, and only its OK takes the row it stands on.
#include "store/dataset.h"

#include <QString>
#include <QVariantList>

namespace minori {

enum class LookupResult { NotFound, Taken, Cancelled };

// Opens query with sql (the candidates). On Taken the query stands on the chosen row.
LookupResult LookupOne(store::Dataset &query, const QString &sql, const QVariantList &params, const QString &caption);

} // namespace minori
