#include "lookup.h"

#include "common_routines.h"
#include "tf_list.h"

namespace minori {

LookupResult LookupOne(store::Dataset &query, const QString &sql, const QVariantList &params, const QString &caption)
{
    if (!OpenSql(query, sql, params))
        return LookupResult::NotFound;
    query.next();
    const bool single = query.eof();
    query.first();
    if (single)
        return LookupResult::Taken;
    TfList &picker = TfList::instance();
    picker.PrepareList(query, sql, caption, params);
    return picker.ShowModal() == TfList::OK ? LookupResult::Taken : LookupResult::Cancelled;
}

} // namespace minori
