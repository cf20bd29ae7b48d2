#include "app/common/prompter.h"
#include "print/print_db_list.h"
#include "print_fixture.h"
#include "temp_home.h"

#include <QGroupBox>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace minori;

namespace {

// A table of n rows: name "品n", amount n × 1000.
void makeRows(store::Database &db, int n)
{
    db.exec("CREATE TABLE items (no INTEGER, name TEXT, amount INTEGER)");
    store::Transaction tx(db);
    for (int i = 1; i <= n; ++i)
        db.exec("INSERT INTO items VALUES (?, ?, ?)", {i, QStringLiteral("品%1").arg(i), i * 1000});
    tx.commit();
}

} // namespace

TEST(ListPrinter, PagesRangesAndRunningNumbers)
{
    TempHome home;
    ScopedRecordingPrompter p;
    test::RecordingJobs jobs;
    makeRows(home.db(), 101);
    TfPrintDbList &list = printDbList();
    QList<QPair<int, int>> headers;
    auto header = [&](int page, int pages) {
        headers.append({page, pages});
        printTool()._FontSize(5);
        printTool()._TextXY(0, 0, QStringLiteral("一覧 %1/%2").arg(page).arg(pages));
    };
    list._ListSetup("A4縦", 0, header, "$LNO:No:4:F:0:N,name:品名:10,amount:金額:10:F:0:C", "SELECT * FROM items ORDER BY no",
                    home.path() + "/data", 50, 0.8, 5, 2.3, 10, 0, 0);
    ASSERT_TRUE(list.columnsOk());
    ASSERT_TRUE(list.prepare());
    EXPECT_EQ(list.pageCount(), 3);
    EXPECT_EQ(list.allChoice()->text(), QStringLiteral("全頁(3)"));
    EXPECT_FALSE(list.rangeBox()->isVisibleTo(&list));
    if (const QString dir = qEnvironmentVariable("MINORI_SAMPLE_DIR"); !dir.isEmpty()) {
        list.chooseRange(1, 3);
        list.show();
        list.grab().save(dir + "/list_window.png");
        list.hide();
        list.chooseAll();
    }

    list.chooseAll();
    ASSERT_TRUE(list.printChosen());
    EXPECT_TRUE(list.printed());
    EXPECT_EQ(headers, (QList<QPair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    auto pages = test::linesByPage(*jobs.log);
    ASSERT_EQ(pages.size(), 3);
    // Page 3: its header, the heading row and one row.
    QStringList last = pages[2].values();
    EXPECT_EQ(last.size(), 3);
    EXPECT_TRUE(last.contains(QStringLiteral("101品101101,000")));   // blanks are not drawn
    EXPECT_TRUE(last.contains(QStringLiteral("No品名金額")));
    // The heading row is shaded light cyan on every page.
    const QList<RecordedOp> fills = jobs.log->ofKind(RecordedOp::Kind::Rect);
    ASSERT_EQ(fills.size(), 3);
    EXPECT_EQ(fills[0].canvas.brush.color, kLightCyan);

    // Pages 2 to 2: the header gets (2, 3) and the running number goes on from the first row.
    headers.clear();
    list.prepare();
    list.chooseRange(2, 2);
    EXPECT_TRUE(list.rangeBox()->isVisibleTo(&list));
    ASSERT_TRUE(list.printChosen());
    EXPECT_EQ(headers, (QList<QPair<int, int>>{{2, 3}}));
    pages = test::linesByPage(*jobs.log);
    ASSERT_EQ(pages.size(), 1);
    const QStringList lines = pages[0].values();
    ASSERT_EQ(lines.size(), 52);
    EXPECT_EQ(lines[2], QStringLiteral("51品5151,000"));
    EXPECT_EQ(lines[51], QStringLiteral("100品100100,000"));
    // Numbers are right-aligned: the last digits of 51,000 and 100,000 share their cell.
    auto lastX = [&](int y) {
        int x = -1;
        for (const RecordedOp &op : jobs.log->ofKind(RecordedOp::Kind::Text))
            if (op.v[1] == y)
                x = std::max(x, op.v[0]);
        return x;
    };
    EXPECT_EQ(lastX(pages[0].keys()[2]), lastX(pages[0].keys()[51]));

    // A range without a start prints nothing.
    p.clear();
    list.prepare();
    list.chooseRange(0, 2);
    EXPECT_FALSE(list.printChosen());
    EXPECT_EQ(p.lastText(), QStringLiteral("印刷開始を指定してください"));
    list.chooseRange(1, 0);
    EXPECT_FALSE(list.printChosen());
    EXPECT_EQ(p.lastText(), QStringLiteral("印刷終了を指定してください"));
    EXPECT_FALSE(list.printed());
}

TEST(ListPrinter, EmptyQueryAndUnknownLayout)
{
    TempHome home;
    ScopedRecordingPrompter p;
    test::RecordingJobs jobs;
    makeRows(home.db(), 0);
    TfPrintDbList &list = printDbList();
    list._ListSetup("A4横", 0, nullptr, "name", "SELECT * FROM items", QString(), 50, 0.8, 5, 2.3, 10, 0, 0);
    list._ListPrint();
    EXPECT_TRUE(list.printed());
    EXPECT_EQ(list.pageCount(), 0);
    EXPECT_TRUE(jobs.log->texts().isEmpty());

    list._ListSetup("消えた用紙", 0, nullptr, "name", "SELECT * FROM items", QString(), 50, 0.8, 5, 2.3, 10, 0, 0);
    list._ListPrint();
    EXPECT_FALSE(list.printed());
    EXPECT_EQ(p.lastText(), QStringLiteral("プリンターの設定がありません[消えた用紙]"));
}

TEST(ListPrinter, ColumnListErrors)
{
    TempHome home;
    ScopedRecordingPrompter p;
    struct Case {
        QString columns;
        QString message;   // empty: accepted
        int count;
    };
    const QList<Case> cases = {
        {"品番::13,品名::32,仕様::20,定価::7:F", "", 4},
        {"a,,b", "", 1},                                     // stops at the first empty source
        {",a", "フィールド定義文がありません", 0},
        {"a::5:X", "表示形式指定エラー", 0},
        {"a,b::7:F:0:X", "３桁区切り指定エラー Col=1 [X]", 1},
        {"a::abc", "fPrintDbList フィールド解析エラー 項目番号=0", 0},
    };
    for (const Case &c : cases) {
        p.clear();
        printDbList()._ListSetup("A4縦", 0, nullptr, c.columns, "SELECT 1", QString(), 50, 0.8, 5, 2.3, 10, 0, 0);
        EXPECT_EQ(printDbList().columnsOk(), c.message.isEmpty()) << c.columns.toStdString();
        EXPECT_EQ(p.lastText(), c.message) << c.columns.toStdString();
        EXPECT_EQ(printDbList().columns().size(), c.count) << c.columns.toStdString();
    }
    QString error;
    QList<ListColumn> cols;
    QString many;
    for (int i = 0; i < 101; ++i)
        many += QStringLiteral("c%1,").arg(i);
    EXPECT_FALSE(parseListColumns(many, &cols, &error));
    EXPECT_EQ(error, QStringLiteral("フィールド数オーバー"));

    ASSERT_TRUE(parseListColumns("品番::13,品名::32,定価::7:F,率::6:F:2:T,額::8:F:0:C", &cols, &error));
    EXPECT_EQ(cols[0].heading, QStringLiteral("品番"));
    EXPECT_EQ(cols[2].style, QStringLiteral("T"));
    // Digit-group lines only for number columns of style "T".
    EXPECT_EQ(tableColumnList(cols), QStringLiteral("13,32,7:1:0,6:1:2,8,"));
}

TEST(ListPrinter, CellTexts)
{
    auto col = [](QString kind, int width, int decimals, QString style) {
        ListColumn c;
        c.source = "v";
        c.kind = kind;
        c.width = width;
        c.decimals = decimals;
        c.style = style;
        return c;
    };
    struct Case {
        ListColumn column;
        QVariant value;
        QString text;
    };
    const QList<Case> cases = {
        {col("F", 10, 0, "C"), 1234567, " 1,234,567"},
        {col("F", 7, 0, "C"), 1234567, "234,567"},         // the leftmost characters drop
        {col("F", 7, 0, "N"), 1234567, "1234567"},
        {col("F", 9, 2, "C"), -1234.567, "-1,234.56"},     // cut, not rounded
        {col("F", 7, 1, "T"), 12.26, "   12.3"},
        {col("F", 7, 0, "C"), QVariant(), ""},             // null prints nothing
        {col("F", 7, 0, "C"), "abc", "err"},
        {col("S", 4, 0, "T"), "あいう", "あい"},           // cut to the width in bytes
    };
    for (int i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        EXPECT_EQ(listCellText(c.column, c.value, 0), c.text) << i;
    }
    ListColumn lno = col("F", 4, 0, "N");
    lno.source = "$LNO";
    EXPECT_EQ(listCellText(lno, QVariant(), 51), "  51");
    ListColumn spc = col("S", 4, 0, "T");
    spc.source = "$SPC";
    EXPECT_EQ(listCellText(spc, "x", 1), "");
}
