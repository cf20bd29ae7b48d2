#include "tf_system.h"

#include "address/yubin_find.h"
#include "app/common/prompter.h"
#include "company_name_check.h"
#include "company_name_dialog.h"
#include "product_drop_down_box.h"
#include "store/session.h"
#include "store/sjis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace minori {

namespace {
QString s(const char16_t *text) { return QString::fromUtf16(text); }

QStringList choices(std::initializer_list<const char16_t *> items)
{
    QStringList out;
    for (const char16_t *i : items)
        out << s(i);
    return out;
}
} // namespace

TfSystem::TfSystem(QWidget *parent) : SystemRowScreen(QStringLiteral("自社マスター"), parent)
{
    setObjectName(QStringLiteral("TfSystem"));
    tabs_ = new QTabWidget(this);
    bodyLayout()->addWidget(tabs_, 1);

    // 社名
    QWidget *page = newPage(QStringLiteral("社名"));
    int row = 0;
    addShownOnly(page, QStringLiteral("自社名"), QStringLiteral("自社名"), row++);
    addText(page, QStringLiteral("代表者"), QStringLiteral("代表者"), row++);
    postal_ = new DropDownBox(page);
    setImeMode(postal_, ImeMode::Off);
    postal_->lineEdit()->setMaxLength(8);
    postal_->setMinimumWidth(120);
    bindField(postal_, QStringLiteral("郵便番号"));
    static_cast<QGridLayout *>(page->layout())->addWidget(new QLabel(QStringLiteral("郵便番号"), page), row, 0);
    static_cast<QGridLayout *>(page->layout())->addWidget(postal_, row++, 1, Qt::AlignLeft);
    connect(postal_, &DropDownBox::dropDownRequested, this, &TfSystem::postalDropDown);
    for (const char16_t *c : {u"住所1", u"住所2", u"住所3"})
        addText(page, s(c), s(c), row++)->setMinimumWidth(320);
    addShownOnly(page, QStringLiteral("電話番号"), QStringLiteral("電話番号"), row++);
    addText(page, QStringLiteral("ＦＡＸ"), QStringLiteral("ＦＡＸ"), row++);
    addText(page, QStringLiteral("E_MAIL"), QStringLiteral("E_MAIL"), row++)->setMinimumWidth(320);
    addText(page, QStringLiteral("URL"), QStringLiteral("URL"), row++)->setMinimumWidth(320);
    {
        auto *grid = static_cast<QGridLayout *>(page->layout());
        auto *h = new QHBoxLayout;
        QLineEdit *rate = boxOnly(page, QStringLiteral("消費税率"), 6);
        rate->setAlignment(Qt::AlignRight);
        rate->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}(\\.[0-9]{0,3})?")), rate));
        h->addWidget(rate);
        h->addWidget(new QLabel(QStringLiteral("％"), page));
        h->addStretch();
        grid->addWidget(new QLabel(QStringLiteral("消費税率"), page), row, 0);
        grid->addLayout(h, row++, 1);
    }

    // 口座
    page = newPage(QStringLiteral("口座"));
    row = 0;
    for (const char16_t *c : {u"銀行1", u"口座1", u"名義1", u"銀行2", u"口座2", u"名義2"})
        addText(page, s(c), s(c), row++);
    {
        auto *grid = static_cast<QGridLayout *>(page->layout());
        auto *h = new QHBoxLayout;
        h->addWidget(boxOnly(page, QStringLiteral("郵便支店1"), 5));
        h->addWidget(new QLabel(QStringLiteral("-"), page));
        h->addWidget(boxOnly(page, QStringLiteral("郵便支店2"), 1));
        h->addWidget(new QLabel(QStringLiteral("-"), page));
        h->addWidget(boxOnly(page, QStringLiteral("郵便口座"), 7));
        h->addStretch();
        grid->addWidget(new QLabel(QStringLiteral("郵便局"), page), row, 0);
        grid->addLayout(h, row++, 1);
    }
    addText(page, QStringLiteral("加入者名"), QStringLiteral("郵便加入者"), row++);

    // 宅配
    page = newPage(QStringLiteral("宅配"));
    row = 0;
    {
        auto *grid = static_cast<QGridLayout *>(page->layout());
        auto *h = new QHBoxLayout;
        h->addWidget(boxOnly(page, QStringLiteral("ﾔﾏﾄ発店1"), 3));
        h->addWidget(new QLabel(QStringLiteral("-"), page));
        h->addWidget(boxOnly(page, QStringLiteral("ﾔﾏﾄ発店2"), 3));
        h->addStretch();
        grid->addWidget(new QLabel(QStringLiteral("ﾔﾏﾄ発店"), page), row, 0);
        grid->addLayout(h, row++, 1);
    }
    addList(page, QStringLiteral("通常使う送り状"), QStringLiteral("通常送状"),
            choices({u"00 宅急便", u"01 佐川急便　", u"02 ペリカン便", u"03 ゆうパック"}), row++);
    addList(page, QStringLiteral("ゆうパック"), QStringLiteral("版数NOゆうパック"),
            choices({u"00 ゆうパック", u"01 ゆうパック2004年版", u"02 ゆうパック2010年版", u"03 ゆうパック2011年版生"}), row++);
    addCheck(page, QStringLiteral("ゆうパック取扱店名欄にも商品名を印刷"), QStringLiteral("ゆうパック欄外商品印刷"), row++);
    addList(page, QStringLiteral("ペリカン便"), QStringLiteral("版数NOペリカン便"),
            choices({u"00 ペリカン便", u"01 ペリカン便2005年版", u"02 ペリカン便2009年版"}), row++);
    addCheck(page, QStringLiteral("送り元と送り先同一時に送り元に自社情報を印刷"), QStringLiteral("送状送元送先同一時自社"), row++);
    addList(page, QStringLiteral("佐川急便"), QStringLiteral("版数NO佐川急便"), choices({u"00 佐川急便", u"01 佐川急便2010年版"}),
            row++);

    // オプション
    page = newPage(QStringLiteral("オプション"));
    row = 0;
    addCheck(page, QStringLiteral("起動時受注画面"), QStringLiteral("起動時受注画面"), row++);
    addCheck(page, QStringLiteral("全画面最大化"), QStringLiteral("全画面最大化"), row++);
    {
        auto *grid = static_cast<QGridLayout *>(page->layout());
        auto *h = new QHBoxLayout;
        QLineEdit *mark = boxOnly(page, QStringLiteral("自社マーク"), 30);
        mark->setMinimumWidth(240);
        h->addWidget(mark);
        markBrowse_ = new QPushButton(QStringLiteral("参照"), page);
        markBrowse_->setObjectName(QStringLiteral("ButtonMarkBrowse"));
        markBrowse_->setFocusPolicy(Qt::NoFocus);
        h->addWidget(markBrowse_);
        h->addStretch();
        grid->addWidget(new QLabel(QStringLiteral("自社マーク"), page), row, 0);
        grid->addLayout(h, row++, 1);
        connect(markBrowse_, &QPushButton::clicked, this, &TfSystem::chooseCompanyMark);
    }
    addList(page, QStringLiteral("振込用紙"), QStringLiteral("振込用紙"),
            choices({u"2002年版", u"2003年版", u"2007年版", u"2007年版2", u""}), row++);
    addCheck(page, QStringLiteral("高度な入金処理(入金日、入金種別も管理する)"), QStringLiteral("高度な入金処理"), row++);
    addCheck(page, QStringLiteral("振込用紙に明細1行印刷"), QStringLiteral("振込用紙に明細1行印刷"), row++);
    addCheck(page, QStringLiteral("振込用紙通信欄活用メッセージ印刷"), QStringLiteral("振込用紙通信欄活用"), row++);
    addCheck(page, QStringLiteral("お客様Noに分類をCODE付加して印刷（明細書、振込用紙）"),
             QStringLiteral("お客様Noに分類CODE付加"), row++);

    // バックアップ
    page = newPage(QStringLiteral("バックアップ"));
    row = 0;
    {
        auto *grid = static_cast<QGridLayout *>(page->layout());
        auto *h = new QHBoxLayout;
        QLineEdit *folder = boxOnly(page, QStringLiteral("バックアップ先フォルダ"), 250);
        folder->setMinimumWidth(360);
        h->addWidget(folder);
        backupBrowse_ = new QPushButton(QStringLiteral("参照"), page);
        backupBrowse_->setObjectName(QStringLiteral("ButtonBackupBrowse"));
        backupBrowse_->setFocusPolicy(Qt::NoFocus);
        h->addWidget(backupBrowse_);
        h->addStretch();
        grid->addWidget(new QLabel(QStringLiteral("バックアップ先フォルダ"), page), row, 0);
        grid->addLayout(h, row++, 1);
        connect(backupBrowse_, &QPushButton::clicked, this, &TfSystem::chooseBackupFolder);
    }
    QLineEdit *generations = addText(page, QStringLiteral("バックアップ数"), QStringLiteral("バックアップ数"), row++);
    generations->setMaximumWidth(60);
    generations->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), generations));

    addCommand(QStringLiteral("レコード&R"), QStringLiteral("自社名・電話番号の変更"), QKeySequence(), InBrowse,
               [this] { changeNameAndPhoneCommand(); });

    auto applyMode = [this](int m) {
        const bool editing = m != ModeBrowse;
        backupBrowse_->setVisible(editing);
        markBrowse_->setVisible(editing);
        rememberedPostal_ = postal_->currentText();
    };
    connect(this, &RecordScreen::modeChanged, this, applyMode);
    applyMode(mode());
    // The first tab when the program has started; afterwards the screen keeps the last one.
    tabs_->setCurrentIndex(0);
}

