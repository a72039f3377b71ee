#include "support/TagText.h"

#include <algorithm>

namespace pafdm {

QString GetTagValue(const QString& startMarker, const QString& source, const QString& endMarker)
{
    if (source.isEmpty())
        return {};
    const qsizetype start = source.indexOf(startMarker, 0, Qt::CaseSensitive);
    if (start < 0)
        return {};
    const qsizetype valueStart = start + startMarker.size();
    const qsizetype end = source.indexOf(endMarker, valueStart, Qt::CaseSensitive);
    if (end < 0)
        return source.mid(valueStart);
    return source.mid(valueStart, end - valueStart);
}

QString NextField(QString& source, bool consume, const QString& separator)
{
    // An empty separator "occurs" everywhere; treating it as absent keeps the source intact.
    if (separator.isEmpty())
        return {};
    const qsizetype at = source.indexOf(separator, 0, Qt::CaseSensitive);
    if (at < 0)
        return {};
    QString field = source.left(at);
    if (consume)
        source = source.mid(at + 1);
    return field;
}

QString LastField(QString& source, QChar separator, bool consume)
{
    const qsizetype at = source.lastIndexOf(separator);
    if (at < 0)
        return source;
    QString field = source.mid(at + 1);
    if (consume)
        source.truncate(at);
    return field;
}

int CountOccurrences(const QString& text, const QString& pattern)
{
    if (pattern.isEmpty())
        return 0;
    int count = 0;
    qsizetype at = text.indexOf(pattern, 0, Qt::CaseSensitive);
    while (at >= 0) {
        ++count;
        at = text.indexOf(pattern, at + 1, Qt::CaseSensitive);
    }
    return count;
}

QString PadRight(const QString& text, qint16 width, const QString& pad)
{
    const qsizetype target = width < 0 ? 0 : width;
    QString result = text.left(target);
    const qsizetype missing = target - result.size();
    for (qsizetype i = 0; i < missing; ++i)
        result += pad;
    return result;
}

QDateTime ZeroDateTime()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0, 0));
}

namespace {

// The number in `part` when it is one or more ASCII digits, possibly surrounded by blanks; -1 otherwise.
int DatePartNumber(const QString& part)
{
    const QString digits = part.trimmed();
    if (digits.isEmpty() || digits.size() > 4)
        return -1;
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

QDateTime DateFromYmd(const QString& text)
{
    if (text.isEmpty())
        return ZeroDateTime();
    if (text.at(0).unicode() <= 32)
        return ZeroDateTime().addSecs(45); // 1/1900 of a day, to the whole second
    const int day = DatePartNumber(text.mid(6, 2));
    const int month = DatePartNumber(text.mid(4, 2));
    const int year = DatePartNumber(text.mid(0, 4));
    // Only the day/month/year reading counts; a year outside 100..9999 is no date.
    if (day < 0 || month < 0 || year < 100)
        return ZeroDateTime();
    const QDate date(year, month, day);
    if (!date.isValid())
        return ZeroDateTime();
    return QDateTime(date, QTime(0, 0, 0));
}

bool IsCalendarDateYmd(const QString& text)
{
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    return text.at(0) != u'0' && QDate::fromString(text, QStringLiteral("yyyyMMdd")).isValid();
}

} // namespace pafdm
