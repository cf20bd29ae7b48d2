#pragma once
// The pattern shared by the maintenance screens: one live query shown in a grid and in
// bound fields, a mode box with the modes browse "参照", new "新規" and edit "修正", and the
// commands "新規" Ctrl+A, "修正" Ctrl+E, "削除" Ctrl+D, "検索" Ctrl+F, "決定" Ctrl+O,
// "ｷｬﾝｾﾙ" Ctrl+U and "閉じる" on menus and buttons. Screens derive from it, lay out their
// fields with addField() and fill in the hooks.
#include "data_grid.h"
#include "field_binder.h"
#include "ime_mode.h"
#include "screen_state.h"

#include <QDialog>
#include <QHash>
#include <QSet>
#include <functional>

class QAction;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace minori {

class RecordScreen : public QDialog {
    Q_OBJECT
public:
    // Modes in which a command is available.
    enum Availability { InBrowse = 1, InEdit = 2, Always = 3 };
    // The four record-navigation buttons of addNavigator().
    enum Navigate { NavFirst = 0, NavPrior = 1, NavNext = 2, NavLast = 3 };

    RecordScreen(const QString &caption, const QString &sql, QWidget *parent = nullptr);
    ~RecordScreen() override;

    store::Dataset &query() { return *qry_; }
    FieldBinder &binder() { return *binder_; }
    DataGrid *grid() const { return grid_; }
    QLabel *modeLabel() const { return modeLabel_; }
    int mode() const { return mode_; }
    QAction *command(const QString &caption) const { return commands_.value(caption); }
    QPushButton *commandButton(const QString &caption) const { return buttons_.value(caption); }
    QWidget *fieldWidget(const QString &field) const { return binder_->widgetFor(field); }
    QMenu *menu(const QString &title) const { return menus_.value(title); }
    QToolButton *navButton(int i) const { return nav_[i]; }     // after addNavigator()

    // A blocked command stays disabled in every mode (a command whose document does not
    // exist yet); its button is still shown, greyed, where the command belongs.
    void setCommandBlocked(const QString &caption, bool blocked);

    // The commands; public so that callers and tests can drive the screen without widgets.
    virtual void doNew();
    virtual void doEdit();
    virtual void doDelete();
    virtual void doFind() {}
    virtual bool doPost();       // false when the row was refused; the entry stays open
    virtual void doCancel();

    void setOpensMaximized(bool on) { opensMaximized_ = on; }

signals:
    void modeChanged(int mode);

protected:
    // Layout helpers. Fields go into a grid of caption / widget rows, in tab order.
    QGridLayout *formLayout() const { return form_; }
    QVBoxLayout *bodyLayout() const { return body_; }
    QLineEdit *addLineField(const QString &caption, const QString &field, ImeMode ime = ImeMode::Default,
                            int row = -1, int column = 0);
    QComboBox *addComboField(const QString &caption, const QString &field, const QStringList &items, bool editable,
                             int row = -1, int column = 0);
    QPlainTextEdit *addMemoField(const QString &caption, const QString &field, int row = -1, int column = 0);
    // Shown only: out of the tab order and never writable.
    QLineEdit *addDisplayField(const QString &caption, const QString &field, int row = -1, int column = 0);
    void placeField(const QString &caption, QWidget *widget, int row, int column);
    // First / previous / next / last buttons on the top bar, shown in browse mode only.
    void addNavigator();
    DataGrid *addGrid(const QList<store::DatasetModel::Column> &columns);
    // A command with a menu entry (in menuTitle) and a button; shortcut may be empty.
    QAction *addCommand(const QString &menuTitle, const QString &caption, const QKeySequence &shortcut,
                        Availability when, std::function<void()> handler, bool withButton = true);
    // Takes a command off the screen (menu entry, button and shortcut), for screens that
    // offer fewer commands than the pattern.
    void removeCommand(const QString &caption);
    // Runs check(before, after) when the user leaves the widget with a text different from
    // the one it had on entry, in new and edit modes only.
    void watchExit(QWidget *widget, std::function<void(const QString &before, const QString &after)> check);
    // The value the widget had when it last took the focus.
    QString enteredValue(QWidget *widget) const { return entered_.value(widget); }
    // Makes value the remembered one, as when the program itself fills the field the user is in
    // (a value picked from a list is not checked again on leaving).
    void setEnteredValue(QWidget *widget, const QString &value) { entered_.insert(widget, value); }
    // The next time the user leaves the widget its exit check runs even when the text did not
    // change (a field filled by the program while the user was elsewhere).
    void setExitPending(QWidget *widget) { pending_.insert(widget); }
    // Called by an exit check that sends the user back to the field: a post that is moving
    // the focus off the field stops, and the entry stays open.
    void holdPost() { postHeld_ = true; }
    // Takes what every checked field shows now as its value on entry (after the program filled
    // a row the user has not typed in yet). Done on its own whenever another row comes on screen.
    void rememberShownValues();

    void setMode(int mode);
    // Moves the focus to the mode box so that the exit check of the field being typed in runs.
    void leaveCurrentField();

    // Hooks.
    virtual void openList();                       // activation: open the query (default: stay on the first row)
    virtual void afterAppend() {}                  // defaults of a new row
    virtual bool canEdit() { return true; }        // refusing shows its own message
    virtual bool canDelete() { return true; }
    virtual QString deleteQuestion() const { return QStringLiteral("削除"); }
    virtual bool checkBeforePost() { return true; } // refusing shows its own message
    virtual void beforePostRow() {}                // last changes to the row before it is written
    virtual QString duplicateMessage() const { return QString(); }
    virtual void afterPosted() {}
    virtual void afterCancelled() {}
    virtual void afterDeleted() {}

    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateCommands();
    void runExitCheck(QWidget *w);
    QMenuBar *menuBar_;
    store::Dataset *qry_;
    FieldBinder *binder_;
    DataGrid *grid_ = nullptr;
    QLabel *modeLabel_;
    QHBoxLayout *buttonBar_;
    QVBoxLayout *body_;
    QGridLayout *form_;
    int mode_ = ModeBrowse;
    int nextRow_ = 0;
    bool opensMaximized_ = false;
    QHash<QString, QAction *> commands_;
    QHash<QString, QPushButton *> buttons_;
    QHash<QString, QMenu *> menus_;
    QHash<QAction *, Availability> availability_;
    QHash<QWidget *, QString> entered_;
    QHash<QWidget *, std::function<void(const QString &, const QString &)>> exitChecks_;
    QSet<QWidget *> pending_;
    QSet<QString> blocked_;
    QToolButton *nav_[4] = {};
    QWidget *navigator_ = nullptr;
    bool postHeld_ = false;
};

} // namespace minori
