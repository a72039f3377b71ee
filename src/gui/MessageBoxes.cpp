#include "gui/MessageBoxes.h"

#include "support/Operator.h"
#include "support/SystemHelpers.h"

#include <QApplication>
#include <QMessageBox>

namespace pafdm {

namespace {

QMessageBox::Icon IconOf(int style)
{
    switch (style & 0x70) {
    case MessageStyle::kCritical: return QMessageBox::Critical;
    case MessageStyle::kQuestion: return QMessageBox::Question;
    case MessageStyle::kExclamation: return QMessageBox::Warning;
    case MessageStyle::kInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(int buttons)
{
    switch (buttons) {
    case MessageStyle::kOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageStyle::kYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageStyle::kYesNo: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

int AnswerOf(int clicked, int buttons)
{
    switch (clicked) {
    case QMessageBox::Ok: return MessageAnswer::kOk;
    case QMessageBox::Cancel: return MessageAnswer::kCancel;
    case QMessageBox::Yes: return MessageAnswer::kYes;
    case QMessageBox::No: return MessageAnswer::kNo;
    default:
        // The close box or Escape: the answer that commits to nothing.
        return NeutralAnswer(buttons);
    }
}

} // namespace

int MessageBoxes::Show(QWidget* parent, const QString& prompt, int style, const QString& title, bool topMost)
{
    const int buttons = style & 0x0F;
    QString text = prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(IconOf(style), title, text, ButtonsOf(buttons), topMost ? nullptr : parent);
    if (topMost) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        box.show();
        box.raise();
        box.activateWindow();
    }
    return AnswerOf(box.exec(), buttons);
}

} // namespace pafdm
