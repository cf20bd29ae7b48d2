#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "customer_fixture.h"
#include "masters/tf_make_find_den_no.h"
#include "masters/tf_mtokui.h"
#include "masters/tf_mtokui_find.h"
#include "masters/tf_mtokui_sel_main.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace minori;

namespace {
QString current(store::Dataset &d, const char *column) { return d.field(QString::fromUtf8(column)).asString(); }

void chooseColumn(TfMTokuiFind &f, const QString &column)
{
    f.columnBox()->setFocus();
    f.columnBox()->setCurrentText(column);
    f.searchEdit()->setFocus(Qt::TabFocusReason);   // the list is applied when it is left
    QApplication::processEvents();
}
} // namespace

TEST(CustomerSearch, IncrementalSearchOnEachColumn)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    home.db().exec(QStringLiteral("INSERT INTO mtokui (得意先CODE, 得意先名, フリガナ, 電話番号F) VALUES "
                                  "('00000120', '青木', 'ｱｵｷ', '0311110000')"));
    TfMTokuiFind f;
    onModal<TfMTokuiFind>([&](TfMTokuiFind &f) {
        EXPECT_EQ(f.columnBox()->currentText(), QStringLiteral("フリガナ"));
        EXPECT_EQ(f.sortColumn(), QStringLiteral("フリガナ"));
        EXPECT_TRUE(f.copyButton()->isEnabled());
        struct Case {
            const char *column, *typed, *code;
            bool typedOn;   // typed after what stands in the box
        };
        const Case cases[] = {
            {"フリガナ", "ﾔﾏﾀﾞ", "00000001", false},
            {"フリガナ", "ﾊ", "00000002", true},
            {"フリガナ", "ﾜ", "00000002", true},               // no such reading: the list stays
            {"得意先CODE", "1", "00000001", false},
            {"得意先CODE", "2", "00000012", true},
            {"得意先CODE", "7", "00000012", true},             // 00000127 does not exist: stays
            {"電話番号F", "03-1111", "00000120", false},        // hyphen ignored, first in key order
            {"電話番号F", "(045)123", "00000012", false},
            {"得意先名", "山田花", "00000002", false},
            {"得意先名", "O'Brien", "00000002", true},         // a quote is only a character
        };
        for (const Case &c : cases) {
            const QString column = QString::fromUtf8(c.column);
            if (f.sortColumn() != column) {
                chooseColumn(f, column);
                EXPECT_EQ(f.sortColumn(), column);
            }
            if (c.typedOn)
                typeText(f.searchEdit(), QString::fromUtf8(c.typed));
            else
                retype(f.searchEdit(), QString::fromUtf8(c.typed));
            EXPECT_EQ(current(f.query(), "得意先CODE"), QString::fromUtf8(c.code)) << c.column << " " << c.typed;
        }
        // The list is sorted by the column searched.
        chooseColumn(f, QStringLiteral("電話番号F"));
        f.query().first();
        f.query().next();   // the keys that are blank come first
        f.query().next();
        EXPECT_EQ(current(f.query(), "電話番号F"), QStringLiteral("0311110000"));
        f.query().setRecNo(4);
        QTest::keyClick(f.grid(), Qt::Key_Return);
    });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_EQ(f.ResultCode, QStringLiteral("00000001"));
    EXPECT_EQ(f.ResultName, QStringLiteral("山田太郎"));
    EXPECT_FALSE(f.query().isOpen());

    // Closed: nothing, also not what the last opening chose; the search text is empty again.
    onModal<TfMTokuiFind>([&](TfMTokuiFind &f) {
        EXPECT_TRUE(f.searchEdit()->text().isEmpty());
        QTest::keyClick(f.grid(), Qt::Key_Escape);
    });
    EXPECT_EQ(f.exec(), QDialog::Rejected);
    EXPECT_TRUE(f.ResultCode.isEmpty());
    EXPECT_TRUE(f.ResultName.isEmpty());
    EXPECT_TRUE(p.texts().isEmpty());
}

