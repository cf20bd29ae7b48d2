#include "screen_registry.h"

#include <QHash>

namespace minori {

namespace {
QHash<QString, ScreenOpener> &screens()
{
    static QHash<QString, ScreenOpener> s;
    return s;
}
std::function<QString()> &postalSource()
{
    static std::function<QString()> f;
    return f;
}
} // namespace

void registerScreen(const QString &caption, ScreenOpener opener) { screens().insert(caption, std::move(opener)); }

bool hasScreen(const QString &caption) { return screens().contains(caption); }

bool openScreen(const QString &caption, QWidget *parent)
{
    auto it = screens().constFind(caption);
    if (it == screens().constEnd())
        return false;
    it.value()(parent);
    return true;
}

void clearScreens() { screens().clear(); }

void setPostalDateSource(std::function<QString()> source) { postalSource() = std::move(source); }

QString postalDataDateText()
{
    if (postalSource()) {
        const QString d = postalSource()();
        if (!d.isEmpty())
            return d;
    }
    return QStringLiteral("不明");
}

} // namespace minori
