#pragma once

#include "support/Operator.h"

#include <QTextStream>

#include <memory>

namespace pafdm {

class StopSignals;

// The Operator of the command line. Messages, captions and progress labels go
// to standard output, critical and warning messages to standard error. On a
// terminal the progress label is one line rewritten in place; otherwise each
// drawn label is a line of its own. Questions are answered from the terminal
// when input is one, otherwise with the preset answer (yes with --yes, else
// no). Once WatchInterrupts is on, Ctrl-C, SIGTERM and SIGHUP stop the
// update run: they count as the Cancel button of a download and as a request
// to stop everything else.
class TerminalOperator : public Operator {
public:
    TerminalOperator(QTextStream& out, QTextStream& err, QTextStream& in, bool inputIsTerminal,
                     bool outputIsTerminal = false);
    ~TerminalOperator() override;

    // Answer to give to Yes/No questions when no terminal can be asked.
    void SetAssumeYes(bool yes) { m_assumeYes = yes; }
    // The update source the command chose (the source question is not asked
    // on the command line).
    void SetUpdateSource(UpdateSource source) { m_source = source; }
    // From now until this object ends, SIGINT, SIGTERM and SIGHUP stop the
    // update run (StopRequested) and cancel a download instead of ending the
    // process.
    void WatchInterrupts();
    // The signal that stopped the run, 0 when none did.
    int StopSignal() const;

    std::optional<int> ShowMessage(const QString& prompt, int style, const QString& title, bool topMost) override;
    UpdateSource AskUpdateSource() override { return m_source; }
    void ShowProgress(const QString& caption) override;
    void SetProgressCaption(const QString& caption) override;
    void SetProgressLabel(const QString& label) override;
    void SetProgressTopMost(bool) override { }
    void SetProgressCancelVisible(bool) override { }
    void RepaintProgress() override;
    void HideProgress() override;
    bool TakeCancelRequest() override;
    bool StopRequested() override;
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
    void NoteFailure(const QString& text) override;
    QString MainCaption() const override { return m_caption; }
    void SetMainCaption(const QString& caption) override { m_caption = caption; }

private:
    // Ends a progress line being rewritten in place, so the next text starts
    // on a line of its own.
    void EndProgressLine();
    void PrintLine(QTextStream& to, const QString& text);

    QTextStream& m_out;
    QTextStream& m_err;
    QTextStream& m_in;
    bool m_inputIsTerminal;
    bool m_outputIsTerminal;
    bool m_assumeYes = false;
    UpdateSource m_source = UpdateSource::kCancel;
    bool m_progressVisible = false;
    bool m_archiveVisible = false;
    bool m_lineOpen = false;
    std::unique_ptr<StopSignals> m_signals;
    QString m_label;
    QString m_drawnLabel;
    QString m_caption;
};

} // namespace pafdm
