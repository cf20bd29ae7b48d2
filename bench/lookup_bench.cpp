// Lookups of the order screens on a generated shop of 100,000 customers and about 300,000
// order lines, each beside the same work done with raw sqlite3: a customer by telephone
// search key and by code, an orderer's slips, and taking 10,000 numbers from a counter.
#include "app/gen/generator.h"
#include "store/counters.h"
#include "store/dataset.h"
#include "store/session.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <cstdio>
#include <vector>

using namespace store;

namespace {

struct Fixture {
    QTemporaryDir dir;
    std::vector<QString> phones, codes, orderers;
    gen::Result made;
    Fixture()
    {
        Session::open(dir.path());
        gen::Options o;
        o.customers = 100000;
        o.slips = 100000;
        o.products = 200;
        made = gen::fill(Session::data(), o);
        std::fprintf(stderr, "fixture: %d customers, %d slips, %d lines\n", made.customers, made.slips, made.lines);
        Database &db = Session::data();
        Statement st = db.prepare(QStringLiteral("SELECT 電話番号F, 得意先CODE FROM mtokui ORDER BY random() LIMIT 1000"));
        while (st.step()) {
            phones.push_back(st.value(0).toString());
            codes.push_back(st.value(1).toString());
        }
        Statement os = db.prepare(QStringLiteral("SELECT DISTINCT 得意先CODE FROM djuden ORDER BY random() LIMIT 1000"));
        while (os.step())
            orderers.push_back(os.value(0).toString());
    }
    ~Fixture() { Session::close(); }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// Raw sqlite3: prepare, bind one text, step through every row reading the given columns.
qint64 rawQuery(sqlite3 *db, const QByteArray &sql, const QString &value, std::initializer_list<int> columns)
{
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
    const QByteArray v = value.toUtf8();
    sqlite3_bind_text(st, 1, v.constData(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    qint64 n = 0;
    while (sqlite3_step(st) == SQLITE_ROW)
        for (int c : columns)
            n += QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, c))).size();
    sqlite3_finalize(st);
    return n;
}

// The screens' way: open a query, read the fields of each row.
qint64 datasetQuery(const QString &sql, const QString &value, std::initializer_list<const char16_t *> fields)
{
    Dataset q(Session::data());
    q.open(sql, {value});
    qint64 n = 0;
    for (q.first(); !q.eof(); q.next())
        for (const char16_t *f : fields)
            n += q.field(QString::fromUtf16(f)).asString().size();
    return n;
}

const QString kByPhone = QStringLiteral("SELECT * FROM mtokui WHERE 電話番号F=? ORDER BY 電話番号F");
const QString kByCode = QStringLiteral("SELECT * FROM mtokui WHERE 得意先code=?");
const QString kSlips = QStringLiteral("SELECT * FROM djuden WHERE 得意先CODE=? ORDER BY 伝票no");

void BM_CustomerByPhone(benchmark::State &state)
{
    Fixture &f = fixture();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(datasetQuery(kByPhone, f.phones[i++ % f.phones.size()], {u"得意先CODE", u"得意先名"}));
}
BENCHMARK(BM_CustomerByPhone)->Unit(benchmark::kMicrosecond);

void BM_RawCustomerByPhone(benchmark::State &state)
{
    Fixture &f = fixture();
    const QByteArray sql = kByPhone.toUtf8();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rawQuery(Session::data().handle(), sql, f.phones[i++ % f.phones.size()], {0, 1}));
}
BENCHMARK(BM_RawCustomerByPhone)->Unit(benchmark::kMicrosecond);

// A typed code goes through the counter's format first, as on every screen.
void BM_CustomerByTypedCode(benchmark::State &state)
{
    Fixture &f = fixture();
    CounterService counters(Session::data());
    size_t i = 0;
    for (auto _ : state) {
        const QString typed = QString::number(f.codes[i++ % f.codes.size()].toInt());
        const QString code = counters.format(QStringLiteral("MTOKUI"), typed);
        benchmark::DoNotOptimize(datasetQuery(kByCode, code, {u"得意先CODE", u"得意先名"}));
    }
}
BENCHMARK(BM_CustomerByTypedCode)->Unit(benchmark::kMicrosecond);

void BM_RawCustomerByTypedCode(benchmark::State &state)
{
    Fixture &f = fixture();
    const QByteArray sql = kByCode.toUtf8();
    size_t i = 0;
    for (auto _ : state) {
        const QString code = QString::number(f.codes[i++ % f.codes.size()].toInt()).rightJustified(8, u'0');
        benchmark::DoNotOptimize(rawQuery(Session::data().handle(), sql, code, {0, 1}));
    }
}
BENCHMARK(BM_RawCustomerByTypedCode)->Unit(benchmark::kMicrosecond);

void BM_OrdererSlips(benchmark::State &state)
{
    Fixture &f = fixture();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(datasetQuery(kSlips, f.orderers[i++ % f.orderers.size()], {u"伝票No", u"年月"}));
}
BENCHMARK(BM_OrdererSlips)->Unit(benchmark::kMicrosecond);

void BM_RawOrdererSlips(benchmark::State &state)
{
    Fixture &f = fixture();
    const QByteArray sql = kSlips.toUtf8();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rawQuery(Session::data().handle(), sql, f.orderers[i++ % f.orderers.size()], {0, 24}));
}
BENCHMARK(BM_RawOrdererSlips)->Unit(benchmark::kMicrosecond);

// 10,000 numbers, each taken and stored in its own transaction.
void BM_Take10kNumbers(benchmark::State &state)
{
    fixture();
    CounterService counters(Session::data());
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i)
            benchmark::DoNotOptimize(counters.take(QStringLiteral("DJUDEN")));
}
BENCHMARK(BM_Take10kNumbers)->Unit(benchmark::kMillisecond);

void BM_RawTake10kNumbers(benchmark::State &state)
{
    fixture();
    sqlite3 *db = Session::data().handle();
    sqlite3_stmt *sel = nullptr, *up = nullptr;
    sqlite3_prepare_v2(db, "SELECT COUNTER, 自動ゼロ付加, フィールドサイズ FROM Counter WHERE 名称=?", -1, &sel, nullptr);
    sqlite3_prepare_v2(db, "UPDATE Counter SET COUNTER=? WHERE 名称=?", -1, &up, nullptr);
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i) {
            sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
            sqlite3_bind_text(sel, 1, "DJUDEN", -1, SQLITE_STATIC);
            sqlite3_step(sel);
            const qint64 next = sqlite3_column_int64(sel, 0) + 1;
            const int width = sqlite3_column_int(sel, 2);
            sqlite3_reset(sel);
            sqlite3_bind_int64(up, 1, next);
            sqlite3_bind_text(up, 2, "DJUDEN", -1, SQLITE_STATIC);
            sqlite3_step(up);
            sqlite3_reset(up);
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            benchmark::DoNotOptimize((QStringLiteral("00000000000") + QString::number(next)).right(width));
        }
    sqlite3_finalize(sel);
    sqlite3_finalize(up);
}
BENCHMARK(BM_RawTake10kNumbers)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    fixture();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
