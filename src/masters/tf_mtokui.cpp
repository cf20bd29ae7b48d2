#include "tf_mtokui.h"

#include "address/yubin_find.h"
#include "app/common/common_routines.h"
#include "app/common/counter_routines.h"
#include "app/common/input_date.h"
#include "app/common/prompter.h"
#include "app/common/text_routines.h"
#include "app/common/tf_list.h"
#include "customer_reading.h"
#include "customer_rules.h"
#include "store/session.h"
#include "tf_mtokui_find.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

namespace minori {

namespace {
const QString kCode = QStringLiteral("得意先CODE");
const QString kName = QStringLiteral("得意先名");
const QString kReading = QStringLiteral("フリガナ");
const QString kPhone = QStringLiteral("電話番号");
const QString kPhoneKey = QStringLiteral("電話番号F");
const QString kPostal = QStringLiteral("郵便番号");
const QString kAdrs1 = QStringLiteral("住所1");
const QString kAdrs2 = QStringLiteral("住所2");
const QString kAdrs3 = QStringLiteral("住所3");
const QString kTitle = QStringLiteral("敬称");
const QString kClassCode = QStringLiteral("分類CODE");
const QString kClassName = QStringLiteral("分類名");
const QString kRegistered = QStringLiteral("登録日");
const QString kRegularDate = QStringLiteral("定期購入日");
const QString kMemo = QStringLiteral("メモ");
const QString kMr = QStringLiteral("様");

int g_visible = 0;

// A drop-down button inside a field; Alt+Down and F4 open it too.
void addDropDown(QLineEdit *field, std::function<void()> open)
{
    QAction *a = field->addAction(field->style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    a->setToolTip(QStringLiteral("一覧"));
    QObject::connect(a, &QAction::triggered, field, [open] { open(); });
    field->setProperty("dropDown", true);
}

QDate parseTypedDate(const QString &text)
{
    QString t = text.trimmed();
    t.replace(u'-', u'/');
    for (const char *format : {"yyyy/MM/dd", "yyyy/M/d", "yyyyMMdd"}) {
        const QDate d = QDate::fromString(t, QString::fromLatin1(format));
        if (d.isValid())
            return d;
    }
    return {};
}
} // namespace

TfMTokui::TfMTokui(QWidget *parent) : RecordScreen(QStringLiteral("顧客マスター"), customer::kListSql, parent)
{
    setObjectName(QStringLiteral("TfMTokui"));
    query().setObjectName(QStringLiteral("qryMTokui"));
    qryScratch_ = new store::Dataset(store::Session::data(), this);
    qryScratch_->setObjectName(QStringLiteral("qryScratch"));

    code_ = addDisplayField(QStringLiteral("得意先CODE"), kCode, 0, 0);
    phone_ = addLineField(QStringLiteral("電話番号"), kPhone, ImeMode::Off, 1, 0);
    phoneKey_ = addDisplayField(QString(), kPhoneKey, 1, 1);
    phoneKey_->setVisible(false);
    name_ = addLineField(QStringLiteral("得意先名"), kName, ImeMode::Hiragana, 2, 0);
    title_ = addComboField(QStringLiteral("敬称"), kTitle, {kMr, QStringLiteral("御中")}, true, 3, 0);
    reading_ = addLineField(QStringLiteral("半角フリガナ"), kReading, ImeMode::HalfKatakana, 4, 0);
    autoReading_ = new QCheckBox(QStringLiteral("フリガナ自動入力"), this);
    autoReading_->setChecked(true);
    autoReading_->setFocusPolicy(Qt::ClickFocus);
    placeField(QString(), autoReading_, 4, 1);
    postal_ = addLineField(QStringLiteral("郵便番号"), kPostal, ImeMode::Off, 5, 0);
    addDropDown(postal_, [this] { dropDownPostal(); });
    addLineField(QStringLiteral("住所1"), kAdrs1, ImeMode::Hiragana, 6, 0);
    addLineField(QStringLiteral("住所2"), kAdrs2, ImeMode::Hiragana, 7, 0);
    addLineField(QStringLiteral("住所3"), kAdrs3, ImeMode::Hiragana, 8, 0);
    addLineField(QStringLiteral("FAX番号"), QStringLiteral("FAX番号"), ImeMode::Off, 9, 0);
    addLineField(QStringLiteral("E_MAIL"), QStringLiteral("E_MAIL"), ImeMode::Off, 10, 0);
    class_ = addLineField(QStringLiteral("分類"), kClassCode, ImeMode::Off, 11, 0);
    addDropDown(class_, [this] { dropDownClass(); });
    addDisplayField(QString(), kClassName, 11, 1)->setMaximumWidth(240);

    // The date is stored when the field is left, so that a date half typed never reaches the row.
    regularDate_ = new QLineEdit(this);
    regularDate_->setObjectName(kRegularDate);
    regularDate_->setProperty("bound", true);
    regularDate_->setPlaceholderText(QStringLiteral("yyyy/mm/dd"));
    setImeMode(regularDate_, ImeMode::Off);
    placeField(QStringLiteral("定期購入日"), regularDate_, 12, 0);
    addDropDown(regularDate_, [this] { dropDownRegularDate(); });
    regularDate_->installEventFilter(this);

    memo_ = addMemoField(QStringLiteral("顧客マスターメモ欄"), kMemo, 13, 0);
    dateButton_ = new QPushButton(QStringLiteral("日付"), this);
    dateButton_->setAutoDefault(false);
    dateButton_->setFocusPolicy(Qt::NoFocus);
    formLayout()->addWidget(dateButton_, 13, 2, Qt::AlignTop);
    for (QLineEdit *e : {phone_, name_, reading_, postal_, class_})
        e->setMinimumWidth(220);
    // The columns keep their widths whether "日付" is shown or not.
    formLayout()->setColumnMinimumWidth(2, dateButton_->sizeHint().width());
    formLayout()->setColumnStretch(1, 2);
    formLayout()->setColumnStretch(3, 1);

    addNavigator();
    const QString rec = QStringLiteral("レコード&R");
    addCommand(rec, QStringLiteral("複写"), QKeySequence(Qt::CTRL | Qt::Key_K), InBrowse, [this] { doCopy(); });
    QAction *date = addCommand(QStringLiteral("編集中&H"), QStringLiteral("日付"), QKeySequence(), InEdit,
                               [this] { stampMemoDate(); }, false);
    connect(dateButton_, &QPushButton::clicked, date, &QAction::trigger);
    // Documents and contact come with the printing of address labels and postcards.
    for (const QString &c : {QStringLiteral("宛名ラベル"), QStringLiteral("葉書")}) {
        addCommand(QStringLiteral("印刷&P"), c, QKeySequence(), InBrowse, [] {});
        setCommandBlocked(c, true);
    }
    for (const QString &c : {QStringLiteral("メール作成"), QStringLiteral("Skypeで電話")}) {
        addCommand(QStringLiteral("連絡"), c, QKeySequence(), InBrowse, [] {});
        setCommandBlocked(c, true);
    }
    connect(this, &RecordScreen::modeChanged, this, [this](int mode) { dateButton_->setVisible(mode != ModeBrowse); });
    dateButton_->setVisible(false);

    auto *showKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1), this);
    connect(showKey, &QShortcut::activated, this, [this] { phoneKey_->setVisible(!phoneKey_->isVisible()); });

