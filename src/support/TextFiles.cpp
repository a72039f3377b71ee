#include "support/TextFiles.h"

#include "support/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace pafdm {

namespace {

constexpr int kFileRetries = 300;
constexpr std::chrono::milliseconds kFileRetryPause{20};
constexpr int kDownloadRetries = 30;
constexpr int kEncodedAttempts = 9;
constexpr std::chrono::milliseconds kEncodedFirstPause{100};

enum class ReadOutcome { kRead, kMissing, kFailed };

// Windows-1252 where it differs from Latin-1: bytes 0x80 to 0x9F (0 where
// the code page leaves a byte undefined; such bytes keep their Latin-1 value).
constexpr char16_t kWindows1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                           0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const char16_t mapped = byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : 0;
        text[i] = QChar(mapped != 0 ? mapped : char16_t(byte));
    }
    return text;
}

QString DecodeFileBytes(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    // Files written on Windows machines arrive in the Windows-1252 code page;
    // keep their characters ("€", curly quotes) rather than turning them into
    // replacement marks or control characters.
    if (utf8.hasError())
        return DecodeWindows1252(bytes);
    return text;
}

// True when a failed access to `path` cannot go away by waiting: permission
// denied, a read-only file system, a folder that is missing or is no folder.
// Waiting helps only while another program holds the file.
bool IsLastingFailure(const QString& path, bool forWriting)
{
    const QByteArray file = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    struct stat st;
    if (::stat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return true;
    auto lasting = [] { return errno == EACCES || errno == EPERM || errno == EROFS || errno == ENOTDIR; };
    if (forWriting) {
        if (::access(folder.constData(), W_OK | X_OK) != 0 && lasting())
            return true;
        return ::access(file.constData(), F_OK) == 0 && ::access(file.constData(), W_OK) != 0 && lasting();
    }
    return ::access(file.constData(), R_OK) != 0 && lasting();
}

ReadOutcome ReadOnce(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QFileInfo info(path);
        return (info.exists() || info.isSymLink()) ? ReadOutcome::kFailed : ReadOutcome::kMissing;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadOutcome::kFailed;
    text = DecodeFileBytes(bytes);
    return ReadOutcome::kRead;
}

// ReadTextFile's loop; `failed` tells an unreadable file from a missing one.
QString ReadWithRetries(Clock& clock, const QString& path, const QString& barReplacement, bool retryWhenMissing,
                        bool* failed)
{
    if (failed != nullptr)
        *failed = false;
    ReadOutcome outcome = ReadOutcome::kFailed;
    for (int attempt = 0; attempt <= kFileRetries; ++attempt) {
        if (attempt > 0)
            clock.Sleep(kFileRetryPause);
        QString text;
        outcome = ReadOnce(path, text);
        if (outcome == ReadOutcome::kRead) {
            if (!barReplacement.isEmpty())
                text.replace(QLatin1Char('|'), barReplacement);
            return text;
        }
        if (outcome == ReadOutcome::kMissing && !retryWhenMissing)
            return {};
        // A folder that is not there, or a file we may not read, stays so.
        if (IsLastingFailure(path, false) && (outcome == ReadOutcome::kFailed || !QFileInfo(path).dir().exists()))
            break;
    }
    if (failed != nullptr)
        *failed = outcome == ReadOutcome::kFailed;
    return {};
}

bool WriteOnce(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8() + QByteArrayLiteral("\r\n");
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

Error AccessError(const QString& path)
{
    return Error{75, QStringLiteral("Path/File access error: ") + QDir::toNativeSeparators(path)};
}

bool HasWildcard(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// "*" any run of characters, "?" exactly one; letters compared without case,
// as the listings the program's file patterns were written for do.
bool WildcardMatch(const QString& pattern, const QString& name)
{
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starAt = -1;
    qsizetype starMatch = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            starAt = p++;
            starMatch = n;
        } else if (p < pattern.size()
                   && (pattern.at(p) == QLatin1Char('?')
                       || pattern.at(p).toCaseFolded() == name.at(n).toCaseFolded())) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++starMatch;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

bool IsHiddenName(const QString& name)
{
    return name.startsWith(QLatin1Char('.'));
}

} // namespace

QString ReadTextFile(Clock& clock, const QString& path, const QString& barReplacement, bool retryWhenMissing)
{
    return ReadWithRetries(clock, path, barReplacement, retryWhenMissing, nullptr);
}

bool WriteTextFile(Clock& clock, const QString& path, const QString& text)
{
    for (int attempt = 0; attempt <= kFileRetries; ++attempt) {
        if (attempt > 0)
            clock.Sleep(kFileRetryPause);
        if (WriteOnce(path, text))
            return true;
        if (IsLastingFailure(path, true))
            return false;
    }
    return false;
}

bool WriteDownloadedFile(Clock& clock, const QString& path, const QString& text)
{
    for (int attempt = 0; attempt <= kDownloadRetries; ++attempt) {
        if (attempt > 0)
            clock.BusyPause();
        if (WriteOnce(path, text))
            return true;
        if (IsLastingFailure(path, true))
            return false;
    }
    return false;
}

QString EncodeStoredText(const QString& text)
{
    // Stored as plain text so that operators can read and mend the file.
    return text;
}

QString DecodeStoredText(const QString& text)
{
    return text;
}

Expected<QString> ReadEncodedFile(Clock& clock, const QString& path)
{
    std::chrono::milliseconds pause = kEncodedFirstPause;
    for (int attempt = 1;; ++attempt) {
        bool failed = false;
        const QString text = ReadWithRetries(clock, path, QString(), true, &failed);
        if (!failed)
            return text.isEmpty() ? text : DecodeStoredText(text);
        if (IsLastingFailure(path, false))
            return AccessError(path);
        clock.Sleep(pause);
        if (attempt == kEncodedAttempts)
            return AccessError(path);
        pause *= 2;
    }
}

Expected<Done> WriteEncodedFile(Clock& clock, const QString& path, const QString& text)
{
    const QString encoded = EncodeStoredText(text);
    std::chrono::milliseconds pause = kEncodedFirstPause;
    for (int attempt = 1;; ++attempt) {
        if (WriteTextFile(clock, path, encoded))
            return Done{};
        if (IsLastingFailure(path, true))
            return AccessError(path);
        clock.Sleep(pause);
        if (attempt == kEncodedAttempts)
            return AccessError(path);
        pause *= 2;
    }
}

Expected<bool> FileExists(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return Error{52, QStringLiteral("Bad file name or number")};
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty())
        return false;
    const QDir dir = info.absoluteDir();
    if (!dir.exists())
        return false;
    if (!HasWildcard(name)) {
        if (IsHiddenName(name))
            return false;
        if (info.isFile())
            return true;
        if (!dir.isReadable())
            return AccessError(dir.path());
        return false;
    }
    if (!dir.isReadable())
        return AccessError(dir.path());
    // QDir::Files without QDir::Hidden/System leaves out dot files, devices, sockets and dangling links.
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (!IsHiddenName(entry) && WildcardMatch(name, entry))
            return true;
    }
    return false;
}

qint32 GetFileSizeBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const qint64 size = file.size();
    return size > std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max() : qint32(size);
}

void PauseSeconds(Clock& clock, double seconds)
{
    constexpr double kLongestPauseMs = 1e12;
    if (!(seconds > 0))
        return;
    clock.Sleep(std::chrono::milliseconds(std::llround(std::min(seconds * 1000.0, kLongestPauseMs))));
}

} // namespace pafdm
