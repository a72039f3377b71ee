#include "gui/QtOperator.h"

#include "gui/Dialogs.h"
#include "gui/MessageBoxes.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace pafdm {

QtOperator::QtOperator() = default;

QtOperator::~QtOperator()
{
    delete m_choose.data();
    delete m_progress.data();
    delete m_archive.data();
}

TransferWindow* QtOperator::ProgressWindow() const
{
    return m_progress.data();
}

ZipForm* QtOperator::ArchiveWindow() const
{
    return m_archive.data();
}

frmUpdateChoose* QtOperator::ChooseDialog() const
{
    return m_choose.data();
}

std::optional<int> QtOperator::ShowMessage(const QString& prompt, int style, const QString& title, bool topMost)
{
    return MessageBoxes::Show(m_main, prompt, style, title, topMost);
}

UpdateSource QtOperator::AskUpdateSource()
{
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
}

TransferWindow& QtOperator::Progress()
{
    if (!m_progress)
        m_progress = new TransferWindow(m_main);
    return *m_progress;
}

void QtOperator::ShowProgress(const QString& caption)
{
    TransferWindow& window = Progress();
    window.setWindowTitle(caption);
    window.Cancel->setVisible(true);
    window.show();
}

void QtOperator::SetProgressCaption(const QString& caption)
{
    Progress().setWindowTitle(caption);
}

void QtOperator::SetProgressLabel(const QString& label)
{
    Progress().Label1->setText(label);
}

void QtOperator::SetProgressTopMost(bool topMost)
{
    Progress().SetTopMost(topMost);
}

void QtOperator::SetProgressCancelVisible(bool visible)
{
    Progress().Cancel->setVisible(visible);
}

void QtOperator::RepaintProgress()
{
    if (m_progress)
        m_progress->PaintNow();
}

void QtOperator::HideProgress()
{
    // The window is closed; the next use makes a fresh one.
    delete m_progress.data();
}

bool QtOperator::TakeCancelRequest()
{
    return m_progress && m_progress->TakeCancelRequest();
}

void QtOperator::OpenArchiveWindow(bool visible)
{
    delete m_archive.data();
    m_archive = new ZipForm(m_main);
    if (visible)
        m_archive->show();
}

void QtOperator::SetArchiveCaptions(const QString& title, const QString& description)
{
    if (m_archive)
        m_archive->SetCaptions(title, description);
}

void QtOperator::SetArchiveProgress(const QString& text)
{
    if (!m_archive)
        return;
    m_archive->Label1->setText(text);
    if (m_archive->isVisible())
        m_archive->repaint();
}

void QtOperator::CloseArchiveWindow()
{
    delete m_archive.data();
}

void QtOperator::Yield()
{
    QApplication::processEvents();
}

bool QtOperator::IsKeyDown(int virtualKey)
{
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    if (virtualKey == VirtualKey::kShift)
        return held.testFlag(Qt::ShiftModifier);
    if (virtualKey == VirtualKey::kControl)
        return held.testFlag(Qt::ControlModifier);
    return false;
}

void QtOperator::SetClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

bool QtOperator::OpenUrl(const QString& urlOrPath)
{
    const QUrl url = QFileInfo::exists(urlOrPath) ? QUrl::fromLocalFile(urlOrPath) : QUrl(urlOrPath);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void QtOperator::Beep()
{
    QApplication::beep();
}

QString QtOperator::MainCaption() const
{
    return m_main ? m_main->windowTitle() : m_caption;
}

void QtOperator::SetMainCaption(const QString& caption)
{
    m_caption = caption;
    if (m_main)
        m_main->setWindowTitle(caption);
}

} // namespace pafdm