TEST(CustomerSearch, CopyFromTheSearchOpensTheCustomerScreen)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    TfMTokuiFind f;
    onModal<TfMTokuiFind>([&](TfMTokuiFind &f) {
        LocateExact(f.query(), QStringLiteral("得意先CODE"), QStringLiteral("00000003"));
        onModal<TfMTokui>([&](TfMTokui &s) {
            EXPECT_EQ(s.mode(), ModeNew);
            EXPECT_EQ(s.nameEdit()->text(), QStringLiteral("佐藤次郎"));
            retype(s.nameEdit(), QStringLiteral("佐藤花子"));
            s.doPost();
        });
        f.copyCurrent();
    });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_EQ(f.ResultCode, QStringLiteral("00000013"));
    EXPECT_TRUE(f.ResultName.isEmpty());
    EXPECT_EQ(p.lastText(), QStringLiteral("既存の顧客データを複写して新たな顧客データを作成します。\r"
                                           "同一住所に住む家族などの場合は複写後に氏名、フリガナなどを修正してください。\r"
                                           "複写元の顧客名: 佐藤次郎"));
    EXPECT_EQ(home.column(QStringLiteral("00000013"), QStringLiteral("登録日")), QStringLiteral("2022-05-06"));

    // Opened from the customer screen: no copy.
    TfMTokui s;
    showActive(s);
    onModal<TfMTokuiFind>([&](TfMTokuiFind &f) {
        EXPECT_FALSE(f.copyButton()->isEnabled());
        retype(f.searchEdit(), QStringLiteral("ｻﾄｳ"));
        f.takeCurrent();
    });
    s.doFind();
    EXPECT_EQ(s.codeEdit()->text(), QStringLiteral("00000003"));
    s.reject();
}

TEST(CustomerSearch, SelectionByTelephone)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    TfMTokuiSelMain sel;

    // A number with hyphens finds the customers with its digits.
    onModal<TfMTokuiSelMain>([&](TfMTokuiSelMain &s) {
        EXPECT_EQ(s.telLabel()->text(), QStringLiteral("電話番号 03-1111-2222"));
        EXPECT_EQ(s.grid()->model()->rowCount(), 2);
        EXPECT_TRUE(s.okButton()->isVisible());
        EXPECT_TRUE(s.copyButton()->isVisible());
        EXPECT_FALSE(s.notFoundLabel()->isVisible());
        s.query().last();
        QTest::keyClick(s.grid(), Qt::Key_Return);
    });
    EXPECT_EQ(sel.Run(QStringLiteral("03-1111-2222")), QStringLiteral("00000002"));

    // Full-width digits have no digits: they find the customers whose key is empty.
    onModal<TfMTokuiSelMain>([&](TfMTokuiSelMain &s) {
        EXPECT_EQ(s.grid()->model()->rowCount(), 2);   // お持ち帰り and 佐藤次郎
        s.reject();
    });
    EXPECT_EQ(sel.Run(QStringLiteral("０３－５５５５－６６６６")), QString());

    // An unknown number: the message, no OK and no copy; "新規" starts a customer with the number.
    onModal<TfMTokuiSelMain>([&](TfMTokuiSelMain &s) {
        EXPECT_TRUE(s.notFoundLabel()->isVisible());
        EXPECT_FALSE(s.okButton()->isVisible());
        EXPECT_FALSE(s.copyButton()->isVisible());
        onModal<TfMTokui>([&](TfMTokui &m) {
            EXPECT_EQ(m.phoneEdit()->text(), QStringLiteral("0120-000-111"));
            typeText(m.nameEdit(), QStringLiteral("新しい人"));
            m.doPost();
        });
        s.newCustomer();
    });
    EXPECT_EQ(sel.Run(QStringLiteral("0120-000-111")), QStringLiteral("00000013"));
    EXPECT_EQ(home.column(QStringLiteral("00000013"), QStringLiteral("電話番号F")), QStringLiteral("0120000111"));

    // A copy keeps the source's number, not the one typed.
    onModal<TfMTokuiSelMain>([&](TfMTokuiSelMain &s) {
        onModal<TfMTokui>([&](TfMTokui &m) {
            EXPECT_EQ(m.phoneEdit()->text(), QStringLiteral("045-123-4567"));
            m.doPost();
        });
        s.copyCustomer();
    });
    EXPECT_EQ(sel.Run(QStringLiteral("045(123)4567")), QStringLiteral("00000014"));
    EXPECT_EQ(home.column(QStringLiteral("00000014"), QStringLiteral("電話番号")), QStringLiteral("045-123-4567"));
    EXPECT_EQ(home.column(QStringLiteral("00000014"), QStringLiteral("登録日")), QStringLiteral("2023-07-08"));

    // Cancelled copy and new: the selection stays open; "検索" takes what the search chose.
    onModal<TfMTokuiSelMain>([&](TfMTokuiSelMain &s) {
        onModal<TfMTokui>([&](TfMTokui &m) { m.doCancel(); });
        s.newCustomer();
        EXPECT_TRUE(s.isVisible());
        onModal<TfMTokuiFind>([&](TfMTokuiFind &f) {
            retype(f.searchEdit(), QStringLiteral("ｽｽﾞｷ"));
            f.takeCurrent();
        });
        s.findCustomer();
    });
    EXPECT_EQ(sel.Run(QStringLiteral("999")), QStringLiteral("00000012"));
    EXPECT_EQ(home.counter(), 14);
}

