#include "address/yubin_find.h"
#include "app/common/input_date.h"
#include "app/common/tf_list.h"
#include "customer_fixture.h"
#include "masters/tf_mtokui.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

using namespace minori;

namespace {
QString field(TfMTokui &s, const char *column) { return s.query().field(QString::fromUtf8(column)).asString(); }

// The first screen test of a program run waits for the platform; later ones are quick.
void pickRow(TfList &p, int row)
{
    QApplication::setActiveWindow(&p);
    p.query()->setRecNo(row + 1);
    QTest::mouseClick(p.okButton(), Qt::LeftButton);
}
} // namespace

TEST(CustomerMaster, NewAndCancelLeavesTheCounterPostTakesTheShownCode)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    TfMTokui s;
    showActive(s);
    EXPECT_EQ(s.modeLabel()->text(), QStringLiteral("参照"));
    EXPECT_EQ(field(s, "得意先CODE"), QStringLiteral("00000012"));   // opens on the last customer
    EXPECT_TRUE(s.navButton(0)->isVisible());
    EXPECT_FALSE(s.commandButton(QStringLiteral("宛名ラベル"))->isEnabled());
    EXPECT_FALSE(s.command(QStringLiteral("Skypeで電話"))->isEnabled());

    QTest::keyClick(&s, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(s.mode(), ModeNew);
    EXPECT_EQ(s.codeEdit()->text(), QStringLiteral("00000013"));
    EXPECT_EQ(field(s, "敬称"), QStringLiteral("様"));
    EXPECT_EQ(s.query().field(QStringLiteral("登録日")).asDate(), QDate::currentDate());
    EXPECT_EQ(s.focusWidget(), s.phoneEdit());
    EXPECT_FALSE(s.navButton(0)->isVisible());
    QTest::keyClick(&s, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(s.mode(), ModeBrowse);
    EXPECT_EQ(home.counter(), 12);
    EXPECT_TRUE(s.isVisible());   // opened from the main window: cancel stays

    // A new customer with a quote in the name and an empty honorific.
    s.doNew();
    typeText(s.phoneEdit(), QStringLiteral("090-1234-5678"));
    leaveTo(s.nameEdit());
    typeText(s.nameEdit(), QStringLiteral("O'Brien商店"));
    s.titleBox()->setEditText(QString());
    QTest::keyClick(&s, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(s.mode(), ModeBrowse);
    EXPECT_EQ(home.counter(), 13);
    EXPECT_EQ(home.column(QStringLiteral("00000013"), QStringLiteral("得意先名")), QStringLiteral("O'Brien商店"));
    EXPECT_EQ(home.column(QStringLiteral("00000013"), QStringLiteral("敬称")), QStringLiteral("様"));
    EXPECT_EQ(home.column(QStringLiteral("00000013"), QStringLiteral("電話番号F")), QStringLiteral("09012345678"));
    EXPECT_EQ(field(s, "得意先CODE"), QStringLiteral("00000013"));

    // Another entry took a number meanwhile: the customer gets the next free one.
    s.doNew();
    EXPECT_EQ(s.codeEdit()->text(), QStringLiteral("00000014"));
    home.db().exec(QStringLiteral("UPDATE Counter SET COUNTER=14 WHERE 名称='MTOKUI'"));
    typeText(s.nameEdit(), QStringLiteral("後から"));
    EXPECT_TRUE(s.doPost());
    EXPECT_EQ(home.column(QStringLiteral("00000015"), QStringLiteral("得意先名")), QStringLiteral("後から"));
    EXPECT_TRUE(p.texts().isEmpty()) << p.texts().join(u'|').toStdString();
}

TEST(CustomerMaster, RefusedPostKeepsTheEntry)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    home.db().exec(QStringLiteral("UPDATE Counter SET COUNTER=11 WHERE 名称='MTOKUI'"));   // 00000012 exists
    TfMTokui s;
    showActive(s);
    s.doNew();
    typeText(s.nameEdit(), QStringLiteral("重複"));
    EXPECT_FALSE(s.doPost());
    EXPECT_EQ(p.lastText(), QStringLiteral("得意先codeが重複していないか確認してください。"));
    EXPECT_EQ(s.mode(), ModeNew);
    EXPECT_EQ(s.nameEdit()->text(), QStringLiteral("重複"));
    EXPECT_TRUE(s.doPost());   // the next number is free
    EXPECT_EQ(home.column(QStringLiteral("00000013"), QStringLiteral("得意先名")), QStringLiteral("重複"));
}

TEST(CustomerMaster, TelephoneCheckJumpsToTheExistingCustomer)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    TfMTokui s;
    QString result;
    QStringList captions;
    onModal<TfMTokui>([&](TfMTokui &s) {
        QApplication::setActiveWindow(&s);
        EXPECT_EQ(s.mode(), ModeNew);
        // Unchanged: no check. Emptied: the key is emptied, nothing is looked up.
        leaveTo(s.nameEdit());
        EXPECT_TRUE(p.texts().isEmpty());
        typeText(s.phoneEdit(), QStringLiteral("03-1111"));
        leaveTo(s.nameEdit());
        retype(s.phoneEdit(), QString());
        leaveTo(s.nameEdit());
        EXPECT_EQ(field(s, "電話番号F"), QString());
        EXPECT_TRUE(p.texts().isEmpty());

        // The number of two other customers, with brackets: closing the picker returns to the entry.
        typeText(s.phoneEdit(), QStringLiteral("(03)1111-2222"));
        onModal<TfList>([&](TfList &l) {
            captions << l.windowTitle();
            EXPECT_EQ(l.grid()->model()->rowCount(), 2);
            QTest::mouseClick(l.closeButton(), Qt::LeftButton);
        });
        EXPECT_FALSE(s.doPost());   // the post stops at the check; the entry stays
        QApplication::processEvents();
        EXPECT_EQ(s.mode(), ModeNew);
        EXPECT_EQ(s.focusWidget(), s.phoneEdit());
        EXPECT_EQ(field(s, "電話番号F"), QStringLiteral("0311112222"));

        // Again, and OK on the second: the entry is dropped and that customer is edited.
        retype(s.phoneEdit(), QStringLiteral("03-1111-2222"));
        onModal<TfList>([&](TfList &l) { pickRow(l, 1); });
        leaveTo(s.nameEdit());
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(s.mode(), ModeEdit);
        EXPECT_EQ(field(s, "得意先CODE"), QStringLiteral("00000002"));
        EXPECT_FALSE(s.movedFlag());
        QApplication::processEvents();
        typeText(s.nameEdit(), QStringLiteral("様"));
        s.doPost();
    });
    result = s.Run(TfMTokui::NewOne, QString(), QString());
    EXPECT_EQ(result, QStringLiteral("00000002"));
    EXPECT_EQ(home.counter(), 12);
    EXPECT_EQ(home.scalar(QStringLiteral("SELECT count(*) FROM mtokui")), QStringLiteral("5"));
    EXPECT_EQ(captions, QStringList{QStringLiteral("顧客マスター 電話番号重複確認 ※[OK]ボタンで選択したデータへ移動します "
                                                   "[閉じる]ボタンで入力中データへ戻ります")});
    EXPECT_EQ(p.texts(), (QStringList{QStringLiteral("同じ電話番号があります確認して下さい"),
                                      QStringLiteral("同じ電話番号があります確認して下さい")}));
}

