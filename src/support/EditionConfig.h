#pragma once

#include <QString>

namespace pafdm {

enum class Edition { kVell, kQuorly };

// Everything that differs between the two editions.
struct EditionConfig {
    Edition edition = Edition::kVell;
    QString editionName;            // "Vell" or "Quorly"
    QString defaultApplicationName; // "Postcode Vell" / "Quorly Postcode"
    QString defaultPhoneNumber;
    QString serverUrl;            // update server base URL, no trailing "/"
    QString definitionsServer;    // base URL the definitions service lives on
    QString webSite;              // product web site base URL
    QString lookupComponentClass; // asked "getversion"
    QString desktopProgram;       // file name in the data directory, empty for none
    bool hidesStatusAndDefinitionsMenus = true;
    bool offersWaitingUpdates = false;

    static EditionConfig Vell();
    static EditionConfig Quorly();
    // The edition this build was configured for.
    static EditionConfig BuildDefault();
    // The record with PAFDM_SERVER_URL, PAFDM_DEFINITIONS_SERVER and
    // PAFDM_WEB_SITE applied where set (a trailing "/" is dropped).
    EditionConfig WithEnvironmentOverrides() const;
};

} // namespace pafdm
