#include "app/common/tf_list.h"
#include "customer_fixture.h"
#include "masters/customer_reading.h"
#include "masters/tf_mtokui.h"

#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace minori;

namespace {
void preedit(QWidget *w, const QString &text)
{
    QInputMethodEvent e(text, {});
    QApplication::sendEvent(w, &e);
}

void commit(QWidget *w, const QString &text)
{
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(w, &e);
}

// What a Japanese input method sends for one word: the romaji as typed turning into kana,
// the conversion into kanji, then the commit.
void composeWord(QWidget *w, const QStringList &steps, const QString &converted)
{
    for (const QString &s : steps)
        preedit(w, s);
    preedit(w, converted);
    commit(w, converted);
}
} // namespace

TEST(CustomerReading, TrackerTakesTheKanaBeforeConversion)
{
    customer::ReadingTracker t;
    struct Step {
        const char *preedit, *commit, *reading;
    };
    const Step steps[] = {
        {"ｙ", "", ""}, {"や", "", ""}, {"やま", "", ""}, {"やまｄ", "", ""}, {"やまだ", "", ""},
        {"山田", "", ""},            // converted: the kana stay remembered
        {"", "山田", "ﾔﾏﾀﾞ"},        // committed
        {"", "太郎", ""},            // a commit without a composition of kana: no reading
        {"", "ぱーく", "ﾊﾟｰｸ"},      // kana committed as they are
        {"かぶ", "", ""}, {"", "", ""}, {"", "株", ""},   // abandoned composition, then a commit
        {"ｶﾀｶﾅ", "", ""}, {"", "片仮名", "ｶﾀｶﾅ"},
    };
    for (const Step &s : steps)
        EXPECT_EQ(t.feed(QString::fromUtf8(s.preedit), QString::fromUtf8(s.commit)), QString::fromUtf8(s.reading))
            << s.preedit << " / " << s.commit;
    EXPECT_TRUE(customer::isKanaText(QStringLiteral("やまだー")));
    EXPECT_FALSE(customer::isKanaText(QStringLiteral("山だ")));
    EXPECT_FALSE(customer::isKanaText(QString()));
}

TEST(CustomerReading, NameTypedThroughTheInputMethodFillsTheReading)
{
    CustomerHome home;
    ScopedRecordingPrompter p;
    TfMTokui s;
    showActive(s);
    QWidget *name = s.nameEdit();

    // Browse mode: nothing is appended.
    name->setFocus();
    composeWord(name, {QStringLiteral("や"), QStringLiteral("やま")}, QStringLiteral("山"));
    EXPECT_EQ(s.readingEdit()->text(), QStringLiteral("ｽｽﾞｷｲﾁﾛｳ"));
    EXPECT_FALSE(s.filledFlag());

    s.doNew();
    name->setFocus();
    composeWord(name, {QStringLiteral("ｙ"), QStringLiteral("や"), QStringLiteral("やまｄ"), QStringLiteral("やまだ")},
                QStringLiteral("山田"));
    composeWord(name, {QStringLiteral("た"), QStringLiteral("たろう")}, QStringLiteral("太郎"));
    EXPECT_EQ(s.nameEdit()->text(), QStringLiteral("山田太郎"));
    EXPECT_EQ(s.readingEdit()->text(), QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"));
    EXPECT_TRUE(s.filledFlag());

    // Unchecked: the name grows, the reading does not.
    s.autoReadingBox()->setChecked(false);
    composeWord(name, {QStringLiteral("さま")}, QStringLiteral("様"));
    EXPECT_EQ(s.readingEdit()->text(), QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"));
    s.autoReadingBox()->setChecked(true);

    // The reading was filled while the user was elsewhere: leaving the reading field checks it
    // although the user did not change it there. 山田太郎 exists; the picker is closed.
    leaveTo(s.readingEdit());
    onModal<TfList>([&](TfList &l) {
        EXPECT_EQ(l.windowTitle(), QStringLiteral("顧客マスター 名前重複確認 ※[OK]で既存データへ移動します"));
        EXPECT_EQ(l.grid()->model()->rowCount(), 1);
        QTest::mouseClick(l.closeButton(), Qt::LeftButton);
    });
    leaveTo(s.postalEdit());
    EXPECT_EQ(p.lastText(), QStringLiteral("同名があります確認してください"));
    EXPECT_FALSE(s.filledFlag());
    QApplication::processEvents();
    EXPECT_EQ(s.focusWidget(), s.readingEdit());

    // A long name: the reading is cut to the 24 bytes of the column.
    s.doCancel();
    s.doNew();
    name->setFocus();
    composeWord(name, {QStringLiteral("じゅげむじゅげむごこうのすりきれかいじゃりすいぎょ")}, QStringLiteral("寿限無寿限無五劫の擦り切れ海砂利水魚"));
    EXPECT_EQ(s.query().field(QStringLiteral("フリガナ")).asString(), QStringLiteral("ｼﾞｭｹﾞﾑｼﾞｭｹﾞﾑｺﾞｺｳﾉｽﾘｷﾚｶｲｼ"));
    s.doCancel();
}
