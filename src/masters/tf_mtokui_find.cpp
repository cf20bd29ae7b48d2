#include "tf_mtokui_find.h"

#include "app/common/common_routines.h"
#include "app/common/counter_routines.h"
#include "app/common/ime_mode.h"
#include "app/common/plain_button.h"
#include "app/common/prompter.h"
#include "app/common/screen_state.h"
#include "customer_rules.h"
#include "store/session.h"
#include "tf_mtokui.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace minori {

namespace {
const QString kCode = QStringLiteral("得意先CODE");
const QString kReading = QStringLiteral("フリガナ");
const QString kName = QStringLiteral("得意先名");
const QString kPhoneKey = QStringLiteral("電話番号F");

// The list stands sorted by the column searched (SQLite's order: blanks first, then text by
// its UTF-8 bytes), so the first row that begins with the value is found by halving the list
// instead of scanning the table: a keystroke stays quick on columns without an index. Like
// LocatePrefix, the current row stays when no row begins with the value.
bool seekSortedPrefix(store::Dataset &set, const QString &column, const QString &prefix)
{
    store::Field *f = set.findField(column);
    if (!f)
        return false;
    const int index = f->index();
    const QByteArray want = prefix.toUtf8();
    const int count = set.recordCount();
    int lo = 0, hi = count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        const QVariant v = set.value(mid, index);
        if (v.isNull() || v.toString().toUtf8() < want)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo >= count)
        return false;
    const QVariant v = set.value(lo, index);
    if (v.isNull() || !v.toString().startsWith(prefix))
        return false;
    set.setRecNo(lo + 1);
    return true;
}

} // namespace

TfMTokuiFind::TfMTokuiFind(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfMTokuiFind"));
    setWindowTitle(QStringLiteral("得意先検索"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    qryMTokui_ = new store::Dataset(store::Session::data(), this);
    qryMTokui_->setObjectName(QStringLiteral("qryMTokui"));

    auto *top = new QHBoxLayout;
    column_ = new QComboBox(this);
    column_->addItems({kCode, kReading, kName, kPhoneKey});
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("searchText"));
    text_->setMinimumWidth(200);
    find_ = plainButton(QStringLiteral("検索"), this);
    top->addWidget(new QLabel(QStringLiteral("検索項目"), this));
    top->addWidget(column_);
    top->addWidget(text_);
    top->addWidget(find_);
    const QStyle::StandardPixmap icons[4] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                             QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
    for (int i = 0; i < 4; ++i) {
        nav_[i] = new QToolButton(this);
        nav_[i]->setIcon(style()->standardIcon(icons[i]));
        nav_[i]->setFocusPolicy(Qt::NoFocus);
        top->addWidget(nav_[i]);
        connect(nav_[i], &QToolButton::clicked, this, [this, i] {
            if (!qryMTokui_->isOpen())
                return;
            switch (i) {
            case 0: qryMTokui_->first(); break;
            case 1: qryMTokui_->prior(); break;
            case 2: qryMTokui_->next(); break;
            default: qryMTokui_->last(); break;
            }
        });
    }
    top->addStretch();
    ok_ = plainButton(QStringLiteral("OK"), this);
    ok_->setToolTip(QStringLiteral("選択した得意先のマスター画面へ移動します"));
    copy_ = plainButton(QStringLiteral("複写"), this);
    close_ = plainButton(QStringLiteral("閉じる"), this);
    top->addWidget(ok_);
    top->addWidget(copy_);
    top->addWidget(close_);

    grid_ = new DataGrid(qryMTokui_, this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setColumns({{kCode, kCode, 10},
                       {kName, kName, 30},
                       {kReading, kReading, 24},
                       {kPhoneKey, kPhoneKey, 13},
                       {QStringLiteral("電話番号"), QStringLiteral("電話番号"), 13},
                       {QStringLiteral("住所1"), QStringLiteral("住所1"), 30},
                       {QStringLiteral("住所2"), QStringLiteral("住所2"), 30},
                       {QStringLiteral("住所3"), QStringLiteral("住所3"), 30},
                       {QStringLiteral("E_MAIL"), QStringLiteral("E_MAIL"), 30}});
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);

    connect(text_, &QLineEdit::textChanged, this, [this] { search(); });
    connect(find_, &QPushButton::clicked, this, [this] { search(); });
    connect(ok_, &QPushButton::clicked, this, [this] { takeCurrent(); });
    connect(close_, &QPushButton::clicked, this, [this] { reject(); });
    connect(copy_, &QPushButton::clicked, this, [this] { copyCurrent(); });
    connect(grid_, &DataGrid::activatedRow, this, [this](int) { takeCurrent(); });
    column_->installEventFilter(this);
    text_->installEventFilter(this);
    resize(900, 600);
}

TfMTokuiFind &TfMTokuiFind::instance()
{
    static QPointer<TfMTokuiFind> screen;
    if (!screen)
        screen = new TfMTokuiFind;
    return *screen;
}

QString TfMTokuiFind::searchValue(const QString &column, const QString &typed)
{
    if (column == kCode)
        return CounterFormat(QStringLiteral("MTOKUI"), typed);
    if (column == kPhoneKey)
        return customer::phoneSearchKey(typed);
    return typed;
}

void TfMTokuiFind::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    BindToData(this);
    setWindowState(windowState() | Qt::WindowMaximized);
    ApplyScreenColors(this, false);
    ResultCode.clear();
    ResultName.clear();
    column_->setCurrentText(kReading);
    text_->blockSignals(true);
    text_->clear();
    text_->blockSignals(false);
    applySearchColumn();
    copy_->setEnabled(!TfMTokui::anyVisible());
    column_->setFocus();
}

