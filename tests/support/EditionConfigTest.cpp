#include "support/EditionConfig.h"
#include "support/AppContext.h"

#include "testsupport/FakeClock.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/ScriptedOperator.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pafdm {
namespace {

struct EditionCase {
    const char* name;
    EditionConfig (*make)();
    QString applicationName;
    QString lookupClass;
    QString desktopProgram;
    bool hidesMenus;
    bool offersUpdates;
};

// Cases print as their names.
void PrintTo(const EditionCase& c, std::ostream* os)
{
    *os << c.name;
}

class EditionConfigTest : public ::testing::TestWithParam<EditionCase> {
protected:
    void TearDown() override
    {
        for (const char* variable : {"PAFDM_SERVER_URL", "PAFDM_DEFINITIONS_SERVER", "PAFDM_WEB_SITE"})
            qunsetenv(variable);
    }
};

TEST_P(EditionConfigTest, RecordHoldsTheEditionsValues)
{
    const EditionCase& c = GetParam();
    const EditionConfig config = c.make();
    EXPECT_EQ(config.defaultApplicationName, c.applicationName);
    EXPECT_EQ(config.lookupComponentClass, c.lookupClass);
    EXPECT_EQ(config.desktopProgram, c.desktopProgram);
    EXPECT_EQ(config.hidesStatusAndDefinitionsMenus, c.hidesMenus);
    EXPECT_EQ(config.offersWaitingUpdates, c.offersUpdates);
    EXPECT_FALSE(config.defaultPhoneNumber.isEmpty());
    for (const QString& url : {config.serverUrl, config.definitionsServer, config.webSite}) {
        EXPECT_TRUE(url.startsWith(QStringLiteral("http://"))) << url.toStdString();
        EXPECT_FALSE(url.endsWith(QLatin1Char('/'))) << url.toStdString();
    }
}

TEST_P(EditionConfigTest, ContextStartsWithTheEditionsDefaults)
{
    test::ScriptedOperator op;
    test::FakeClock clock;
    AppContext ctx(GetParam().make(), op, clock);
    EXPECT_EQ(ctx.brand.applicationName, GetParam().applicationName);
    EXPECT_EQ(ctx.brand.phoneNumber, ctx.edition.defaultPhoneNumber);
    EXPECT_EQ(ctx.brand.allowInternet, QStringLiteral("ON"));
    EXPECT_TRUE(ctx.brand.eMail.isEmpty() && ctx.brand.para1.isEmpty() && ctx.brand.para2.isEmpty());
}

TEST_P(EditionConfigTest, EnvironmentOverridesAddresses)
{
    const EditionConfig plain = GetParam().make();
    qputenv("PAFDM_SERVER_URL", "http://127.0.0.1:8080/");
    qputenv("PAFDM_DEFINITIONS_SERVER", "  http://127.0.0.1:9090//  ");
    qputenv("PAFDM_WEB_SITE", "");
    const EditionConfig config = plain.WithEnvironmentOverrides();
    EXPECT_EQ(config.serverUrl, QStringLiteral("http://127.0.0.1:8080"));
    EXPECT_EQ(config.definitionsServer, QStringLiteral("http://127.0.0.1:9090"));
    EXPECT_EQ(config.webSite, plain.webSite);
    EXPECT_EQ(config.defaultApplicationName, plain.defaultApplicationName);
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionConfigTest,
                         ::testing::Values(EditionCase{"Vell", &EditionConfig::Vell, "Postcode Vell",
                                                       "IPostCodeVell.PostCode", "PostCodeVellDesktop.exe", true,
                                                       false},
                                           EditionCase{"Quorly", &EditionConfig::Quorly, "Quorly Postcode",
                                                       "IQuorlyPostCodeCOMClass.QuorlyPostCode", "", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pafdm