TEST(CustomerPhoneKeys, SlipsAndLinesGetTheirDigitsInOneGo)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    store::Database &db = home.db();
    db.exec(QStringLiteral("INSERT INTO djuden (伝票No, 電話番号, 電話番号F) VALUES ('00000001', '03-1234-5678', 'old'), "
                           "('00000002', '０３', 'old'), ('00000003', NULL, NULL)"));
    db.exec(QStringLiteral("INSERT INTO djumei (伝行No, 伝票No, 送元電話, 送先電話) VALUES "
                           "('0000000101', '00000001', '(06)111-2222', '090 3333 4444')"));
    TfMakeFindDenNo screen;
    p.answer(false);
    screen.start();
    EXPECT_EQ(home.scalar(QStringLiteral("SELECT 電話番号F FROM djuden WHERE 伝票No='00000001'")), QStringLiteral("old"));

    screen.start();
    EXPECT_EQ(p.texts(), (QStringList{QStringLiteral("開始します"), QStringLiteral("開始します"), QStringLiteral("OK")}));
    EXPECT_EQ(home.scalar(QStringLiteral("SELECT 電話番号F FROM djuden WHERE 伝票No='00000001'")), QStringLiteral("0312345678"));
    EXPECT_EQ(home.scalar(QStringLiteral("SELECT count(*) FROM djuden WHERE 電話番号F IS NULL")), QStringLiteral("2"));
    EXPECT_EQ(home.scalar(QStringLiteral("SELECT 送元電話F || '/' || 送先電話F FROM djumei")), QStringLiteral("061112222/09033334444"));
    EXPECT_EQ(screen.progressBar()->maximum(), 1);
    EXPECT_EQ(screen.progressBar()->value(), 1);

    // A failure changes nothing at all.
    db.exec(QStringLiteral("UPDATE djuden SET 電話番号F='old'"));
    db.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON djumei BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    p.clear();
    screen.start();
    EXPECT_EQ(p.shown().back().title, QStringLiteral("エラー"));
    EXPECT_EQ(home.scalar(QStringLiteral("SELECT count(*) FROM djuden WHERE 電話番号F='old'")), QStringLiteral("3"));
}
