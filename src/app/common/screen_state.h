#pragma once
// Screen-state conventions: the colour scheme, the mode box, edit colours of the controls,
// keyboard navigation (Enter / Down / Up), maximised windows and progress bars.
#include <QColor>
#include <QObject>

class QLabel;
class QProgressBar;
class QWidget;

namespace minori {

// The process-wide colour scheme: pairs of background and text colours.
struct ColorScheme {
    QColor editable{Qt::white}, editableText{Qt::black};
    QColor readOnly{0xF0, 0xF0, 0xF0}, readOnlyText{Qt::black};
    QColor browse{0x00, 0x80, 0x00}, browseText{Qt::white};
    QColor editMode{0xC0, 0x00, 0x00}, editModeText{Qt::white};
    QColor newMode{0x00, 0x00, 0xC0}, newModeText{Qt::white};
    QColor surface{0xEC, 0xE9, 0xD8}, surfaceText{Qt::black};
    QColor lineSelection{0xFF, 0xFF, 0xC0};
};
ColorScheme &colorScheme();

enum ScreenMode { ModeBrowse = 0, ModeNew = 1, ModeEdit = 2 };

// Mode box: 0 "参照", 1 "新規", 2 "修正" in the mode's colours; other values change nothing.
void ShowModeLabel(QLabel *label, int mode);
// Colours and writability of the screen's controls for browse (false) or edit (true) mode.
// Controls out of the tab order (focusPolicy NoFocus) stay read-only; a control with the
// property "alwaysReadOnly" set stays read-only too.
void ApplyScreenColors(QWidget *screen, bool editMode);
// Maximises the screen when system.全画面最大化 is set.
void ApplyMaximizeSetting(QWidget *screen);
// False when nothing has the focus, or the focus is in a memo, a grid or an open list.
bool IsPlainInputFocused(QWidget *screen);
void ResetProgress(QProgressBar *bar, int n);

// Enter and Down move to the next control, Up to the previous one, when a plain input has
// the focus. Install on a screen with installKeyNavigation(screen).
class KeyNavigation : public QObject {
    Q_OBJECT
public:
    explicit KeyNavigation(QWidget *screen);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *screen_;
};
KeyNavigation *installKeyNavigation(QWidget *screen);

} // namespace minori
