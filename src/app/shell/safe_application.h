#pragma once
#include <QApplication>

namespace minori {

// An exception escaping any event handler is shown in an error box and the program goes on.
class SafeApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace minori