    watchExit(phone_, [this](const QString &, const QString &after) { phoneLeft(after); });
    watchExit(reading_, [this](const QString &, const QString &) { readingLeft(); });
    watchExit(postal_, [this](const QString &, const QString &after) { postalLeft(after); });
    watchExit(class_, [this](const QString &, const QString &after) { classLeft(after); });
    watchExit(regularDate_, [this](const QString &, const QString &after) { regularDateLeft(after); });

    auto *capture = new customer::ReadingCapture(
        name_, [this] { return mode() != ModeBrowse && autoReading_->isChecked(); }, this);
    connect(capture, &customer::ReadingCapture::readingCommitted, this, &TfMTokui::readingTyped);

    connect(&query(), &store::Dataset::reset, this, &TfMTokui::showRegularDate);
    connect(&query(), &store::Dataset::currentChanged, this, &TfMTokui::showRegularDate);
    connect(&query(), &store::Dataset::rowChanged, this, &TfMTokui::showRegularDate);
    resize(760, 640);
}

TfMTokui &TfMTokui::instance()
{
    static QPointer<TfMTokui> screen;
    if (!screen)
        screen = new TfMTokui;
    return *screen;
}

bool TfMTokui::anyVisible() { return g_visible > 0; }

void TfMTokui::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        ++g_visible;
        BindToData(this);    // the data folder of this session
    }
    RecordScreen::showEvent(event);
}

