// The postal dictionary of the whole country (jquery-jpostal-ja's data when the npm cache of
// tools/postal-bootstrap is there, else a generated dictionary of the same size) beside raw
// sqlite3: the import, the code-prefix search, walking one level, and the fuzzy search with two
// words (short words scan, long ones go through the trigram index).
#include "address/postal_dictionary.h"
#include "address/postal_import.h"
#include "address/postal_search.h"
#include "address/postal_sources.h"
#include "address/yubin_find.h"
#include "store/dataset.h"
#include "store/session.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <cstdio>
#include <memory>

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString source;                 // what the dictionary was made from
    double importSeconds = 0;
    address::ImportCounts counts;
    sqlite3 *raw = nullptr;

    Fixture()
    {
        store::Session::open(dir.path());
        const QString json = QDir(QCoreApplication::applicationDirPath())
                                 .filePath(QStringLiteral("../npm/node_modules/jquery-jpostal-ja/json"));
        QList<address::PostalEntry> entries;
        QString error;
        QElapsedTimer t;
        t.start();
        if (QDir(json).exists() && address::readJpostal(json, &entries, &error)) {
            source = QStringLiteral("jquery-jpostal-ja");
        } else {
            source = QStringLiteral("generated");
            entries = generated();
        }
        const address::ImportResult r =
            address::buildDictionary(entries, store::Session::postalPath(), QStringLiteral("2025/09/30"));
        importSeconds = t.elapsed() / 1000.0;
        if (!r.ok) {
            std::fprintf(stderr, "import failed: %s\n", qPrintable(r.error));
            std::exit(1);
        }
        counts = r.counts;
        sqlite3_open_v2(store::Session::postalPath().toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    }

    // 124,000 town areas in 47 prefectures, about 1,900 cities, with town names drawn from a
    // small stock of kanji so that words recur as they do in real addresses.
    static QList<address::PostalEntry> generated()
    {
        static const QStringList prefs = {"北海道", "青森県", "岩手県", "宮城県", "秋田県", "山形県", "福島県", "茨城県",
                                          "栃木県", "群馬県", "埼玉県", "千葉県", "東京都", "神奈川県", "新潟県", "富山県",
                                          "石川県", "福井県", "山梨県", "長野県", "岐阜県", "静岡県", "愛知県", "三重県",
                                          "滋賀県", "京都府", "大阪府", "兵庫県", "奈良県", "和歌山県", "鳥取県", "島根県",
                                          "岡山県", "広島県", "山口県", "徳島県", "香川県", "愛媛県", "高知県", "福岡県",
                                          "佐賀県", "長崎県", "熊本県", "大分県", "宮崎県", "鹿児島県", "沖縄県"};
        const QString stock = QStringLiteral("上下東西南北本新大小中山川田野原木村井沢谷森林宮島崎浜岡町");
        const QString kana = QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎ");
        QList<address::PostalEntry> out;
        quint32 seed = 12345;
        auto rnd = [&seed](int n) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 8) % quint32(n));
        };
        for (int i = 0; i < 124000; ++i) {
            const int p = i * 47 / 124000;
            const int city = (i / 64) % 40;
            address::PostalEntry e;
            e.code = QStringLiteral("%1").arg(1000000 + i * 70, 7, 10, QLatin1Char('0'));
            e.pref = prefs.at(p);
            e.city = QString(stock.at(city % stock.size())) + stock.at((city * 7 + p) % stock.size()) + QStringLiteral("市");
            if (city % 5 == 0)
                e.city = QString(stock.at(city % stock.size())) + QStringLiteral("郡") + stock.at(city / 5) + QStringLiteral("町");
            for (int k = 0; k < 2 + rnd(3); ++k) {
                e.town += stock.at(rnd(stock.size()));
                e.townKana += kana.at(rnd(kana.size()));
            }
            e.prefKana = QStringLiteral("ｹﾝ");
            e.cityKana = QString(kana.at(city % kana.size())) + QStringLiteral("ｼ");
            out << e;
        }
        return out;
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

int rawCount(const char *sql, const QList<QByteArray> &params)
{
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(fixture().raw, sql, -1, &st, nullptr);
    for (int i = 0; i < params.size(); ++i)
        sqlite3_bind_text(st, i + 1, params.at(i).constData(), -1, SQLITE_TRANSIENT);
    int n = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        benchmark::DoNotOptimize(sqlite3_column_text(st, 7));
        ++n;
    }
    sqlite3_finalize(st);
    return n;
}

// --- code prefix ---

void BM_YubinNoToAdrs(benchmark::State &state)
{
    minori::TfYubinFind f;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.YubinNoToAdrs(QStringLiteral("1980212")));
}
BENCHMARK(BM_YubinNoToAdrs)->Unit(benchmark::kMicrosecond);

