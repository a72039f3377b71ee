#include "gui/MainWindow.h"
#include "gui/QtOperator.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "support/AppContext.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>

#include <cstdio>

namespace {

// The settings key of the data directory the operator chose last.
const char kDataDirectoryKey[] = "dataDirectory";
// Exit status of a command line the program cannot use.
constexpr int kUsageExit = 2;

// The program's own options; Qt's (-platform and the like) stay with Qt.
struct Options {
    QString dataDirectory;
    bool dataDirectoryGiven = false;
};

// Reads the options, answering --help and --version (which need no display).
// Ends the process on --help, --version and an option it does not know.
Options ParseOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The local data manager for UK postcode address data."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDirOption(
        QStringList{QStringLiteral("data-dir")},
        QStringLiteral("The data directory (default: the current directory when it holds a data file or Brand.xml, "
                       "else the one /etc/pafdm/update.conf names, else the one chosen last in the window)."),
        QStringLiteral("DIR"));
    parser.addOption(dataDirOption);
    parser.process(app);
    return Options{parser.value(dataDirOption), parser.isSet(dataDirOption)};
}

void SetApplicationNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("pafdm"));
    QCoreApplication::setOrganizationName(QStringLiteral("pafdm"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PAFDM_VERSION));
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-v" || arg == "--version" || arg == "--help-all") {
            QCoreApplication app(argc, argv);
            SetApplicationNames();
            (void)ParseOptions(app);
            return 0;
        }
    }

    QApplication app(argc, argv);
    SetApplicationNames();
    QGuiApplication::setDesktopFileName(QStringLiteral("pafdm"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pafdm.svg")));
    const Options options = ParseOptions(app);
    const QString& named = options.dataDirectory;
    if (options.dataDirectoryGiven && !QFileInfo(named).isDir()) {
        std::fprintf(stderr, "pafdm: the data directory '%s' %s\n", qPrintable(QDir::toNativeSeparators(named)),
                     QFileInfo::exists(named) ? "is not a directory" : "does not exist");
        return kUsageExit;
    }
    pafdm::QtOperator ui;
    ui.WatchStopSignals();
    pafdm::Clock clock;
    pafdm::AppContext ctx(pafdm::EditionConfig::BuildDefault().WithEnvironmentOverrides(), ui, clock);
    ui.dataDirectory = [&ctx] { return QDir::toNativeSeparators(ctx.dataDirectory); };
    pafdm::Program program(ctx);
    pafdm::frmMain logic(ctx, program);
    QSettings settings;
    logic.directories.named = named;
    logic.directories.remembered = settings.value(QLatin1String(kDataDirectoryKey)).toString();
    pafdm::MainWindow window(logic);
    ui.SetMainWindow(&window);
    ui.onUpdateRunning = [&window](bool running) { window.SetUpdateRunning(running); };
    // A signal ends the program without its closing sequence (no other
    // program is started on the way out of a logout), leaving every event
    // loop, an open message box's included.
    ui.onStopSignal = [](int signal) { QApplication::exit(128 + signal); };
    window.onStopRequest = [&ui] { ui.RequestStop(); };
    window.onDirectoryChosen = [&settings](const QString& directory) {
        settings.setValue(QLatin1String(kDataDirectoryKey), directory);
    };
    // The start-up sequence runs before the window is first shown.
    logic.Load(QDir::currentPath());
    if (ui.StopSignal() != 0)
        return 128 + ui.StopSignal();
    window.show();
    const int status = QApplication::exec();
    return ui.StopSignal() != 0 ? 128 + ui.StopSignal() : status;
}
