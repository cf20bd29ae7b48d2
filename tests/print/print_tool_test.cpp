#include "app/common/prompter.h"
#include "print_fixture.h"
#include "temp_home.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace minori;
using Kind = RecordedOp::Kind;

namespace {

// A job on a 600 dpi recording printer with the base area at (left, top).
struct Job {
    test::RecordingJobs jobs;
    TfPrintTool &tool = printTool();
    explicit Job(double left = 0, double top = 0, int offset = 0) : jobs(600, offset)
    {
        EXPECT_TRUE(tool._PrinterOpen(QString(), false, left, top, 190, 277));
        tool._DocBegin();
    }
    ~Job() { tool._DocEnd(); }
    Recording &log() { return *jobs.log; }
    QList<RecordedOp> texts() { return log().ofKind(Kind::Text); }
};

} // namespace

TEST(PrintTool, MillimetresTruncateToDeviceUnits)
{
    Job job;
    job.tool._Line(1, 1, 10, 25.4);
    const RecordedOp line = job.log().ofKind(Kind::Line).at(0);
    EXPECT_EQ(line.v, (QVector<int>{23, 23, 236, 600}));   // 23.6 → 23, never rounded up
}

TEST(PrintTool, UnprintableOffsetIsTakenOffTheMargin)
{
    // 5 mm margin, 100 units unprintable at 600 dpi (4.23 mm): the area starts 0.77 mm into the
    // printable part, so a mark lands 5 mm from the paper's edge.
    Job job(5, 5, 100);
    EXPECT_NEAR(job.tool.baseArea().left, 5 - 100 * 25.4 / 600, 1e-9);
    job.tool._Line(0, 0, 0, 10);
    const RecordedOp line = job.log().ofKind(Kind::Line).at(0);
    EXPECT_EQ(line.v[0], 18);
    EXPECT_EQ(line.v[0] + 100, int(5 * 600 / 25.4));
}

TEST(PrintTool, ResetStateOfAJob)
{
    Job job;
    EXPECT_EQ(job.tool.canvas().font.name, QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(job.tool.canvas().font.height, 141);   // 6 mm
    job.tool._Print(QStringLiteral("AB"));           // 3 mm pitch, 6 mm lines from the corner
    job.tool._Print(QStringLiteral("C"));
    const QList<RecordedOp> t = job.texts();
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[0].v, (QVector<int>{0, 0}));
    EXPECT_EQ(t[1].v, (QVector<int>{70, 0}));
    EXPECT_EQ(t[2].v, (QVector<int>{0, 141}));
    EXPECT_EQ(job.tool.lineCounter(), 2);
}

TEST(PrintTool, TextPitchCountsBytes)
{
    Job job;
    job.tool._TextPitch(10, 20, QStringLiteral("AB"), 3);
    job.tool._TextPitch(10, 30, QStringLiteral("日本"), 3);
    const QList<RecordedOp> t = job.texts();
    ASSERT_EQ(t.size(), 4);
    const int x0 = 236;   // 10 mm
    EXPECT_EQ(t[0].v, (QVector<int>{x0, 472}));
    EXPECT_EQ(t[1].v[0], x0 + 70);    // 3 mm further: trunc(236 + 70.87)
    EXPECT_EQ(t[3].v[0], x0 + 141);   // a full-width character takes two pitches (6 mm)
    EXPECT_EQ(t[3].v[1], t[2].v[1]);
}

