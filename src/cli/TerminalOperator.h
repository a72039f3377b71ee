#pragma once

#include "support/Operator.h"

#include <QTextStream>

namespace pafdm {

// The Operator of the command line: messages go to the terminal; questions
// are answered from the terminal when it is one, otherwise with the
// preset answer (yes with --yes, else no).
class TerminalOperator : public Operator {
public:
    TerminalOperator(QTextStream& out, QTextStream& err, QTextStream& in, bool inputIsTerminal);

    // Answer to give to Yes/No questions when no terminal can be asked.
    void SetAssumeYes(bool yes) { m_assumeYes = yes; }

    std::optional<int> ShowMessage(const QString& prompt, int style, const QString& title, bool topMost) override;
    UpdateSource AskUpdateSource() override;
    void ShowProgress(const QString& caption) override;
    void SetProgressCaption(const QString& caption) override;
    void SetProgressLabel(const QString& label) override;
    void SetProgressTopMost(bool) override {}
    void SetProgressCancelVisible(bool) override {}
    void RepaintProgress() override;
    void HideProgress() override;
    bool TakeCancelRequest() override { return false; }
    // The archive window is drawn only when it is shown (given a title).
    void OpenArchiveWindow(bool visible) override { m_archiveVisible = visible; }
    void SetArchiveCaptions(const QString& title, const QString& description) override;
    void SetArchiveProgress(const QString& text) override;
    void CloseArchiveWindow() override { m_archiveVisible = false; }
    void Yield() override;
    bool IsKeyDown(int) override { return false; }
    void SetClipboardText(const QString& text) override;
    bool OpenUrl(const QString& urlOrPath) override;
    void Beep() override;
    QString MainCaption() const override { return m_caption; }
    void SetMainCaption(const QString& caption) override { m_caption = caption; }

private:
    QTextStream& m_out;
    QTextStream& m_err;
    QTextStream& m_in;
    bool m_inputIsTerminal;
    bool m_assumeYes = false;
    bool m_progressVisible = false;
    bool m_archiveVisible = false;
    QString m_label;
    QString m_caption;
};

} // namespace pafdm
