#pragma once

#include "support/Error.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace pafdm {

class AppContext;

// The error and activity logs in the data directory: tab-separated lines,
// CR LF, rotated through five generations above 1,000,000 bytes. Logging
// never fails its caller and never changes the caller's error. Lines start
// with the date (LogDateText of the context's clock and locale), the
// application name padded to 20 characters, the computer and the user name.

constexpr qint32 kLogSizeLimit = 1000000;

// Appends an error line to "Error1.log": StageMarker, then "Message:" and the
// cleaned message, or, when the message cleans to empty, "Error:", the number
// of `current` (the error being handled) and its one-line description followed
// by "'". `extras` are the six extra fields (missing ones are empty). A failed
// write is retried 30 times after a busy pause, then dropped.
void LogError(AppContext& ctx, const QString& message, const Error& current = {}, const QStringList& extras = {});

// Appends an activity line; `extras` are the ten extra fields.
void LogActivity(AppContext& ctx, const QString& message, const QStringList& extras = {});

// Appends an activity-form line to family `family` ("Activity", ...), with the
// same retries as LogError.
void WriteLogLine(AppContext& ctx, const QString& family, const QString& message, const QStringList& extras = {});

// Rotates `family` in `directory` when its current file is larger than
// `limit`: <family>1.log goes through Temp.log to <family>2.log, 2..4 move up
// one and 5 is dropped. A step that fails is skipped.
void RotateLog(const QString& directory, const QString& family, qint32 limit);

// The one-line form of a message: trailing controls dropped, CR to ",", other
// controls to a space, spaces trimmed, one trailing comma dropped.
QString CleanLogText(const QString& text);

// `text` without trailing characters whose codes are 32 or less.
QString TrimRightControl(const QString& text);

// The date field of a log line: the locale's general date (short date, and
// the time unless it is exactly midnight), a space and the abbreviated weekday.
QString LogDateText(const QDateTime& when, const QLocale& locale);

} // namespace pafdm
