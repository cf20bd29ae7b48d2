#include "record_screen.h"

#include "prompter.h"
#include "store/session.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace minori {

namespace {
QString widgetText(QWidget *w)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *t = qobject_cast<QPlainTextEdit *>(w))
        return t->toPlainText();
    return {};
}
} // namespace

RecordScreen::RecordScreen(const QString &caption, const QString &sql, QWidget *parent)
    : QDialog(parent), qry_(new store::Dataset(store::Session::data(), sql, this))
{
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    binder_ = new FieldBinder(qry_, this);
    // Another row on screen (new, cancel, move): what the fields show is what they had on entry.
    connect(qry_, &store::Dataset::reset, this, &RecordScreen::rememberShownValues);
    connect(qry_, &store::Dataset::currentChanged, this, &RecordScreen::rememberShownValues);

    auto *outer = new QVBoxLayout(this);
    menuBar_ = new QMenuBar(this);
    outer->setMenuBar(menuBar_);
    for (const QString &title : {QStringLiteral("レコード&R"), QStringLiteral("編集中&H"), QStringLiteral("印刷&P")})
        menus_.insert(title, menuBar_->addMenu(title));

    auto *top = new QHBoxLayout;
    modeLabel_ = new QLabel(this);
    modeLabel_->setProperty("modeLabel", true);
    modeLabel_->setFocusPolicy(Qt::ClickFocus);   // takes the focus from a field on post, never by Tab
    modeLabel_->setAlignment(Qt::AlignCenter);
    modeLabel_->setMinimumWidth(64);
    modeLabel_->setFrameShape(QFrame::Box);
    top->addWidget(modeLabel_);
    buttonBar_ = new QHBoxLayout;
    top->addLayout(buttonBar_);
    top->addStretch();
    outer->addLayout(top);

    body_ = new QVBoxLayout;
    form_ = new QGridLayout;
    body_->addLayout(form_);
    outer->addLayout(body_, 1);

    const QString rec = QStringLiteral("レコード&R");
    const QString editing = QStringLiteral("編集中&H");
    addCommand(rec, QStringLiteral("新規"), QKeySequence(Qt::CTRL | Qt::Key_A), InBrowse, [this] { doNew(); });
    addCommand(rec, QStringLiteral("修正"), QKeySequence(Qt::CTRL | Qt::Key_E), InBrowse, [this] { doEdit(); });
    addCommand(rec, QStringLiteral("削除"), QKeySequence(Qt::CTRL | Qt::Key_D), InBrowse, [this] { doDelete(); });
    addCommand(rec, QStringLiteral("検索"), QKeySequence(Qt::CTRL | Qt::Key_F), InBrowse, [this] { doFind(); });
    addCommand(editing, QStringLiteral("決定"), QKeySequence(Qt::CTRL | Qt::Key_O), InEdit, [this] { doPost(); });
    addCommand(editing, QStringLiteral("ｷｬﾝｾﾙ"), QKeySequence(Qt::CTRL | Qt::Key_U), InEdit, [this] { doCancel(); });
    addCommand(rec, QStringLiteral("閉じる"), QKeySequence(), Always, [this] { reject(); });
    installKeyNavigation(this);
    setMode(ModeBrowse);
}

RecordScreen::~RecordScreen() = default;

QAction *RecordScreen::addCommand(const QString &menuTitle, const QString &caption, const QKeySequence &shortcut,
                                  Availability when, std::function<void()> handler, bool withButton)
{
    QMenu *m = menus_.value(menuTitle);
    if (!m) {
        m = menuBar_->addMenu(menuTitle);
        menus_.insert(menuTitle, m);
    }
    auto *a = new QAction(caption, this);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    m->addAction(a);
    addAction(a);    // shortcuts work while the menu bar is hidden too
    connect(a, &QAction::triggered, this, [handler] { handler(); });
    commands_.insert(caption, a);
    availability_.insert(a, when);
    if (withButton) {
        // "閉じる" stands at the end of the bar.
        auto *b = new QPushButton(caption, this);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
        buttonBar_->addWidget(b);
        buttons_.insert(caption, b);
        if (QPushButton *close = buttons_.value(QStringLiteral("閉じる")); close && close != b) {
            buttonBar_->removeWidget(close);
            buttonBar_->addWidget(close);
        }
    }
    updateCommands();
    return a;
}

void RecordScreen::removeCommand(const QString &caption)
{
    QAction *a = commands_.take(caption);
    if (!a)
        return;
    availability_.remove(a);
    for (QMenu *m : std::as_const(menus_))
        m->removeAction(a);
    removeAction(a);
    a->deleteLater();
    if (QPushButton *b = buttons_.take(caption)) {
        buttonBar_->removeWidget(b);
        b->deleteLater();
    }
}

