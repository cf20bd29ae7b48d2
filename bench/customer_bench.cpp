// The customer screens on 100,000 customers, each beside a plain SQLite statement doing the
// same lookup: opening the customer master, one keystroke of the incremental search, the
// telephone duplicate check and the selection by telephone.
#include "app/common/common_routines.h"
#include "app/common/prompter.h"
#include "masters/customer_rules.h"
#include "masters/tf_mtokui.h"
#include "masters/tf_mtokui_find.h"
#include "store/session.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

using namespace minori;

namespace {

constexpr int kCustomers = 100000;

struct Fixture {
    QTemporaryDir dir;
    RecordingPrompter prompts;
    Fixture()
    {
        setPrompter(&prompts);
        store::Session::open(dir.path());
        store::Database &db = store::Session::data();
        store::Transaction tx(db);
        store::Statement ins = db.prepare(QStringLiteral(
            "INSERT INTO mtokui (得意先CODE, 得意先名, フリガナ, 郵便番号, 住所1, 住所2, 住所3, 電話番号, 電話番号F, "
            "E_MAIL, 登録日, 敬称, メモ) VALUES (?, ?, ?, '100-0001', '東京都千代田区', ?, 'みのりビル', ?, ?, ?, "
            "'2024-01-01', '様', 'いつもありがとうございます')"));
        const QString kana = QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜ");
        const QString family = QStringLiteral("山田佐藤鈴木高橋田中伊藤渡辺中村小林加藤");
        for (int i = 1; i <= kCustomers; ++i) {
            ins.reset();
            const QString tel = QStringLiteral("0%1-%2-%3").arg(3 + i % 7).arg(1000 + i % 9000).arg(i % 10000, 4, 10, QLatin1Char('0'));
            QString reading;
            for (int k = 0, n = i; k < 6; ++k, n /= 7)
                reading += kana.at((n * 31 + k * 7) % kana.size());
            ins.bindAll({QStringLiteral("%1").arg(i, 8, 10, QLatin1Char('0')), family.mid((i % 10) * 2, 2) + QString::number(i),
                         reading, QStringLiteral("千代田%1-%2").arg(i % 9 + 1).arg(i % 30 + 1), tel,
                         QString(tel).remove(u'-'), QStringLiteral("c%1@example.jp").arg(i)});
            ins.step();
        }
        db.exec(QStringLiteral("UPDATE Counter SET COUNTER=? WHERE 名称='MTOKUI'"), {kCustomers});
        tx.commit();
    }
    sqlite3 *raw() { return store::Session::data().handle(); }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// Steps a prepared raw statement to its first row and returns the first column's text length.
int firstRow(sqlite3_stmt *st)
{
    int n = 0;
    if (sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_bytes(st, 0);
    sqlite3_reset(st);
    return n;
}

void BM_CustomerMasterOpen(benchmark::State &state)
{
    fixture();
    TfMTokui screen;
    for (auto _ : state) {
        screen.show();           // activation: open the list in code order, go to the last customer
        benchmark::DoNotOptimize(screen.codeEdit()->text());
        screen.hide();
    }
}
BENCHMARK(BM_CustomerMasterOpen)->Unit(benchmark::kMillisecond);

// Baseline: the row ids in code order and the last whole row, with plain SQLite.
void BM_RawCustomerListOpen(benchmark::State &state)
{
    sqlite3 *db = fixture().raw();
    for (auto _ : state) {
        sqlite3_stmt *ids = nullptr, *row = nullptr;
        sqlite3_prepare_v2(db, "SELECT _rowid_ FROM mtokui ORDER BY 得意先CODE", -1, &ids, nullptr);
        std::vector<sqlite3_int64> all;
        all.reserve(kCustomers + 1);
        while (sqlite3_step(ids) == SQLITE_ROW)
            all.push_back(sqlite3_column_int64(ids, 0));
        sqlite3_finalize(ids);
        sqlite3_prepare_v2(db, "SELECT * FROM mtokui WHERE _rowid_=?", -1, &row, nullptr);
        sqlite3_bind_int64(row, 1, all.back());
        benchmark::DoNotOptimize(firstRow(row));
        sqlite3_finalize(row);
    }
}
BENCHMARK(BM_RawCustomerListOpen)->Unit(benchmark::kMillisecond);

// One keystroke in the customer search: the reading column (indexed) and the name column.
void keystrokes(benchmark::State &state, const QString &column, const QStringList &texts)
{
    fixture();
    TfMTokuiFind find;
    find.show();
    find.columnBox()->setCurrentText(column);
    find.applySearchColumn();
    int i = 0;
    for (auto _ : state) {
        find.searchEdit()->setText(texts.at(i++ % texts.size()));   // each change runs the search
        benchmark::DoNotOptimize(find.query().recNo());
    }
    find.reject();
}

void BM_SearchKeystrokeReading(benchmark::State &state)
{
    keystrokes(state, QStringLiteral("フリガナ"),
               {QStringLiteral("ｻ"), QStringLiteral("ｻｲ"), QStringLiteral("ｻｲｳ"), QStringLiteral("ﾔ"), QStringLiteral("ﾔﾏ")});
}
BENCHMARK(BM_SearchKeystrokeReading)->Unit(benchmark::kMillisecond);

void BM_SearchKeystrokeName(benchmark::State &state)
{
    keystrokes(state, QStringLiteral("得意先名"),
               {QStringLiteral("鈴"), QStringLiteral("鈴木"), QStringLiteral("鈴木5"), QStringLiteral("山"), QStringLiteral("山田7")});
}
BENCHMARK(BM_SearchKeystrokeName)->Unit(benchmark::kMillisecond);

void BM_SearchKeystrokeCode(benchmark::State &state)
{
    keystrokes(state, QStringLiteral("得意先CODE"),
               {QStringLiteral("5"), QStringLiteral("51"), QStringLiteral("512"), QStringLiteral("5123")});
}
BENCHMARK(BM_SearchKeystrokeCode)->Unit(benchmark::kMillisecond);

// Leaving the search column list reopens the customers sorted by that column.
void BM_SearchColumnSwitch(benchmark::State &state)
{
    fixture();
    TfMTokuiFind find;
    find.show();
    const QString column = state.range(0) ? QStringLiteral("得意先名") : QStringLiteral("フリガナ");
    for (auto _ : state) {
        find.columnBox()->setCurrentText(column);
        find.applySearchColumn();
        benchmark::DoNotOptimize(find.query().recNo());
    }
    find.reject();
}
BENCHMARK(BM_SearchColumnSwitch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Baseline: the first customer in reading order whose reading begins with the text.
void BM_RawPrefixSeekReading(benchmark::State &state)
{
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(fixture().raw(), "SELECT 得意先CODE FROM mtokui WHERE フリガナ >= ?1 AND フリガナ < ?1 || char(1114111) "
                                        "ORDER BY フリガナ LIMIT 1", -1, &st, nullptr);
    const QByteArray texts[] = {QStringLiteral("ｻｲ").toUtf8(), QStringLiteral("ﾔﾏ").toUtf8()};
    int i = 0;
    for (auto _ : state) {
        const QByteArray &t = texts[i++ % 2];
        sqlite3_bind_text(st, 1, t.constData(), t.size(), SQLITE_STATIC);
        benchmark::DoNotOptimize(firstRow(st));
    }
    sqlite3_finalize(st);
}
BENCHMARK(BM_RawPrefixSeekReading)->Unit(benchmark::kMicrosecond);

// The telephone duplicate check as the customer screen runs it, and the selection by telephone.
void BM_PhoneDuplicateCheck(benchmark::State &state)
{
    fixture();
    store::Dataset scratch(store::Session::data());
    int i = 0;
    for (auto _ : state) {
        const QString key = i++ % 2 ? QStringLiteral("0351230123") : QStringLiteral("0999999999");
        benchmark::DoNotOptimize(OpenSql(scratch, customer::kSamePhoneSql, {key, QStringLiteral("00000013")}));
    }
}
BENCHMARK(BM_PhoneDuplicateCheck)->Unit(benchmark::kMicrosecond);

void BM_PhoneSelection(benchmark::State &state)
{
    fixture();
    store::Dataset scratch(store::Session::data());
    for (auto _ : state)
        benchmark::DoNotOptimize(OpenSql(scratch, customer::kByPhoneKeySql, {QStringLiteral("0351230123")}));
}
BENCHMARK(BM_PhoneSelection)->Unit(benchmark::kMicrosecond);

void BM_RawPhoneDuplicateCheck(benchmark::State &state)
{
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(fixture().raw(), "SELECT * FROM mtokui WHERE 電話番号F=? AND 得意先CODE<>?", -1, &st, nullptr);
    int i = 0;
    for (auto _ : state) {
        const char *key = i++ % 2 ? "0351230123" : "0999999999";
        sqlite3_bind_text(st, 1, key, -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 2, "00000013", -1, SQLITE_STATIC);
        benchmark::DoNotOptimize(firstRow(st));
    }
    sqlite3_finalize(st);
}
BENCHMARK(BM_RawPhoneDuplicateCheck)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
