#pragma once
// A program folder with a few customers, two customer classifications and a small postal
// dictionary; and a helper that acts on a modal window once it is up.
#include "address/postal_dictionary.h"
#include "address/postal_import.h"
#include "app/common/prompter.h"
#include "temp_home.h"
#include "typing.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

struct CustomerHome : TempHome {
    CustomerHome()
    {
        address::closePostalDatabase();
        auto e = [](const char *code, const char *city, const char *town, const char *townKana) {
            return address::PostalEntry{QString::fromUtf8(code), QStringLiteral("東京都"), QString::fromUtf8(city),
                                        QString::fromUtf8(town), QStringLiteral("ﾄｳｷｮｳﾄ"), QStringLiteral("ﾁﾖﾀﾞｸ"),
                                        QString::fromUtf8(townKana)};
        };
        const QList<address::PostalEntry> entries{
            e("1000001", "千代田区", "千代田", "ﾁﾖﾀﾞ"),
            e("1000002", "千代田区", "皇居外苑", "ｺｳｷｮｶﾞｲｴﾝ"),
            e("1010021", "千代田区", "外神田", "ｿﾄｶﾝﾀﾞ"),
            e("1010022", "千代田区", "神田練塀町", "ｶﾝﾀﾞﾈﾘﾍﾞｲﾁｮｳ"),
            e("1010022", "千代田区", "神田松永町", "ｶﾝﾀﾞﾏﾂﾅｶﾞﾁｮｳ"),
        };
        const address::ImportResult r =
            address::buildDictionary(entries, store::Session::postalPath(), QStringLiteral("2025/09/30"));
        if (!r.ok)
            throw std::runtime_error(r.error.toStdString());

        const char *rows[][6] = {
            {"00000001", "山田太郎", "ﾔﾏﾀﾞﾀﾛｳ", "03-1111-2222", "0311112222", "2020-01-02"},
            {"00000002", "山田花子", "ﾔﾏﾀﾞﾊﾅｺ", "03-1111-2222", "0311112222", "2021-03-04"},
            {"00000003", "佐藤次郎", "ｻﾄｳｼﾞﾛｳ", "０３－５５５５－６６６６", "", "2022-05-06"},
            {"00000012", "鈴木一郎", "ｽｽﾞｷｲﾁﾛｳ", "045-123-4567", "0451234567", "2023-07-08"},
        };
        for (auto &r : rows) {
            const QString key = QString::fromUtf8(r[4]);
            db().exec(QStringLiteral("INSERT INTO mtokui (得意先CODE, 得意先名, フリガナ, 電話番号, 電話番号F, 登録日, 敬称, "
                                     "郵便番号, 住所1, 住所2, 住所3, メモ) VALUES (?, ?, ?, ?, ?, ?, '様', '100-0001', "
                                     "'東京都千代田区', '千代田1-1', '皇居ビル', 'よく電話をくださる')"),
                      {QString::fromUtf8(r[0]), QString::fromUtf8(r[1]), QString::fromUtf8(r[2]), QString::fromUtf8(r[3]),
                       key.isEmpty() ? QVariant() : QVariant(key), QString::fromUtf8(r[5])});
        }
        db().exec(QStringLiteral("UPDATE Counter SET COUNTER=12 WHERE 名称='MTOKUI'"));
        db().exec(QStringLiteral("INSERT INTO mbunrui VALUES ('A', '得意客'), ('B', '一般')"));
    }
    ~CustomerHome() { address::closePostalDatabase(); }

    QString scalar(const QString &sql, const QVariantList &params = {})
    {
        return db().scalar(sql, params).toString();
    }
    QString column(const QString &code, const QString &column)
    {
        return scalar(QStringLiteral("SELECT \"%1\" FROM mtokui WHERE 得意先CODE=?").arg(column), {code});
    }
    int counter() { return db().scalar(QStringLiteral("SELECT COUNTER FROM Counter WHERE 名称='MTOKUI'")).toInt(); }
};

// Runs act on the first visible modal window of type W once it is up (polling while the
// caller's own modal call runs its event loop).
template <class W>
void onModal(std::function<void(W &)> act)
{
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [tries, poll, act] {
        if (auto *w = qobject_cast<W *>(QApplication::activeModalWidget()); w && w->isVisible()) {
            // Keys go where the focus is: the window the user now works in is the active one.
            QApplication::setActiveWindow(w);
            act(*w);
            return;
        }
        if (++*tries < 300)
            QTimer::singleShot(10, *poll);
        else
            ADD_FAILURE() << "the expected window did not open";
    };
    QTimer::singleShot(0, *poll);
}

// Shows a screen as the active window, as the user sees it.
inline void showActive(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    (void)QTest::qWaitForWindowActive(&w);
}

// Makes the window of w the active one (a modal window closed over it may have taken that).
inline void ensureActive(QWidget *w)
{
    QWidget *win = w->window();
    if (QApplication::activeWindow() != win) {
        QApplication::setActiveWindow(win);
        QApplication::processEvents();
    }
}

// Moves the focus to another widget as Tab does, so that the field left runs its check.
inline void leaveTo(QWidget *next)
{
    ensureActive(next);
    next->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}
