#pragma once
// Answers the next modal window of a test from inside its loop, once it is up.
#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// act runs with the modal window (nullptr when none came up). Returns a flag that tells
// whether it ran.
inline std::shared_ptr<bool> whenModal(std::function<void(QWidget *)> act)
{
    auto ran = std::make_shared<bool>(false);
    QTimer::singleShot(0, qApp, [act, ran] {
        *ran = true;
        QWidget *w = QApplication::activeModalWidget();
        act(w);
        // A window the test failed to close would hang the test: close it and say so.
        if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible() && QApplication::activeModalWidget() == d) {
            ADD_FAILURE() << "modal window left open: " << d->windowTitle().toStdString();
            d->reject();
        }
    });
    return ran;
}
