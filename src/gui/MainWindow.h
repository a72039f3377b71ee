#pragma once

#include <QMainWindow>

#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace pafdm {

class frmMain;

// The main window: "Get Updates", the Data Status and System panes and the
// Options menu, drawn from the window logic it is given, which it forwards
// its commands to; around them a File menu (the data directory, the Quorly
// edition's Update Now, Quit), a Help menu (About) and a status bar naming
// the updates that wait to be applied.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(frmMain& logic, QWidget* parent = nullptr);

    // Shows the logic's panes, menu items and waiting updates.
    void Refresh();
    // While an update run works every command is held but Quit, and the
    // close box (or Quit) asks the run to stop through `onStopRequest`; the
    // window closes once the run has ended.
    void SetUpdateRunning(bool running);
    std::function<void()> onStopRequest;
    // Asks the operator for a data directory (a folder dialog unless a test
    // answers); empty for none.
    std::function<QString(const QString& current)> pickDirectory;
    // Called with the data directory the operator chose (to remember it).
    std::function<void(const QString& directory)> onDirectoryChosen;

    QPushButton* Command5 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuCurrentData = nullptr;
    QAction* mnu52353 = nullptr;
    QAction* mnuAppDownloads = nullptr;
    QAction* mnuRefresh = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuDataDirectory = nullptr;
    QAction* mnuUpdateNow = nullptr; // the Quorly edition only
    QAction* mnuQuit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    QLabel* WaitingLabel = nullptr; // in the status bar

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ChooseDataDirectory();

    frmMain& m_logic;
    bool m_updateRunning = false;
    bool m_closeWhenDone = false;
};

} // namespace pafdm
