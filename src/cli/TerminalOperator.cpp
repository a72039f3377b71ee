#include "cli/TerminalOperator.h"

#include <QCoreApplication>

namespace pafdm {

TerminalOperator::TerminalOperator(QTextStream& out, QTextStream& err, QTextStream& in, bool inputIsTerminal)
    : m_out(out)
    , m_err(err)
    , m_in(in)
    , m_inputIsTerminal(inputIsTerminal)
{
}

std::optional<int> TerminalOperator::ShowMessage(const QString& prompt, int style, const QString& title, bool)
{
    const int buttons = style & 0x0F;
    QString text = prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_out << "[" << title << "] " << text << Qt::endl;
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

UpdateSource TerminalOperator::AskUpdateSource()
{
    return m_assumeYes ? UpdateSource::kDirectory : UpdateSource::kCancel;
}

void TerminalOperator::ShowProgress(const QString& caption)
{
    m_progressVisible = true;
    if (!caption.isEmpty())
        m_err << caption << Qt::endl;
}

void TerminalOperator::SetProgressCaption(const QString& caption)
{
    if (m_progressVisible && !caption.isEmpty())
        m_err << caption << Qt::endl;
}

void TerminalOperator::SetProgressLabel(const QString& label)
{
    m_label = label;
}

void TerminalOperator::RepaintProgress()
{
    if (m_progressVisible && !m_label.isEmpty())
        m_err << "\r" << m_label << "   " << Qt::flush;
}

void TerminalOperator::HideProgress()
{
    // The last label set, whether or not it was drawn.
    if (m_progressVisible && !m_label.isEmpty())
        m_err << "\r" << m_label << "   " << Qt::endl;
    m_progressVisible = false;
    m_label.clear();
}

void TerminalOperator::SetArchiveCaptions(const QString& title, const QString& description)
{
    if (m_archiveVisible)
        m_out << title << ": " << description << Qt::endl;
}

void TerminalOperator::SetArchiveProgress(const QString& text)
{
    if (m_archiveVisible)
        m_out << text << Qt::endl;
}

void TerminalOperator::Yield()
{
    QCoreApplication::processEvents();
}

void TerminalOperator::SetClipboardText(const QString& text)
{
    m_err << "(clipboard) " << text << Qt::endl;
}

bool TerminalOperator::OpenUrl(const QString& urlOrPath)
{
    m_out << "Open: " << urlOrPath << Qt::endl;
    return true;
}

void TerminalOperator::Beep()
{
    m_err << '\a' << Qt::flush;
}

} // namespace pafdm
