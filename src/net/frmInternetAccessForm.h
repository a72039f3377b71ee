#pragma once

#include "support/Error.h"

#include <QString>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace pafdm {

class AppContext;
class frmInternetAccessForm;

// Settings every transfer window reads when it is created. The program
// keeps the defaults; tests shorten the limit or move the proxy file.
struct TransferSettings {
    // Longest wait for a whole text reply, whatever request time-out the
    // caller set. Measured on Clock::Monotonic.
    std::chrono::milliseconds textFetchLimit{30000};
    // Directory that holds the proxy settings file; empty means the
    // process's current directory at the time of the fetch.
    QString proxyDirectory;
};

// What the program's transfers share: their settings and the one transfer
// window while it exists. FetchURLText and zInternet create the window here
// when it is missing and close it when done, so a transfer started while
// another waits (during a yield) finds it in use. The program keeps one.
struct Transfers {
    Transfers();
    ~Transfers();
    Transfers(const Transfers&) = delete;
    Transfers& operator=(const Transfers&) = delete;

    TransferSettings settings;
    std::unique_ptr<frmInternetAccessForm> window;
};

inline constexpr char kProxySettingsFileName[] = "RegServerProxySettings.xml";

// The reply GetURL gives for a time-out, a transfer error or a cancel.
inline constexpr char kTimeOutReply[] = "TimeOut";

// What FetchURLText and zInternet::GetDataFromHTTPRequest return instead of
// kTimeOutReply.
QString TimeOutMessage();

// State numbers of a transfer as the state handler sees them.
namespace TransferState {
constexpr int kRequesting = 5;
constexpr int kReceivingResponse = 7;
constexpr int kError = 11;
constexpr int kResponseCompleted = 12;
// The window's own mark: the reply is complete and stored.
constexpr int kReplyComplete = 13;
} // namespace TransferState

// Error numbers a file download fails with.
namespace TransferError {
constexpr qint64 kTypeMismatch = 13;      // missing or non-numeric Content-Length
constexpr qint64 kBadFileName = 52;       // the URL does not end in a file name we may write
constexpr qint64 kFileAccess = 75;        // the destination cannot be written
constexpr qint64 kTransferFailed = 35750; // no usable reply from the server
} // namespace TransferError

// The transfer window: performs one HTTP operation for its creator, showing
// progress through the Operator's progress window and waiting by yielding to
// the event loop. Create one per operation, use it once, Close() it and drop it.
// REQUIRES: a QCoreApplication exists; used from its thread only.
class frmInternetAccessForm {
public:
    frmInternetAccessForm(AppContext& ctx, const TransferSettings& settings);
    ~frmInternetAccessForm();
    frmInternetAccessForm(const frmInternetAccessForm&) = delete;
    frmInternetAccessForm& operator=(const frmInternetAccessForm&) = delete;

    // True from the start of GetURL until its reply is complete, it timed
    // out or it was cancelled.
    bool Busy = false;
    // Cancel request; the Cancel button sets it, each operation clears it first.
    bool STOP_Internet_Download_Flg = false;
    // Title of the file download in progress.
    QString File_Title;
    // Full path of the file being downloaded; empty while no download runs.
    QString file_name;

    // True while an operation of this window is running (a second operation
    // must not start on it, nor may it be closed).
    bool IsInUse() const { return Busy || m_operationsRunning > 0; }

    // Request time-out in seconds for the operations that follow: no data for
    // that long ends the transfer. 0 means none.
    void SetRequestTimeout(int seconds) { m_requestTimeoutSecs = seconds; }

    // GETs `url` and returns the whole reply as text with every "&amp;"
    // replaced by "&". Returns "" for an empty URL and kTimeOutReply when no
    // complete reply came within the text fetch limit, the transfer failed or
    // the operator cancelled. Server error pages are returned like any reply.
    QString GetURL(const QString& url);

    // Downloads `url` into `destinationDirectory` under the URL's last "/"
    // segment, with progress labels and Cancel. The file appears only once
    // complete; an existing file of that name is replaced then and not before.
    // Returns true when written, false when cancelled (nothing written). An
    // Error when the name is not a plain file name of our own choosing, the
    // reply has no usable Content-Length, the server fails or the file cannot
    // be written; nothing is written then either.
    Expected<bool> GetHTTPFile(const QString& title, const QString& url, const QString& destinationDirectory);

    // Shows the progress window (modeless) with its Cancel button.
    void Show();
    // Keeps the shown window above every other window.
    void SetOnTop();
    // Hides the window if it was shown.
    void Close();
    // The Cancel button.
    void CancelClicked() { STOP_Internet_Download_Flg = true; }

    // Receives each state number of the transfer.
    void StateChanged(int state);

    // The progress label of a file download after `done` of `total` bytes.
    static QString ProgressLabel(const QString& name, qint64 done, qint64 total);
    // True when `name` may be written as a downloaded file: a plain file name
    // that is none of the program's own files nor the desktop program the
    // program starts from the data directory (`desktopProgram`, may be empty).
    static bool IsAcceptableDownloadName(const QString& name, const QString& desktopProgram);

    // FetchURLText's steps on the window of `transfers` (created when
    // missing, closed and dropped afterwards): "" when that window is in use,
    // otherwise GetURL's reply with kTimeOutReply replaced by TimeOutMessage().
    static QString FetchText(AppContext& ctx, Transfers& transfers, const QString& url, int timeOutSecs);

private:
    void ReadProxySettings();
    void StartRequest(const QString& url);
    void CancelRequest();
    void ReleaseReply();
    void ReadTextReply();
    bool IsShiftCtrlDown() const;

    AppContext& m_ctx;
    std::chrono::milliseconds m_textFetchLimit;
    QString m_proxyDirectory;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    QNetworkReply* m_reply = nullptr;
    int m_requestTimeoutSecs = 0;
    qint16 m_lastState = 0;
    QString m_replyText;
    bool m_proxyChecked = false;
    bool m_shown = false;
    int m_operationsRunning = 0;
};

// Fetches the text at `url` with a request time-out of `timeOutSecs` on a
// fresh transfer window. Returns "" when this context's text fetch window is
// still busy with another fetch, TimeOutMessage() on a time-out, a transfer
// error or a cancel, otherwise the reply (see GetURL).
QString FetchURLText(AppContext& ctx, Transfers& transfers, const QString& url, int timeOutSecs);

} // namespace pafdm
