#pragma once
#include <QApplication>

#include <functional>

namespace minori {

// Runs f; an exception escaping it is shown in an error box and false is returned, so the
// program goes on.
bool runGuarded(const std::function<bool()> &f);

// An exception escaping any event handler is shown in an error box and the program goes on.
class SafeApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace minori
