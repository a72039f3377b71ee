#pragma once

#include <QDateTime>
#include <QString>

namespace pafdm {

// The value between the first `startMarker` in `source` and the next
// `endMarker` after it (the rest of the text when there is no end marker);
// empty when the start marker is absent. Exact, case-sensitive, untrimmed.
QString GetTagValue(const QString& startMarker, const QString& source, const QString& endMarker);

// The text before the first `separator`; empty (and `source` unchanged) when
// there is none or `separator` is empty. With `consume`, `source` becomes the
// text after the field and one further character (separators are one
// character long).
QString NextField(QString& source, bool consume, const QString& separator);

// The text after the last `separator` (all of `source` when absent). With
// `consume`, `source` becomes the part before that separator.
QString LastField(QString& source, QChar separator, bool consume);

// Occurrences of `pattern` in `text`, overlapping ones included; 0 for an
// empty pattern.
int CountOccurrences(const QString& text, const QString& pattern);

// The first `width` characters of `text`; when shorter, `pad` is appended
// once per missing character (a one-character pad gives exactly `width`).
QString PadRight(const QString& text, qint16 width, const QString& pad);

// The zero date: 1899-12-30 00:00:00, local time. Dates that could not be
// had are this value, as stored dates count their days from it.
QDateTime ZeroDateTime();

// yyyymmdd to a local date-time at midnight, read strictly as day (characters
// 7-8), month (5-6) and year (1-4, 100..9999); characters after the eighth are
// ignored. 1899-12-30 00:00:45 when the first character is a blank or control
// character; the zero date for an empty text or one that is no valid date.
QDateTime DateFromYmd(const QString& text);

// True for a data date that names a real calendar day: exactly eight digits
// yyyymmdd (years 1000 to 9999).
bool IsCalendarDateYmd(const QString& text);

} // namespace pafdm
