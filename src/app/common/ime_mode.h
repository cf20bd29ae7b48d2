#pragma once
// The input-method mode a field asks for when it takes the focus. Qt expresses only
// hints; the mode is also kept as the property "imeMode" so that input-method glue (and
// tests) can read what the field wants.
class QWidget;

namespace minori {

enum class ImeMode { Default, Off, Hiragana, HalfKatakana };

void setImeMode(QWidget *widget, ImeMode mode);
ImeMode imeMode(const QWidget *widget);

} // namespace minori
