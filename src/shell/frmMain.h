#pragma once

#include <QString>

#include <functional>

namespace pafdm {

class AppContext;
struct Program;

// Where the program looks for its development set-up: a flag file that, when
// present, moves the data directory to a fixed development directory. Values
// of the platform; tests point them elsewhere.
struct DevelopmentSettings {
    QString flagFile = QStringLiteral("/etc/pafdm/ThisIsAdevMachine.flg");
    QString dataDirectory = QStringLiteral("/srv/paf");

    static DevelopmentSettings Platform();
};

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
    // Called whenever the panes or the menu items change.
    std::function<void()> onChanged;

    // The start-up sequence, before the window is first shown: the data
    // directory from `currentDirectory` (or the development directory), both
    // readings of Brand.xml, the first refresh, the regional check, the
    // edition's defaults and the Quorly edition's offer to apply waiting
    // archives, the update server, the caption, the internet switch.
    void Load(const QString& currentDirectory);
    // The closing sequence: the Vell edition starts its desktop program from
    // the data directory when it is there. The window then closes the others.
    void Close();

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

private:
    void Changed();
    void Attempt(const std::function<void()>& action);

    AppContext& m_ctx;
    Program& m_program;
    DevelopmentSettings m_development;
};

// The program title of the caption, between the application name and " V".
inline constexpr char kProgramTitle[] = "Local Data Manager";

} // namespace pafdm
