#include "app/common/ime_mode.h"
#include "app/common/lookup.h"
#include "app/common/tf_list.h"
#include "temp_home.h"
#include "typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace minori;
using store::Dataset;

namespace {

const QString kByReading = QStringLiteral("SELECT * FROM mtokui WHERE フリガナ LIKE ? ORDER BY フリガナ");
const QString kHistory = QStringLiteral(
    "SELECT フリガナ,得意先名 AS 送元名,電話番号,得意先code AS 送元CODE FROM mtokui WHERE 得意先CODE<>'00000000' ORDER BY フリガナ");

void addCustomers(store::Database &db)
{
    const char16_t *rows[][3] = {
        {u"00000001", u"山田太郎", u"ﾔﾏﾀﾞﾀﾛｳ"}, {u"00000002", u"山田花子", u"ﾔﾏﾀﾞﾊﾅｺ"}, {u"00000003", u"山本一郎", u"ﾔﾏﾓﾄｲﾁﾛｳ"},
        {u"00000004", u"佐藤次郎", u"ｻﾄｳｼﾞﾛｳ"}, {u"00000005", u"abc商店", u"abc"},
        {u"00000006", u"ABC商会", u"Abc"},
    };
    for (auto &r : rows)
        db.exec(QStringLiteral("INSERT INTO mtokui (得意先CODE, 得意先名, フリガナ, 電話番号) VALUES (?, ?, ?, '03-1234-5678')"),
                {QString::fromUtf16(r[0]), QString::fromUtf16(r[1]), QString::fromUtf16(r[2])});
}

// Runs act inside the picker's modal loop, once the window is up; returns what the loop gave.
int showAndDo(TfList &picker, std::function<void(TfList &)> act)
{
    QTimer::singleShot(0, &picker, [&picker, act] {
        (void)QTest::qWaitForWindowExposed(&picker);
        act(picker);
    });
    return picker.ShowModal();
}

// Counts the times the picker window opens.
struct OpenCounter {
    int count = 0;
    QMetaObject::Connection c;
    OpenCounter() { c = QObject::connect(&TfList::instance(), &TfList::opened, [this] { ++count; }); }
    ~OpenCounter() { QObject::disconnect(c); }
};

} // namespace

TEST(TfList, LookupRuleNoneOneSeveral)
{
    TempHome home;
    addCustomers(home.db());
    Dataset q(home.db());
    OpenCounter opens;
    const QString caption = QStringLiteral("注文主検索");

    EXPECT_EQ(LookupOne(q, kByReading, {QStringLiteral("ﾜ%")}, caption), LookupResult::NotFound);
    EXPECT_EQ(LookupOne(q, kByReading, {QStringLiteral("ｻ%")}, caption), LookupResult::Taken);
    EXPECT_EQ(q.field(QStringLiteral("得意先CODE")).asString(), QStringLiteral("00000004"));
    EXPECT_EQ(opens.count, 0);   // none and one never show the window

    // Several: the picker opens on the first candidate; the user moves down and presses OK.
    LookupResult r = LookupResult::NotFound;
    QTimer::singleShot(0, [&] {
        TfList &p = TfList::instance();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
        EXPECT_EQ(p.windowTitle(), caption);
        EXPECT_FALSE(p.findEdit()->isVisible());
        EXPECT_FALSE(p.findLabel()->isVisible());
        EXPECT_EQ(p.grid()->model()->rowCount(), 3);
        EXPECT_TRUE(p.grid()->hasFocus());
        QTest::keyClick(p.grid(), Qt::Key_Down);
        QTest::mouseClick(p.okButton(), Qt::LeftButton);
    });
    r = LookupOne(q, kByReading, {QStringLiteral("ﾔﾏ%")}, caption);
    EXPECT_EQ(r, LookupResult::Taken);
    EXPECT_EQ(opens.count, 1);
    EXPECT_EQ(q.field(QStringLiteral("得意先名")).asString(), QStringLiteral("山田花子"));
    EXPECT_TRUE(q.isOpen());   // the caller's query stays open on the chosen row

    // Several, closed with Escape: nothing is taken.
    QTimer::singleShot(0, [&] {
        TfList &p = TfList::instance();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
        QTest::keyClick(p.grid(), Qt::Key_Escape);
    });
    EXPECT_EQ(LookupOne(q, kByReading, {QStringLiteral("ﾔﾏ%")}, caption), LookupResult::Cancelled);

    // "閉じる" cancels too.
    QTimer::singleShot(0, [&] {
        TfList &p = TfList::instance();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
        QTest::mouseClick(p.closeButton(), Qt::LeftButton);
    });
    EXPECT_EQ(LookupOne(q, kByReading, {QStringLiteral("ﾔﾏ%")}, caption), LookupResult::Cancelled);
}