void TfMTokui::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous() && g_visible > 0)
        --g_visible;
    RecordScreen::hideEvent(event);
}

QString TfMTokui::Run(int openMode, const QString &paramCode, const QString &paramTel)
{
    OpenMode = openMode;
    ParamCode = paramCode;
    ParamTel = paramTel;
    exec();
    return ResultCode;
}

QString TfMTokui::current(const QString &column)
{
    if (!query().isOpen() || query().isEmpty())
        return {};
    return query().field(column).asString();
}

void TfMTokui::setColumn(const QString &column, const QString &value)
{
    EnsureEditing(query());
    query().field(column).setString(value);
}

void TfMTokui::closeLater(int result)
{
    QTimer::singleShot(0, this, [this, result] { done(result); });
}

void TfMTokui::openList()
{
    moved_ = filled_ = false;
    ResultCode.clear();
    RecordScreen::openList();
    switch (OpenMode) {
    case EditOne:
        if (LocateExact(query(), QStringLiteral("得意先code"), ParamCode)) {
            startEditing();
        } else {
            ShowError(QStringLiteral("顧客マスターがありません"));
            closeLater(Rejected);
            return;
        }
        break;
    case NewOne:
        doNew();
        setColumn(kPhone, ParamTel);
        setColumn(kPhoneKey, customer::phoneSearchKey(ParamTel));
        break;
    case CopyOne:
        if (ParamCode.isEmpty()) {
            ShowError(QStringLiteral("複写元を指定してください。"));
            break;
        }
        if (!OpenSql(*qryScratch_, customer::kOneSql, {ParamCode})) {
            ShowError(QStringLiteral("顧客番号が見つかりません。") + ParamCode);
            break;
        }
        startCopyOf(*qryScratch_);
        break;
    default:
        query().last();
        break;
    }
    rememberShownValues();
    phone_->setFocus();
}

void TfMTokui::afterAppend()
{
    store::Dataset &q = query();
    q.field(kCode).setString(CounterPeek(QStringLiteral("MTOKUI")));   // shown only; taken at posting
    q.field(kRegistered).setDate(QDate::currentDate());
    q.field(kTitle).setString(kMr);
    phone_->setFocus();
}

void TfMTokui::startEditing()
{
    query().edit();
    setMode(ModeEdit);
}

void TfMTokui::startCopyOf(store::Dataset &source)
{
    doNew();
    CopyFieldsByName(query(), source);
    query().field(kCode).setString(CounterPeek(QStringLiteral("MTOKUI")));
    binder().load();
    showRegularDate();
}

bool TfMTokui::canEdit()
{
    if (customer::isTakeAway(current(kCode))) {
        ShowInfo(QStringLiteral("「お持ち帰り」は修正できません"));
        return false;
    }
    return true;
}

bool TfMTokui::canDelete()
{
    if (customer::isTakeAway(current(kCode))) {
        ShowInfo(QStringLiteral("「お持ち帰り」は削除できません"));
        return false;
    }
    return true;
}

