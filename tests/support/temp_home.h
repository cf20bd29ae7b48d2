#pragma once
// A throw-away program folder with a fresh data folder, opened as the session's data.
#include "store/session.h"

#include <QString>
#include <QTemporaryDir>

class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }
    store::Database &db() { return store::Session::data(); }

private:
    QTemporaryDir dir_;
};