TEST(PrintTool, RightAlignedLinesAndLinesPerInch)
{
    ScopedRecordingPrompter p;
    Job job;
    job.tool._LocateRight(100, 10, 2, 4);
    job.tool._Print(QStringLiteral("1,234"));
    job.tool._Print(QStringLiteral("5"));
    QList<RecordedOp> t = job.texts();
    ASSERT_EQ(t.size(), 6);
    EXPECT_EQ(t[0].v, (QVector<int>{int(90 * 600 / 25.4), int(10 * 600 / 25.4)}));   // 100 − 5 × 2
    EXPECT_EQ(t[5].v, (QVector<int>{int(98 * 600 / 25.4), int(14 * 600 / 25.4)}));   // 4 mm lower

    job.log().ops.clear();
    job.tool._Locate(5, 77, 0, -6);   // six lines per inch from the area's top, Y ignored
    for (int k = 0; k < 3; ++k)
        job.tool._Print(QStringLiteral("L"));
    t = job.texts();
    ASSERT_EQ(t.size(), 3);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(t[k].v, (QVector<int>{118, k * 100}));

    job.log().ops.clear();
    job.tool._LocateRight(100, 10, 0.5, 4);   // right-aligned needs a pitch of at least 1 mm
    job.tool._Print(QStringLiteral("12"));
    EXPECT_TRUE(job.texts().isEmpty());
    EXPECT_EQ(job.tool.lineCounter(), 0);
    EXPECT_EQ(p.lastText(), QStringLiteral("Print右詰め\r現在サポートしていないパラメータ"));
    EXPECT_EQ(p.shown().back().title, QStringLiteral("エラー"));
}

TEST(PrintTool, SubAreas)
{
    ScopedRecordingPrompter p;
    Job job(10, 20);
    struct Case {
        int n;
        bool ok;
        QStringList shown;
    };
    const QList<Case> cases = {
        {0, false, {QStringLiteral("エリアNoが定義されていません(No0)"), QStringLiteral("_AriaChg サブエリアのデータエラー")}},
        {-2, false, {QStringLiteral("_AriaChg サブエリアの指定が不正です")}},
        {-1, true, {}},
    };
    for (const Case &c : cases) {
        p.clear();
        EXPECT_EQ(job.tool._AriaChg(c.n), c.ok) << c.n;
        EXPECT_EQ(p.texts(), c.shown) << c.n;
        EXPECT_EQ(job.tool.currentArea().left, 10);
    }
    ASSERT_EQ(p.shown().size(), 0u);

    job.tool._AriaSet(5, 6, 50, 40);
    EXPECT_EQ(job.tool.subAreas().at(0), QStringLiteral("5.000000,6.000000,50.000000,40.000000"));
    ASSERT_TRUE(job.tool._AriaChg(0));
    EXPECT_EQ(job.tool.currentArea().left, 15);
    EXPECT_EQ(job.tool.currentArea().top, 26);
    job.tool._Waku();
    const QList<RecordedOp> lines = job.log().ofKind(Kind::Line);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].v, (QVector<int>{int(15 * 600 / 25.4), int(26 * 600 / 25.4), int(65 * 600 / 25.4),
                                        int(26 * 600 / 25.4)}));
    EXPECT_TRUE(job.tool._AriaChg(-1));
    EXPECT_EQ(job.tool.currentArea().left, 10);
}

TEST(PrintTool, PicturesKeepTheirAspectAndComposeByAnd)
{
    TempHome home;
    ScopedRecordingPrompter p;
    QDir().mkpath(home.file(QStringLiteral("DataEtc")));
    QImage img(200, 100, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(home.file(QStringLiteral("DataEtc/form.bmp"))));

    Job job;
    job.tool._Pict(10, 10, 40, 0, QStringLiteral("form.bmp"));
    job.tool._Pict(10, 10, 0, 0, QStringLiteral("form.bmp"));
    const QList<RecordedOp> pics = job.log().ofKind(Kind::Picture);
    ASSERT_EQ(pics.size(), 1);
    EXPECT_EQ(pics[0].v, (QVector<int>{236, 236, 944, 472}));   // 40 × 20 mm
    EXPECT_EQ(p.texts(), QStringList{QStringLiteral("_Pict命令ﾊﾟﾗﾒｰﾀｴﾗｰ")});
    EXPECT_EQ(p.shown().back().title, QString());

    // On the preview page the picture is ANDed: white leaves the drawing, colour darkens it.
    TfPrintTool &tool = printTool();
    QImage half(2, 1, QImage::Format_RGB32);
    half.setPixel(0, 0, qRgb(255, 255, 255));
    half.setPixel(1, 0, qRgb(0, 255, 255));
    ASSERT_TRUE(half.save(home.file(QStringLiteral("DataEtc/half.bmp"))));
    tool._PreviewOpen(20, 10, 0, 0, 20, 10, 4);
    tool.canvas().brush.color = QColor(255, 0, 0);
    tool.canvas().pen.style = Qt::NoPen;
    tool._Rect(0, 0, 20, 10);
    tool._Pict(0, 0, 20, 10, QStringLiteral("half.bmp"));
    const QImage page = tool.previewPage();
    EXPECT_EQ(page.pixel(10, 20), qRgb(255, 0, 0));   // under white: the red stays
    EXPECT_EQ(page.pixel(70, 20), qRgb(0, 0, 0));     // red AND cyan
    tool.canvas().pen.style = Qt::SolidLine;
    tool._DocEnd();
}

