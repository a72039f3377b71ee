#pragma once

#include <QString>

namespace pafdm {

// Where the program looks for its development set-up: a flag file that, when
// present, points the program at a fixed development data directory. Values
// of the platform; tests point them elsewhere.
struct DevelopmentSettings {
    QString flagFile = QStringLiteral("/etc/pafdm/ThisIsAdevMachine.flg");
    QString dataDirectory = QStringLiteral("/srv/paf");

    static DevelopmentSettings Platform();
};

// What the desktop program's data directory is chosen from.
struct DataDirectorySources {
    QString named;            // given on the command line; wins when set
    QString currentDirectory; // the process's working directory
    DevelopmentSettings development = DevelopmentSettings::Platform();
    // The scheduled update's settings, whose PAFDM_DATA_DIR names the data
    // directory of a packaged installation.
    QString configFile = QStringLiteral("/etc/pafdm/update.conf");
    QString remembered; // the operator's last choice in the window
};

// The data directory, the first of: the named one; the current directory
// when it holds a data file or Brand.xml; the development directory when
// the flag file is there; the configured one; the remembered one (each of
// the last two only when it is a directory); else the current directory.
QString ResolveDataDirectory(const DataDirectorySources& sources);

// True when `directory` holds one of the data files or Brand.xml.
bool HoldsDataSet(const QString& directory);

// The PAFDM_DATA_DIR=... line of a file in the form of update.conf (shell
// variable assignments, # comments, optional quotes); empty when the file or
// the line is missing.
QString ConfiguredDataDirectory(const QString& configFile);

} // namespace pafdm
