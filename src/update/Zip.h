#pragma once

#include "support/Error.h"

#include <QString>

#include <functional>
#include <optional>

namespace pafdm {

class AppContext;

// Limits an extraction keeps to, whatever the archive claims. The defaults
// are the program's; tests lower them.
struct ArchiveLimits {
    // Members (folders included) one archive may hold.
    qint64 maxMembers = 1000;
    // Uncompressed bytes of all members together: a Jet file cannot exceed
    // 2 GiB, and an update archive holds one.
    qint64 maxTotalBytes = qint64(2) * 1024 * 1024 * 1024;
    // Free space the destination must keep after the extraction.
    qint64 freeSpaceMargin = qint64(64) * 1024 * 1024;
    // Largest ratio of uncompressed to compressed size of a member, applied
    // to members larger than ratioFloorBytes (small members of any ratio are
    // harmless).
    qint64 maxRatio = 1000;
    qint64 ratioFloorBytes = qint64(1) * 1024 * 1024;
    // Asks how many bytes may still be written where a path lies; nothing
    // when the system cannot tell. The extraction then goes on without the
    // free-space check (a full disk still fails the member being written).
    std::function<std::optional<qint64>(const QString&)> freeSpace;
};

// Unpacks every member of the ZIP archive `archivePath` below
// `destinationDirectory` under its stored name and folders, replacing files
// already there. The archive is checked whole before anything is written: a
// member whose name is absolute, carries a drive letter, climbs out with "..",
// holds a control character or names one of the program's own files, a
// symbolic link or other entry that is neither a file nor a folder, more
// members or more bytes than `limits` allow, or more than the destination's
// free space less the margin, refuses the whole archive (where the free space
// cannot be found the check is left out, and a disk that fills up fails the
// extraction while it writes). Each member is
// written under a temporary name beside its final one and every member is
// renamed into place only when all of them were read whole (CRC and length
// checked), so a failed extraction leaves no member, half-written or whole,
// under its real name. The archive itself is not changed.
// Returns the reason as an Error on failure (number 0 for a refused archive).
Expected<Done> UnpackArchive(const QString& archivePath, const QString& destinationDirectory,
                             const ArchiveLimits& limits = {});

// The archive window's extraction: opens the archive window (shown only when
// `title` is not empty), captions it with `title` and `description`, writes
// the progress lines "Opening " and "Extracting " followed by `archivePath`,
// unpacks with UnpackArchive and closes the window. True when every member
// was written. A failure is written to the error log with its reason and gives
// false; nothing else is shown. A free space that could not be found is noted
// in the activity log. `selection` must be empty (the program never
// selects members); `overwrite` false keeps files already there by refusing
// an archive that would replace one.
bool ExtractArchive(AppContext& ctx, const QString& title, const QString& description, const QString& archivePath,
                    const QString& destinationDirectory, const QString& selection, bool overwrite,
                    const ArchiveLimits& limits = {});

// Sets the archive window's progress line, redraws it and yields once.
void ShowArchiveProgress(AppContext& ctx, const QString& text);

} // namespace pafdm