TEST(PrintTool, TableColumnsAndDigitGroups)
{
    Job job;
    job.tool._HyoSet(10, 20, 0.5, 6, 0.5, 0.5, 0.5, 0, 3, QStringLiteral("10,10"));
    const auto &t = job.tool.table();
    EXPECT_EQ(t.cell, 3);
    ASSERT_EQ(t.columns.size(), 2);
    EXPECT_DOUBLE_EQ(t.columns[0].end - t.columns[0].start, 36);
    EXPECT_DOUBLE_EQ(t.columns[1].end - t.columns[1].start, 36);
    EXPECT_DOUBLE_EQ(t.bottom(), 38);

    // Dotted lines every three cells from the right; with two decimals three cells stay clear.
    struct Case {
        QString columns;
        QList<double> dotsFromRight;   // in cells, from the right edge of the cells
    };
    const QList<Case> cases = {{QStringLiteral("12:1:0"), {3, 6, 9}}, {QStringLiteral("12:1:2"), {6, 9}},
                               {QStringLiteral("12:0:0"), {}}};
    for (const Case &c : cases) {
        job.log().ops.clear();
        job.tool._HyoSet(0, 0, 0.5, 6, 0.5, 0, 0.5, 0, 4, c.columns);
        job.tool._HyoWaku();
        QList<int> dotted;
        for (const RecordedOp &op : job.log().ofKind(Kind::Line))
            if (op.canvas.pen.style == Qt::DotLine) {
                dotted << op.v[0];
                EXPECT_EQ(op.v[1], int(6 * 600 / 25.4));   // from the bottom of the heading row
                EXPECT_EQ(op.v[3], int(24 * 600 / 25.4));
            }
        QList<int> expected;
        for (double d : c.dotsFromRight)
            expected << int((36 - d * 3) * 600 / 25.4);
        EXPECT_EQ(dotted, expected) << c.columns.toStdString();
        EXPECT_EQ(job.tool.canvas().pen.style, Qt::SolidLine);
    }

    // Text goes one byte per cell at the cell's offsets.
    job.log().ops.clear();
    job.tool._HyoSet(0, 0, 0.5, 6, 0.5, 0, 0.5, 0, 2, QStringLiteral("4"));
    job.tool._HyoText(1, 0, QStringLiteral("12"));
    const QList<RecordedOp> txt = job.texts();
    ASSERT_EQ(txt.size(), 2);
    // across = (3 − 1.5) / 2 = 0.75 mm; down = 3 − 1.5 = 1.5 mm below the row's top (6 mm)
    EXPECT_EQ(txt[0].v, (QVector<int>{int(0.75 * 600 / 25.4), int(7.5 * 600 / 25.4)}));
    EXPECT_EQ(txt[1].v[0], int(int(0.75 * 600 / 25.4) + 3 * 600 / 25.4));
    EXPECT_EQ(txt[0].canvas.font.height, int(3 * 600 / 25.4));
}

TEST(PrintTool, TextFitShrinksAndPlaces)
{
    Job job;
    job.tool._TextFit(true, 0, 0, 20, 10, QString(), 0.5, 0, 0);
    EXPECT_EQ(job.log().ofKind(Kind::Line).size(), 4);   // the box, no text
    EXPECT_TRUE(job.texts().isEmpty());

    // "日本" at ratio 0.4: 5 mm pitch gives 22.5 mm, too wide; the next try, 4.375 mm, fits.
    job.log().ops.clear();
    job.tool._TextFit(false, 0, 0, 20, 20, QStringLiteral("日本"), 0.4, -1, 1);
    const QList<RecordedOp> t = job.texts();
    ASSERT_EQ(t.size(), 2);
    const double height = 4.375 / 0.4, width = 2 * 4.375 + height;
    EXPECT_EQ(t[0].canvas.font.height, int(height * 600 / 25.4));
    EXPECT_EQ(t[0].v, (QVector<int>{int((20 - width) * 600 / 25.4), 0}));
    EXPECT_EQ(t[1].v[0], int(int((20 - width) * 600 / 25.4) + 2 * 4.375 * 600 / 25.4));
}