QWidget *TfSystem::newPage(const QString &title)
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(30, 1);
    tabs_->addTab(page, title);
    return page;
}

QLineEdit *TfSystem::boxOnly(QWidget *page, const QString &field, int maxChars)
{
    auto *e = new QLineEdit(page);
    e->setMaxLength(maxChars);
    setImeMode(e, ImeMode::Off);
    if (maxChars <= 7)
        e->setMaximumWidth(qMax(24, maxChars * 12 + 12));
    bindField(e, field);
    return e;
}

QLineEdit *TfSystem::addText(QWidget *page, const QString &caption, const QString &field, int row)
{
    auto *e = new QLineEdit(page);
    e->setMinimumWidth(200);
    bindField(e, field);
    auto *grid = static_cast<QGridLayout *>(page->layout());
    grid->addWidget(new QLabel(caption, page), row, 0);
    grid->addWidget(e, row, 1, Qt::AlignLeft);
    return e;
}

QLineEdit *TfSystem::addShownOnly(QWidget *page, const QString &caption, const QString &field, int row)
{
    QLineEdit *e = addText(page, caption, field, row);
    e->setFocusPolicy(Qt::NoFocus);
    e->setProperty("alwaysReadOnly", true);
    e->setReadOnly(true);
    return e;
}

QComboBox *TfSystem::addList(QWidget *page, const QString &caption, const QString &field, const QStringList &items,
                             int row)
{
    auto *c = new QComboBox(page);
    c->addItems(items);
    c->setMinimumWidth(200);
    bindField(c, field);
    lists_ << c;
    auto *grid = static_cast<QGridLayout *>(page->layout());
    grid->addWidget(new QLabel(caption, page), row, 0);
    grid->addWidget(c, row, 1, Qt::AlignLeft);
    return c;
}