TEST(CustomerMaster, OpenModesForOneCustomer)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    TfMTokui s;

    // New customer for a number: the number and its key are filled in; cancel closes with nothing.
    onModal<TfMTokui>([&](TfMTokui &s) {
        EXPECT_EQ(s.phoneEdit()->text(), QStringLiteral("06-7777-8888"));
        EXPECT_EQ(field(s, "電話番号F"), QStringLiteral("0677778888"));
        s.doCancel();
    });
    EXPECT_EQ(s.Run(TfMTokui::NewOne, QString(), QStringLiteral("06-7777-8888")), QString());
    EXPECT_EQ(home.counter(), 12);

    // Edit one that does not exist.
    EXPECT_EQ(s.Run(TfMTokui::EditOne, QStringLiteral("99999999"), QString()), QString());
    EXPECT_EQ(p.lastText(), QStringLiteral("顧客マスターがありません"));

    // Edit the take-away customer by its code (the caller's own choice).
    onModal<TfMTokui>([&](TfMTokui &s) {
        EXPECT_EQ(s.mode(), ModeEdit);
        EXPECT_EQ(s.nameEdit()->text(), QStringLiteral("お持ち帰り"));
        s.doPost();
    });
    EXPECT_EQ(s.Run(TfMTokui::EditOne, QStringLiteral("00000000"), QString()), QStringLiteral("00000000"));

    // Copy without a source, and of a source that is gone: a message, the screen stays in browse.
    for (const QString &code : {QString(), QStringLiteral("00000077")}) {
        onModal<TfMTokui>([&](TfMTokui &s) {
            EXPECT_EQ(s.mode(), ModeBrowse);
            s.reject();
        });
        EXPECT_EQ(s.Run(TfMTokui::CopyOne, code, QString()), QString());
    }
    EXPECT_EQ(p.texts().mid(1), (QStringList{QStringLiteral("複写元を指定してください。"),
                                             QStringLiteral("顧客番号が見つかりません。00000077")}));

    // A copy keeps everything of the source but the code, 登録日 included.
    onModal<TfMTokui>([&](TfMTokui &s) {
        EXPECT_EQ(s.mode(), ModeNew);
        EXPECT_EQ(s.codeEdit()->text(), QStringLiteral("00000013"));
        s.doPost();
    });
    EXPECT_EQ(s.Run(TfMTokui::CopyOne, QStringLiteral("00000001"), QString()), QStringLiteral("00000013"));
    for (const char *c : {"得意先名", "電話番号", "電話番号F", "住所3", "メモ", "登録日"})
        EXPECT_EQ(home.column(QStringLiteral("00000013"), QString::fromUtf8(c)),
                  home.column(QStringLiteral("00000001"), QString::fromUtf8(c)))
            << c;
}

