#include "support/Logging.h"

#include "support/AppContext.h"
#include "support/SystemHelpers.h"
#include "support/TagText.h"
#include "support/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pafdm {

namespace {

constexpr int kLogAttempts = 31;
constexpr int kErrorExtras = 6;
constexpr int kActivityExtras = 10;
const QLatin1Char kTab('\t');

// The locale's long time format without its time-zone part, which the logs never showed.
QString TimeFormatWithoutZone(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        result += c;
    }
    result.replace(QLatin1String("()"), QString());
    while (result.contains(QLatin1String("  ")))
        result.replace(QLatin1String("  "), QLatin1String(" "));
    return result.trimmed();
}

QString LogPath(const QString& directory, const QString& fileName)
{
    return directory + QDir::separator() + fileName;
}

QString FamilyFile(const QString& directory, const QString& family, int generation)
{
    return LogPath(directory, family + QString::number(generation) + QStringLiteral(".log"));
}

QString ExtraFields(const QStringList& extras, int count)
{
    QString fields;
    for (int i = 0; i < count; ++i) {
        fields += kTab;
        if (i < extras.size())
            fields += extras[i];
    }
    return fields;
}

// Date, application name, computer and user: the fields every line starts with.
QString LineStart(AppContext& ctx)
{
    return LogDateText(ctx.clock().Now(), ctx.locale) + kTab
        + PadRight(ctx.brand.applicationName, 20, QStringLiteral(" ")) + kTab + GetComputerNameText() + kTab
        + GetUserNameText();
}

bool AppendLine(const QString& path, const QString& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = line.toUtf8() + QByteArrayLiteral("\r\n");
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
    file.close();
    return file.error() == QFileDevice::NoError;
}

// Rotates, then appends `line` (built afresh per attempt, so its time is the
// time of the write); up to 30 retries after a short busy pause, then the line
// is dropped.
template <typename BuildLine> void WriteWithRetries(AppContext& ctx, const QString& family, BuildLine buildLine)
{
    for (int failures = 0;;) {
        RotateLog(ctx.dataDirectory, family, kLogSizeLimit);
        if (AppendLine(FamilyFile(ctx.dataDirectory, family, 1), buildLine()))
            return;
        if (++failures >= kLogAttempts)
            return;
        ctx.clock().BusyPause();
    }
}

bool IsFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

QString LogDateText(const QDateTime& when, const QLocale& locale)
{
    // The general date form: the short date, and the time unless it is exactly midnight.
    QString text = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() != QTime(0, 0, 0))
        text += QLatin1Char(' ') + locale.toString(when.time(), TimeFormatWithoutZone(locale));
    return text + QLatin1Char(' ') + locale.toString(when.date(), QStringLiteral("ddd"));
}

void LogError(AppContext& ctx, const QString& message, const Error& current, const QStringList& extras)
{
    const QString cleaned = CleanLogText(message);
    WriteWithRetries(ctx, QStringLiteral("Error"), [&] {
        QString line = LineStart(ctx) + kTab + ctx.StageMarker + kTab;
        if (!cleaned.isEmpty()) {
            line += QStringLiteral("Message:") + kTab + cleaned;
        } else {
            // A description that spanned lines would split the entry; it is kept to one line like a message.
            line += QStringLiteral("Error:") + kTab + QString::number(current.number) + kTab
                + CleanLogText(current.description) + QLatin1Char('\'');
        }
        return line + ExtraFields(extras, kErrorExtras);
    });
}

void LogActivity(AppContext& ctx, const QString& message, const QStringList& extras)
{
    WriteLogLine(ctx, QStringLiteral("Activity"), message, extras);
}

void WriteLogLine(AppContext& ctx, const QString& family, const QString& message, const QStringList& extras)
{
    const QString cleaned = CleanLogText(message);
    WriteWithRetries(ctx, family,
                     [&] { return LineStart(ctx) + kTab + cleaned + ExtraFields(extras, kActivityExtras); });
}

void RotateLog(const QString& directory, const QString& family, qint32 limit)
{
    const QString current = FamilyFile(directory, family, 1);
    if (GetFileSizeBytes(current) <= limit)
        return;
    const QString temp = LogPath(directory, QStringLiteral("Temp.log"));
    // Each step may fail on its own (a file held open elsewhere); the rest still run.
    if (IsFile(temp))
        QFile::remove(temp);
    QFile::rename(current, temp);
    if (IsFile(FamilyFile(directory, family, 5)))
        QFile::remove(FamilyFile(directory, family, 5));
    for (int generation = 4; generation >= 2; --generation) {
        const QString from = FamilyFile(directory, family, generation);
        if (IsFile(from))
            QFile::rename(from, FamilyFile(directory, family, generation + 1));
    }
    if (IsFile(temp))
        QFile::rename(temp, FamilyFile(directory, family, 2));
}

QString TrimRightControl(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= 32)
        --end;
    return text.left(end);
}

QString CleanLogText(const QString& text)
{
    QString result = TrimRightControl(text);
    for (QChar& c : result) {
        if (c.unicode() == 13)
            c = QLatin1Char(',');
        else if (c.unicode() < 32)
            c = QLatin1Char(' ');
    }
    qsizetype first = 0;
    while (first < result.size() && result.at(first) == QLatin1Char(' '))
        ++first;
    qsizetype last = result.size();
    while (last > first && result.at(last - 1) == QLatin1Char(' '))
        --last;
    result = result.mid(first, last - first);
    if (result.endsWith(QLatin1Char(',')))
        result.chop(1);
    return result;
}

} // namespace pafdm
