#pragma once
// Named number counters (table Counter): slip numbers ("DJUDEN") and customer codes
// ("MTOKUI"). Each counter also says how its numbers are written: zero-padded to a fixed
// width or plain. Every typed code goes through format() before it is looked up, so that
// "12" finds the customer stored as 00000012.
#include "database.h"

#include <QString>
#include <optional>
#include <stdexcept>

namespace store {

// A counter that is missing or unusable. message() is the text for the user's error box:
// "カンターなし NAME" for a missing counter.
class CounterError : public std::runtime_error {
public:
    enum class Kind { Missing, BadWidth, BadValue };
    CounterError(Kind kind, const QString &message)
        : std::runtime_error(message.toStdString()), kind_(kind), message_(message) {}
    Kind kind() const { return kind_; }
    QString message() const { return message_; }

private:
    Kind kind_;
    QString message_;
};

struct CounterRow {
    QString name;
    qint64 counter = 0;      // the last number issued
    bool zeroPad = false;    // 自動ゼロ付加
    int width = 0;           // フィールドサイズ
};

// The written form rules, without a table.
// Text t as the counter writes it: "00000000000" + t cut to its last `width` characters
// when zero-padding is on, t itself otherwise.
QString counterFormat(const QString &text, bool zeroPad, int width);
// Number n as the counter writes it (its decimal digits, then counterFormat).
QString counterNumber(qint64 n, bool zeroPad, int width);

// The counter service. It reads the row for each operation and keeps nothing between them.
// Missing or unusable counters throw CounterError; engine failures throw SqlError.
class CounterService {
public:
    explicit CounterService(Database &db) : db_(db) {}

    // The row of a counter, or nothing when there is none. Throws CounterError when the
    // row's COUNTER is not a number or, with zero-padding, its width is below 1.
    std::optional<CounterRow> find(const QString &name);
    // The row of a counter; CounterError(Missing) when there is none.
    CounterRow row(const QString &name);

    QString peek(const QString &name);                        // written form of COUNTER + 1
    QString take(const QString &name);                        // COUNTER + 1, stored at once
    QString format(const QString &name, const QString &text); // text written the counter's way
    bool reset(const QString &name);                          // COUNTER = 0; false when missing
    void setCounter(const QString &name, qint64 value);       // correction by the counter screen

    static QString missingMessage(const QString &name);       // "カンターなし " + name

private:
    Database &db_;
};

} // namespace store
