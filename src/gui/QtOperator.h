#pragma once

#include "gui/MessageBoxes.h"
#include "support/Operator.h"

#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

class QObject;
class QSocketNotifier;
class QWidget;

namespace pafdm {

class StopSignals;
class TransferWindow;
class ZipForm;
class frmUpdateChoose;

// The Operator of the desktop program: Qt message boxes (through
// MessageBoxes), the update source dialog, one transfer window that serves
// every transfer and update while it exists, the archive window, the main
// window's caption.
//
// An update run (RunUpdate) works on a thread of its own while the windows
// stay with the user-interface thread, which goes on painting them and
// answering the window manager. Every call the run makes here is carried
// over to the user-interface thread and waited for, except the progress
// label and share, which the windows pick up at their own pace (the last
// value set always shows). While a run works, Cancel on the transfer window
// (or its close box) and SIGINT, SIGTERM and SIGHUP stop it.
class QtOperator : public Operator {
public:
    QtOperator();
    ~QtOperator() override;
    QtOperator(const QtOperator&) = delete;
    QtOperator& operator=(const QtOperator&) = delete;

    // From now on SIGINT, SIGTERM and SIGHUP stop an update run instead of
    // ending the process at once; `onStopSignal` is then called on the
    // user-interface thread when no run is working (at once, or once the
    // run has ended), for the program to close. After a signal no message
    // box waits for the operator: each is answered as if dismissed.
    void WatchStopSignals();
    // The signal that asked the program to stop, 0 when none did.
    int StopSignal() const;
    std::function<void(int signal)> onStopSignal;
    // Called with true when an update run starts working and with false when
    // it has ended: the main window holds its commands meanwhile.
    std::function<void(bool running)> onUpdateRunning;
    // Asks the update run that is working to stop (the main window's close
    // box does while one runs).
    void RequestStop() { m_cancelStop.store(true); }

    // The window that owns the program's dialogs and carries the main caption.
    void SetMainWindow(QWidget* window) { m_main = window; }
    // The data directory the source dialog names on its second button.
    std::function<QString()> dataDirectory;

    // The progress window while it exists (tests look at it).
    TransferWindow* ProgressWindow() const;
    // Called with the source dialog once it is shown (tests press its buttons).
    std::function<void(frmUpdateChoose&)> onChooseShown;
    // Who answers the message boxes from now on: `boxes`, which must outlive
    // this operator or be replaced first, or the real boxes when null.
    void SetMessageBoxes(MessageBoxAnswerer* boxes) { m_boxes = boxes ? boxes : &m_shownBoxes; }

    std::optional<int> ShowMessage(const QString& prompt, int style, const QString& title, bool topMost) override;
    UpdateSource AskUpdateSource() override;
    void ShowProgress(const QString& caption) override;
    void SetProgressCaption(const QString& caption) override;
    void SetProgressLabel(const QString& label) override;
    void SetProgressTopMost(bool topMost) override;
    void SetProgressCancelVisible(bool visible) override;
    void SetProgressShare(qint64 done, qint64 total) override;
    void RepaintProgress() override;
    void HideProgress() override;
    bool TakeCancelRequest() override;
    bool StopRequested() override;
    void RunUpdate(const std::function<void()>& work) override;
    void OpenArchiveWindow(bool visible) override;
    void SetArchiveCaptions(const QString& title, const QString& description) override;
    void SetArchiveProgress(const QString& text) override;
    void CloseArchiveWindow() override;
    void Yield() override;
    bool IsKeyDown(int virtualKey) override;
    void SetClipboardText(const QString& text) override;
    bool OpenUrl(const QString& urlOrPath) override;
    void Beep() override;
    void NoteFailure(const QString&) override { }
    QString MainCaption() const override;
    void SetMainCaption(const QString& caption) override;

private:
    TransferWindow& Progress();
    bool OnWindowThread() const;
    // Runs `call` on the user-interface thread and waits for it; a call made
    // there already runs at once.
    template <typename Call> auto OnWindows(Call&& call) -> decltype(call());
    // Shows the progress label and share the run set last.
    void ShowPendingProgress();
    void SignalArrived();

    // Lives on the user-interface thread; calls from a run are queued to it.
    std::unique_ptr<QObject> m_relay;
    std::mutex m_pendingMutex;
    std::optional<QString> m_pendingLabel;
    std::optional<std::pair<qint64, qint64>> m_pendingShare;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_cancelStop{false};
    std::unique_ptr<StopSignals> m_signals;
    QSocketNotifier* m_signalNotifier = nullptr;

    // The windows are children of the main window, which may take them along
    // when it goes; the pointers notice.
    QPointer<QWidget> m_main;
    MessageBoxes m_shownBoxes;
    MessageBoxAnswerer* m_boxes = &m_shownBoxes;
    QPointer<TransferWindow> m_progress;
    QPointer<ZipForm> m_archive;
    QPointer<frmUpdateChoose> m_choose;
    QString m_caption;
};

} // namespace pafdm