void TfMTokuiFind::done(int result)
{
    CloseAllQueries(this);
    QDialog::done(result);
}

void TfMTokuiFind::applySearchColumn()
{
    const QString column = column_->currentText();
    // Only the four items of the list ever reach the statement.
    if (column != kCode && column != kReading && column != kName && column != kPhoneKey)
        return;
    sortColumn_ = column;
    OpenSql(*qryMTokui_, QStringLiteral("SELECT * FROM mtokui ORDER BY ") + column);
    applyImeMode();
}

void TfMTokuiFind::applyImeMode()
{
    if (sortColumn_ == kReading)
        setImeMode(text_, ImeMode::HalfKatakana);
    else if (sortColumn_ == kName)
        setImeMode(text_, ImeMode::Hiragana);
    else
        setImeMode(text_, ImeMode::Off);
}

void TfMTokuiFind::search()
{
    if (!qryMTokui_->isOpen() || qryMTokui_->isEmpty() || sortColumn_.isEmpty())
        return;
    seekSortedPrefix(*qryMTokui_, sortColumn_, searchValue(sortColumn_, text_->text()));
}

void TfMTokuiFind::takeCurrent()
{
    if (!qryMTokui_->isOpen() || qryMTokui_->isEmpty())
        return;
    ResultCode = qryMTokui_->field(kCode).asString();
    ResultName = qryMTokui_->field(kName).asString();
    accept();
}

void TfMTokuiFind::copyCurrent()
{
    if (!copy_->isEnabled() || !qryMTokui_->isOpen() || qryMTokui_->isEmpty())
        return;
    const QString name = qryMTokui_->field(kName).asString();
    const QString code = qryMTokui_->field(kCode).asString();
    if (!AskConfirm(customer::copyQuestionFor(name)))
        return;
    const QString posted = TfMTokui::instance().Run(TfMTokui::CopyOne, code, QString());
    if (posted.isEmpty())
        return;
    ResultCode = posted;
    ResultName.clear();
    accept();
}

bool TfMTokuiFind::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == column_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            applySearchColumn();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == column_ && enter && !column_->view()->isVisible()) {
            text_->setFocus();
            return true;
        }
        if (watched == text_ && (enter || key == Qt::Key_Down)) {
            grid_->setFocus();
            return true;
        }
        if (watched == text_ && key == Qt::Key_Up) {
            column_->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace minori
