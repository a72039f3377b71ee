#pragma once

#include "shell/DataDirectory.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace pafdm {

class AppContext;
struct Program;

// The main window's logic, free of any widget: the start-up and closing
// sequences, the two panes, the Options menu's items and the commands. The
// desktop window shows what it holds and forwards its events here; messages,
// the caption and every other window go through the context's Operator.
// Failures of the start-up and closing steps are skipped silently.
class frmMain {
public:
    frmMain(AppContext& ctx, Program& program, DevelopmentSettings development = DevelopmentSettings::Platform());

    // What the window shows. Menu items hidden at start stay hidden.
    QString Text1;  // the data pane (DataSummary)
    QString Label1; // the system pane (SystemSummary)
    bool mnuCurrentDataVisible = true;
    bool mnu52353Visible = true;
    bool mnuAppDownloadsVisible = true;
    bool mnuRefreshVisible = true;
    // "Update Now" is offered by the edition that offers waiting updates.
    bool updateNowVisible = false;
    // The updates waiting in the data directory for the next update run
    // (archives, and update databases left without one), as the last
    // refresh found them; the window shows them apart from the panes.
    QStringList waitingUpdates;
    // Called whenever the panes or the menu items change.
    std::function<void()> onChanged;

    // Where Load takes the data directory from, besides the current
    // directory it is given (see ResolveDataDirectory).
    DataDirectorySources directories;

    // The start-up sequence, before the window is first shown: the data
    // directory (from `currentDirectory` and `directories`), both
    // readings of Brand.xml, the first refresh, the regional check, the
    // edition's defaults and the Quorly edition's offer to apply waiting
    // archives, the update server, the caption, the internet switch.
    void Load(const QString& currentDirectory);
    // The closing sequence: the Vell edition starts its desktop program from
    // the data directory when it is there. The window then closes the others.
    void Close();
    // Moves the program to the data directory `directory`: reads its
    // Brand.xml, refreshes the panes and the caption. Nothing else runs.
    void SetDataDirectory(const QString& directory);
    QString DataDirectory() const;
    // "Update Now" (the Quorly edition): an update run at any time, from the
    // source the operator chooses, then a refresh.
    void UpdateNow();

    // "&Refresh Display" and the refresh of start-up: rebuilds both panes;
    // with the internet switch on and no data file present, tells the
    // operator and opens the data-status page first.
    void setSummary();
    // Opens the data-status page of the product web site (with the "#Status"
    // anchor when `GotoStatus`).
    void showWebdataStatus(bool GotoStatus = false);
    // Warns when the user's short date is neither dd/mm/yy nor dd/mm/yyyy.
    void WarnAmericanDate();
    // The lookup component's version: the trimmed output of the program
    // named as the edition's component class, found on PATH and run with the
    // argument "getversion"; empty when it cannot be had.
    QString GetCOMVersion();
    bool AreUpdatesPresent();
    // "application name program title V2.3.0 COM Version:<version>".
    QString Caption();

    // The commands.
    void Command5_Click(); // "Get Updates"
    void mnuCurrentData_Click();
    void mnuAppDownloads_Click();
    void mnuRefresh_Click();
    // Help, About: program, edition, version, data directory, licence.
    void mnuAbout_Click();
    QString AboutText() const;

private:
    void Changed();
    void Attempt(const std::function<void()>& action);
    // The edition's phone number and application name, then Brand.xml's
    // values over them.
    void ReadBrandOverDefaults();
    // One update run (of the waiting updates only, or from the source the
    // operator chooses) with the waiting caption, then a refresh.
    void RunUpdate(bool waitingOnly);

    AppContext& m_ctx;
    Program& m_program;
};

// The program title of the caption, between the application name and " V".
inline constexpr char kProgramTitle[] = "Local Data Manager";

} // namespace pafdm