TEST(PrintTool, DesignModePage)
{
    test::RecordingJobs jobs;
    TfPrintTool &tool = printTool();
    ASSERT_TRUE(tool._PreviewOpen(100, 148, 5, 5, 90, 138, 4));
    EXPECT_FALSE(tool.isPrinting());
    EXPECT_EQ(tool.dpiX(), 101);
    EXPECT_EQ(tool.previewPage().size(), QSize(400, 592));
    EXPECT_EQ(tool.canvas().pen.width, 3);
    tool._FontSize(10);
    tool._DocBegin();
    tool._NewPage();   // the page is shown and a blank one starts, state reset
    EXPECT_EQ(tool.canvas().font.height, int(6 * 101 / 25.4));
    tool._DocEnd();
    EXPECT_EQ(jobs.shownPages.size(), 2);
    EXPECT_TRUE(jobs.specs.isEmpty());   // nothing reached a printer
}

TEST(PrintTool, RoundedTableEnds)
{
    Job job;
    // Rows of 8 mm, corner radius 4 mm, two columns of 4 cells of 4 mm: 0..32 mm wide, 3 rows.
    job.tool._HyoSet(0, 0, 0.5, 8, 0.5, 0, 0.5, 0.5, 3, QStringLiteral("4,4"));
    job.tool.setBrushColor(kLightCyan);
    auto d = [](double mm) { return int(mm * 600 / 25.4); };

    job.log().ops.clear();
    job.tool._HyoRowFill(0);   // a rounded strip along the top and a plain rectangle below it
    QList<RecordedOp> ops = job.log().ops;
    ASSERT_EQ(ops.size(), 2);
    EXPECT_EQ(ops[0].kind, Kind::RoundRect);
    EXPECT_EQ(ops[0].v, (QVector<int>{0, 0, d(32), d(4), d(4), d(4)}));
    EXPECT_EQ(ops[0].canvas.pen.style, Qt::NoPen);
    EXPECT_EQ(ops[1].v, (QVector<int>{0, d(2), d(32), d(8)}));
    EXPECT_EQ(job.tool.canvas().pen.style, Qt::SolidLine);

    job.log().ops.clear();
    job.tool._HyoColFill(1);   // the last column: rounded strip along the right edge
    ops = job.log().ops;
    ASSERT_EQ(ops.size(), 2);
    EXPECT_EQ(ops[0].v, (QVector<int>{d(28), 0, d(32), d(24), d(4), d(4)}));
    EXPECT_EQ(ops[1].v, (QVector<int>{d(16), 0, d(30), d(24)}));

    job.log().ops.clear();
    job.tool._HyoRowFill(1);   // a middle row is a plain rectangle
    ASSERT_EQ(job.log().ops.size(), 1);
    EXPECT_EQ(job.log().ops[0].kind, Kind::Rect);

    job.log().ops.clear();
    job.tool._HyoRowBox(2);    // the last row: two quarter arcs at the bottom and four lines
    EXPECT_EQ(job.log().ofKind(Kind::Arc).size(), 2);
    EXPECT_EQ(job.log().ofKind(Kind::Line).size(), 4);
    EXPECT_EQ(job.log().ofKind(Kind::Arc)[0].canvas.brush.style, Qt::NoBrush);
    EXPECT_EQ(job.tool.canvas().brush.style, Qt::SolidPattern);
    EXPECT_EQ(job.tool.canvas().brush.color, kLightCyan);

    job.log().ops.clear();
    job.tool._HyoWaku();       // the outline as a clear-brush rounded rectangle
    const QList<RecordedOp> rr = job.log().ofKind(Kind::RoundRect);
    ASSERT_EQ(rr.size(), 1);
    EXPECT_EQ(rr[0].v, (QVector<int>{0, 0, d(32), d(24), d(4), d(4)}));
    EXPECT_EQ(rr[0].canvas.brush.style, Qt::NoBrush);
}
