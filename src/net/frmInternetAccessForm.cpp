#include "net/frmInternetAccessForm.h"

#include "support/AppContext.h"
#include "support/Operator.h"
#include "support/ProgramFiles.h"
#include "support/SystemHelpers.h"
#include "support/TagText.h"
#include "support/TextFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <optional>

namespace pafdm {

namespace {

// The wait loops pause this long between looks when nothing has finished, so
// a long transfer does not keep a core busy.
constexpr std::chrono::milliseconds kIdlePause{5};
constexpr qint64 kTextChunk = 1024;
constexpr qint64 kFileChunk = 64 * 1024;

// Counts an operation as running for IsInUse() and leaves the window idle
// again however the operation ends.
class OperationScope {
public:
    OperationScope(int& counter, std::function<void()> onExit)
        : m_counter(counter)
        , m_onExit(std::move(onExit))
    {
        ++m_counter;
    }
    ~OperationScope()
    {
        m_onExit();
        --m_counter;
    }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    int& m_counter;
    std::function<void()> m_onExit;
};

// Errors that mean the server answered with a status of its own (its page is
// the reply), as opposed to no usable answer at all.
bool IsServerAnswer(QNetworkReply::NetworkError error)
{
    const int code = static_cast<int>(error);
    return error == QNetworkReply::NoError || (code >= 201 && code <= 299) || (code >= 401 && code <= 499);
}

QString GroupThousands(qint64 value)
{
    QString digits = QString::number(value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits;
}

qint64 RoundHalfUp(double value)
{
    return static_cast<qint64>(std::floor(value + 0.5));
}

// The byte count a download must deliver, from the reply's headers.
Expected<qint64> ExpectedLength(const QNetworkReply& reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return Error{TransferError::kTransferFailed, reply.errorString()};
    const int code = status.toInt();
    if (code < 200 || code > 299) {
        const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return Error{TransferError::kTransferFailed,
                     QStringLiteral("The server answered %1 %2 for %3").arg(code).arg(reason, reply.url().toString())};
    }
    const QByteArray raw = reply.rawHeader("Content-Length").trimmed();
    bool ok = false;
    const qint64 length = raw.toLongLong(&ok);
    if (raw.isEmpty() || !ok || length < 0)
        return Error{TransferError::kTypeMismatch, QStringLiteral("Type mismatch")};
    return length;
}

} // namespace

QString TimeOutMessage()
{
    return QStringLiteral("Sorry your internet connection timed out.   Is the internet working? or a firewall blocking "
                          "service?");
}

Transfers::Transfers() = default;
Transfers::~Transfers() = default;

frmInternetAccessForm::frmInternetAccessForm(AppContext& ctx, const TransferSettings& settings)
    : m_ctx(ctx)
    , m_textFetchLimit(settings.textFetchLimit)
    , m_proxyDirectory(settings.proxyDirectory)
    , m_manager(std::make_unique<QNetworkAccessManager>())
{ }

frmInternetAccessForm::~frmInternetAccessForm()
{
    ReleaseReply();
}

QString frmInternetAccessForm::GetURL(const QString& url)
{
    OperationScope scope(m_operationsRunning, [this] { ReleaseReply(); });
    Operator& ui = m_ctx.ui();
    m_lastState = 0;
    Busy = true;
    STOP_Internet_Download_Flg = false;
    m_replyText.clear();

    if (!url.isEmpty()) {
        if (!m_proxyChecked) {
            m_proxyChecked = true;
            ReadProxySettings();
        }
        if (IsShiftCtrlDown()) {
            ui.ShowMessage(QStringLiteral("Call:\r\n") + url, MessageStyle::kOkOnly | MessageStyle::kInformation,
                           QStringLiteral("Postcode Call (on clipboard)"), false);
            ui.SetClipboardText(url);
        }
        StartRequest(url);
        const auto start = m_ctx.clock().Monotonic();
        while (m_lastState < TransferState::kReplyComplete) {
            ui.Yield();
            if (ui.TakeCancelRequest())
                CancelClicked();
            if (STOP_Internet_Download_Flg) {
                m_replyText = QLatin1String(kTimeOutReply);
                STOP_Internet_Download_Flg = false;
                CancelRequest();
                Busy = false;
                break;
            }
            if (m_ctx.clock().Monotonic() - start > m_textFetchLimit) {
                m_replyText = QLatin1String(kTimeOutReply);
                Busy = false;
                CancelRequest();
                break;
            }
            if (m_lastState < TransferState::kReplyComplete)
                m_ctx.clock().Sleep(kIdlePause);
        }
    }
    // Nothing was requested for an empty URL; the window must not stay busy.
    Busy = false;

    if (IsShiftCtrlDown()) {
        ShowTopMessage(m_ctx, QStringLiteral("Return:\r\n") + m_replyText, MessageStyle::kInformation,
                       QStringLiteral("Postcode Return (on clipboard)"));
        ui.SetClipboardText(m_replyText);
    }
    QString reply = m_replyText;
    reply.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return reply;
}

namespace {

Error FileAccessError(const QString& path, const QSaveFile& file)
{
    return Error{TransferError::kFileAccess,
                 QStringLiteral("Path/File access error: %1 (%2)").arg(path, file.errorString())};
}

// The file a download goes to and what has reached it so far. It is written
// under a temporary name beside the target and renamed over it only once
// complete, so a broken download never replaces a good file.
class DownloadTarget {
public:
    DownloadTarget(const QString& path, const QString& name, const QString& label)
        : m_file(path)
        , m_path(path)
        , m_name(name)
        , m_label(label)
    { }

