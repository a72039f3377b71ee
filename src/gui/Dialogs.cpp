#include "gui/Dialogs.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pafdm {

namespace {

// The bar counts in tenths of a per cent.
constexpr int kShareSteps = 1000;

} // namespace

void MakeWindowTopMost(QWidget* window, bool topMost)
{
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    // Changing a window's flags hides it; put it back where it was.
    if (visible)
        window->show();
}

frmUpdateChoose::frmUpdateChoose(const QString& dataDirectory, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmUpdateChoose"));
    setWindowTitle(QStringLiteral("Update Local Data"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(120), Twips(120), Twips(90), Twips(150));
    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        return l;
    };
    auto button = [this](const char* name, const QString& text, int height) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setMinimumSize(Twips(2655), Twips(height));
        b->setAutoDefault(false);
        return b;
    };
    layout->addWidget(label("Label1", QStringLiteral("This routine will update your Local Postcode Address data")));
    Command1 = button("Command1", QStringLiteral("Download updates from internet"), 615);
    layout->addWidget(Command1);
    Command2 = button(
        "Command2", QStringLiteral("Apply updates from files already in directory") + QLatin1Char('\n') + dataDirectory,
        615);
    layout->addWidget(Command2);
    layout->addWidget(label("Label2", QStringLiteral("These files can be downloaded from our web site")));
    layout->addWidget(label("Label4", QStringLiteral("Using the \"CD-ROM based data\" option on lefthand menu")));
    layout->addWidget(label("Label3", QStringLiteral("and copied to the above directory")));
    Command3 = button("Command3", QStringLiteral("Cancel"), 495);
    layout->addWidget(Command3, 0, Qt::AlignHCenter);
    setMinimumWidth(Twips(5025));
    connect(Command1, &QPushButton::clicked, this, [this] { Choose(2); });
    connect(Command2, &QPushButton::clicked, this, [this] { Choose(1); });
    connect(Command3, &QPushButton::clicked, this, [this] { Choose(0); });
}

void frmUpdateChoose::showEvent(QShowEvent* event)
{
    MakeWindowTopMost(this);
    raise();
    activateWindow();
    QDialog::showEvent(event);
}

void frmUpdateChoose::Choose(int value)
{
    ret = value;
    hide();
    done(value == 0 ? QDialog::Rejected : QDialog::Accepted);
}

TransferWindow::TransferWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInternetAccessForm"));
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMinimumWidth(Twips(4800));
    Label1->setWordWrap(true);
    layout->addWidget(Label1);
    Bar = new QProgressBar(this);
    Bar->setObjectName(QStringLiteral("ProgressBar"));
    Bar->setRange(0, kShareSteps);
    Bar->setVisible(false);
    layout->addWidget(Bar);
    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Command1"));
    Cancel->setAutoDefault(false);
    layout->addWidget(Cancel, 0, Qt::AlignHCenter);
    connect(Cancel, &QPushButton::clicked, this, &TransferWindow::RequestCancel);
}

void TransferWindow::RequestCancel()
{
    m_cancelRequested = true;
    emit cancelRequested();
}

void TransferWindow::SetShare(qint64 done, qint64 total)
{
    if (total <= 0) {
        Bar->setVisible(false);
        return;
    }
    const qint64 clamped = std::clamp<qint64>(done, 0, total);
    Bar->setValue(static_cast<int>(clamped * kShareSteps / total));
    Bar->setVisible(true);
}

bool TransferWindow::TakeCancelRequest()
{
    const bool requested = m_cancelRequested;
    m_cancelRequested = false;
    return requested;
}

void TransferWindow::SetTopMost(bool topMost)
{
    MakeWindowTopMost(this, topMost);
}

void TransferWindow::PaintNow()
{
    if (isVisible())
        repaint();
}

void TransferWindow::closeEvent(QCloseEvent* event)
{
    // The close box asks for a cancel; the window stays until its owner is done.
    RequestCancel();
    event->ignore();
}

ZipForm::ZipForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ZipForm"));
    auto* layout = new QVBoxLayout(this);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setMinimumSize(Twips(5085), Twips(285));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMinimumSize(Twips(5085), Twips(495));
    Label1->setWordWrap(true);
    layout->addWidget(Label2);
    layout->addWidget(Label1);
}

void ZipForm::SetCaptions(const QString& title, const QString& description)
{
    setWindowTitle(title);
    Label2->setText(description);
    Label1->clear();
    MakeWindowTopMost(this);
    if (isVisible())
        repaint();
}

} // namespace pafdm
