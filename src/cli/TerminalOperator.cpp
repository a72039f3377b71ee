#include "cli/TerminalOperator.h"

#include "support/StopSignals.h"

#include <QCoreApplication>

namespace pafdm {

TerminalOperator::TerminalOperator(QTextStream& out, QTextStream& err, QTextStream& in, bool inputIsTerminal,
                                   bool outputIsTerminal)
    : m_out(out)
    , m_err(err)
    , m_in(in)
    , m_inputIsTerminal(inputIsTerminal)
    , m_outputIsTerminal(outputIsTerminal)
{ }

TerminalOperator::~TerminalOperator()
{
    EndProgressLine();
}

void TerminalOperator::WatchInterrupts()
{
    if (!m_signals)
        m_signals = std::make_unique<StopSignals>(
            "\npafdm-cli: stopping: a download stops now, a merge in progress is abandoned (its data file stays as "
            "it was) and nothing more is applied\n");
}

bool TerminalOperator::TakeCancelRequest()
{
    return m_signals && StopSignals::TakeInterrupt();
}

bool TerminalOperator::StopRequested()
{
    return StopSignal() != 0;
}

int TerminalOperator::StopSignal() const
{
    return m_signals ? StopSignals::Received() : 0;
}

void TerminalOperator::EndProgressLine()
{
    if (m_lineOpen) {
        m_out << Qt::endl;
        m_lineOpen = false;
    }
}

void TerminalOperator::PrintLine(QTextStream& to, const QString& text)
{
    // The label last set is the one the operator needs to see before the
    // text that follows it (the last record of a merge, say).
    RepaintProgress();
    EndProgressLine();
    m_out.flush();
    to << text << Qt::endl;
}

std::optional<int> TerminalOperator::ShowMessage(const QString& prompt, int style, const QString& title, bool)
{
    const int buttons = style & 0x0F;
    const int icon = style & 0x70;
    QString text = prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    // Failures and warnings go to standard error, everything else to standard output.
    const bool failure = icon == MessageStyle::kCritical || icon == MessageStyle::kExclamation;
    PrintLine(failure ? m_err : m_out, QStringLiteral("[") + title + QStringLiteral("] ") + text);
    if (buttons != MessageStyle::kYesNo && buttons != MessageStyle::kYesNoCancel && buttons != MessageStyle::kOkCancel)
        return MessageAnswer::kOk;
    const int yes = buttons == MessageStyle::kOkCancel ? MessageAnswer::kOk : MessageAnswer::kYes;
    const int no = buttons == MessageStyle::kOkCancel ? MessageAnswer::kCancel : MessageAnswer::kNo;
    if (!m_inputIsTerminal || m_assumeYes) {
        m_out << (m_assumeYes ? "yes" : "no") << " (assumed)" << Qt::endl;
        return m_assumeYes ? yes : no;
    }
    m_out << "[y/N] " << Qt::flush;
    const QString answer = m_in.readLine().trimmed().toLower();
    return (answer == QLatin1String("y") || answer == QLatin1String("yes")) ? yes : no;
}

void TerminalOperator::ShowProgress(const QString& caption)
{
    m_progressVisible = true;
    m_drawnLabel.clear();
    if (!caption.isEmpty())
        PrintLine(m_out, caption);
}

void TerminalOperator::SetProgressCaption(const QString& caption)
{
    if (m_progressVisible && !caption.isEmpty())
        PrintLine(m_out, caption);
}

void TerminalOperator::SetProgressLabel(const QString& label)
{
    m_label = label;
}

void TerminalOperator::RepaintProgress()
{
    if (!m_progressVisible || m_label.isEmpty() || m_label == m_drawnLabel)
        return;
    m_drawnLabel = m_label;
    if (m_outputIsTerminal) {
        // Back to the line's start and clear it: the label may be shorter.
        m_out << "\r" << m_label << "\x1b[K" << Qt::flush;
        m_lineOpen = true;
    } else {
        m_out << m_label << Qt::endl;
    }
}

void TerminalOperator::HideProgress()
{
    // The last label set, whether or not it was drawn.
    RepaintProgress();
    EndProgressLine();
    m_progressVisible = false;
    m_label.clear();
    m_drawnLabel.clear();
}

void TerminalOperator::SetArchiveCaptions(const QString& title, const QString& description)
{
    if (m_archiveVisible)
        PrintLine(m_out, title + QStringLiteral(": ") + description);
}

void TerminalOperator::SetArchiveProgress(const QString& text)
{
    if (m_archiveVisible)
        PrintLine(m_out, text);
}

void TerminalOperator::Yield()
{
    QCoreApplication::processEvents();
}

void TerminalOperator::SetClipboardText(const QString& text)
{
    PrintLine(m_out, QStringLiteral("(clipboard) ") + text);
}

bool TerminalOperator::OpenUrl(const QString& urlOrPath)
{
    PrintLine(m_out, QStringLiteral("Open: ") + urlOrPath);
    return true;
}

void TerminalOperator::NoteFailure(const QString& text)
{
    PrintLine(m_err, text);
}

void TerminalOperator::Beep()
{
    m_err << '\a' << Qt::flush;
}

} // namespace pafdm
