#pragma once
#include <QString>
#include <stdexcept>

namespace store {

// Every failure of the engine: the message of SQLite (or of the engine layer) and the SQL
// text that failed. Callers that show it to the user use text().
class SqlError : public std::runtime_error {
public:
    SqlError(const QString &message, const QString &sql, int code = 0)
        : std::runtime_error((message + (sql.isEmpty() ? QString() : QStringLiteral("\nSQL: ") + sql)).toStdString()),
          message_(message), sql_(sql), code_(code) {}
    QString message() const { return message_; }
    QString sql() const { return sql_; }
    int code() const { return code_; }          // SQLite's extended result code, 0 for our own errors
    bool isConstraint() const { return (code_ & 0xff) == 19; }   // SQLITE_CONSTRAINT
    QString text() const { return QString::fromStdString(what()); }

private:
    QString message_;
    QString sql_;
    int code_;
};

// Thrown by an event handler (before-post, before-edit, ...) to stop the operation silently,
// the way a screen refuses a post after it has shown its own message.
class Abort : public std::exception {
public:
    const char *what() const noexcept override { return "operation aborted"; }
};

} // namespace store