TEST(CustomerMaster, TakeAwayCustomerCannotBeChangedOrDeleted)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    TfMTokui s;
    showActive(s);
    s.query().first();
    ASSERT_EQ(field(s, "得意先CODE"), QStringLiteral("00000000"));
    s.doEdit();
    EXPECT_EQ(s.mode(), ModeBrowse);
    s.doDelete();
    EXPECT_EQ(p.texts(), (QStringList{QStringLiteral("「お持ち帰り」は修正できません"),
                                      QStringLiteral("「お持ち帰り」は削除できません")}));
    EXPECT_EQ(home.scalar(QStringLiteral("SELECT count(*) FROM mtokui")), QStringLiteral("5"));

    // Any other customer is deleted after the question.
    s.query().next();
    p.answer(false);
    s.doDelete();
    p.answer(true);
    s.doDelete();
    EXPECT_EQ(p.lastText(), QStringLiteral("顧客を削除"));
    EXPECT_EQ(home.scalar(QStringLiteral("SELECT count(*) FROM mtokui WHERE 得意先CODE='00000001'")), QStringLiteral("0"));
}

TEST(CustomerMaster, PostalCodeWithNoneOneAndSeveralMatches)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    TfMTokui s;
    showActive(s);
    s.doEdit();
    auto setAddress = [&] {
        retype(static_cast<QLineEdit *>(s.fieldWidget(QStringLiteral("住所1"))), QStringLiteral("手入力1"));
        retype(static_cast<QLineEdit *>(s.fieldWidget(QStringLiteral("住所2"))), QStringLiteral("手入力2"));
    };
    setAddress();

    // None: a message; the address stays as typed.
    retype(s.postalEdit(), QStringLiteral("999-9999"));
    leaveTo(s.nameEdit());
    EXPECT_EQ(p.lastText(), QStringLiteral("郵便番号がみつかりません"));
    EXPECT_EQ(field(s, "住所1"), QStringLiteral("手入力1"));
    EXPECT_EQ(field(s, "住所2"), QStringLiteral("手入力2"));

    // One, typed without hyphen: code and first two lines from the dictionary, the third untouched.
    retype(s.postalEdit(), QStringLiteral("1010021"));
    leaveTo(s.nameEdit());
    EXPECT_EQ(field(s, "郵便番号"), QStringLiteral("101-0021"));
    EXPECT_EQ(field(s, "住所1"), QStringLiteral("東京都千代田区"));
    EXPECT_EQ(field(s, "住所2"), QStringLiteral("外神田"));
    EXPECT_EQ(field(s, "住所3"), QStringLiteral("皇居ビル"));
    s.postalEdit()->setFocus();
    leaveTo(s.nameEdit());     // unchanged: nothing looked up again
    EXPECT_EQ(p.texts().size(), 1);

    // Several: the postal search opens on that code and the chosen town area is taken.
    setAddress();
    retype(s.postalEdit(), QStringLiteral("101-0022"));
    QString shownCode;
    onModal<TfYubinFind>([&](TfYubinFind &f) {
        shownCode = f.codeEdit()->text();
        EXPECT_EQ(f.codeGrid()->model()->rowCount(), 2);
        f.codeQuery().last();
        QTest::keyClick(f.codeGrid(), Qt::Key_Return);
    });
    leaveTo(s.nameEdit());
    EXPECT_EQ(shownCode, QStringLiteral("101-0022"));
    EXPECT_EQ(field(s, "郵便番号"), QStringLiteral("101-0022"));
    EXPECT_EQ(field(s, "住所1"), QStringLiteral("東京都千代田区"));
    EXPECT_EQ(field(s, "住所2"), QStringLiteral("神田松永町"));
    // Picked codes are the remembered ones: leaving again asks nothing.
    s.postalEdit()->setFocus();
    leaveTo(s.nameEdit());
    EXPECT_EQ(p.texts().size(), 1);

    // Several, closed without a choice: the fields stay.
    setAddress();
    retype(s.postalEdit(), QStringLiteral("101-002"));
    onModal<TfYubinFind>([&](TfYubinFind &f) { f.reject(); });
    leaveTo(s.nameEdit());
    EXPECT_EQ(field(s, "住所1"), QStringLiteral("手入力1"));
    EXPECT_EQ(field(s, "郵便番号"), QStringLiteral("101-002"));

    // The drop-down walks down from the address typed.
    retype(static_cast<QLineEdit *>(s.fieldWidget(QStringLiteral("住所1"))), QStringLiteral("東京都千代田区"));
    retype(static_cast<QLineEdit *>(s.fieldWidget(QStringLiteral("住所2"))), QStringLiteral("皇居外苑"));
    onModal<TfYubinFind>([&](TfYubinFind &f) {
        EXPECT_EQ(f.level(), TfYubinFind::Level::Area);
        f.GoDown();
    });
    s.dropDownPostal();
    EXPECT_EQ(field(s, "郵便番号"), QStringLiteral("100-0002"));
    EXPECT_TRUE(s.doPost());
    EXPECT_EQ(home.column(QStringLiteral("00000012"), QStringLiteral("住所2")), QStringLiteral("皇居外苑"));
}

