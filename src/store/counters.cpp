#include "counters.h"

namespace store {

namespace {

const QString kZeros = QStringLiteral("00000000000");   // eleven zeros, at most that many are added

CounterError badValue(const QString &name, const QString &value)
{
    return CounterError(CounterError::Kind::BadValue,
                        QStringLiteral("カウンター %1 の COUNTER が数値ではありません: %2").arg(name, value));
}

bool isTrue(const QVariant &v)
{
    if (v.isNull())
        return false;
    const QString s = v.toString().trimmed().toLower();
    return !(s.isEmpty() || s == u"0" || s == u"false");
}

} // namespace

QString counterFormat(const QString &text, bool zeroPad, int width)
{
    if (!zeroPad)
        return text;
    return (kZeros + text).right(width);
}

QString counterNumber(qint64 n, bool zeroPad, int width)
{
    // Digits only: no sign, no separators.
    const QString digits = QString::number(n < 0 ? -static_cast<quint64>(n) : static_cast<quint64>(n));
    return counterFormat(digits, zeroPad, width);
}

QString CounterService::missingMessage(const QString &name) { return QStringLiteral("カンターなし ") + name; }

std::optional<CounterRow> CounterService::find(const QString &name)
{
    Statement &st = db_.cached(QStringLiteral("SELECT 名称, COUNTER, 自動ゼロ付加, フィールドサイズ FROM Counter WHERE 名称=?"));
    st.bind(0, name);
    if (!st.step()) {
        st.reset();
        return std::nullopt;
    }
    const QVariant name0 = st.value(0), counter = st.value(1), pad = st.value(2), width = st.value(3);
    st.reset();   // read everything; the statement holds nothing open between operations

    CounterRow r;
    r.name = name0.toString();
    if (!counter.isNull()) {
        // Only a whole number counts; text or a fraction in COUNTER would give a wrong number.
        bool ok = false;
        const qint64 n = counter.typeId() == QMetaType::LongLong || counter.typeId() == QMetaType::Int
                             ? counter.toLongLong(&ok)
                             : counter.toString().trimmed().toLongLong(&ok);
        if (!ok)
            throw badValue(name, counter.toString());
        r.counter = n;
    }
    r.zeroPad = isTrue(pad);
    bool widthOk = false;
    r.width = width.isNull() ? 0 : width.toString().trimmed().toInt(&widthOk);
    if (r.zeroPad && (!widthOk || r.width < 1))
        throw CounterError(CounterError::Kind::BadWidth,
                           QStringLiteral("カウンター %1 のフィールドサイズが正しくありません: %2")
                               .arg(name, width.isNull() ? QStringLiteral("(空)") : width.toString()));
    return r;
}

CounterRow CounterService::row(const QString &name)
{
    std::optional<CounterRow> r = find(name);
    if (!r)
        throw CounterError(CounterError::Kind::Missing, missingMessage(name));
    return *r;
}

QString CounterService::peek(const QString &name)
{
    const CounterRow r = row(name);
    return counterNumber(r.counter + 1, r.zeroPad, r.width);
}

QString CounterService::take(const QString &name)
{
    Transaction tx(db_);
    const CounterRow r = row(name);
    const qint64 next = r.counter + 1;
    db_.execCached(QStringLiteral("UPDATE Counter SET COUNTER=? WHERE 名称=?"), {QVariant::fromValue(next), name});
    tx.commit();
    return counterNumber(next, r.zeroPad, r.width);
}

QString CounterService::format(const QString &name, const QString &text)
{
    const CounterRow r = row(name);
    return counterFormat(text, r.zeroPad, r.width);
}

bool CounterService::reset(const QString &name)
{
    Transaction tx(db_);
    const int changed = db_.exec(QStringLiteral("UPDATE Counter SET COUNTER=0 WHERE 名称=?"), {name});
    tx.commit();
    return changed > 0;
}

void CounterService::setCounter(const QString &name, qint64 value)
{
    Transaction tx(db_);
    if (db_.exec(QStringLiteral("UPDATE Counter SET COUNTER=? WHERE 名称=?"), {QVariant::fromValue(value), name}) == 0)
        throw CounterError(CounterError::Kind::Missing, missingMessage(name));
    tx.commit();
}

} // namespace store