void RecordScreen::placeField(const QString &caption, QWidget *widget, int row, int column)
{
    if (row < 0)
        row = nextRow_;
    nextRow_ = qMax(nextRow_, row + 1);
    if (!caption.isEmpty()) {
        auto *l = new QLabel(caption, this);
        l->setBuddy(widget);
        form_->addWidget(l, row, column * 2);
    }
    form_->addWidget(widget, row, column * 2 + 1);
}

QLineEdit *RecordScreen::addLineField(const QString &caption, const QString &field, ImeMode ime, int row, int column)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(field);
    setImeMode(e, ime);
    placeField(caption, e, row, column);
    binder_->bind(e, field);
    e->installEventFilter(this);
    return e;
}

QComboBox *RecordScreen::addComboField(const QString &caption, const QString &field, const QStringList &items,
                                       bool editable, int row, int column)
{
    auto *c = new QComboBox(this);
    c->setObjectName(field);
    c->setEditable(editable);
    c->addItems(items);
    placeField(caption, c, row, column);
    binder_->bind(c, field);
    c->installEventFilter(this);
    return c;
}

QPlainTextEdit *RecordScreen::addMemoField(const QString &caption, const QString &field, int row, int column)
{
    auto *t = new QPlainTextEdit(this);
    t->setObjectName(field);
    t->setTabChangesFocus(true);
    setImeMode(t, ImeMode::Hiragana);
    placeField(caption, t, row, column);
    binder_->bind(t, field);
    t->installEventFilter(this);
    return t;
}

QLineEdit *RecordScreen::addDisplayField(const QString &caption, const QString &field, int row, int column)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(field);
    e->setFocusPolicy(Qt::NoFocus);
    e->setProperty("alwaysReadOnly", true);
    e->setReadOnly(true);
    placeField(caption, e, row, column);
    binder_->bind(e, field);
    return e;
}

DataGrid *RecordScreen::addGrid(const QList<store::DatasetModel::Column> &columns)
{
    grid_ = new DataGrid(qry_, this);
    grid_->setColumns(columns);
    body_->addWidget(grid_, 1);
    return grid_;
}

void RecordScreen::watchExit(QWidget *widget, std::function<void(const QString &, const QString &)> check)
{
    exitChecks_.insert(widget, std::move(check));
    widget->installEventFilter(this);
}

bool RecordScreen::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::ShortcutOverride) {
        // The screen's commands win over the editing keys of its fields (Ctrl+A is "新規",
        // not select-all): leaving the override unaccepted lets the shortcut fire.
        const QKeySequence seq(static_cast<QKeyEvent *>(event)->keyCombination());
        for (QAction *a : std::as_const(commands_))
            if (a->isEnabled() && a->shortcut() == seq)
                return true;
    }
    // Switching windows (a message box, a picker) is not leaving the field.
    const auto reason = [event] { return static_cast<QFocusEvent *>(event)->reason(); };
    if (w && event->type() == QEvent::FocusIn && reason() != Qt::ActiveWindowFocusReason &&
        reason() != Qt::PopupFocusReason) {
        entered_.insert(w, widgetText(w));
    } else if (w && event->type() == QEvent::FocusOut && mode_ != ModeBrowse &&
               reason() != Qt::ActiveWindowFocusReason && reason() != Qt::PopupFocusReason) {
        runExitCheck(w);
    }
    return QDialog::eventFilter(watched, event);
}

void RecordScreen::runExitCheck(QWidget *w)
{
    auto it = exitChecks_.constFind(w);
    if (it == exitChecks_.constEnd() || mode_ == ModeBrowse)
        return;
    const QString before = entered_.value(w);
    const QString after = widgetText(w);
    const bool pending = pending_.remove(w);
    if (before != after || pending) {
        entered_.insert(w, after);
        it.value()(before, after);
    }
}

void RecordScreen::setMode(int mode)
{
    mode_ = mode;
    ShowModeLabel(modeLabel_, mode);
    ApplyScreenColors(this, mode != ModeBrowse);
    if (navigator_)
        navigator_->setVisible(mode == ModeBrowse);
    updateCommands();
    emit modeChanged(mode);
}