TEST(CustomerMaster, ClassificationRegularDateAndMemoDate)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    TfMTokui s;
    showActive(s);
    s.doEdit();

    retype(s.classEdit(), QStringLiteral("B"));
    leaveTo(s.nameEdit());
    EXPECT_EQ(field(s, "分類名"), QStringLiteral("一般"));
    retype(s.classEdit(), QStringLiteral("Z"));
    leaveTo(s.nameEdit());
    EXPECT_EQ(p.lastText(), QStringLiteral("顧客分類マスターに未登録"));
    EXPECT_EQ(field(s, "分類名"), QString());
    QApplication::processEvents();
    EXPECT_EQ(s.focusWidget(), s.classEdit());
    EXPECT_FALSE(s.doPost());   // the post stops while the code is unknown
    onModal<TfList>([&](TfList &l) {
        EXPECT_EQ(l.windowTitle(), QStringLiteral("分類セット"));
        pickRow(l, 0);
    });
    s.dropDownClass();
    EXPECT_EQ(s.classEdit()->text(), QStringLiteral("A"));
    EXPECT_EQ(field(s, "分類名"), QStringLiteral("得意客"));

    // A date half typed is refused; a whole one is stored.
    retype(s.regularDateEdit(), QStringLiteral("2025/13"));
    leaveTo(s.nameEdit());
    EXPECT_EQ(p.lastText(), QStringLiteral("日付を yyyy/mm/dd の形で入力してください。"));
    retype(s.regularDateEdit(), QStringLiteral("2025-4-1"));
    leaveTo(s.nameEdit());
    EXPECT_EQ(s.query().field(QStringLiteral("定期購入日")).asDate(), QDate(2025, 4, 1));
    EXPECT_EQ(s.regularDateEdit()->text(), QStringLiteral("2025/04/01"));
    setDateAsker([](TfInputDate &d) {
        EXPECT_EQ(d.calendar()->selectedDate(), QDate(2025, 4, 1));
        d.calendar()->setSelectedDate(QDate(2025, 5, 20));
        d.accept();
        return true;
    });
    s.dropDownRegularDate();
    setDateAsker({});
    EXPECT_EQ(s.regularDateEdit()->text(), QStringLiteral("2025/05/20"));

    s.stampMemoDate();
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
    EXPECT_EQ(field(s, "メモ"), today + QStringLiteral("\rよく電話をくださる"));
    EXPECT_TRUE(s.doPost());
    EXPECT_EQ(home.column(QStringLiteral("00000012"), QStringLiteral("分類CODE")), QStringLiteral("A"));
    EXPECT_EQ(home.column(QStringLiteral("00000012"), QStringLiteral("定期購入日")), QStringLiteral("2025-05-20"));
    EXPECT_EQ(home.column(QStringLiteral("00000012"), QStringLiteral("メモ")), today + QStringLiteral("\rよく電話をくださる"));
}
