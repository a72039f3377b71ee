#pragma once

#include <QDateTime>
#include <QString>

namespace pafdm {

// The value between the first `startMarker` in `source` and the next
// `endMarker` after it (the rest of the text when there is no end marker);
// empty when the start marker is absent. Exact, case-sensitive, untrimmed.
QString GetTagValue(const QString& startMarker, const QString& source, const QString& endMarker);

// The text before the first `separator`; empty (and `source` unchanged) when
// there is none. With `consume`, `source` becomes the text after the field
// and one further character.
QString NextField(QString& source, bool consume, const QString& separator);

// The text after the last `separator` (all of `source` when absent). With
// `consume`, `source` becomes the part before that separator.
QString LastField(QString& source, QChar separator, bool consume);

// Occurrences of `pattern` in `text`, overlapping ones included.
int CountOccurrences(const QString& text, const QString& pattern);

// The first `width` characters of `text`, padded with `pad` to `width`.
QString PadRight(const QString& text, qint16 width, const QString& pad);

// yyyymmdd to a date-time: 1899-12-30 00:00:45 when the first character is a
// blank or control character; 1899-12-30 00:00:00 for an empty or invalid text.
QDateTime DateFromYmd(const QString& text);

} // namespace pafdm
