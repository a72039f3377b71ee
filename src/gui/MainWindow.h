#pragma once

#include <QMainWindow>

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
// its commands to.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(frmMain& logic, QWidget* parent = nullptr);

    // Shows the logic's panes and menu items.
    void Refresh();

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmMain& m_logic;
};

} // namespace pafdm
