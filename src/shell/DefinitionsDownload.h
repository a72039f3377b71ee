#pragma once

#include <QString>

namespace pafdm {

class AppContext;
struct EditionConfig;
struct Transfers;

// How a definitions download ended.
enum class DefinitionsOutcome {
    kDeclined, // the operator answered No: nothing fetched
    kFailed,   // no usable reply: Definitions.xml untouched
    kWritten,  // Definitions.xml holds the reply
};

// Fixed query values the definitions service is asked with.
constexpr int kDefinitionsPv = 99;
constexpr int kDefinitionsCo = 1;

// Replies of this many characters or fewer are not definitions.
constexpr int kMinimumDefinitionsLength = 1000;

// The definitions service request for `edition`: its definitions host,
// "/GetDefinitions.aspx?pv=99&co=1".
QString DefinitionsRequestAddress(const EditionConfig& edition);

// "Download Application Definitions": asks the operator, fetches the
// definitions with the main caption showing the wait, stores a reply of more
// than kMinimumDefinitionsLength characters as Definitions.xml in the data
// directory (plus CR LF), tells the operator the outcome and puts the main
// caption back. Never fails; unexpected failures are logged and reported as
// a failed download.
DefinitionsOutcome DownloadApplicationDefinitions(AppContext& ctx, Transfers& transfers);

} // namespace pafdm