    // Whether the length is known and the file open: the reply's first bytes
    // (or its end) have come.
    bool IsOpen() const { return m_total >= 0; }

    // Takes the length the reply announces and opens the file.
    std::optional<Error> Open(const QNetworkReply& reply, QString& stageMarker)
    {
        stageMarker = QStringLiteral("Internet:GetHTTPFile:Stage 3");
        const Expected<qint64> length = ExpectedLength(reply);
        if (!length)
            return length.error();
        m_total = length.value();
        stageMarker = QStringLiteral("Internet:GetHTTPFile:Stage 4");
        if (!m_file.open(QIODevice::WriteOnly))
            return FileAccessError(m_path, m_file);
        return std::nullopt;
    }

    // Writes what the reply holds, and shows the progress when its label changes.
    std::optional<Error> WriteAvailable(QNetworkReply& reply, Operator& ui)
    {
        for (QByteArray chunk = reply.read(kFileChunk); !chunk.isEmpty(); chunk = reply.read(kFileChunk)) {
            if (m_file.write(chunk) != chunk.size())
                return FileAccessError(m_path, m_file);
            m_written += chunk.size();
        }
        const qint64 done = std::min(m_written, m_total);
        const QString progress = frmInternetAccessForm::ProgressLabel(m_name, done, m_total);
        if (progress != m_label) {
            m_label = progress;
            ui.SetProgressLabel(m_label);
            ui.SetProgressShare(done, m_total);
            ui.RepaintProgress();
        }
        return std::nullopt;
    }

    void Cancel() { m_file.cancelWriting(); }

