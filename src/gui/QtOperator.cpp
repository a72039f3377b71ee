#include "gui/QtOperator.h"

#include "gui/Dialogs.h"
#include "gui/MessageBoxes.h"
#include "support/StopSignals.h"
#include "support/SystemHelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <exception>
#include <type_traits>
#include <unistd.h>

namespace pafdm {

namespace {

// How often the windows pick up the progress a run set.
constexpr int kProgressIntervalMs = 40;

} // namespace

QtOperator::QtOperator()
    : m_relay(std::make_unique<QObject>())
{ }

QtOperator::~QtOperator()
{
    delete m_choose.data();
    delete m_progress.data();
    delete m_archive.data();
    delete m_signalNotifier;
}

bool QtOperator::OnWindowThread() const
{
    return QThread::currentThread() == m_relay->thread();
}

template <typename Call> auto QtOperator::OnWindows(Call&& call) -> decltype(call())
{
    using Result = decltype(call());
    if (OnWindowThread())
        return call();
    auto inOrder = [this, &call]() -> Result {
        ShowPendingProgress();
        return call();
    };
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(m_relay.get(), inOrder, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(m_relay.get(), inOrder, Qt::BlockingQueuedConnection, &result);
        return result;
    }
}

void QtOperator::WatchStopSignals()
{
    if (m_signals)
        return;
    m_signals = std::make_unique<StopSignals>();
    if (m_signals->WakeDescriptor() < 0)
        return;
    m_signalNotifier = new QSocketNotifier(m_signals->WakeDescriptor(), QSocketNotifier::Read);
    QObject::connect(m_signalNotifier, &QSocketNotifier::activated, m_relay.get(), [this] {
        char bytes[16];
        while (::read(m_signals->WakeDescriptor(), bytes, sizeof bytes) > 0) {
        }
        SignalArrived();
    });
}

int QtOperator::StopSignal() const
{
    return m_signals ? StopSignals::Received() : 0;
}

void QtOperator::SignalArrived()
{
    // A run sees the signal through StopRequested and ends first.
    if (!m_running && StopSignal() != 0 && onStopSignal)
        onStopSignal(StopSignal());
}

bool QtOperator::StopRequested()
{
    return m_cancelStop.load() || StopSignal() != 0;
}

void QtOperator::RunUpdate(const std::function<void()>& work)
{
    if (!OnWindowThread() || m_running) {
        work();
        return;
    }
    m_running = true;
    m_cancelStop = false;
    if (onUpdateRunning)
        onUpdateRunning(true);

    std::exception_ptr failure;
    std::unique_ptr<QThread> thread(QThread::create([&work, &failure] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    thread->setObjectName(QStringLiteral("update run"));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer progress;
    progress.setInterval(kProgressIntervalMs);
    QObject::connect(&progress, &QTimer::timeout, &loop, [this, &thread, &loop] {
        ShowPendingProgress();
        if (thread->isFinished())
            loop.quit();
    });
    progress.start();
    thread->start();
    // Whatever else leaves the loop early (a quit of the application), the
    // windows keep working until the run has ended.
    while (!thread->isFinished())
        loop.exec();
    thread->wait();
    progress.stop();
    ShowPendingProgress();

    m_running = false;
    m_cancelStop = false;
    if (onUpdateRunning)
        onUpdateRunning(false);
    if (StopSignal() != 0)
        QTimer::singleShot(0, m_relay.get(), [this] { SignalArrived(); });
    if (failure)
        std::rethrow_exception(failure);
}

void QtOperator::ShowPendingProgress()
{
    std::optional<QString> label;
    std::optional<std::pair<qint64, qint64>> share;
    {
        const std::lock_guard<std::mutex> lock(m_pendingMutex);
        label.swap(m_pendingLabel);
        share.swap(m_pendingShare);
    }
    if (label)
        Progress().Label1->setText(*label);
    if (share)
        Progress().SetShare(share->first, share->second);
}

TransferWindow* QtOperator::ProgressWindow() const
{
    return m_progress.data();
}

std::optional<int> QtOperator::ShowMessage(const QString& prompt, int style, const QString& title, bool topMost)
{
    // After a signal the program is on its way out; nobody may be there to
    // answer (a logout, a service stop), and the logs hold what was said.
    if (StopSignal() != 0)
        return NeutralAnswer(style);
    return OnWindows([&] { return std::optional<int>(m_boxes->Answer(m_main, prompt, style, title, topMost)); });
}

UpdateSource QtOperator::AskUpdateSource()
{
    return OnWindows([this] {
        // One dialog per update run: created here, closed when the answer is in.
        delete m_choose.data();
        m_choose = new frmUpdateChoose(dataDirectory ? dataDirectory() : QString(), m_main);
        if (onChooseShown) {
            QPointer<frmUpdateChoose> dialog = m_choose;
            QTimer::singleShot(0, m_choose, [this, dialog] {
                if (dialog && onChooseShown)
                    onChooseShown(*dialog);
            });
        }
        m_choose->exec();
        const int ret = m_choose ? m_choose->ret : 0;
        m_choose->deleteLater();
        m_choose = nullptr;
        return ret == 2 ? UpdateSource::kInternet : ret == 1 ? UpdateSource::kDirectory : UpdateSource::kCancel;
    });
}

TransferWindow& QtOperator::Progress()
{
    if (!m_progress) {
        m_progress = new TransferWindow(m_main);
        // During a run, Cancel (or the close box) stops the whole run.
        QObject::connect(m_progress, &TransferWindow::cancelRequested, m_relay.get(), [this] {
            if (m_running)
                m_cancelStop = true;
        });
    }
    return *m_progress;
}

void QtOperator::ShowProgress(const QString& caption)
{
    OnWindows([&] {
        TransferWindow& window = Progress();
        window.setWindowTitle(caption);
        window.Cancel->setVisible(true);
        window.show();
    });
}

void QtOperator::SetProgressCaption(const QString& caption)
{
    OnWindows([&] { Progress().setWindowTitle(caption); });
}

void QtOperator::SetProgressLabel(const QString& label)
{
    if (OnWindowThread()) {
        Progress().Label1->setText(label);
        return;
    }
    const std::lock_guard<std::mutex> lock(m_pendingMutex);
    m_pendingLabel = label;
}

void QtOperator::SetProgressShare(qint64 done, qint64 total)
{
    if (OnWindowThread()) {
        Progress().SetShare(done, total);
        return;
    }
    const std::lock_guard<std::mutex> lock(m_pendingMutex);
    m_pendingShare = std::make_pair(done, total);
}

void QtOperator::SetProgressTopMost(bool topMost)
{
    OnWindows([&] { Progress().SetTopMost(topMost); });
}

void QtOperator::SetProgressCancelVisible(bool visible)
{
    OnWindows([&] { Progress().Cancel->setVisible(visible); });
}

void QtOperator::RepaintProgress()
{
    // A run's windows are painted by their own thread.
    if (OnWindowThread() && m_progress)
        m_progress->PaintNow();
}

void QtOperator::HideProgress()
{
    // The window is closed; the next use makes a fresh one.
    OnWindows([this] { delete m_progress.data(); });
}

bool QtOperator::TakeCancelRequest()
{
    return OnWindows([this] { return m_progress && m_progress->TakeCancelRequest(); });
}

void QtOperator::OpenArchiveWindow(bool visible)
{
    OnWindows([&] {
        delete m_archive.data();
        m_archive = new ZipForm(m_main);
        if (visible)
            m_archive->show();
    });
}

void QtOperator::SetArchiveCaptions(const QString& title, const QString& description)
{
    OnWindows([&] {
        if (m_archive)
            m_archive->SetCaptions(title, description);
    });
}

void QtOperator::SetArchiveProgress(const QString& text)
{
    OnWindows([&] {
        if (!m_archive)
            return;
        m_archive->Label1->setText(text);
        if (m_archive->isVisible() && !m_running)
            m_archive->repaint();
    });
}

void QtOperator::CloseArchiveWindow()
{
    OnWindows([this] { delete m_archive.data(); });
}

void QtOperator::Yield()
{
    // On a run's thread this serves the run's own transfers.
    QCoreApplication::processEvents();
}

bool QtOperator::IsKeyDown(int virtualKey)
{
    const Qt::KeyboardModifiers held = OnWindows([] { return QGuiApplication::queryKeyboardModifiers(); });
    if (virtualKey == VirtualKey::kShift)
        return held.testFlag(Qt::ShiftModifier);
    if (virtualKey == VirtualKey::kControl)
        return held.testFlag(Qt::ControlModifier);
    return false;
}

void QtOperator::SetClipboardText(const QString& text)
{
    OnWindows([&] { QGuiApplication::clipboard()->setText(text); });
}

bool QtOperator::OpenUrl(const QString& urlOrPath)
{
    return OnWindows([&] {
        const QUrl url = QFileInfo::exists(urlOrPath) ? QUrl::fromLocalFile(urlOrPath) : QUrl(urlOrPath);
        return url.isValid() && QDesktopServices::openUrl(url);
    });
}

void QtOperator::Beep()
{
    OnWindows([] { QApplication::beep(); });
}

QString QtOperator::MainCaption() const
{
    return const_cast<QtOperator*>(this)->OnWindows([this] { return m_main ? m_main->windowTitle() : m_caption; });
}

void QtOperator::SetMainCaption(const QString& caption)
{
    OnWindows([&] {
        m_caption = caption;
        if (m_main)
            m_main->setWindowTitle(caption);
    });
}

} // namespace pafdm
