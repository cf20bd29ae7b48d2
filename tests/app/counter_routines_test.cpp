#include "app/common/counter_routines.h"
#include "app/common/prompter.h"
#include "temp_home.h"

#include <gtest/gtest.h>

using namespace minori;

TEST(CounterRoutines, MissingCounterShowsErrorBoxAndGivesEmptyText)
{
    TempHome home;
    ScopedRecordingPrompter prompts;
    EXPECT_EQ(CounterPeek(QStringLiteral("NOSUCH")), QString());
    EXPECT_EQ(CounterTake(QStringLiteral("NOSUCH")), QString());
    EXPECT_EQ(CounterFormat(QStringLiteral("NOSUCH"), QStringLiteral("12")), QString());
    EXPECT_FALSE(CounterReset(QStringLiteral("NOSUCH")));
    ASSERT_EQ(prompts.shown().size(), 4u);
    for (const auto &p : prompts.shown()) {
        EXPECT_EQ(p.kind, PromptKind::Error);
        EXPECT_EQ(p.title, QStringLiteral("エラー"));
        EXPECT_EQ(p.text, QStringLiteral("カンターなし NOSUCH"));
    }
}

TEST(CounterRoutines, WorkOnTheSessionData)
{
    TempHome home;
    ScopedRecordingPrompter prompts;
    EXPECT_EQ(TakeAwayCustomerCode(), QStringLiteral("00000000"));
    EXPECT_EQ(CounterPeek(QStringLiteral("MTOKUI")), QStringLiteral("00000001"));
    EXPECT_EQ(CounterTake(QStringLiteral("MTOKUI")), QStringLiteral("00000001"));
    EXPECT_EQ(CounterFormat(QStringLiteral("DJUDEN"), QStringLiteral("12")), QStringLiteral("00000012"));
    EXPECT_TRUE(CounterReset(QStringLiteral("MTOKUI")));
    EXPECT_EQ(CounterPeek(QStringLiteral("MTOKUI")), QStringLiteral("00000001"));
    EXPECT_TRUE(prompts.shown().empty());
}
