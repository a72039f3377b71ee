#include "shell/BrandSettings.h"

#include "support/AppContext.h"

#include "testsupport/FakeClock.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/ScriptedOperator.h"
#include "testsupport/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace pafdm {
namespace {

using test::FakeClock;
using test::ScriptedOperator;
using test::TempDir;

// Runs every case in both editions: the defaults differ, the rules do not.
class BrandSettingsTest : public ::testing::TestWithParam<EditionConfig (*)()> {
protected:
    BrandSettingsTest()
        : ctx(GetParam()(), op, clock)
    {
        ctx.dataDirectory = dir.path();
        ctx.brand.eMail = QStringLiteral("old@example");
        ctx.brand.para1 = QStringLiteral("old para1");
    }

    void PutBrand(const QByteArray& bytes)
    {
        QFile file(dir.File("Brand.xml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    void Read() { ASSERT_TRUE(GetBrandSettings(ctx).ok()); }

    TempDir dir;
    ScriptedOperator op;
    FakeClock clock;
    AppContext ctx;
};

TEST_P(BrandSettingsTest, NoFileKeepsDefaultsAndTurnsInternetOn)
{
    ctx.brand.allowInternet = QStringLiteral("OFF");
    Read();
    EXPECT_EQ(ctx.brand.applicationName, ctx.edition.defaultApplicationName);
    EXPECT_EQ(ctx.brand.phoneNumber, ctx.edition.defaultPhoneNumber);
    EXPECT_EQ(ctx.brand.allowInternet, QStringLiteral("ON"));
    EXPECT_EQ(ctx.brand.eMail, QStringLiteral("old@example"));
    EXPECT_EQ(ctx.brand.para1, QStringLiteral("old para1"));
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST_P(BrandSettingsTest, AllSixValuesInAnyOrder)
{
    PutBrand("junk<para2>P2</para2>\r\n<allowInternet>on</allowInternet><eMail>help@brand.example</eMail>\r\n"
             "<PhoneNumber>01234 567890</PhoneNumber><para1>P1</para1>"
             "<ApplicationName>Brand Lookup</ApplicationName>");
    Read();
    EXPECT_EQ(ctx.brand.applicationName, QStringLiteral("Brand Lookup"));
    EXPECT_EQ(ctx.brand.phoneNumber, QStringLiteral("01234 567890"));
    EXPECT_EQ(ctx.brand.eMail, QStringLiteral("help@brand.example"));
    EXPECT_EQ(ctx.brand.allowInternet, QStringLiteral("on"));
    EXPECT_TRUE(ctx.brand.IsInternetAllowed());
    EXPECT_EQ(ctx.brand.para1, QStringLiteral("P1"));
    EXPECT_EQ(ctx.brand.para2, QStringLiteral("P2"));
}

TEST_P(BrandSettingsTest, OnlyTheNameTurnsEverythingElseEmptyAndInternetOff)
{
    PutBrand("<ApplicationName>Just A Name</ApplicationName>");
    Read();
    EXPECT_EQ(ctx.brand.applicationName, QStringLiteral("Just A Name"));
    EXPECT_EQ(ctx.brand.phoneNumber, QString());
    EXPECT_EQ(ctx.brand.eMail, QString());
    EXPECT_EQ(ctx.brand.allowInternet, QString());
    EXPECT_FALSE(ctx.brand.IsInternetAllowed());
    EXPECT_EQ(ctx.brand.para1, QString());
}

TEST_P(BrandSettingsTest, EmptyFileEmptiesAllSix)
{
    PutBrand("");
    Read();
    const BrandSettings& b = ctx.brand;
    EXPECT_TRUE(b.applicationName.isEmpty() && b.phoneNumber.isEmpty() && b.eMail.isEmpty() && b.allowInternet.isEmpty()
                && b.para1.isEmpty() && b.para2.isEmpty());
}

TEST_P(BrandSettingsTest, ValuesKeepLineBreaksAndBlanks)
{
    PutBrand("<para1>First line\r\n  second line \r\n</para1><ApplicationName> Spaced </ApplicationName>");
    Read();
    EXPECT_EQ(ctx.brand.para1, QStringLiteral("First line\r\n  second line \r\n"));
    EXPECT_EQ(ctx.brand.applicationName, QStringLiteral(" Spaced "));
}

struct SwitchCase {
    const char* value;
    bool on;
};

class InternetSwitchTest : public BrandSettingsTest { };

TEST_P(InternetSwitchTest, OnInAnyLetterCaseOnly)
{
    const SwitchCase cases[] = {{"ON", true},   {"On", true},   {"oN", true},   {"on", true},
                                {"ON ", false}, {" ON", false}, {"OFF", false}, {"", false}};
    for (const SwitchCase& c : cases) {
        PutBrand(QByteArray("<allowInternet>") + c.value + "</allowInternet>");
        Read();
        EXPECT_EQ(ctx.brand.IsInternetAllowed(), c.on) << '"' << c.value << '"';
    }
}

TEST_P(BrandSettingsTest, FileRemovedLaterKeepsTheValuesItGave)
{
    PutBrand("<ApplicationName>From File</ApplicationName><allowInternet>off</allowInternet>");
    Read();
    ASSERT_TRUE(QFile::remove(dir.File("Brand.xml")));
    Read();
    EXPECT_EQ(ctx.brand.applicationName, QStringLiteral("From File"));
    EXPECT_EQ(ctx.brand.allowInternet, QStringLiteral("ON"));
}

INSTANTIATE_TEST_SUITE_P(Editions, BrandSettingsTest, ::testing::Values(&EditionConfig::Vell, &EditionConfig::Quorly));
INSTANTIATE_TEST_SUITE_P(Editions, InternetSwitchTest, ::testing::Values(&EditionConfig::Vell, &EditionConfig::Quorly));

} // namespace
} // namespace pafdm
