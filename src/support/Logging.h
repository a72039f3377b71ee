#pragma once

#include "support/Error.h"

#include <QString>
#include <QStringList>

namespace pafdm {

class AppContext;

// The error and activity logs in the data directory: tab-separated lines,
// CR LF, rotated through five generations above 1,000,000 bytes. Logging
// never fails its caller and never changes the caller's error.

constexpr qint32 kLogSizeLimit = 1000000;

// Appends an error line. A message that cleans to empty selects the error
// form, which writes `current` (the error being handled). `extras` are the
// six extra fields (missing ones are empty).
void LogError(AppContext& ctx, const QString& message, const Error& current = {}, const QStringList& extras = {});

// Appends an activity line; `extras` are the ten extra fields.
void LogActivity(AppContext& ctx, const QString& message, const QStringList& extras = {});

// Appends an activity-form line to family `family` ("Activity", ...).
void WriteLogLine(AppContext& ctx, const QString& family, const QString& message, const QStringList& extras = {});

// Rotates `family` in `directory` when its current file is larger than `limit`.
void RotateLog(const QString& directory, const QString& family, qint32 limit);

// The one-line form of a message.
QString CleanLogText(const QString& text);

// `text` without trailing characters whose codes are 32 or less.
QString TrimRightControl(const QString& text);

} // namespace pafdm
