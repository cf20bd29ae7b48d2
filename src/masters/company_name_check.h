#pragma once
// The check of a new company name and telephone number before they are written to `system`:
// both must fit their columns (30 and 12 bytes of Shift-JIS) and be writable in it.
#include <QString>

namespace minori {

struct CompanyNameCheck {
    bool ok = false;
    QString message;      // the error to show when not ok
    QString name, phone;  // the values to store, without surrounding blanks
};

CompanyNameCheck checkCompanyNameAndPhone(const QString &name, const QString &phone);

} // namespace minori
