#include "tf_list.h"

#include "common_routines.h"
#include "plain_button.h"
#include "screen_state.h"
#include "store/sjis.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace minori {

TfList::TfList(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfList"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    auto *top = new QHBoxLayout;
    findLabel_ = new QLabel(QStringLiteral("検索値"), this);
    findEdit_ = new QLineEdit(this);
    findEdit_->setObjectName(QStringLiteral("findEdit"));
    findEdit_->setMaximumWidth(240);
    findLabel_->setBuddy(findEdit_);
    top->addWidget(findLabel_);
    top->addWidget(findEdit_);

    const QStyle::StandardPixmap icons[4] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                             QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
    const QString tips[4] = {QStringLiteral("先頭"), QStringLiteral("前"), QStringLiteral("次"), QStringLiteral("最後")};
    for (int i = 0; i < 4; ++i) {
        nav_[i] = new QToolButton(this);
        nav_[i]->setIcon(style()->standardIcon(icons[i]));
        nav_[i]->setToolTip(tips[i]);
        nav_[i]->setFocusPolicy(Qt::NoFocus);
        top->addWidget(nav_[i]);
        connect(nav_[i], &QToolButton::clicked, this, [this, i] {
            if (!query_ || !query_->isOpen())
                return;
            switch (i) {
            case 0: query_->first(); break;
            case 1: query_->prior(); break;
            case 2: query_->next(); break;
            default: query_->last(); break;
            }
        });
    }
    top->addStretch();
    okButton_ = plainButton(QStringLiteral("OK"), this);
    closeButton_ = plainButton(QStringLiteral("閉じる"), this);
    top->addWidget(okButton_);
    top->addWidget(closeButton_);
    connect(okButton_, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(closeButton_, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(findEdit_, &QLineEdit::textChanged, this, &TfList::findTyped);
    findEdit_->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    resize(800, 600);
}

TfList &TfList::instance()
{
    // Lives until the process ends, like every screen of the program.
    static QPointer<TfList> picker;
    if (!picker)
        picker = new TfList;
    return *picker;
}

void TfList::prepare(store::Dataset &query, const QString &sql, const QString &caption, const QVariantList &params,
                     bool withFind)
{
    setWindowTitle(caption);
    query_ = &query;
    findLabel_->setVisible(withFind);
    findEdit_->setVisible(withFind);
    settingFind_ = true;
    findEdit_->clear();
    settingFind_ = false;
    setImeMode(findEdit_, ImeMode::Default);
    OpenSql(query, sql, params);
    // A grid is bound to one query; the picker serves a different one each time.
    if (grid_)
        delete grid_;
    grid_ = new DataGrid(&query, this);
    grid_->setObjectName(QStringLiteral("grid"));
    static_cast<QVBoxLayout *>(layout())->addWidget(grid_, 1);
    connect(grid_, &DataGrid::activatedRow, this, [this](int) { done(QDialog::Accepted); });
    // Every column of the caller's SQL under its own name, as wide as its text column.
    QList<store::DatasetModel::Column> columns;
    for (int i = 0; i < query.fieldCount(); ++i) {
        const store::Field &f = query.field(i);
        const int bytes = f.type() == store::ColType::Text ? qBound(4, f.width(), 40) : f.type() == store::ColType::Memo ? 40 : 10;
        const bool number = f.type() == store::ColType::Money || f.type() == store::ColType::Integer ||
                            f.type() == store::ColType::SmallInt || f.type() == store::ColType::Float;
        columns.append({f.name(), f.name(), qMax<int>(bytes, sjis::byteLength(f.name())),
                        (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter});
    }
    grid_->setColumns(columns);
}

void TfList::PrepareList(store::Dataset &query, const QString &sql, const QString &caption, const QVariantList &params)
{
    findColumn_.clear();
    prepare(query, sql, caption, params, false);
}

void TfList::PrepareFindList(store::Dataset &query, const QString &sql, const QString &caption, const QString &startValue,
                             const QString &findColumn, const QVariantList &params)
{
    findColumn_ = findColumn;
    prepare(query, sql, caption, params, true);
    if (!startValue.isEmpty() && !query.isEmpty())
        LocatePrefix(query, findColumn_, startValue);
}

void TfList::setFindImeMode(ImeMode mode) { setImeMode(findEdit_, mode); }

int TfList::ShowModal() { return exec() == QDialog::Accepted ? OK : Cancel; }

void TfList::findTyped(const QString &text)
{
    if (settingFind_ || !query_ || !query_->isOpen() || findColumn_.isEmpty() || query_->isEmpty())
        return;
    // No row beginning with the text: the position stays where it was.
    LocatePrefix(*query_, findColumn_, text);
}

void TfList::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    setWindowState(windowState() | Qt::WindowMaximized);
    ApplyScreenColors(this, false);
    if (grid_)
        grid_->setFocus();
    emit opened();
}

bool TfList::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the find field goes on to the grid, where Enter takes the row.
    if (watched == findEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && grid_) {
            grid_->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace minori
