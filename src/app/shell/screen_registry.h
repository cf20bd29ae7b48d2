#pragma once
// The screens the main window can open, by the caption of their button. A caption with no
// screen registered leaves its button disabled.
#include <QString>
#include <functional>

class QWidget;

namespace minori {

// Opens the screen modally over parent (or beside it, for the screens that are not modal).
using ScreenOpener = std::function<void(QWidget *parent)>;

void registerScreen(const QString &caption, ScreenOpener opener);
bool hasScreen(const QString &caption);
// Runs the opener; false when none is registered.
bool openScreen(const QString &caption, QWidget *parent);
void clearScreens();

// The postal dictionary's issue date for the about box ("不明" when unknown).
void setPostalDateSource(std::function<QString()> source);
QString postalDataDateText();

} // namespace minori