void TfMTokui::beforePostRow()
{
    store::Dataset &q = query();
    if (mode() == ModeNew) {
        const QString code = CounterTake(QStringLiteral("MTOKUI"));
        if (code.isEmpty())
            throw store::Abort();    // the counter's message has been shown
        q.field(kCode).setString(code);
    }
    if (q.field(kTitle).isBlank())
        q.field(kTitle).setString(kMr);
}

void TfMTokui::afterPosted()
{
    const QString code = current(kCode);
    if (OpenMode != BrowseAll) {
        ResultCode = code;
        done(Accepted);
        return;
    }
    // The new code may sort anywhere: stay on the customer just posted.
    RefreshKeepPosition(query());
    LocateExact(query(), kCode, code);
}

void TfMTokui::afterCancelled()
{
    if (OpenMode != BrowseAll && !moved_) {
        ResultCode.clear();
        closeLater(Rejected);
    }
    moved_ = false;
}

void TfMTokui::afterDeleted() { RefreshKeepPosition(query()); }

void TfMTokui::doFind()
{
    if (mode() != ModeBrowse)
        return;
    TfMTokuiFind &find = TfMTokuiFind::instance();
    find.exec();
    if (!find.ResultCode.isEmpty())
        LocatePrefix(query(), kCode, find.ResultCode);
}

void TfMTokui::doCopy()
{
    if (mode() != ModeBrowse || query().isEmpty())
        return;
    if (!AskConfirm(customer::kCopyQuestion))
        return;
    if (!OpenSql(*qryScratch_, QStringLiteral("SELECT * FROM mtokui WHERE 得意先CODE=?"), {current(kCode)}))
        return;
    startCopyOf(*qryScratch_);
    rememberShownValues();
    name_->setFocus();
}

void TfMTokui::stampMemoDate()
{
    if (mode() == ModeBrowse)
        return;
    binder().store();
    setColumn(kMemo, customer::memoWithDate(current(kMemo), NowText()));
}

void TfMTokui::jumpTo(const QString &code)
{
    moved_ = true;
    doCancel();                      // the entry in progress is discarded; the screen stays
    if (!LocateExact(query(), QStringLiteral("得意先code"), code))
        return;
    if (customer::isTakeAway(code)) {
        ShowInfo(QStringLiteral("「お持ち帰り」は修正できません"));
        return;
    }
    startEditing();
    backTo(phone_);
}

void TfMTokui::backTo(QWidget *field, bool checkAgain)
{
    holdPost();
    if (checkAgain)
        setExitPending(field);    // a value refused is checked again when the field is left
    // The field is being left right now; the focus goes back once that is over.
    QPointer<QWidget> f = field;
    QTimer::singleShot(0, this, [f] {
        if (f)
            f->setFocus(Qt::OtherFocusReason);
    });
}

void TfMTokui::phoneLeft(const QString &after)
{
    const QString key = customer::phoneSearchKey(after);
    setColumn(kPhoneKey, key);
    if (after.isEmpty())
        return;
    const QVariantList params{key, current(kCode)};
    if (!OpenSql(*qryScratch_, customer::kSamePhoneSql, params))
        return;
    ShowInfo(QStringLiteral("同じ電話番号があります確認して下さい"));
    TfList &picker = TfList::instance();
    picker.PrepareList(*qryScratch_, customer::kSamePhoneSql, customer::kSamePhoneCaption, params);
    if (picker.ShowModal() == TfList::OK && !qryScratch_->isEmpty())
        jumpTo(qryScratch_->field(QStringLiteral("得意先code")).asString());
    else
        backTo(phone_);
}

