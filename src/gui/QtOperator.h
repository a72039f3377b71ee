#pragma once

#include "support/Operator.h"

#include <QPointer>

#include <functional>

class QWidget;

namespace pafdm {

class TransferWindow;
class ZipForm;
class frmUpdateChoose;

// The Operator of the desktop program: Qt message boxes (through
// MessageBoxes), the update source dialog, one transfer window that serves
// every transfer and update while it exists, the archive window, the main
// window's caption.
class QtOperator : public Operator {
public:
    QtOperator();
    ~QtOperator() override;

    // The window that owns the program's dialogs and carries the main caption.
    void SetMainWindow(QWidget* window) { m_main = window; }
    // The data directory the source dialog names on its second button.
    std::function<QString()> dataDirectory;

    // The windows while they exist (tests look at them).
    TransferWindow* ProgressWindow() const;
    frmUpdateChoose* ChooseDialog() const;
    ZipForm* ArchiveWindow() const;
    // Called with the source dialog once it is shown (tests press its buttons).
    std::function<void(frmUpdateChoose&)> onChooseShown;

    std::optional<int> ShowMessage(const QString& prompt, int style, const QString& title, bool topMost) override;
    UpdateSource AskUpdateSource() override;
    void ShowProgress(const QString& caption) override;
    void SetProgressCaption(const QString& caption) override;
    void SetProgressLabel(const QString& label) override;
    void SetProgressTopMost(bool topMost) override;
    void SetProgressCancelVisible(bool visible) override;
    void RepaintProgress() override;
    void HideProgress() override;
    bool TakeCancelRequest() override;
    bool StopRequested() override { return false; }
    void OpenArchiveWindow(bool visible) override;
    void SetArchiveCaptions(const QString& title, const QString& description) override;
    void SetArchiveProgress(const QString& text) override;
    void CloseArchiveWindow() override;
    void Yield() override;
    bool IsKeyDown(int virtualKey) override;
    void SetClipboardText(const QString& text) override;
    bool OpenUrl(const QString& urlOrPath) override;
    void Beep() override;
    void NoteFailure(const QString&) override {}
    QString MainCaption() const override;
    void SetMainCaption(const QString& caption) override;

private:
    TransferWindow& Progress();

    // The windows are children of the main window, which may take them along
    // when it goes; the pointers notice.
    QPointer<QWidget> m_main;
    QPointer<TransferWindow> m_progress;
    QPointer<ZipForm> m_archive;
    QPointer<frmUpdateChoose> m_choose;
    QString m_caption;
};

} // namespace pafdm
