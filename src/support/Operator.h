#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace pafdm {

// Message-box styles: a button set plus an icon.
namespace MessageStyle {
constexpr int kOkOnly = 0;
constexpr int kOkCancel = 1;
constexpr int kYesNoCancel = 3;
constexpr int kYesNo = 4;
constexpr int kCritical = 16;
constexpr int kQuestion = 32;
constexpr int kExclamation = 48;
constexpr int kInformation = 64;
} // namespace MessageStyle

// Answers of a message box.
namespace MessageAnswer {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kYes = 6;
constexpr int kNo = 7;
} // namespace MessageAnswer

// Where an update run takes its archives from.
enum class UpdateSource { kInternet, kDirectory, kCancel };

// Virtual-key codes the program asks about.
namespace VirtualKey {
constexpr int kShift = 16;
constexpr int kControl = 17;
} // namespace VirtualKey

// Everything the program shows to or asks of the operator. The desktop
// program implements it with Qt Widgets, the command line with the terminal,
// the tests with a scripted fake. Nothing below the user interface shows
// anything except through this interface.
class Operator {
public:
    virtual ~Operator() = default;

    // Shows a modal message and returns the answer (1 OK, 2 Cancel, 6 Yes, 7 No).
    // `topMost`: the message must come up above every other window. Returns
    // nothing when the top-most window could not be used (the caller then
    // falls back to an ordinary message).
    virtual std::optional<int> ShowMessage(const QString& prompt, int style, const QString& title, bool topMost) = 0;

    // The update source choice of an update run.
    virtual UpdateSource AskUpdateSource() = 0;

    // The progress window (the transfer window during transfers and updates).
    virtual void ShowProgress(const QString& caption) = 0;
    virtual void SetProgressCaption(const QString& caption) = 0;
    virtual void SetProgressLabel(const QString& label) = 0;
    virtual void SetProgressTopMost(bool topMost) = 0;
    virtual void SetProgressCancelVisible(bool visible) = 0;
    // The share of the step in progress that is done, `done` of `total`
    // (records merged, bytes received); a total of 0 when no share is known.
    virtual void SetProgressShare(qint64 /*done*/, qint64 /*total*/) { }
    // Redraws the progress window without handling any input.
    virtual void RepaintProgress() = 0;
    virtual void HideProgress() = 0;
    // True once the operator pressed the progress window's Cancel button since
    // the last call; reading it clears it.
    virtual bool TakeCancelRequest() = 0;
    // True once the operator asked to stop the whole update run (on the
    // command line: SIGINT, SIGTERM or SIGHUP). The run then abandons the
    // merge in progress, leaving its data file as it was, and applies nothing
    // more. It stays true.
    virtual bool StopRequested() = 0;

    // The archive window of one extraction, created by OpenArchiveWindow and
    // shown only when `visible`; CloseArchiveWindow drops it. Captions set the
    // title and the description line, empty the progress line, keep the
    // window above every other one and redraw it.
    virtual void OpenArchiveWindow(bool visible) = 0;
    virtual void SetArchiveCaptions(const QString& title, const QString& description) = 0;
    // Sets the progress line and redraws the window.
    virtual void SetArchiveProgress(const QString& text) = 0;
    virtual void CloseArchiveWindow() = 0;

    // Runs a whole update run. The desktop program runs it on a thread of its
    // own and keeps its windows painted and answering meanwhile (every call
    // the run makes on this interface reaches the windows all the same), with
    // every other command of the window held until it ends; a Cancel of the
    // operator's during it stops the run as a signal does. Elsewhere it is a
    // plain call. Exceptions of `work` reach the caller.
    virtual void RunUpdate(const std::function<void()>& work) { work(); }

    // Lets the event loop run once (windows repaint, buttons work).
    virtual void Yield() = 0;
    // True while the key is held down at this moment.
    virtual bool IsKeyDown(int virtualKey) = 0;
    virtual void SetClipboardText(const QString& text) = 0;
    // Asks the desktop to open a URL or document; false when it could not.
    virtual bool OpenUrl(const QString& urlOrPath) = 0;
    virtual void Beep() = 0;
    // A failure the error log has recorded that no message shows (an archive
    // that could not be unpacked, say). The terminal prints it; the windows
    // leave it to the log.
    virtual void NoteFailure(const QString& text) = 0;
    // Caption of the main window (the definitions download changes it).
    virtual QString MainCaption() const = 0;
    virtual void SetMainCaption(const QString& caption) = 0;
};

} // namespace pafdm
