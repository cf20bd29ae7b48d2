#include "address/postal_dictionary.h"
#include "address/postal_import.h"
#include "address/yubin_find.h"
#include "app/common/prompter.h"
#include "classification_modal.h"
#include "masters/company_name_dialog.h"
#include "masters/product_drop_down_box.h"
#include "masters/tf_system.h"
#include "masters/tf_system2.h"
#include "store/company_settings.h"
#include "temp_home.h"
#include "typing.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace minori;

namespace {

QString u8(const char *s) { return QString::fromUtf8(s); }

// A program folder with a small postal dictionary: 100-0001 has one town area, 963-8002 two.
struct CompanyHome : TempHome {
    CompanyHome()
    {
        address::closePostalDatabase();
        const QList<address::PostalEntry> entries = {
            {u8("1000001"), u8("東京都"), u8("千代田区"), u8("千代田"), u8("ﾄｳｷｮｳﾄ"), u8("ﾁﾖﾀﾞｸ"), u8("ﾁﾖﾀﾞ")},
            {u8("9638002"), u8("福島県"), u8("郡山市"), u8("駅前"), u8("ﾌｸｼﾏｹﾝ"), u8("ｺｵﾘﾔﾏｼ"), u8("ｴｷﾏｴ")},
            {u8("9638002"), u8("福島県"), u8("郡山市"), u8("駅前一丁目"), u8("ﾌｸｼﾏｹﾝ"), u8("ｺｵﾘﾔﾏｼ"), u8("ｴｷﾏｴｲｯﾁｮｳﾒ")},
        };
        const address::ImportResult r = address::buildDictionary(entries, store::Session::postalPath(), u8("2025/09/30"));
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        db().exec(u8("UPDATE system SET 自社名='実り農園', 電話番号='0120-00-0000', 郵便番号='111-1111', "
                     "住所1='旧住所', 住所2='二丁目', 住所3='3-4 ビル5F', "
                     "版数NO佐川急便='09 佐川急便旧版'"));
    }
    ~CompanyHome() { address::closePostalDatabase(); }
    QString value(const char *column) { return store::systemText(db(), u8(column)); }
};

struct Screen {
    CompanyHome home;
    ScopedRecordingPrompter p;
    TfSystem s;
    Screen()
    {
        s.show();
        QApplication::setActiveWindow(&s);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&s));
    }
    QLineEdit *edit(const char *field) { return qobject_cast<QLineEdit *>(s.fieldWidget(u8(field))); }
    void typePostal(const QString &code)
    {
        s.postalBox()->setFocus();
        s.postalBox()->lineEdit()->selectAll();
        QTest::keyClick(s.postalBox()->lineEdit(), Qt::Key_Delete);
        typeText(s.postalBox()->lineEdit(), code);
    }
    void leavePostal() { edit("代表者")->setFocus(); }
};

} // namespace