void TfMTokui::readingLeft()
{
    filled_ = false;
    const QVariantList params{current(kReading), current(kCode)};
    if (!OpenSql(*qryScratch_, customer::kSameReadingSql, params))
        return;
    ShowInfo(QStringLiteral("同名があります確認してください"));
    TfList &picker = TfList::instance();
    picker.PrepareList(*qryScratch_, customer::kSameReadingSql, customer::kSameReadingCaption, params);
    if (picker.ShowModal() == TfList::OK && !qryScratch_->isEmpty())
        jumpTo(qryScratch_->field(QStringLiteral("得意先code")).asString());
    else
        backTo(reading_);
}

void TfMTokui::readingTyped(const QString &reading)
{
    setColumn(kReading, current(kReading) + reading);
    filled_ = true;
    setExitPending(reading_);
}

void TfMTokui::takePostalResult()
{
    const TfYubinFind &f = TfYubinFind::instance();
    setColumn(kPostal, f.RsltYubinNo);
    setColumn(kAdrs1, f.RsltAdrs1);
    setColumn(kAdrs2, f.RsltAdrs2);
    setEnteredValue(postal_, postal_->text());
}

void TfMTokui::postalLeft(const QString &after)
{
    if (after.trimmed().isEmpty())
        return;    // a code taken away looks nothing up
    TfYubinFind &f = TfYubinFind::instance();
    const int n = f.YubinNoToAdrs(after);
    if (n == 0) {
        ShowInfo(QStringLiteral("郵便番号がみつかりません"));
    } else if (n == 1) {
        takePostalResult();
    } else {
        f.FindYubinNo = after;
        f.exec();
        if (!f.RsltYubinNo.isEmpty())
            takePostalResult();
    }
}

void TfMTokui::dropDownPostal()
{
    if (mode() == ModeBrowse)
        return;
    binder().store();
    TfYubinFind &f = TfYubinFind::instance();
    f.FindAdrs = current(kAdrs1) + current(kAdrs2) + current(kAdrs3);
    f.exec();
    if (!f.RsltYubinNo.isEmpty())
        takePostalResult();
}

void TfMTokui::classLeft(const QString &after)
{
    if (after.isEmpty()) {
        setColumn(kClassName, QString());
        return;
    }
    if (OpenSql(*qryScratch_, customer::kClassOneSql, {after})) {
        setColumn(kClassName, qryScratch_->field(kClassName).asString());
        return;
    }
    setColumn(kClassName, QString());
    ShowError(QStringLiteral("顧客分類マスターに未登録"));
    backTo(class_, true);
}

void TfMTokui::dropDownClass()
{
    if (mode() == ModeBrowse)
        return;
    TfList &picker = TfList::instance();
    picker.PrepareList(*qryScratch_, customer::kClassListSql, QStringLiteral("分類セット"));
    if (picker.ShowModal() != TfList::OK || qryScratch_->isEmpty())
        return;
    setColumn(kClassCode, qryScratch_->field(QStringLiteral("分類code")).asString());
    setColumn(kClassName, qryScratch_->field(kClassName).asString());
    setEnteredValue(class_, class_->text());
}

void TfMTokui::showRegularDate()
{
    const QString text = current(kRegularDate);
    if (regularDate_->text() != text)
        regularDate_->setText(text);
    setEnteredValue(regularDate_, text);
}

void TfMTokui::regularDateLeft(const QString &after)
{
    if (after.trimmed().isEmpty()) {
        setColumn(kRegularDate, QString());
        return;
    }
    const QDate d = parseTypedDate(after);
    if (!d.isValid()) {
        ShowError(QStringLiteral("日付を yyyy/mm/dd の形で入力してください。"));
        backTo(regularDate_, true);
        return;
    }
    EnsureEditing(query());
    query().field(kRegularDate).setDate(d);
    if (QPushButton *post = commandButton(QStringLiteral("決定")))
        post->setFocus(Qt::OtherFocusReason);
}

void TfMTokui::dropDownRegularDate()
{
    if (mode() == ModeBrowse)
        return;
    regularDate_->setProperty("boundField", kRegularDate);
    if (PickDateForCombo(regularDate_, query()))
        showRegularDate();
}

} // namespace minori