    // After the reply has finished: the file in place when all of it came.
    Expected<bool> Finish(const QNetworkReply& reply, const QString& url)
    {
        if (reply.error() != QNetworkReply::NoError)
            return Error{TransferError::kTransferFailed, reply.errorString()};
        if (m_written != m_total) {
            return Error{TransferError::kTransferFailed,
                         QStringLiteral("%1 ended after %2 of %3 bytes").arg(url).arg(m_written).arg(m_total)};
        }
        if (!m_file.commit())
            return FileAccessError(m_path, m_file);
        return true;
    }

private:
    QSaveFile m_file;
    QString m_path;
    QString m_name;
    QString m_label;
    qint64 m_total = -1;
    qint64 m_written = 0;
};

} // namespace

Expected<bool> frmInternetAccessForm::GetHTTPFile(const QString& title, const QString& url,
                                                  const QString& destinationDirectory)
{
    OperationScope scope(m_operationsRunning, [this] {
        ReleaseReply();
        File_Title.clear();
        file_name.clear();
    });
    Operator& ui = m_ctx.ui();
    STOP_Internet_Download_Flg = false;

    m_ctx.StageMarker = QStringLiteral("Internet:GetHTTPFile:Stage 1");
    QString source = url;
    const QString name = LastField(source, QLatin1Char('/'), false);
    if (!IsAcceptableDownloadName(name, m_ctx.edition.desktopProgram)) {
        return Error{TransferError::kBadFileName,
                     QStringLiteral("Bad file name or number: '%1' is not a file name to download to").arg(name)};
    }
    File_Title = title;
    file_name = destinationDirectory + QDir::separator() + name;
    ui.SetProgressCaption(title);

    m_ctx.StageMarker = QStringLiteral("Internet:GetHTTPFile:Stage 2");
    StartRequest(url);
    const QString label = QStringLiteral("Get file:") + name;
    ui.SetProgressLabel(label);
    ui.RepaintProgress();

    DownloadTarget target(file_name, name, label);
    for (;;) {
        ui.Yield();
        if (ui.TakeCancelRequest())
            CancelClicked();
        if (STOP_Internet_Download_Flg) {
            CancelRequest();
            target.Cancel();
            return false;
        }
        const bool finished = m_reply->isFinished();
        std::optional<Error> failure;
        if (!target.IsOpen() && (finished || m_reply->bytesAvailable() > 0))
            failure = target.Open(*m_reply, m_ctx.StageMarker);
        if (!failure && target.IsOpen())
            failure = target.WriteAvailable(*m_reply, ui);
        if (failure) {
            CancelRequest();
            return *failure;
        }
        if (finished)
            break;
        m_ctx.clock().Sleep(kIdlePause);
    }

    m_ctx.StageMarker = QStringLiteral("Internet:GetHTTPFile:Stage 5");
    return target.Finish(*m_reply, url);
}

void frmInternetAccessForm::Show()
{
    Operator& ui = m_ctx.ui();
    ui.ShowProgress(File_Title);
    ui.SetProgressCancelVisible(true);
    m_shown = true;
}

void frmInternetAccessForm::SetOnTop()
{
    MakeTopMost(m_ctx.ui());
}

void frmInternetAccessForm::Close()
{
    if (m_shown)
        m_ctx.ui().HideProgress();
    m_shown = false;
}

void frmInternetAccessForm::StateChanged(int state)
{
    if (state >= 1 && state <= 10) {
        m_lastState = static_cast<qint16>(state);
    } else if (state == TransferState::kError) {
        // Nothing is stored: a text fetch keeps waiting and ends as a time-out.
        m_lastState = TransferState::kError;
    } else if (state == TransferState::kResponseCompleted) {
        if (file_name.isEmpty())
            ReadTextReply();
        m_lastState = TransferState::kReplyComplete;
        Busy = false;
    }
}

QString frmInternetAccessForm::ProgressLabel(const QString& name, qint64 done, qint64 total)
{
    const bool small = total < 1000001;
    const double unit = small ? 1000.0 : 1000000.0;
    const double percent = total > 0 ? static_cast<double>(done) / static_cast<double>(total) * 100.0 : 0.0;
    return QStringLiteral("Get file:") + name + QLatin1Char(' ')
        + GroupThousands(RoundHalfUp(static_cast<double>(done) / unit)) + QLatin1Char('/')
        + GroupThousands(RoundHalfUp(static_cast<double>(total) / unit))
        + (small ? QLatin1String("Kb ") : QLatin1String("Mb ")) + QString::number(RoundHalfUp(percent))
        + QLatin1Char('%');
}

bool frmInternetAccessForm::IsAcceptableDownloadName(const QString& name, const QString& desktopProgram)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)))
        return false;
    return !IsProgramFileName(name, desktopProgram);
}