void BM_CodePrefixDataset(benchmark::State &state)
{
    store::Dataset d(address::postalDatabase());
    int n = 0;
    for (auto _ : state) {
        const address::Query q = address::postalCodeQuery(QStringLiteral("100-00"));
        d.close();
        d.open(q.sql, q.params);
        n = d.recordCount();
        for (d.first(); !d.eof(); d.next())
            benchmark::DoNotOptimize(d.field(7).asString());
    }
    state.counters["rows"] = n;
}
BENCHMARK(BM_CodePrefixDataset)->Unit(benchmark::kMicrosecond);

void BM_CodePrefixRaw(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state)
        n = rawCount("SELECT * FROM mtyoiki WHERE 郵便番号 >= ? AND 郵便番号 < ?", {"100-00", "100-00\xf4\x8f\xbf\xbf"});
    state.counters["rows"] = n;
}
BENCHMARK(BM_CodePrefixRaw)->Unit(benchmark::kMicrosecond);

// --- walking one level: the town areas of the largest city-level unit ---

QStringList largestCity()
{
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(fixture().raw,
                       "SELECT 県CODE, 市区CODE FROM mtyoiki WHERE 町村CODE IS NULL GROUP BY 1, 2 ORDER BY count(*) DESC LIMIT 1",
                       -1, &st, nullptr);
    QStringList out;
    if (sqlite3_step(st) == SQLITE_ROW)
        out << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)))
            << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 1)));
    sqlite3_finalize(st);
    return out;
}

void BM_WalkAreasDataset(benchmark::State &state)
{
    const QStringList city = largestCity();
    store::Dataset d(address::postalDatabase());
    int n = 0;
    for (auto _ : state) {
        d.close();
        d.open(QStringLiteral("SELECT * FROM mtyoiki WHERE 県CODE=? AND 市区CODE=? AND 町村CODE IS NULL ORDER BY 町域CODE"),
               {city.at(0), city.at(1)});
        n = d.recordCount();
        d.first();
        d.locatePrefix(QStringLiteral("町域カナ"), QStringLiteral("ﾅ"));
        benchmark::DoNotOptimize(d.field(7).asString());
    }
    state.counters["rows"] = n;
}
BENCHMARK(BM_WalkAreasDataset)->Unit(benchmark::kMicrosecond);

void BM_WalkAreasRaw(benchmark::State &state)
{
    const QStringList city = largestCity();
    int n = 0;
    for (auto _ : state)
        n = rawCount("SELECT * FROM mtyoiki WHERE 県CODE=? AND 市区CODE=? AND 町村CODE IS NULL ORDER BY 町域CODE",
                     {city.at(0).toUtf8(), city.at(1).toUtf8()});
    state.counters["rows"] = n;
}
BENCHMARK(BM_WalkAreasRaw)->Unit(benchmark::kMicrosecond);

// --- fuzzy search with two words ---

void fuzzyDataset(benchmark::State &state, const QString &text)
{
    store::Dataset d(address::postalDatabase());
    int n = 0;
    for (auto _ : state) {
        const address::Query q = address::fuzzyAddressQuery(address::searchWords(text), true);
        d.close();
        d.open(q.sql, q.params);
        n = d.recordCount();
        d.first();
        if (!d.eof())
            benchmark::DoNotOptimize(d.field(7).asString());
    }
    state.counters["rows"] = n;
}

void BM_FuzzyShortWordsDataset(benchmark::State &state) { fuzzyDataset(state, QStringLiteral("上野　東京")); }
BENCHMARK(BM_FuzzyShortWordsDataset)->Unit(benchmark::kMillisecond);

void BM_FuzzyLongWordsDataset(benchmark::State &state) { fuzzyDataset(state, QStringLiteral("千代田区　神田佐久間")); }
BENCHMARK(BM_FuzzyLongWordsDataset)->Unit(benchmark::kMillisecond);

void BM_FuzzyShortWordsRawLike(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state)
        n = rawCount("SELECT * FROM mtyoiki WHERE 住所 LIKE ? AND 住所 LIKE ?", {"%上野%", "%東京%"});
    state.counters["rows"] = n;
}
BENCHMARK(BM_FuzzyShortWordsRawLike)->Unit(benchmark::kMillisecond);

void BM_FuzzyLongWordsRawLike(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state)
        n = rawCount("SELECT * FROM mtyoiki WHERE 住所 LIKE ? AND 住所 LIKE ?", {"%千代田区%", "%神田佐久間%"});
    state.counters["rows"] = n;
}
BENCHMARK(BM_FuzzyLongWordsRawLike)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Fixture &f = fixture();
    std::printf("dictionary from %s: %d town areas, %d prefectures, %d cities, %d towns; import %.2f s\n",
                qPrintable(f.source), f.counts.areas, f.counts.prefectures, f.counts.cities, f.counts.towns, f.importSeconds);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
