#pragma once

#include <QString>

#include <array>
#include <optional>

namespace pafdm {

// One of the three data files of the data set.
struct DataKind {
    QChar letter;        // 'F', 'T' or 'Z'
    QString fileName;    // "PAF_FULL.dat", ...
    QString tableName;   // the address table the merge writes
    QString keyField;    // the postcode field
    QString description; // as the update report names the kind
};

// The kinds in the order the program always visits them: F, T, Z.
const std::array<DataKind, 3>& DataKinds();

// The kind for an exact, upper-case letter; none for anything else.
std::optional<DataKind> FindDataKind(const QString& letter);

// The database password shared by the data files and the update databases.
QString DatabasePassword();

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<path>;Jet OLEDB:Database Password=<pw>".
QString ConnectionString(const QString& path);

} // namespace pafdm
