#include "safe_application.h"

#include "app/common/prompter.h"
#include "store/sql_error.h"

namespace minori {

bool runGuarded(const std::function<bool()> &f)
{
    try {
        return f();
    } catch (const store::Abort &) {
        // A handler stopped its operation after saying why.
    } catch (const store::SqlError &e) {
        ShowError(e.text());
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowError(QStringLiteral("不明なエラー"));
    }
    return false;
}

bool SafeApplication::notify(QObject *receiver, QEvent *event)
{
    return runGuarded([&] { return QApplication::notify(receiver, event); });
}

} // namespace minori