TEST(CompanyMaster, BrowseAndEditModesOfTheTabs)
{
    Screen t;
    QStringList tabs;
    for (int i = 0; i < t.s.tabs()->count(); ++i)
        tabs << t.s.tabs()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{u8("社名"), u8("口座"), u8("宅配"), u8("オプション"), u8("バックアップ")}));
    EXPECT_EQ(t.s.tabs()->currentIndex(), 0);
    EXPECT_EQ(t.s.modeLabel()->text(), u8("参照"));
    EXPECT_EQ(t.edit("自社名")->text(), u8("実り農園"));

    auto visible = [&](const char *c) { return t.s.commandButton(u8(c))->isVisible(); };
    for (int m : {ModeBrowse, ModeEdit}) {
        SCOPED_TRACE(m);
        if (m == ModeEdit)
            t.s.doEdit();
        EXPECT_EQ(t.s.mode(), m);
        const bool editing = m == ModeEdit;
        EXPECT_EQ(t.s.backupBrowseButton()->isVisible(), editing && t.s.tabs()->currentIndex() == 4);
        EXPECT_EQ(t.s.backupBrowseButton()->isVisibleTo(t.s.tabs()->widget(4)), editing);
        EXPECT_EQ(t.s.markBrowseButton()->isVisibleTo(t.s.tabs()->widget(3)), editing);
        EXPECT_EQ(visible("修正"), !editing);
        EXPECT_EQ(visible("決定"), editing);
        EXPECT_EQ(visible("ｷｬﾝｾﾙ"), editing);
        EXPECT_TRUE(visible("閉じる"));
        for (const char *c : {"新規", "削除", "検索"}) {
            EXPECT_FALSE(visible(c)) << c;
            EXPECT_FALSE(t.s.command(u8(c))->isEnabled()) << c;
        }
        EXPECT_EQ(t.s.menu(u8("編集中&H"))->isEnabled(), editing);
        // 自社名 and 電話番号 are never writable here.
        for (const char *f : {"自社名", "電話番号"}) {
            EXPECT_TRUE(t.edit(f)->isReadOnly()) << f;
            EXPECT_EQ(t.edit(f)->focusPolicy(), Qt::NoFocus) << f;
        }
        EXPECT_EQ(t.edit("代表者")->isReadOnly(), !editing);
        EXPECT_EQ(t.s.postalBox()->isEnabled(), editing);
    }
    // Ctrl+A does not add a second row.
    t.s.doCancel();
    QTest::keyClick(&t.s, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(t.s.mode(), ModeBrowse);
    EXPECT_EQ(t.home.db().scalar(u8("SELECT count(*) FROM system")).toInt(), 1);

    // Edit, post: the typed values, the list lines with their prefixes and the check boxes are stored.
    t.s.doEdit();
    retype(t.edit("代表者"), u8("山田太郎"));
    auto *carrier = qobject_cast<QComboBox *>(t.s.fieldWidget(u8("通常送状")));
    carrier->setCurrentIndex(1);
    auto *advanced = qobject_cast<QCheckBox *>(t.s.fieldWidget(u8("高度な入金処理")));
    advanced->setChecked(true);
    retype(t.edit("消費税率"), u8("10"));
    EXPECT_TRUE(t.s.doPost());
    EXPECT_EQ(t.s.mode(), ModeBrowse);
    EXPECT_EQ(t.home.value("代表者"), u8("山田太郎"));
    EXPECT_EQ(t.home.value("通常送状"), u8("01 佐川急便　"));
    EXPECT_TRUE(store::systemFlag(t.home.db(), u8("高度な入金処理")));
    EXPECT_EQ(store::systemValue(t.home.db(), u8("消費税率")).toDouble(), 10.0);
    EXPECT_EQ(t.home.value("版数NO佐川急便"), u8("09 佐川急便旧版"));   // a line the list lacks is kept
    EXPECT_TRUE(t.home.value("版数NOゆうパック").isEmpty());

    // Cancel drops what was typed.
    t.s.doEdit();
    retype(t.edit("代表者"), u8("別人"));
    t.s.doCancel();
    EXPECT_EQ(t.edit("代表者")->text(), u8("山田太郎"));
    EXPECT_EQ(t.home.value("代表者"), u8("山田太郎"));
}

TEST(CompanyMaster, PostalCodeBoxLooksUpAChangedCode)
{
    struct Case {
        const char *typed;
        bool answer;             // several matches: choose the second town area (or abandon)
        bool searchShown;
        const char *info;
        const char *code, *adrs1, *adrs2;
    };
    const Case cases[] = {
        {"111-1111", false, false, "", "111-1111", "旧住所", "二丁目"},   // unchanged: nothing looked up
        {"999-9999", false, false, "郵便番号がみつかりません", "999-9999", "旧住所", "二丁目"},
        {"1000001", false, false, "", "100-0001", "東京都千代田区", "千代田"},
        {"963-8002", false, true, "", "963-8002", "旧住所", "二丁目"},
        {"963-8002", true, true, "", "963-8002", "福島県郡山市", "駅前一丁目"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed + std::string(c.answer ? " chosen" : ""));
        Screen t;
        t.s.doEdit();
        bool shown = false;
        QString searchedCode;
        auto ran = whenModal([&](QWidget *w) {
            auto *f = qobject_cast<TfYubinFind *>(w);
            if (!f)
                return;
            shown = true;
            searchedCode = f->codeEdit()->text();
            if (c.answer) {
                f->codeQuery().last();
                emit f->codeGrid()->activatedRow(f->codeQuery().recNo() - 1);
            } else {
                f->reject();
            }
        });
        t.typePostal(u8(c.typed));
        t.leavePostal();
        EXPECT_EQ(shown, c.searchShown);
        if (c.searchShown)
            EXPECT_EQ(searchedCode, u8(c.typed));
        EXPECT_EQ(t.p.texts().join(u8("|")), u8(c.info));
        EXPECT_EQ(t.s.postalBox()->currentText(), u8(c.code));
        EXPECT_EQ(t.edit("住所1")->text(), u8(c.adrs1));
        EXPECT_EQ(t.edit("住所2")->text(), u8(c.adrs2));
        EXPECT_EQ(t.edit("住所3")->text(), u8("3-4 ビル5F"));
        EXPECT_TRUE(t.s.doPost());
        EXPECT_EQ(t.home.value("郵便番号"), u8(c.code));
        EXPECT_EQ(t.home.value("住所1"), u8(c.adrs1));
        EXPECT_EQ(t.home.value("住所3"), u8("3-4 ビル5F"));
        QApplication::processEvents();
        (void)ran;
    }
}

