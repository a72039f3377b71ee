#include "db/Recovery.h"

#include "io/File.h"
#include "io/Replacement.h"

#include <unistd.h>

namespace jet {
namespace {

JournalState StateOf(const JournalContents& contents, const JournalLocation& location)
{
    JournalState state;
    state.journal = location.path();
    state.pages = contents.records;
    state.reason = contents.reason;
    switch (contents.kind) {
    case JournalContents::Kind::kNone: state.kind = JournalState::Kind::kNone; break;
    case JournalContents::Kind::kEmpty: state.kind = JournalState::Kind::kStale; break;
    case JournalContents::Kind::kHot: state.kind = JournalState::Kind::kHot; break;
    case JournalContents::Kind::kForeign: state.kind = JournalState::Kind::kForeign; break;
    }
    return state;
}

// The database opened to deal with its journal: for writing (with the
// writer's lock) when it can be; `live` when another writer holds it.
struct Opened {
    std::unique_ptr<File> file;
    bool writable = false;
    bool live = false;
};

Result<Opened> OpenForRecovery(const std::string& path)
{
    Opened opened;
    auto writer = OpenPosixFile(path, true);
    if (writer.ok()) {
        opened.file = std::move(writer).value();
        opened.writable = true;
        return opened;
    }
    if (writer.status().number() == Errors::kFileInUse) {
        opened.live = true;
        return opened;
    }
    if (writer.status().kind() != Status::Kind::kLocked)
        return writer.status();
    auto reader = OpenPosixFile(path, false);
    if (!reader.ok())
        return reader.status();
    opened.file = std::move(reader).value();
    return opened;
}

} // namespace

std::string JournalState::Describe(const std::string& path) const
{
    if (!leftoverCopy.empty()) {
        std::string copy = "Removed the copy '" + leftoverCopy + "' of '" + path
            + "' left by a write that never completed; the file itself was not changed by it.";
        return kind == Kind::kNone
            ? copy
            : copy + " " + JournalState{kind, pages, journal, reason, {}, resolved}.Describe(path);
    }
    switch (kind) {
    case Kind::kNone: return "No journal beside '" + path + "'.";
    case Kind::kStale:
        return std::string(resolved ? "Removed" : "Found") + " the journal '" + journal + "' of '" + path
            + "', which holds nothing to undo.";
    case Kind::kHot:
        return resolved ? "Rolled back an interrupted write to '" + path + "': " + std::to_string(pages)
                + " pages restored from '" + journal + "'."
                        : "'" + path + "' needs recovery: a write to it was interrupted, and its journal '" + journal
                + "' holds " + std::to_string(pages) + " pages to restore.";
    case Kind::kForeign:
        return std::string(resolved ? "Removed" : "Found") + " the journal '" + journal + "' beside '" + path
            + "' without playing it back: " + reason + ".";
    case Kind::kLive:
        return "'" + path + "' is being written by another program; its journal '" + journal + "' is in use.";
    }
    return std::string();
}

Result<JournalState> RecoverBeforeOpen(const std::string& path, JournalLocation& location, const OpenOptions& options)
{
    auto opened = OpenForRecovery(path);
    if (!opened.ok())
        return opened.status();
    if (opened->live) {
        JournalState state;
        state.kind = JournalState::Kind::kLive;
        state.journal = location.path();
        return state;
    }
    const std::string name = DatabaseNameFor(path);
    if (!opened->writable || !options.recover) {
        auto contents = InspectJournal(*opened->file, name, location);
        if (!contents.ok())
            return contents.status();
        if (contents->kind == JournalContents::Kind::kHot)
            return Errors::NeedsRecovery(path, location.path());
        return StateOf(*contents, location);
    }
    auto played = PlayBackJournal(*opened->file, name, location);
    if (!played.ok()) {
        if (played.status().kind() == Status::Kind::kLocked)
            return Errors::NeedsRecovery(path, location.path());
        return played.status();
    }
    JournalState state = StateOf(*played, location);
    state.resolved = state.kind != JournalState::Kind::kNone;
    return state;
}

Result<JournalState> InspectJournal(const std::string& path)
{
    auto location = JournalBeside(path);
    auto exists = location->Exists();
    if (!exists.ok())
        return exists.status();
    JournalState state;
    state.journal = location->path();
    if (!*exists)
        return state;
    auto opened = OpenForRecovery(path);
    if (!opened.ok())
        return opened.status();
    if (opened->live) {
        state.kind = JournalState::Kind::kLive;
        return state;
    }
    auto contents = InspectJournal(*opened->file, DatabaseNameFor(path), *location);
    if (!contents.ok())
        return contents.status();
    return StateOf(*contents, *location);
}

Result<JournalState> RecoverDatabase(const std::string& path)
{
    auto location = JournalBeside(path);
    auto exists = location->Exists();
    if (!exists.ok())
        return exists.status();
    Result<JournalState> state = JournalState{};
    state->journal = location->path();
    if (*exists) {
        state = RecoverBeforeOpen(path, *location, OpenOptions{});
        if (state.ok() && state->kind == JournalState::Kind::kLive)
            return Errors::FileInUse(path);
        if (!state.ok())
            return state;
    }
    // A copy never renamed over the file goes too, under the writer's lock.
    if (::access(CopyPathFor(path).c_str(), F_OK) == 0) {
        auto file = OpenPosixFile(path, true);
        if (!file.ok())
            return file.status();
        auto removed = RemoveLeftoverCopy(path);
        if (!removed.ok())
            return removed.status();
        if (*removed)
            state->leftoverCopy = CopyPathFor(path);
    }
    return state;
}

} // namespace jet
