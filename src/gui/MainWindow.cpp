#include "gui/MainWindow.h"

#include "gui/Dialogs.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeySequence>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace pafdm {

MainWindow::MainWindow(frmMain& logic, QWidget* parent)
    : QMainWindow(parent)
    , m_logic(logic)
{
    setObjectName(QStringLiteral("frmMain"));
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(Twips(60), Twips(30), Twips(30), Twips(60));
    grid->setHorizontalSpacing(Twips(45));

    // The design puts the button at the top right above the panes' gap.
    Command5 = new QPushButton(QStringLiteral("Get Updates"), central);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setMinimumSize(Twips(1755), Twips(285));
    grid->addWidget(Command5, 0, 0, 1, 2, Qt::AlignRight | Qt::AlignTop);
    grid->setRowMinimumHeight(0, Twips(1920 - 30 - 45));

    Frame1 = new QGroupBox(QStringLiteral("Data Status"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frame1Layout = new QVBoxLayout(Frame1);
    Text1 = new QPlainTextEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setMinimumSize(Twips(4515), Twips(2055));
    frame1Layout->addWidget(Text1);
    grid->addWidget(Frame1, 1, 0);

    Frame2 = new QGroupBox(QStringLiteral("System"), central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* frame2Layout = new QVBoxLayout(Frame2);
    Label1 = new QLabel(Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Its width follows its text, so the machine's name is never cut off.
    Label1->setMinimumHeight(Twips(1815));
    frame2Layout->addWidget(Label1);
    grid->addWidget(Frame2, 1, 1);
    // The panes share the width as the design does: 4695 to 2745.
    grid->setColumnStretch(0, 4695);
    grid->setColumnStretch(1, 2745);
    grid->setRowStretch(1, 1);
    setCentralWidget(central);

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuDataDirectory = mnuFile->addAction(QStringLiteral("Choose &Data Directory..."));
    mnuDataDirectory->setObjectName(QStringLiteral("mnuDataDirectory"));
    mnuUpdateNow = mnuFile->addAction(QStringLiteral("&Update Now..."));
    mnuUpdateNow->setObjectName(QStringLiteral("mnuUpdateNow"));
    mnuUpdateNow->setVisible(m_logic.updateNowVisible);
    mnuFile->addSeparator();
    mnuQuit = mnuFile->addAction(QStringLiteral("&Quit"));
    mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    mnuQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuCurrentData = mnuOptions->addAction(QStringLiteral("&Current Data Status"));
    mnuCurrentData->setObjectName(QStringLiteral("mnuCurrentData"));
    mnu52353 = mnuOptions->addSeparator();
    mnu52353->setObjectName(QStringLiteral("mnu52353"));
    mnuAppDownloads = mnuOptions->addAction(QStringLiteral("Download Application Definitions"));
    mnuAppDownloads->setObjectName(QStringLiteral("mnuAppDownloads"));
    mnuRefresh = mnuOptions->addAction(QStringLiteral("&Refresh Display"));
    mnuRefresh->setObjectName(QStringLiteral("mnuRefresh"));
    mnuRefresh->setShortcut(QKeySequence(Qt::Key_F5));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    WaitingLabel = new QLabel(this);
    WaitingLabel->setObjectName(QStringLiteral("WaitingLabel"));
    statusBar()->addWidget(WaitingLabel, 1);

    connect(Command5, &QPushButton::clicked, this, [this] { m_logic.Command5_Click(); });
    connect(mnuCurrentData, &QAction::triggered, this, [this] { m_logic.mnuCurrentData_Click(); });
    connect(mnuAppDownloads, &QAction::triggered, this, [this] { m_logic.mnuAppDownloads_Click(); });
    connect(mnuRefresh, &QAction::triggered, this, [this] { m_logic.mnuRefresh_Click(); });
    connect(mnuDataDirectory, &QAction::triggered, this, &MainWindow::ChooseDataDirectory);
    connect(mnuUpdateNow, &QAction::triggered, this, [this] { m_logic.UpdateNow(); });
    connect(mnuQuit, &QAction::triggered, this, &QWidget::close);
    connect(mnuAbout, &QAction::triggered, this, [this] { m_logic.mnuAbout_Click(); });

    m_logic.onChanged = [this] { Refresh(); };
    Refresh();
    // The design size, or more where the fonts need it.
    resize(QSize(Twips(7575), Twips(4335) + menuBar()->sizeHint().height()).expandedTo(minimumSizeHint()));
}

void MainWindow::Refresh()
{
    QString data = m_logic.Text1;
    data.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (Text1->toPlainText() != data)
        Text1->setPlainText(data);
    QString system = m_logic.Label1;
    system.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Label1->setText(system);
    mnuCurrentData->setVisible(m_logic.mnuCurrentDataVisible);
    mnu52353->setVisible(m_logic.mnu52353Visible);
    mnuAppDownloads->setVisible(m_logic.mnuAppDownloadsVisible);
    mnuRefresh->setVisible(m_logic.mnuRefreshVisible);
    WaitingLabel->setText(m_logic.waitingUpdates.isEmpty()
                              ? QString()
                              : QStringLiteral("Waiting to be applied: ")
                                  + m_logic.waitingUpdates.join(QStringLiteral(", ")));
    if (isVisible()) {
        Text1->repaint();
        Label1->repaint();
    }
}

void MainWindow::SetUpdateRunning(bool running)
{
    m_updateRunning = running;
    Command5->setEnabled(!running);
    for (QAction* action : {mnuDataDirectory, mnuUpdateNow, mnuCurrentData, mnuAppDownloads, mnuRefresh, mnuAbout})
        action->setEnabled(!running);
    if (!running && m_closeWhenDone)
        QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::ChooseDataDirectory()
{
    const QString current = m_logic.DataDirectory();
    const QString chosen = pickDirectory
        ? pickDirectory(current)
        : QFileDialog::getExistingDirectory(this, QStringLiteral("Choose the data directory"), current);
    if (chosen.isEmpty())
        return;
    m_logic.SetDataDirectory(chosen);
    if (onDirectoryChosen)
        onDirectoryChosen(m_logic.DataDirectory());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_updateRunning) {
        // The run stops first, leaving every data file whole; then the
        // window goes.
        m_closeWhenDone = true;
        if (onStopRequest)
            onStopRequest();
        event->ignore();
        return;
    }
    m_logic.Close();
    // Every other window of the program goes with the main window (the
    // transfer window, whose close box only asks for a cancel, included).
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->hide();
    }
    event->accept();
    QApplication::quit();
}

} // namespace pafdm