void RecordScreen::updateCommands()
{
    const bool browse = mode_ == ModeBrowse;
    for (auto it = availability_.cbegin(); it != availability_.cend(); ++it) {
        const bool on = it.value() == Always || (browse ? it.value() == InBrowse : it.value() == InEdit);
        const bool blocked = blocked_.contains(it.key()->text());
        it.key()->setEnabled(on && !blocked);
        if (QPushButton *b = buttons_.value(it.key()->text())) {
            b->setVisible(on);
            b->setEnabled(!blocked);
        }
    }
    menus_.value(QStringLiteral("レコード&R"))->setEnabled(true);
    menus_.value(QStringLiteral("編集中&H"))->setEnabled(!browse);
    menus_.value(QStringLiteral("印刷&P"))->setEnabled(browse);
}

void RecordScreen::leaveCurrentField()
{
    QWidget *focused = focusWidget();
    modeLabel_->setFocus(Qt::OtherFocusReason);
    // Inactive windows do not send focus-out: run the check of the field left directly (it
    // does nothing when the focus-out has run it already).
    if (focused && focused != modeLabel_ && entered_.contains(focused))
        runExitCheck(focused);
}

void RecordScreen::rememberShownValues()
{
    for (auto it = exitChecks_.cbegin(); it != exitChecks_.cend(); ++it)
        entered_.insert(it.key(), widgetText(it.key()));
    pending_.clear();
}

void RecordScreen::setCommandBlocked(const QString &caption, bool blocked)
{
    if (blocked)
        blocked_.insert(caption);
    else
        blocked_.remove(caption);
    updateCommands();
}

void RecordScreen::addNavigator()
{
    if (navigator_)
        return;
    navigator_ = new QWidget(this);
    auto *bar = new QHBoxLayout(navigator_);
    bar->setContentsMargins(0, 0, 0, 0);
    const QStyle::StandardPixmap icons[4] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                             QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
    const QString tips[4] = {QStringLiteral("先頭"), QStringLiteral("前"), QStringLiteral("次"), QStringLiteral("最後")};
    for (int i = 0; i < 4; ++i) {
        nav_[i] = new QToolButton(navigator_);
        nav_[i]->setIcon(style()->standardIcon(icons[i]));
        nav_[i]->setToolTip(tips[i]);
        nav_[i]->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(nav_[i]);
        connect(nav_[i], &QToolButton::clicked, this, [this, i] {
            if (!qry_->isOpen() || mode_ != ModeBrowse)
                return;
            switch (i) {
            case NavFirst: qry_->first(); break;
            case NavPrior: qry_->prior(); break;
            case NavNext: qry_->next(); break;
            default: qry_->last(); break;
            }
        });
    }
    buttonBar_->insertWidget(0, navigator_);
    navigator_->setVisible(mode_ == ModeBrowse);
}

void RecordScreen::openList()
{
    qry_->close();
    qry_->open();
}

void RecordScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;    // restored from minimised: the entry in progress stays as it is
    if (opensMaximized_)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        ApplyMaximizeSetting(this);
    setMode(ModeBrowse);
    openList();
}

void RecordScreen::done(int result)
{
    if (qry_->isEditing())
        qry_->cancel();
    qry_->close();
    QDialog::done(result);
}

void RecordScreen::doNew()
{
    if (mode_ != ModeBrowse)
        return;
    qry_->append();
    setMode(ModeNew);
    afterAppend();
    binder_->load();
}

void RecordScreen::doEdit()
{
    if (mode_ != ModeBrowse || qry_->isEmpty() || !canEdit())
        return;
    qry_->edit();
    setMode(ModeEdit);
}

void RecordScreen::doDelete()
{
    if (mode_ != ModeBrowse || qry_->isEmpty() || !canDelete())
        return;
    if (!AskConfirm(deleteQuestion()))
        return;
    qry_->remove();
    afterDeleted();
}

bool RecordScreen::doPost()
{
    if (mode_ == ModeBrowse)
        return false;
    if (!checkBeforePost())
        return false;
    postHeld_ = false;
    leaveCurrentField();
    if (postHeld_ || mode_ == ModeBrowse || !qry_->isEditing()) {
        postHeld_ = false;    // an exit check sent the user back to a field, or ended the entry
        return false;
    }
    binder_->store();
    try {
        beforePostRow();
        qry_->post();
    } catch (const store::Abort &) {
        return false;
    } catch (const store::SqlError &e) {
        const QString msg = duplicateMessage();
        ShowError(msg.isEmpty() || !e.isConstraint() ? e.text() : msg);
        return false;
    }
    setMode(ModeBrowse);
    afterPosted();
    return true;
}

void RecordScreen::doCancel()
{
    if (mode_ == ModeBrowse)
        return;
    qry_->cancel();
    setMode(ModeBrowse);
    afterCancelled();
}

} // namespace minori
