// The engine layer beside raw sqlite3 on a customer-like table of 100,000 rows × 24 columns:
// open and walk a live result set, locate by prefix, and post 10,000 edits.
#include "store/database.h"
#include "store/dataset.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <algorithm>
#include <cstdio>

#include <memory>

using namespace store;

namespace {

constexpr int kRows = 100000;

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    Fixture()
    {
        db = std::make_unique<Database>(dir.filePath(QStringLiteral("bench.db")));
        TableDef t;
        t.name = QStringLiteral("cust");
        t.columns << ColumnDef::text(QStringLiteral("code"), 8) << ColumnDef::text(QStringLiteral("tel"), 13)
                  << ColumnDef::text(QStringLiteral("telf"), 13) << ColumnDef::text(QStringLiteral("name"), 30)
                  << ColumnDef::text(QStringLiteral("kana"), 24);
        for (int i = 0; i < 19; ++i)
            t.columns << ColumnDef::text(QStringLiteral("c%1").arg(i), 30);
        t.primaryKey = {QStringLiteral("code")};
        t.indexes = {{QStringLiteral("kana"), {QStringLiteral("kana")}, false}};
        db->exec(t.createSql());
        for (const QString &ix : t.indexSql())
            db->exec(ix);
        Transaction tx(*db);
        QStringList marks;
        for (int i = 0; i < 24; ++i)
            marks << QStringLiteral("?");
        Statement ins = db->prepare(QStringLiteral("INSERT INTO cust VALUES (%1)").arg(marks.join(u',')));
        const QString kana = QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ");
        for (int r = 0; r < kRows; ++r) {
            ins.reset();
            ins.bind(0, QStringLiteral("%1").arg(r, 8, 10, QLatin1Char('0')));
            ins.bind(1, QStringLiteral("03-%1").arg(r, 8, 10, QLatin1Char('0')));
            ins.bind(2, QStringLiteral("03%1").arg(r, 8, 10, QLatin1Char('0')));
            ins.bind(3, QStringLiteral("山田太郎%1").arg(r));
            ins.bind(4, QString(kana.at(r % kana.size())) + kana.at((r / 7) % kana.size()) + QString::number(r));
            for (int c = 0; c < 19; ++c)
                ins.bind(5 + c, QStringLiteral("東京都千代田区千代田%1").arg(c));
            ins.step();
        }
        tx.commit();
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// Resident memory now, in kB (the platform layer of this benchmark: Linux's /proc).
long rssKb()
{
    FILE *f = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

const QString kSql = QStringLiteral("SELECT * FROM cust ORDER BY code");

void BM_DatasetOpenAndWalk(benchmark::State &state)
{
    Database &db = *fixture().db;
    long peak = 0;
    for (auto _ : state) {
        const long before = rssKb();
        Dataset q(db, kSql);
        q.open();
        qint64 n = 0;
        for (q.first(); !q.eof(); q.next())
            n += q.field(3).asString().size() + q.field(0).asString().size();
        peak = std::max(peak, rssKb() - before);   // the set still holds its loaded rows here
        benchmark::DoNotOptimize(n);
    }
    state.counters["rows/s"] = benchmark::Counter(double(kRows) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["open_set_MB"] = double(peak) / 1024.0;
}
BENCHMARK(BM_DatasetOpenAndWalk)->Unit(benchmark::kMillisecond);

void BM_RawOpenAndWalk(benchmark::State &state)
{
    sqlite3 *db = fixture().db->handle();
    for (auto _ : state) {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, kSql.toUtf8().constData(), -1, &st, nullptr);
        qint64 n = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            n += QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 3))).size();
            n += QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0))).size();
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(n);
    }
    state.counters["rows/s"] = benchmark::Counter(double(kRows) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RawOpenAndWalk)->Unit(benchmark::kMillisecond);

// Raw SQLite reading every column of every row, as a result set that offers all its fields must.
void BM_RawOpenAndWalkAllColumns(benchmark::State &state)
{
    sqlite3 *db = fixture().db->handle();
    for (auto _ : state) {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, kSql.toUtf8().constData(), -1, &st, nullptr);
        qint64 n = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < 24; ++c)
                n += sqlite3_column_bytes(st, c) + (sqlite3_column_text(st, c) ? 1 : 0);
            n += QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 3))).size();
            n += QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0))).size();
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(n);
    }
    state.counters["rows/s"] = benchmark::Counter(double(kRows) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RawOpenAndWalkAllColumns)->Unit(benchmark::kMillisecond);

void BM_DatasetLocatePrefix(benchmark::State &state)
{
    Dataset q(*fixture().db, kSql);
    q.open();
    int i = 0;
    for (auto _ : state) {
        const QString prefix = QStringLiteral("ｶｷ%1").arg(i++ % 9);
        benchmark::DoNotOptimize(q.locatePrefix(QStringLiteral("kana"), prefix));
    }
}
BENCHMARK(BM_DatasetLocatePrefix)->Unit(benchmark::kMicrosecond);

void BM_RawLocatePrefix(benchmark::State &state)
{
    sqlite3 *db = fixture().db->handle();
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid FROM cust WHERE kana >= ?1 AND kana < ?1 || char(1114111) ORDER BY code LIMIT 1",
                       -1, &st, nullptr);
    int i = 0;
    for (auto _ : state) {
        const QByteArray prefix = QStringLiteral("ｶｷ%1").arg(i++ % 9).toUtf8();
        sqlite3_bind_text(st, 1, prefix.constData(), -1, SQLITE_TRANSIENT);
        benchmark::DoNotOptimize(sqlite3_step(st));
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
}
BENCHMARK(BM_RawLocatePrefix)->Unit(benchmark::kMicrosecond);

void BM_DatasetPost10kEdits(benchmark::State &state)
{
    Database &db = *fixture().db;
    int round = 0;
    for (auto _ : state) {
        // Opening the live set is measured by the walk benchmark; here only the posts count.
        state.PauseTiming();
        Dataset q(db, kSql);
        q.open();
        state.ResumeTiming();
        Transaction tx(db);
        q.first();
        for (int i = 0; i < 10000; ++i, q.next()) {
            q.edit();
            q.field(QStringLiteral("c0")).setString(QStringLiteral("編集%1-%2").arg(round).arg(i));
            q.post();
        }
        tx.commit();
        ++round;
    }
}
BENCHMARK(BM_DatasetPost10kEdits)->Unit(benchmark::kMillisecond);

void BM_RawPost10kEdits(benchmark::State &state)
{
    sqlite3 *db = fixture().db->handle();
    int round = 0;
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *ids = nullptr;
        sqlite3_prepare_v2(db, "SELECT rowid FROM cust ORDER BY code LIMIT 10000", -1, &ids, nullptr);
        sqlite3_stmt *up = nullptr;
        sqlite3_prepare_v2(db, "UPDATE cust SET c0 = ? WHERE rowid = ?", -1, &up, nullptr);
        int i = 0;
        while (sqlite3_step(ids) == SQLITE_ROW) {
            const QByteArray v = QStringLiteral("編集%1-%2").arg(round).arg(i++).toUtf8();
            sqlite3_bind_text(up, 1, v.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int64(up, 2, sqlite3_column_int64(ids, 0));
            sqlite3_step(up);
            sqlite3_reset(up);
        }
        sqlite3_finalize(ids);
        sqlite3_finalize(up);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        ++round;
    }
}
BENCHMARK(BM_RawPost10kEdits)->Unit(benchmark::kMillisecond);

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
