#include "gui/MainWindow.h"

#include "gui/Dialogs.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace pafdm {

namespace {

// The button above the two panes, Data Status and System; returns the widget
// that holds them.
QWidget* BuildPanes(MainWindow& window)
{
    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(Twips(60), Twips(30), Twips(30), Twips(60));
    grid->setHorizontalSpacing(Twips(45));

    // The design puts the button at the top right above the panes' gap.
    window.Command5 = new QPushButton(QStringLiteral("Get Updates"), central);
    window.Command5->setObjectName(QStringLiteral("Command5"));
    window.Command5->setMinimumSize(Twips(1755), Twips(285));
    grid->addWidget(window.Command5, 0, 0, 1, 2, Qt::AlignRight | Qt::AlignTop);
    grid->setRowMinimumHeight(0, Twips(1920 - 30 - 45));

    window.Frame1 = new QGroupBox(QStringLiteral("Data Status"), central);
    window.Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frame1Layout = new QVBoxLayout(window.Frame1);
    window.Text1 = new QPlainTextEdit(window.Frame1);
    window.Text1->setObjectName(QStringLiteral("Text1"));
    window.Text1->setReadOnly(true);
    window.Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    window.Text1->setMinimumSize(Twips(4515), Twips(2055));
    frame1Layout->addWidget(window.Text1);
    grid->addWidget(window.Frame1, 1, 0);

    window.Frame2 = new QGroupBox(QStringLiteral("System"), central);
    window.Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* frame2Layout = new QVBoxLayout(window.Frame2);
    window.Label1 = new QLabel(window.Frame2);
    window.Label1->setObjectName(QStringLiteral("Label1"));
    window.Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window.Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Its width follows its text, so the machine's name is never cut off.
    window.Label1->setMinimumHeight(Twips(1815));
    frame2Layout->addWidget(window.Label1);
    grid->addWidget(window.Frame2, 1, 1);
    // The panes share the width as the design does: 4695 to 2745.
    grid->setColumnStretch(0, 4695);
    grid->setColumnStretch(1, 2745);
    grid->setRowStretch(1, 1);
    return central;
}

// The File, Options and Help menus.
void BuildMenus(MainWindow& window, bool updateNowVisible)
{
    QMenuBar* bar = window.menuBar();
    window.mnuFile = bar->addMenu(QStringLiteral("&File"));
    window.mnuFile->setObjectName(QStringLiteral("mnuFile"));
    window.mnuDataDirectory = window.mnuFile->addAction(QStringLiteral("Choose &Data Directory..."));
    window.mnuDataDirectory->setObjectName(QStringLiteral("mnuDataDirectory"));
    window.mnuUpdateNow = window.mnuFile->addAction(QStringLiteral("&Update Now..."));
    window.mnuUpdateNow->setObjectName(QStringLiteral("mnuUpdateNow"));
    window.mnuUpdateNow->setVisible(updateNowVisible);
    window.mnuFile->addSeparator();
    window.mnuQuit = window.mnuFile->addAction(QStringLiteral("&Quit"));
    window.mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    window.mnuQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    window.mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    window.mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    window.mnuCurrentData = window.mnuOptions->addAction(QStringLiteral("&Current Data Status"));
    window.mnuCurrentData->setObjectName(QStringLiteral("mnuCurrentData"));
    window.mnu52353 = window.mnuOptions->addSeparator();
    window.mnu52353->setObjectName(QStringLiteral("mnu52353"));
    window.mnuAppDownloads = window.mnuOptions->addAction(QStringLiteral("Download Application Definitions"));
    window.mnuAppDownloads->setObjectName(QStringLiteral("mnuAppDownloads"));
    window.mnuRefresh = window.mnuOptions->addAction(QStringLiteral("&Refresh Display"));
    window.mnuRefresh->setObjectName(QStringLiteral("mnuRefresh"));
    window.mnuRefresh->setShortcut(QKeySequence(Qt::Key_F5));

    window.mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    window.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    window.mnuAbout = window.mnuHelp->addAction(QStringLiteral("&About"));
    window.mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

} // namespace

MainWindow::MainWindow(frmMain& logic, QWidget* parent)
    : QMainWindow(parent)
    , m_logic(logic)
{
    setObjectName(QStringLiteral("frmMain"));
    setCentralWidget(BuildPanes(*this));
    BuildMenus(*this, m_logic.updateNowVisible);

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
    WaitingLabel->setText(m_logic.waitingUpdates.isEmpty() ? QString()
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