QCheckBox *TfSystem::addCheck(QWidget *page, const QString &caption, const QString &field, int row)
{
    auto *c = new QCheckBox(caption, page);
    bindField(c, field);
    static_cast<QGridLayout *>(page->layout())->addWidget(c, row, 0, 1, 3);
    return c;
}

// --- Postal code box ------------------------------------------------------------------------

bool TfSystem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == postal_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool windowSwitch = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (event->type() == QEvent::FocusIn && !(windowSwitch && inPostalBox_)) {
            inPostalBox_ = true;
            if (mode() != ModeBrowse)
                rememberedPostal_ = postal_->currentText();
        } else if (event->type() == QEvent::FocusOut && inPostalBox_ && !windowSwitch) {
            inPostalBox_ = false;
            postalBoxLeft();
        }
    }
    return SystemRowScreen::eventFilter(watched, event);
}

void TfSystem::takePostalResult()
{
    TfYubinFind &f = TfYubinFind::instance();
    binder().store();
    query().field(QStringLiteral("郵便番号")).setString(f.RsltYubinNo);
    query().field(QStringLiteral("住所1")).setString(f.RsltAdrs1);
    query().field(QStringLiteral("住所2")).setString(f.RsltAdrs2);
    binder().load();
    rememberedPostal_ = postal_->currentText();
}

void TfSystem::postalDropDown()
{
    if (mode() == ModeBrowse || !query().isEditing())
        return;
    binder().store();
    TfYubinFind &f = TfYubinFind::instance();
    f.FindAdrs = query().field(QStringLiteral("住所1")).asString() + query().field(QStringLiteral("住所2")).asString() +
                 query().field(QStringLiteral("住所3")).asString();
    f.exec();
    if (!f.RsltYubinNo.isEmpty())
        takePostalResult();
    postal_->update();
}

