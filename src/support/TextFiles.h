#pragma once

#include "support/Error.h"

#include <QString>

namespace pafdm {

class Clock;

// Whole-file text input and output with the program's retry rules. Bytes are
// stored as given (UTF-8). `clock` supplies the pauses.

// The whole file; every "|" replaced by `barReplacement` when that is not
// empty. A missing file gives "" at once unless `retryWhenMissing`; any other
// failure is retried 300 times 20 ms apart, then "" is returned.
QString ReadTextFile(Clock& clock, const QString& path, const QString& barReplacement, bool retryWhenMissing);

// Replaces the file with `text` followed by CR LF, atomically (a temporary in
// the same directory renamed over the old file). Retries 300 times 20 ms
// apart, then gives up silently. Returns whether the file was written.
bool WriteTextFile(Clock& clock, const QString& path, const QString& text);

// As WriteTextFile, with at most 30 retries after a short busy pause.
bool WriteDownloadedFile(Clock& clock, const QString& path, const QString& text);

// The state file's reversible encoding around ReadTextFile/WriteTextFile,
// with nine outer attempts pausing 100 ms doubling to 25,600 ms. Returns an
// Error after the ninth failure.
Expected<QString> ReadEncodedFile(Clock& clock, const QString& path);
Expected<Done> WriteEncodedFile(Clock& clock, const QString& path, const QString& text);

QString EncodeStoredText(const QString& text);
QString DecodeStoredText(const QString& text);

// True when `path` (which may hold * and ? in its file name) names at least
// one ordinary, non-hidden file. An unlistable directory is an Error.
Expected<bool> FileExists(const QString& path);

// Size in bytes; -1 when the file cannot be opened.
qint32 GetFileSizeBytes(const QString& path);

// Sleeps seconds x 1000 ms, rounded.
void PauseSeconds(Clock& clock, double seconds);

} // namespace pafdm
