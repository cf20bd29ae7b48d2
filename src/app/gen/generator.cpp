#include "generator.h"

#include "sample_names.h"
#include "store/counters.h"
#include "store/order_columns.h"
#include "store/sjis.h"

#include <QDate>
#include <QFileInfo>
#include <QStringList>
#include <random>
#include <vector>

namespace gen {

namespace {

const QString kMaru = QStringLiteral("○");
const QString kDash = QStringLiteral("－");

struct Customer {
    QString code, name, reading, postal, addr1, addr2, addr3, phone, phoneDigits;
};

struct Product {
    QString number, name, spec;
    int price;
    bool label;
};

struct Address {
    QString postal, line1, area;
};

class Random {
public:
    explicit Random(quint32 seed) : engine_(seed) {}
    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> const T &pick(const QList<T> &list) { return list.at(below(static_cast<int>(list.size()))); }

private:
    std::mt19937 engine_;
};

QString s(const char16_t *text) { return QString::fromUtf16(text); }

QString digitsOnly(const QString &text)
{
    QString out;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            out += c;
    return out;
}

QString cut(const QString &text, int bytes) { return sjis::leftBytes(text, bytes); }

// Town areas from the postal dictionary, or the built-in list.
QList<Address> loadAddresses(const QString &postalPath, bool *fromPostal)
{
    QList<Address> out;
    *fromPostal = false;
    if (!postalPath.isEmpty() && QFileInfo::exists(postalPath)) {
        try {
            store::Database postal(postalPath, true);
            if (postal.tableExists(QStringLiteral("mtyoiki"))) {
                store::Statement st = postal.prepare(QStringLiteral(
                    "SELECT 県名, 市区名, 町村名, 町域名, 郵便番号 FROM mtyoiki "
                    "WHERE 町域名<>'以下に掲載がない場合' AND 郵便番号 IS NOT NULL ORDER BY random() LIMIT 5000"));
                while (st.step())
                    out.append({st.value(4).toString(),
                                st.value(0).toString() + st.value(1).toString() + st.value(2).toString(),
                                st.value(3).toString()});
            }
        } catch (const store::SqlError &) {
            out.clear();
        }
    }
    if (!out.isEmpty()) {
        *fromPostal = true;
        return out;
    }
    for (const SampleAddress &a : sampleAddresses())
        out.append({s(a.postal), s(a.line1), s(a.area)});
    return out;
}

QString phoneNumber(Random &rnd)
{
    static const char *areas[] = {"03", "06", "011", "022", "023", "045", "052", "075", "082", "092", "0263", "0238"};
    const QString area = QString::fromLatin1(areas[rnd.below(12)]);
    if (rnd.chance(30))   // mobile
        return QStringLiteral("0%1-%2-%3")
            .arg(rnd.chance(50) ? 90 : 80)
            .arg(rnd.between(1000, 9999))
            .arg(rnd.between(0, 9999), 4, 10, QChar(u'0'));
    const int firstLen = 6 - static_cast<int>(area.size());   // 10 digits in all, the last four apart
    int lo = 1;
    for (int i = 1; i < firstLen; ++i)
        lo *= 10;
    return QStringLiteral("%1-%2-%3").arg(area).arg(rnd.between(lo, lo * 10 - 1)).arg(rnd.between(0, 9999), 4, 10, QChar(u'0'));
}

QVariant textOrNull(const QString &t) { return t.isEmpty() ? QVariant() : QVariant(t); }

// The tax rate of a slip dated d, as the shop would have had it.
int taxRateOn(const QDate &d)
{
    if (d < QDate(2014, 4, 1))
        return 5;
    if (d < QDate(2019, 10, 1))
        return 8;
    return 10;
}

void report(const Options &o, const QString &phase, int done, int total)
{
    if (o.progress)
        o.progress(phase, done, total);
}

} // namespace

Result fill(store::Database &db, const Options &o)
{
    Result result;
    Random rnd(o.seed);
    const QDate today = o.today.isValid() ? o.today : QDate::currentDate();
    const QList<Address> addresses = loadAddresses(o.postalPath, &result.postalAddresses);

    store::Transaction tx(db);
    store::CounterService counters(db);
    const store::CounterRow customerCounter = counters.row(QStringLiteral("MTOKUI"));
    const store::CounterRow slipCounter = counters.row(QStringLiteral("DJUDEN"));

    // Classifications and payment kinds, when the folder has none yet.
    auto fillSmall = [&](const QString &table, const QString &codeCol, const QString &nameCol, const QList<NameReading> &rows) {
        if (db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt() > 0)
            return;
        store::Statement st = db.prepare(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)").arg(table, codeCol, nameCol));
        for (const NameReading &r : rows) {
            st.bind(0, s(r.name));
            st.bind(1, s(r.reading));
            st.step();
            st.reset();
        }
    };
    fillSmall(QStringLiteral("mbunrui"), QStringLiteral("分類CODE"), QStringLiteral("分類名"), customerClasses());
    fillSmall(QStringLiteral("msyobun"), QStringLiteral("分類CODE"), QStringLiteral("分類名"), productClasses());
    fillSmall(QStringLiteral("mnyukin"), QStringLiteral("入金種別CODE"), QStringLiteral("入金種別名"), paymentKinds());

    // Products: numbered P0001 ... after those already there.
    std::vector<Product> products;
    {
        const int existing = db.scalar(QStringLiteral("SELECT count(*) FROM msyohin")).toInt();
        store::Statement st = db.prepare(QStringLiteral(
            "INSERT INTO msyohin (品番, 品名, 仕様, 定価, 送状印刷, 分類CODE, 分類名) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        const QList<SampleProduct> &samples = sampleProducts();
        for (int i = 0; i < o.products; ++i) {
            const SampleProduct &sp = samples.at(i % samples.size());
            Product p;
            p.number = QStringLiteral("P%1").arg(existing + i + 1, 5, 10, QChar(u'0'));
            p.name = cut(s(sp.name), 20);
            p.spec = cut(i < samples.size() ? s(sp.spec) : s(sp.spec) + QStringLiteral(" %1").arg(i / samples.size() + 1), 20);
            p.price = sp.price + (i / samples.size()) * 100;
            p.label = !(i % 17 == 16);   // a few goods travel with others and need no label
            QString className;
            for (const NameReading &c : productClasses())
                if (QString::fromUtf16(c.name) == s(sp.classCode))
                    className = s(c.reading);
            st.bind(0, p.number);
            st.bind(1, p.name);
            st.bind(2, p.spec);
            st.bindInt64(3, p.price);
            st.bind(4, p.label ? kMaru : kDash);
            st.bind(5, s(sp.classCode));
            st.bind(6, className);
            st.step();
            st.reset();
            products.push_back(p);
        }
        result.products = o.products;
    }

    // Customers, with codes following the counter.
    std::vector<Customer> customers;
    customers.reserve(o.customers);
    {
        store::Statement st = db.prepare(QStringLiteral(
            "INSERT INTO mtokui (得意先CODE, 得意先名, フリガナ, 郵便番号, 住所1, 住所2, 住所3, 電話番号, 電話番号F, FAX番号, "
            "E_MAIL, 登録日, 敬称, 分類CODE, 分類名) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const QList<NameReading> &sur = surnames(), &given = givenNames(), &companies = companyWords();
        const QList<NameReading> &classes = customerClasses();
        for (int i = 0; i < o.customers; ++i) {
            Customer c;
            c.code = store::counterNumber(customerCounter.counter + i + 1, customerCounter.zeroPad, customerCounter.width);
            const bool company = rnd.chance(4);
            if (company) {
                const NameReading &n = rnd.pick(companies);
                c.name = s(n.name);
                c.reading = s(n.reading);
            } else {
                const NameReading &a = rnd.pick(sur), &b = rnd.pick(given);
                c.name = s(a.name) + QStringLiteral("　") + s(b.name);
                c.reading = s(a.reading) + u' ' + s(b.reading);
            }
            c.name = cut(c.name, 30);
            c.reading = cut(c.reading, 24);
            const Address &ad = rnd.pick(addresses);
            c.postal = ad.postal;
            c.addr1 = cut(ad.line1, 30);
            c.addr2 = cut(ad.area + QStringLiteral("%1-%2-%3").arg(rnd.between(1, 9)).arg(rnd.between(1, 30)).arg(rnd.between(1, 20)), 30);
            c.addr3 = rnd.chance(25) ? s(rnd.pick(buildings())) : QString();
            c.phone = phoneNumber(rnd);
            c.phoneDigits = digitsOnly(c.phone);
            const NameReading &cls = company ? classes.at(2) : classes.at(rnd.chance(70) ? 0 : rnd.chance(50) ? 1 : 3);
            st.bind(0, c.code);
            st.bind(1, c.name);
            st.bind(2, c.reading);
            st.bind(3, c.postal);
            st.bind(4, c.addr1);
            st.bind(5, c.addr2);
            st.bind(6, textOrNull(c.addr3));
            st.bind(7, c.phone);
            st.bind(8, c.phoneDigits);
            st.bind(9, rnd.chance(10) ? QVariant(phoneNumber(rnd).left(12)) : QVariant());
            st.bind(10, rnd.chance(20) ? QVariant(QStringLiteral("user%1@example.jp").arg(i + 1)) : QVariant());
            st.bind(11, today.addDays(-rnd.below(365 * 5)));
            st.bind(12, company ? QStringLiteral("御中") : QStringLiteral("様"));
            st.bind(13, s(cls.name));
            st.bind(14, s(cls.reading));
            st.step();
            st.reset();
            customers.push_back(std::move(c));
            if ((i + 1) % 20000 == 0)
                report(o, QStringLiteral("顧客"), i + 1, o.customers);
        }
        result.customers = o.customers;
        if (o.customers > 0)
            db.exec(QStringLiteral("UPDATE Counter SET COUNTER=? WHERE 名称='MTOKUI'"),
                    {QVariant::fromValue(customerCounter.counter + o.customers)});
    }

    // Slips and their lines, dated over the last three years in slip-number order.
    if (o.slips > 0 && !customers.empty() && !products.empty()) {
        // Goods collected over the counter go to the take-away customer and need no label.
        Customer takeAway;
        takeAway.code = store::counterFormat(QStringLiteral("0"), customerCounter.zeroPad, customerCounter.width);
        takeAway.name = QStringLiteral("お持ち帰り");

        store::Statement head = db.prepare(QStringLiteral(
            "INSERT INTO djuden (伝票No, 日付, 得意先CODE, 得意先名, フリガナ, 郵便番号, 住所1, 住所2, 住所3, 電話番号, 電話番号F, "
            "本体価格, 送料, 消費税, 合計金額, 値引金額, 請求金額, 入金, 印刷, 明細印刷, 送状印刷, 請求日, 年月, 年, 内金, メモ, "
            "消費税率, 入金日, 入金年月, 入金年, 入金種別code, 入金種別名) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        store::Statement line = db.prepare(QStringLiteral(
            "INSERT INTO djumei (伝行No, 伝票No, 行No, 得意先CODE, 得意先名, 品番, 品名, 仕様, 単価, 数量, 金額, 送料, 送元電話, "
            "送元電話F, 送元CODE, 送元名, 送先CODE, 発送先名, 住所1, 住所2, 住所3, 送先電話, 送先電話F, 発送日, 発送予定日, 印刷, "
            "印刷枚数, 日付, 年月, 年, 送先郵便番号) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const QList<NameReading> &kinds = paymentKinds();
        const int span = 365 * 3;
        for (int n = 0; n < o.slips; ++n) {
            const QString slipNo = store::counterNumber(slipCounter.counter + n + 1, slipCounter.zeroPad, slipCounter.width);
            const QDate date = today.addDays(-span + static_cast<int>(static_cast<qint64>(span) * n / o.slips));
            const int ageDays = static_cast<int>(date.daysTo(today));
            const Customer &orderer = customers[rnd.below(static_cast<int>(customers.size()))];
            const int lines = rnd.chance(50) ? rnd.between(1, 3) : rnd.between(3, 5);
            qint64 goods = 0, shipping = 0;
            bool allLabelled = true;
            for (int l = 1; l <= lines; ++l) {
                const Customer &sender = rnd.chance(85) ? orderer : customers[rnd.below(static_cast<int>(customers.size()))];
                const bool collected = rnd.chance(2);
                const Customer &to = collected ? takeAway
                                    : rnd.chance(30) ? orderer
                                                     : customers[rnd.below(static_cast<int>(customers.size()))];
                const Product &p = products[rnd.below(static_cast<int>(products.size()))];
                const int qty = rnd.chance(80) ? 1 : rnd.between(2, 3);
                const qint64 amount = static_cast<qint64>(p.price) * qty;
                const int fee = collected ? 0 : 800 + 100 * rnd.below(8);
                goods += amount;
                shipping += fee;
                const bool noLabel = collected || !p.label;
                const bool shipped = ageDays > 10 || (ageDays > 2 && rnd.chance(50));
                if (!noLabel && !shipped)
                    allLabelled = false;
                const QDate shipDate = shipped ? date.addDays(rnd.between(1, 5)) : QDate();
                line.bind(0, store::lineKey(slipNo, l));
                line.bind(1, slipNo);
                line.bind(2, QStringLiteral("%1").arg(l, 2, 10, QChar(u'0')));
                line.bind(3, orderer.code);
                line.bind(4, orderer.name);
                line.bind(5, p.number);
                line.bind(6, p.name);
                line.bind(7, p.spec);
                line.bindInt64(8, p.price);
                line.bindInt64(9, qty);
                line.bindInt64(10, amount);
                line.bindInt64(11, fee);
                line.bind(12, sender.phone);
                line.bind(13, sender.phoneDigits);
                line.bind(14, sender.code);
                line.bind(15, sender.name);
                line.bind(16, to.code);
                line.bind(17, to.name);
                line.bind(18, textOrNull(to.addr1));
                line.bind(19, textOrNull(to.addr2));
                line.bind(20, textOrNull(to.addr3));
                line.bind(21, textOrNull(to.phone));
                line.bind(22, textOrNull(to.phoneDigits));
                line.bind(23, shipDate.isValid() ? QVariant(shipDate) : QVariant());
                line.bind(24, rnd.chance(20) ? QVariant(date.addDays(rnd.between(3, 20))) : QVariant());
                line.bind(25, noLabel ? QVariant(kDash) : shipped ? QVariant(kMaru) : QVariant());
                line.bindInt64(26, qty);
                line.bind(27, date);
                line.bind(28, store::yearMonthText(date));
                line.bind(29, store::yearText(date));
                line.bind(30, textOrNull(to.postal));
                line.step();
                line.reset();
            }
            result.lines += lines;
            // Tax on the goods only, truncated to whole yen; shipping is not taxed.
            const int rate = taxRateOn(date);
            const qint64 tax = goods * rate / 100;
            const qint64 total = goods + tax + shipping;
            const qint64 discount = rnd.chance(5) ? 500 : 0;
            const qint64 deposit = 0;
            const bool paid = ageDays > 45 ? rnd.chance(97) : ageDays > 7 && rnd.chance(50);
            const bool printed = ageDays > 3;
            const QDate payDate = paid ? date.addDays(rnd.between(3, 30)) : QDate();
            const NameReading &kind = rnd.pick(kinds);
            head.bind(0, slipNo);
            head.bind(1, date);
            head.bind(2, orderer.code);
            head.bind(3, orderer.name);
            head.bind(4, orderer.reading);
            head.bind(5, orderer.postal);
            head.bind(6, orderer.addr1);
            head.bind(7, orderer.addr2);
            head.bind(8, textOrNull(orderer.addr3));
            head.bind(9, orderer.phone);
            head.bind(10, orderer.phoneDigits);
            head.bindInt64(11, goods);
            head.bindInt64(12, shipping);
            head.bindInt64(13, tax);
            head.bindInt64(14, total);
            head.bindInt64(15, discount);
            head.bindInt64(16, total - discount - deposit);
            head.bind(17, paid ? QVariant(kMaru) : QVariant());
            head.bind(18, printed ? QVariant(kMaru) : QVariant());
            head.bind(19, printed ? QVariant(kMaru) : QVariant());
            head.bind(20, allLabelled ? QVariant(kMaru) : QVariant());
            head.bind(21, printed ? QVariant(date.addDays(1)) : QVariant());
            head.bind(22, store::yearMonthText(date));
            head.bind(23, store::yearText(date));
            head.bindInt64(24, deposit);
            head.bind(25, rnd.chance(10) ? QVariant(QStringLiteral("贈答用")) : QVariant());
            head.bind(26, static_cast<double>(rate));
            head.bind(27, payDate.isValid() ? QVariant(payDate) : QVariant());
            head.bind(28, paid ? QVariant(store::yearMonthText(payDate)) : QVariant());
            head.bind(29, paid ? QVariant(store::yearText(payDate)) : QVariant());
            head.bind(30, paid ? QVariant(s(kind.name)) : QVariant());
            head.bind(31, paid ? QVariant(s(kind.reading)) : QVariant());
            head.step();
            head.reset();
            if ((n + 1) % 20000 == 0)
                report(o, QStringLiteral("伝票"), n + 1, o.slips);
        }
        result.slips = o.slips;
        db.exec(QStringLiteral("UPDATE Counter SET COUNTER=? WHERE 名称='DJUDEN'"),
                {QVariant::fromValue(slipCounter.counter + o.slips)});
    }
    tx.commit();
    return result;
}

} // namespace gen