TEST(TfList, EnterAndDoubleClickInTheGridTakeTheRow)
{
    TempHome home;
    addCustomers(home.db());
    Dataset q(home.db());
    TfList &p = TfList::instance();

    p.PrepareList(q, kByReading, QStringLiteral("注文主検索"), {QStringLiteral("ﾔﾏ%")});
    EXPECT_EQ(showAndDo(p, [](TfList &p) {
                  QTest::keyClick(p.grid(), Qt::Key_End, Qt::ControlModifier);
                  QTest::keyClick(p.grid(), Qt::Key_Return);
              }),
              TfList::OK);
    EXPECT_EQ(q.field(QStringLiteral("フリガナ")).asString(), QStringLiteral("ﾔﾏﾓﾄｲﾁﾛｳ"));

    p.PrepareList(q, kByReading, QStringLiteral("注文主検索"), {QStringLiteral("ﾔﾏ%")});
    EXPECT_EQ(showAndDo(p, [](TfList &p) {
                  QWidget *vp = p.grid()->viewport();
                  const QPoint at = p.grid()->visualRect(p.grid()->model()->index(1, 0)).center();
                  QTest::mouseClick(vp, Qt::LeftButton, {}, at);
                  QTest::mouseDClick(vp, Qt::LeftButton, {}, at);
              }),
              TfList::OK);
    EXPECT_EQ(q.field(QStringLiteral("フリガナ")).asString(), QStringLiteral("ﾔﾏﾀﾞﾊﾅｺ"));

    // The navigation buttons move the caller's query.
    p.PrepareList(q, kByReading, QStringLiteral("注文主検索"), {QStringLiteral("%")});
    EXPECT_EQ(showAndDo(p, [](TfList &p) {
                  p.navButton(3)->click();          // last
                  p.navButton(1)->click();          // previous
                  QTest::mouseClick(p.okButton(), Qt::LeftButton);
              }),
              TfList::OK);
    EXPECT_EQ(q.recNo(), q.recordCount() - 1);
}

TEST(TfList, FindFieldMovesToTheFirstRowBeginningWithTheText)
{
    TempHome home;
    addCustomers(home.db());
    Dataset q(home.db());
    TfList &p = TfList::instance();
    p.PrepareFindList(q, kHistory, QStringLiteral("送り元履歴"), QStringLiteral("ﾔﾏﾀﾞﾊ"), QStringLiteral("フリガナ"));
    EXPECT_EQ(q.field(QStringLiteral("送元名")).asString(), QStringLiteral("山田花子"));   // start value
    p.setFindImeMode(ImeMode::HalfKatakana);
    EXPECT_EQ(showAndDo(p, [&](TfList &p) {
                  EXPECT_TRUE(p.findEdit()->isVisible());
                  EXPECT_TRUE(p.findLabel()->isVisible());
                  EXPECT_EQ(p.findLabel()->text(), QStringLiteral("検索値"));
                  EXPECT_TRUE(p.findEdit()->text().isEmpty());
                  EXPECT_EQ(imeMode(p.findEdit()), ImeMode::HalfKatakana);
                  // Columns under the names of the caller's SQL, aliases included, in order.
                  const QAbstractItemModel *m = p.grid()->model();
                  QStringList heads;
                  for (int c = 0; c < m->columnCount(); ++c)
                      heads << m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
                  EXPECT_EQ(heads.join(u','), QStringLiteral("フリガナ,送元名,電話番号,送元CODE"));

                  typeText(p.findEdit(), QStringLiteral("ﾔﾏﾓ"));
                  EXPECT_EQ(q.field(QStringLiteral("送元名")).asString(), QStringLiteral("山本一郎"));
                  typeText(p.findEdit(), QStringLiteral("ﾜ"));   // no row begins with ﾔﾏﾓﾜ: stays
                  EXPECT_EQ(q.field(QStringLiteral("送元名")).asString(), QStringLiteral("山本一郎"));
                  // Letters compare case-sensitively: "a" passes over "Abc", which sorts first.
                  retype(p.findEdit(), QStringLiteral("a"));
                  EXPECT_EQ(q.field(QStringLiteral("送元名")).asString(), QStringLiteral("abc商店"));
                  retype(p.findEdit(), QStringLiteral("AB"));
                  EXPECT_EQ(q.field(QStringLiteral("送元名")).asString(), QStringLiteral("ABC商会"));
                  retype(p.findEdit(), QStringLiteral("ｻ"));
                  QTest::keyClick(p.findEdit(), Qt::Key_Return);   // on to the grid
                  EXPECT_TRUE(p.grid()->hasFocus());
                  QTest::keyClick(p.grid(), Qt::Key_Return);
              }),
              TfList::OK);
    EXPECT_EQ(q.field(QStringLiteral("送元CODE")).asString(), QStringLiteral("00000004"));

    // Escape cancels even while the find field has the focus; the next prepare empties the
    // field and sets its input method back.
    p.PrepareFindList(q, kHistory, QStringLiteral("送り先履歴"), QString(), QStringLiteral("フリガナ"));
    EXPECT_EQ(imeMode(p.findEdit()), ImeMode::Default);
    EXPECT_EQ(q.recNo(), 1);
    EXPECT_EQ(showAndDo(p, [](TfList &p) {
                  typeText(p.findEdit(), QStringLiteral("ﾔ"));
                  ASSERT_TRUE(p.findEdit()->hasFocus());
                  QTest::keyClick(p.findEdit(), Qt::Key_Escape);
              }),
              TfList::Cancel);
}

TEST(TfList, EmptyListStillClosesWithOk)
{
    TempHome home;
    Dataset q(home.db());
    TfList &p = TfList::instance();
    p.PrepareFindList(q, kByReading, QStringLiteral("注文主検索"), QStringLiteral("ﾔ"), QStringLiteral("フリガナ"),
                      {QStringLiteral("ﾔ%")});
    EXPECT_EQ(showAndDo(p, [](TfList &p) {
                  EXPECT_EQ(p.grid()->model()->rowCount(), 0);
                  typeText(p.findEdit(), QStringLiteral("ｱ"));    // finding in nothing is harmless
                  QTest::mouseClick(p.okButton(), Qt::LeftButton);
              }),
              TfList::OK);
    EXPECT_TRUE(q.isEmpty());
    EXPECT_EQ(q.field(QStringLiteral("得意先名")).asString(), QString());
}
