// A 10,000-row list printed to a PDF file through the list printer (200 pages of 50 rows),
// beside a baseline that draws the same cells straight onto QPdfWriter with QPainter, and the
// list printer on a recording surface (the arithmetic without rendering). Reports pages per
// second and the process's peak memory.
#include "app/common/prompter.h"
#include "print/print_db_list.h"
#include "print/print_tool.h"
#include "print/printer_choice.h"
#include "print/recording_surface.h"
#include "store/session.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#ifdef Q_OS_WIN
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

using namespace minori;

namespace {

constexpr int kRows = 10000;
constexpr int kPerPage = 50;
const QString kColumns = QStringLiteral("$LNO:No:5:F:0:N,code:コード:8,name:品名:30,price:単価:8:F:0:C,qty:数量:5:F:0:T,"
                                        "amount:金額:10:F:0:C");
const QString kSql = QStringLiteral("SELECT * FROM items ORDER BY code");

double peakMemoryMb()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.PeakWorkingSetSize / (1024.0 * 1024.0);
#else
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;   // kilobytes on Linux
#endif
}

struct Home {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    Home()
    {
        setPrompter(&prompter);
        store::Session::open(dir.path());
        store::Database &db = store::Session::data();
        db.exec("CREATE TABLE items (code TEXT, name TEXT, price INTEGER, qty INTEGER, amount INTEGER)");
        store::Transaction tx(db);
        for (int i = 0; i < kRows; ++i) {
            const int price = 300 + (i * 37) % 9700, qty = 1 + i % 12;
            db.execCached("INSERT INTO items VALUES (?, ?, ?, ?, ?)",
                          {QStringLiteral("%1").arg(i, 8, 10, QLatin1Char('0')),
                           QStringLiteral("特選りんご詰め合わせ %1号").arg(i % 50), price, qty, price * qty});
        }
        tx.commit();
        setPdfOutputFolder(dir.filePath("pdf"));
    }
};

Home &home()
{
    static Home h;
    return h;
}

void header(int page, int pages)
{
    printTool()._FontSize(5);
    printTool()._TextXY(0, 0, QStringLiteral("商品一覧        %1/%2").arg(page).arg(pages));
}

void BM_ListToPdf(benchmark::State &state)
{
    home();
    TfPrintDbList &list = printDbList();
    for (auto _ : state) {
        list._ListSetup("A4縦", 0, header, kColumns, kSql, QString(), kPerPage, 0.8, 5, 2.3, 10, 0, 0);
        list._ListPrint();
        if (!list.printed())
            state.SkipWithError("not printed");
        QFile::remove(lastPdfPath());
    }
    const int pages = kRows / kPerPage;
    state.counters["pages_per_s"] = benchmark::Counter(double(pages) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = peakMemoryMb();
}

// The same cells drawn straight with QPainter, one drawText per character cell, no print tool.
void BM_BaselinePainterToPdf(benchmark::State &state)
{
    home();
    for (auto _ : state) {
        const QString path = home().dir.filePath("baseline.pdf");
        QPdfWriter w(path);
        w.setResolution(600);
        w.setPageSize(QPageSize(QPageSize::A4));
        w.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p(&w);
        QFont f(QStringLiteral("IPAGothic"));
        f.setPixelSize(94);
        p.setFont(f);
        store::Statement st = store::Session::data().prepare(kSql);
        const double mm = 600 / 25.4;
        int row = 0;
        while (st.step()) {
            if (row == kPerPage) {
                w.newPage();
                row = 0;
            }
            const int y = int((20 + (row + 1) * 5) * mm);
            const QString cells = QStringLiteral("%1%2%3%4%5").arg(st.value(0).toString(), -8)
                                      .arg(st.value(1).toString(), -30).arg(st.value(2).toInt(), 8)
                                      .arg(st.value(3).toInt(), 5).arg(st.value(4).toInt(), 10);
            int x = 0;
            for (const QChar c : cells) {
                if (c != u' ')
                    p.drawText(QPoint(int((10 + x * 2.3) * mm), y), QString(c));
                x += c.unicode() < 0x80 ? 1 : 2;
            }
            p.drawLine(int(10 * mm), y, int(180 * mm), y);
            ++row;
        }
        p.end();
        QFile::remove(path);
    }
    state.counters["pages_per_s"] = benchmark::Counter(double(kRows / kPerPage) * state.iterations(),
                                                       benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = peakMemoryMb();
}

void BM_ListToRecording(benchmark::State &state)
{
    home();
    setSurfaceFactory([](const PrintJobSpec &) { return std::make_unique<RecordingSurface>(); });
    TfPrintDbList &list = printDbList();
    for (auto _ : state) {
        list._ListSetup("A4縦", 0, header, kColumns, kSql, QString(), kPerPage, 0.8, 5, 2.3, 10, 0, 0);
        list._ListPrint();
    }
    setSurfaceFactory({});
    state.counters["pages_per_s"] = benchmark::Counter(double(kRows / kPerPage) * state.iterations(),
                                                       benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = peakMemoryMb();
}

} // namespace

BENCHMARK(BM_ListToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BaselinePainterToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListToRecording)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    store::Session::close();
    return 0;
}
