#include "CliRunner.h"
#include "cli/Command.h"

#include "testsupport/ExternalTools.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace pafdm {
namespace {

// The manual pages and --help must name the same commands and options.

QString HelpOf(const QStringList& args)
{
    QString out;
    QString err;
    test::RunCliCapturing(args, out, err);
    return out;
}

// The page's text with troff's escapes and font changes taken out.
QString ManText(const QString& page)
{
    QFile file(QStringLiteral(PAFDM_SOURCE_DIR "/man/") + page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("\\-"), QLatin1String("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    return text;
}

// The page without its EXAMPLES section, whose commands may be other programs'.
QString WithoutExamples(const QString& man)
{
    const qsizetype start = man.indexOf(QLatin1String(".SH EXAMPLES"));
    if (start < 0)
        return man;
    const qsizetype end = man.indexOf(QLatin1String(".SH "), start + 1);
    return man.left(start) + (end < 0 ? QString() : man.mid(end));
}

QStringList LongOptions(const QString& text)
{
    QStringList options;
    const QRegularExpression option(QStringLiteral("(?<![\\w-])--[a-z][a-z-]*"));
    for (auto it = option.globalMatch(text); it.hasNext();)
        options << it.next().captured();
    options.removeDuplicates();
    options.sort();
    return options;
}

// The commands a help text lists under its "Commands:" heading.
QStringList HelpCommands(const QString& help)
{
    QStringList commands;
    bool inList = false;
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        if (line == QLatin1String("Commands:")) {
            inList = true;
            continue;
        }
        if (inList && line.isEmpty())
            break;
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^  ([a-z][a-z-]*)\\b")).match(line);
        if (inList && m.hasMatch())
            commands << m.captured(1);
    }
    return commands;
}

// The commands the page describes: its COMMANDS section's tagged paragraphs.
QStringList ManCommands(const QString& man)
{
    const qsizetype start = man.indexOf(QLatin1String(".SH COMMANDS"));
    const qsizetype end = man.indexOf(QLatin1String(".SH "), start + 1);
    QStringList commands;
    const QRegularExpression entry(QStringLiteral("\\.TP\\n\\.BI? ?R?\\s*\"?([a-z][a-z-]*)"));
    for (auto it = entry.globalMatch(man.mid(start, end - start)); it.hasNext();)
        commands << it.next().captured(1);
    return commands;
}

TEST(ManPageTest, TheCommandLinesPageNamesWhatItsHelpNames)
{
    const QString man = ManText(QStringLiteral("pafdm-cli.1"));
    ASSERT_FALSE(man.isEmpty());
    const QString help = HelpOf({QStringLiteral("--help")});
    const QStringList commands = HelpCommands(help);
    ASSERT_FALSE(commands.isEmpty());
    EXPECT_EQ(ManCommands(man), commands);

    QString helps = help;
    for (const QString& command : commands)
        helps += HelpOf({command, QStringLiteral("--help")});
    EXPECT_EQ(LongOptions(WithoutExamples(man)).join(' ').toStdString(), LongOptions(helps).join(' ').toStdString());
    for (const char* variable : {"PAFDM_SERVER_URL", "PAFDM_DEFINITIONS_SERVER", "PAFDM_WEB_SITE"})
        EXPECT_TRUE(man.contains(QLatin1String(variable))) << variable;
    for (const char* status : {".B 0", ".B 1", ".B 2", ".B 3"})
        EXPECT_TRUE(man.contains(QLatin1String(status))) << status;
}

TEST(ManPageTest, TheEngineToolsPageNamesWhatItsHelpNames)
{
    const QString man = ManText(QStringLiteral("pafdm-jet.1"));
    ASSERT_FALSE(man.isEmpty());
    const test::ProcessResult help = test::RunProgram(test::JetToolPath(), {QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0);
    EXPECT_EQ(ManCommands(man), HelpCommands(help.out));
    EXPECT_EQ(LongOptions(WithoutExamples(man)).join(' ').toStdString(), LongOptions(help.out).join(' ').toStdString());
}

} // namespace
} // namespace pafdm
