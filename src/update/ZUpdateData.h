#pragma once

#include "support/Error.h"

#include <QString>

#include <chrono>

namespace jet {
class Recordset;
}

namespace pafdm {

class AppContext;

// The update engine: merges an update database into the data file of its
// kind, row by row by postcode, then moves the file's data date on.
class ZUpdateData {
public:
    explicit ZUpdateData(AppContext& ctx);

    // Merges `path`/`DatefileToRead` into the data file of `DataType` ("F",
    // "T" or "Z") in `path` and writes `UpdateDateYYYYMMDD` into its version
    // row. Returns false after a failure, which has then been logged and shown
    // to the operator; rows merged before it stay in the data file and the
    // data date is unchanged. `DataTypeDesc` gets the kind's description,
    // `RecordCount` the number of update rows once counted.
    bool UpdateData(const QString& path, const QString& DatefileToRead, const QString& DataType,
                    const QString& UpdateDateYYYYMMDD, QString& DataTypeDesc, qint64& RecordCount);

    // Merges the current row of `DataRec` into `TableToUpdate`: replaces the
    // first row (table order) with the same postcode, or adds one.
    Expected<Done> AddOrUpdateRecordAddress(jet::Recordset& DataRec, jet::Recordset& TableToUpdate);
    Expected<Done> AddOrUpdateRecordPostZon(jet::Recordset& DataRec, jet::Recordset& TableToUpdate);

private:
    Expected<Done> AddOrUpdateRecord(jet::Recordset& DataRec, jet::Recordset& TableToUpdate, const QString& procedure,
                                     const char* keyField, const char* const* otherFields, int otherFieldCount);
    void ShowProgress(const QString& label, bool force);

    AppContext& m_ctx;
    std::chrono::steady_clock::time_point m_lastRepaint{};
};

} // namespace pafdm
