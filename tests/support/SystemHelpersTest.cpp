#include "support/SystemHelpers.h"

#include "support/AppContext.h"
#include "support/Operator.h"

#include "testsupport/FakeClock.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/ScriptedOperator.h"

#include <gtest/gtest.h>

#include <optional>

namespace pafdm {
namespace {

using test::FakeClock;
using test::ScriptedOperator;

class SystemHelpersTest : public ::testing::Test {
protected:
    SystemHelpersTest()
        : ctx(EditionConfig::Quorly(), op, clock)
    { }

    ScriptedOperator op;
    FakeClock clock;
    AppContext ctx;
};

TEST_F(SystemHelpersTest, MinusNinetyNineMeansOkAlone)
{
    EXPECT_EQ(ShowTopMessage(ctx, QStringLiteral("Done"), -99, QStringLiteral("Title")), MessageAnswer::kOk);
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].prompt, QStringLiteral("Done"));
    EXPECT_EQ(op.messages[0].style, 0);
    EXPECT_EQ(op.messages[0].title, QStringLiteral("Title"));
    EXPECT_TRUE(op.messages[0].topMost);
    EXPECT_EQ(op.beeps, 0);
}

TEST_F(SystemHelpersTest, YesNoQuestionReturnsTheAnswer)
{
    op.answers = {MessageAnswer::kNo, MessageAnswer::kYes};
    EXPECT_EQ(ShowTopMessage(ctx, QStringLiteral("Apply?"), 4 + 32, QStringLiteral("T")), MessageAnswer::kNo);
    EXPECT_EQ(ShowTopMessage(ctx, QStringLiteral("Apply?"), 4 + 32, QStringLiteral("T")), MessageAnswer::kYes);
    EXPECT_EQ(op.messages[0].style, 36);
}

TEST_F(SystemHelpersTest, EmptyTitleIsTheApplicationName)
{
    ctx.brand.applicationName = QStringLiteral("Branded Name");
    ShowTopMessage(ctx, QStringLiteral("p"), 64, QString());
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].title, QStringLiteral("Branded Name"));
    EXPECT_EQ(op.messages[0].style, 64);
}

TEST_F(SystemHelpersTest, FallsBackToBeepAndOrdinaryMessage)
{
    op.topMostFails = true;
    op.answers = {MessageAnswer::kNo};
    EXPECT_EQ(ShowTopMessage(ctx, QStringLiteral("p"), 4, QString()), MessageAnswer::kNo);
    EXPECT_EQ(op.beeps, 1);
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_FALSE(op.messages[0].topMost);
    EXPECT_EQ(op.messages[0].title, QStringLiteral("Quorly Postcode"));
    EXPECT_EQ(op.messages[0].style, 4);
}

// An operator that cannot show any message.
class MuteOperator : public ScriptedOperator {
public:
    std::optional<int> ShowMessage(const QString&, int, const QString&, bool) override { return std::nullopt; }
};

TEST(ShowTopMessageMuteTest, AnswerCommitsToNothingWhenNothingCanBeShown)
{
    MuteOperator op;
    FakeClock clock;
    AppContext ctx(EditionConfig::Vell(), op, clock);
    EXPECT_EQ(ShowTopMessage(ctx, QStringLiteral("p"), -99, QString()), MessageAnswer::kOk);
    EXPECT_EQ(ShowTopMessage(ctx, QStringLiteral("p"), 4 + 32, QString()), MessageAnswer::kNo);
    EXPECT_EQ(ShowTopMessage(ctx, QStringLiteral("p"), 3, QString()), MessageAnswer::kCancel);
    EXPECT_EQ(ShowTopMessage(ctx, QStringLiteral("p"), 1 + 48, QString()), MessageAnswer::kCancel);
    EXPECT_EQ(op.beeps, 4);
}

TEST_F(SystemHelpersTest, OpenWebPageSaysNothingWhenItOpens)
{
    OpenWebPage(ctx, QStringLiteral("http://www.quorly.example/SDK.htm"));
    EXPECT_EQ(op.openedUrls, QStringList{"http://www.quorly.example/SDK.htm"});
    EXPECT_TRUE(op.messages.empty());
}

TEST_F(SystemHelpersTest, OpenWebPageReportsFailureOnTop)
{
    op.openUrlSucceeds = false;
    ctx.brand.applicationName = QStringLiteral("Branded");
    OpenWebPage(ctx, QStringLiteral("http://x.example/a b"));
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].prompt, QStringLiteral("Unable to open web page 'http://x.example/a b'"));
    EXPECT_EQ(op.messages[0].style, 0);
    EXPECT_EQ(op.messages[0].title, QStringLiteral("Branded"));
    EXPECT_TRUE(op.messages[0].topMost);
}

// Sets or clears an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray* value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
    {
        m_old = qgetenv(name);
        if (value != nullptr)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

TEST(UserNameTest, FromUserThenLognameThenAccount)
{
    const QByteArray alice("alice");
    const QByteArray bob("bob");
    const QByteArray longName(300, 'u');
    {
        ScopedEnv user("USER", &alice);
        ScopedEnv logname("LOGNAME", &bob);
        EXPECT_EQ(GetUserNameText(), QStringLiteral("alice"));
    }
    {
        ScopedEnv user("USER", nullptr);
        ScopedEnv logname("LOGNAME", &bob);
        EXPECT_EQ(GetUserNameText(), QStringLiteral("bob"));
    }
    {
        ScopedEnv user("USER", &longName);
        EXPECT_EQ(GetUserNameText().size(), 255);
    }
    {
        ScopedEnv user("USER", nullptr);
        ScopedEnv logname("LOGNAME", nullptr);
        EXPECT_FALSE(GetUserNameText().isEmpty());
    }
}

} // namespace
} // namespace pafdm
