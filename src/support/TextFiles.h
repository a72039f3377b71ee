#pragma once

#include "support/Error.h"

#include <QString>

namespace pafdm {

class Clock;

// Whole-file text input and output with the program's retry rules. Text is
// written as UTF-8 and read as UTF-8 (a file that is not UTF-8 is read as
// Windows-1252, the code page of files written on Windows). `clock` supplies
// the pauses. The retries wait only for what waiting can cure (another
// program holding the file): permission denied, a read-only file system or a
// folder that is missing or no folder end them at once. Errors name the file.

// The whole file; every "|" replaced by `barReplacement` when that is not
// empty. A missing file gives "" at once unless `retryWhenMissing`; any other
// failure is retried 300 times 20 ms apart, then "" is returned.
QString ReadTextFile(Clock& clock, const QString& path, const QString& barReplacement, bool retryWhenMissing);

// Replaces the file with `text` followed by CR LF, atomically (a temporary in
// the same directory renamed over the old file), so readers see the old or the
// new file, never a missing or partial one. Retries 300 times 20 ms apart, then
// gives up. Returns whether the file was written.
bool WriteTextFile(Clock& clock, const QString& path, const QString& text);

// As WriteTextFile, with at most 30 retries after a short busy pause.
bool WriteDownloadedFile(Clock& clock, const QString& path, const QString& text);

// The state file's reversible encoding around ReadTextFile/WriteTextFile,
// with nine outer attempts pausing 100 ms doubling to 25,600 ms after each
// failure. ReadEncodedFile gives "" for a missing file (after the inner
// retries, about six seconds) or an empty one; a file that exists but cannot
// be read, or a file that cannot be written, is an Error after the ninth
// attempt and its pause.
Expected<QString> ReadEncodedFile(Clock& clock, const QString& path);
Expected<Done> WriteEncodedFile(Clock& clock, const QString& path, const QString& text);

// DecodeStoredText(EncodeStoredText(t)) == t for every text.
QString EncodeStoredText(const QString& text);
QString DecodeStoredText(const QString& text);

// True when `path` names at least one ordinary, non-hidden file (a name
// beginning with "." is hidden; directories, devices, sockets and dangling
// links do not count). The file name may hold "*" and "?", which match
// without regard to letter case; a name without them must match exactly. A
// missing directory gives false; an empty path, or a directory that exists
// but cannot be listed, is an Error.
Expected<bool> FileExists(const QString& path);

// Size in bytes (capped at 2^31 - 1); -1 when the file cannot be opened.
qint32 GetFileSizeBytes(const QString& path);

// Sleeps seconds x 1000 ms, rounded; nothing for zero, negative or NaN.
void PauseSeconds(Clock& clock, double seconds);

} // namespace pafdm
