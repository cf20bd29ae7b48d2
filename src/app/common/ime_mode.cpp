#include "ime_mode.h"

#include <QVariant>
#include <QWidget>

namespace minori {

void setImeMode(QWidget *widget, ImeMode mode)
{
    widget->setProperty("imeMode", static_cast<int>(mode));
    Qt::InputMethodHints hints = widget->inputMethodHints();
    hints &= ~(Qt::ImhPreferLatin | Qt::ImhLatinOnly | Qt::ImhPreferLowercase);
    if (mode == ImeMode::Off)
        hints |= Qt::ImhPreferLatin | Qt::ImhNoPredictiveText;
    widget->setInputMethodHints(hints);
    widget->setAttribute(Qt::WA_InputMethodEnabled, mode != ImeMode::Off || widget->testAttribute(Qt::WA_InputMethodEnabled));
}

ImeMode imeMode(const QWidget *widget)
{
    const QVariant v = widget->property("imeMode");
    return v.isValid() ? static_cast<ImeMode>(v.toInt()) : ImeMode::Default;
}

} // namespace minori