void TfSystem::postalBoxLeft()
{
    if (mode() == ModeBrowse || !query().isEditing())
        return;
    const QString code = postal_->currentText();
    if (code == rememberedPostal_)
        return;
    TfYubinFind &f = TfYubinFind::instance();
    const int n = f.YubinNoToAdrs(code);
    if (n == 0) {
        ShowInfo(QStringLiteral("郵便番号がみつかりません"));
    } else if (n == 1) {
        takePostalResult();
    } else {
        f.FindYubinNo = code;
        f.exec();
        if (!f.RsltYubinNo.isEmpty())
            takePostalResult();
    }
}

void TfSystem::doEdit()
{
    SystemRowScreen::doEdit();
    if (mode() != ModeEdit)
        return;
    // A stored line that the list does not offer (an older edition's text, an import) is
    // kept as it is rather than emptied when the row is posted.
    for (QComboBox *c : std::as_const(lists_)) {
        const QString stored = query().field(c->objectName()).asString();
        if (!stored.isEmpty() && c->findText(stored) < 0) {
            c->addItem(stored);
            c->setCurrentIndex(c->count() - 1);
        }
    }
}

bool TfSystem::doPost()
{
    // The focus may still be in the postal box without a focus-out having arrived.
    if (mode() != ModeBrowse && (inPostalBox_ || postal_->hasFocus())) {
        inPostalBox_ = false;
        postalBoxLeft();
    }
    inPostalBox_ = false;
    return SystemRowScreen::doPost();
}

// --- "参照" ----------------------------------------------------------------------------------

void TfSystem::chooseBackupFolder()
{
    if (mode() == ModeBrowse || !query().isEditing())
        return;
    binder().store();
    const QString current = query().field(QStringLiteral("バックアップ先フォルダ")).asString();
    // The platform's folder chooser offers a new folder too.
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("バックアップ先フォルダ"), current);
    if (chosen.isEmpty())
        return;
    query().field(QStringLiteral("バックアップ先フォルダ")).setString(QDir::toNativeSeparators(chosen));
    binder().load();
}

void TfSystem::chooseCompanyMark()
{
    if (mode() == ModeBrowse || !query().isEditing())
        return;
    ShowInfo(QStringLiteral("自社マークはDataEtcフォルダーに置いてください"));
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("自社マーク"), store::Session::dataEtcFolder(),
                                                        QStringLiteral("画像(bmp jpg) (*.bmp *jpg)"));
    if (chosen.isEmpty())
        return;
    binder().store();
    query().field(QStringLiteral("自社マーク")).setString(QFileInfo(chosen).fileName());
    binder().load();
}

// --- 自社名 and 電話番号 ------------------------------------------------------------------------

void TfSystem::changeNameAndPhoneCommand()
{
    if (mode() != ModeBrowse || !query().isOpen() || query().isEmpty())
        return;
    CompanyNameDialog dialog(this);
    dialog.setValues(query().field(QStringLiteral("自社名")).asString(), query().field(QStringLiteral("電話番号")).asString());
    if (dialog.exec() == QDialog::Accepted)
        changeNameAndPhone(dialog.name(), dialog.phone());
}

bool TfSystem::changeNameAndPhone(const QString &name, const QString &phone)
{
    if (mode() != ModeBrowse || !query().isOpen() || query().isEmpty())
        return false;
    const CompanyNameCheck check = checkCompanyNameAndPhone(name, phone);
    if (!check.ok) {
        ShowError(check.message);
        return false;
    }
    if (!AskConfirm(QStringLiteral("自社名を「%1」、電話番号を「%2」に変更します。よろしいですか？")
                        .arg(check.name, check.phone)))
        return false;
    try {
        query().edit();
        query().field(QStringLiteral("自社名")).setString(check.name);
        query().field(QStringLiteral("電話番号")).setString(check.phone);
        query().post();
    } catch (const store::SqlError &e) {
        if (query().isEditing())
            query().cancel();
        ShowError(e.text());
        return false;
    }
    binder().load();
    ShowInfo(QStringLiteral("自社名と電話番号を変更しました。メイン画面の表題は次の起動から変わります。"));
    return true;
}

} // namespace minori