TEST(CompanyMaster, PostalDropDownAndBrowseModeDoNothingUntilEditing)
{
    Screen t;
    // Browse: neither the drop-down nor leaving the box does anything.
    auto ran = whenModal([](QWidget *w) {
        if (w)
            static_cast<QDialog *>(w)->reject();
    });
    t.s.postalDropDown();
    QApplication::processEvents();
    EXPECT_TRUE(*ran);
    EXPECT_EQ(t.home.value("住所1"), u8("旧住所"));

    // Edit: the postal search opens; its result fills code and address lines 1 and 2.
    t.s.doEdit();
    ran = whenModal([](QWidget *w) {
        auto *f = qobject_cast<TfYubinFind *>(w);
        ASSERT_NE(f, nullptr);
        f->codeEdit()->setText(u8("100-0001"));
        f->SearchCode();
        emit f->codeGrid()->activatedRow(0);
    });
    t.s.postalBox()->showPopup();
    EXPECT_TRUE(*ran);
    EXPECT_EQ(t.s.postalBox()->currentText(), u8("100-0001"));
    EXPECT_EQ(t.edit("住所1")->text(), u8("東京都千代田区"));
    EXPECT_EQ(t.edit("住所3")->text(), u8("3-4 ビル5F"));
    // The new code is the remembered one: leaving the box looks nothing up.
    t.s.postalBox()->setFocus();
    t.leavePostal();
    EXPECT_TRUE(t.p.shown().empty());
    EXPECT_TRUE(t.s.doPost());
    EXPECT_EQ(t.home.value("住所2"), u8("千代田"));
}

TEST(CompanyMaster, NameAndPhoneChangeOnlyAfterConfirmation)
{
    Screen t;
    // Refused by the user: nothing changes.
    t.p.answer(false);
    EXPECT_FALSE(t.s.changeNameAndPhone(u8("新しい農園"), u8("03-1111-2222")));
    EXPECT_EQ(t.p.shown().back().title, u8("確認！"));
    EXPECT_EQ(t.home.value("自社名"), u8("実り農園"));

    // Too long for its column: an error, nothing asked, nothing changed.
    t.p.clear();
    EXPECT_FALSE(t.s.changeNameAndPhone(QString(16, QChar(0x3042)), u8("03")));
    ASSERT_EQ(t.p.shown().size(), 1u);
    EXPECT_EQ(t.p.shown().back().title, u8("エラー"));
    EXPECT_FALSE(t.s.changeNameAndPhone(u8("農園"), u8("03-1111-22223")));
    EXPECT_EQ(t.home.value("電話番号"), u8("0120-00-0000"));

    // Through the command's window, confirmed.
    t.p.clear();
    auto ran = whenModal([](QWidget *w) {
        auto *d = qobject_cast<CompanyNameDialog *>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->nameEdit()->text(), u8("実り農園"));
        retype(d->nameEdit(), u8("みのり果樹園"));
        retype(d->phoneEdit(), u8("03-1111-2222"));
        d->okButton()->click();
    });
    t.s.command(u8("自社名・電話番号の変更"))->trigger();
    EXPECT_TRUE(*ran);
    EXPECT_EQ(t.home.value("自社名"), u8("みのり果樹園"));
    EXPECT_EQ(t.home.value("電話番号"), u8("03-1111-2222"));
    EXPECT_EQ(t.edit("自社名")->text(), u8("みのり果樹園"));
    EXPECT_EQ(t.p.shown().front().kind, PromptKind::Confirm);

    // Not while the row is being edited.
    t.s.doEdit();
    EXPECT_FALSE(t.s.command(u8("自社名・電話番号の変更"))->isEnabled());
    EXPECT_FALSE(t.s.changeNameAndPhone(u8("x"), u8("1")));
    t.s.doCancel();
}

TEST(CompanyMaster, OtherSettingsEditTheColourOption)
{
    CompanyHome home;
    ScopedRecordingPrompter p;
    TfSystem2 s;
    s.show();
    EXPECT_FALSE(s.colorBox()->isEnabled());
    s.doEdit();
    EXPECT_TRUE(s.colorBox()->isEnabled());
    s.colorBox()->setChecked(true);
    EXPECT_TRUE(s.doPost());
    EXPECT_TRUE(store::systemFlag(home.db(), u8("カラー設定")));
    EXPECT_FALSE(s.commandButton(u8("新規"))->isVisible());
}
