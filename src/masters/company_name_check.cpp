#include "company_name_check.h"

#include "store/sjis.h"

namespace minori {

CompanyNameCheck checkCompanyNameAndPhone(const QString &name, const QString &phone)
{
    CompanyNameCheck c;
    c.name = name.trimmed();
    c.phone = phone.trimmed();
    // A cut value would go silently onto every label and form: refuse it instead.
    if (!sjis::encodable(c.name))
        c.message = QStringLiteral("自社名に使えない文字があります。");
    else if (sjis::byteLength(c.name) > 30)
        c.message = QStringLiteral("自社名は全角15文字（半角30文字）までです。");
    else if (!sjis::encodable(c.phone))
        c.message = QStringLiteral("電話番号に使えない文字があります。");
    else if (sjis::byteLength(c.phone) > 12)
        c.message = QStringLiteral("電話番号は半角12文字までです。");
    else
        c.ok = true;
    return c;
}

} // namespace minori