QString frmInternetAccessForm::FetchText(AppContext& ctx, Transfers& transfers, const QString& url, int timeOutSecs)
{
    std::unique_ptr<frmInternetAccessForm>& window = transfers.window;
    if (!window)
        window = std::make_unique<frmInternetAccessForm>(ctx, transfers.settings);
    if (window->IsInUse())
        return QString();
    window->SetRequestTimeout(timeOutSecs);
    QString reply = window->GetURL(url);
    if (reply == QLatin1String(kTimeOutReply))
        reply = TimeOutMessage();
    window->Close();
    window.reset();
    return reply;
}

void frmInternetAccessForm::ReadProxySettings()
{
    const QString directory = m_proxyDirectory.isEmpty() ? QDir::currentPath() : m_proxyDirectory;
    const QString path = directory + QDir::separator() + QLatin1String(kProxySettingsFileName);
    if (!QFileInfo::exists(path))
        return;
    const QString text = ReadTextFile(m_ctx.clock(), path, QString(), false);
    const QString value = GetTagValue(QStringLiteral("<Proxy_Port_80>"), QLatin1Char(' ') + text + QLatin1Char(' '),
                                      QStringLiteral("</Proxy_Port_80>"));
    // The value is "host", "host:port" or either with an http:// prefix.
    QString proxy = value.trimmed();
    if (proxy.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        proxy = proxy.mid(7);
    while (proxy.endsWith(QLatin1Char('/')))
        proxy.chop(1);
    if (proxy.isEmpty())
        return;
    quint16 port = 80;
    const qsizetype colon = proxy.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && !proxy.endsWith(QLatin1Char(']'))) {
        bool ok = false;
        const uint parsed = proxy.mid(colon + 1).toUInt(&ok);
        if (ok && parsed > 0 && parsed <= 65535) {
            port = static_cast<quint16>(parsed);
            proxy.truncate(colon);
        }
    }
    m_manager->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxy, port));
}

void frmInternetAccessForm::StartRequest(const QString& url)
{
    ReleaseReply();
    QNetworkRequest request{QUrl(url)};
    if (m_requestTimeoutSecs > 0)
        request.setTransferTimeout(static_cast<int>(std::min<qint64>(qint64(m_requestTimeoutSecs) * 1000, INT_MAX)));
    m_reply = m_manager->get(request);
    QNetworkReply* reply = m_reply;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, m_manager.get(),
                     [this] { StateChanged(TransferState::kReceivingResponse); });
    QObject::connect(reply, &QNetworkReply::finished, m_manager.get(), [this, reply] {
        StateChanged(IsServerAnswer(reply->error()) ? TransferState::kResponseCompleted : TransferState::kError);
    });
    StateChanged(TransferState::kRequesting);
}

void frmInternetAccessForm::CancelRequest()
{
    if (m_reply == nullptr)
        return;
    QObject::disconnect(m_reply, nullptr, m_manager.get(), nullptr);
    if (m_reply->isRunning())
        m_reply->abort();
}

void frmInternetAccessForm::ReleaseReply()
{
    if (m_reply == nullptr)
        return;
    CancelRequest();
    delete m_reply;
    m_reply = nullptr;
}

void frmInternetAccessForm::ReadTextReply()
{
    QByteArray body;
    for (QByteArray chunk = m_reply->read(kTextChunk); !chunk.isEmpty(); chunk = m_reply->read(kTextChunk)) {
        body += chunk;
        m_ctx.ui().Yield();
    }
    m_replyText = QString::fromUtf8(body);
}

bool frmInternetAccessForm::IsShiftCtrlDown() const
{
    return IsKeyDown(m_ctx.ui(), VirtualKey::kShift) && IsKeyDown(m_ctx.ui(), VirtualKey::kControl);
}

QString FetchURLText(AppContext& ctx, Transfers& transfers, const QString& url, int timeOutSecs)
{
    return frmInternetAccessForm::FetchText(ctx, transfers, url, timeOutSecs);
}

} // namespace pafdm
