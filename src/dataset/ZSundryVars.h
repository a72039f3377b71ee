#pragma once

#include "support/Error.h"

#include <QString>

namespace pafdm {

class AppContext;

// The state file SundryVars.dat in the data directory: the data date last
// seen for each data kind, one tag-text element per line. Each setter re-reads
// the file just before writing it back, so the other two values stay as the
// file holds them at that moment. Failures to read or write (after the
// encoded-file retries) reach the caller; a missing or empty file is no
// failure. One instance per context (AppContext::Shared).
class ZSundryVars {
public:
    explicit ZSundryVars(AppContext& ctx);
    ZSundryVars(const ZSundryVars&) = delete;
    ZSundryVars& operator=(const ZSundryVars&) = delete;

    QString Data_UpdateDate_F;
    QString Data_UpdateDate_T;
    QString Data_UpdateDate_Z;

    // Reads the file into the three values unless it was read since the last
    // save and `ForRead` is false. A missing or empty file leaves the values as
    // they are and is read again next time; an element that is absent from a
    // non-empty file empties its value. True unless an Error is returned.
    Expected<bool> load(bool ForRead);

    // Replaces the file with the three values; the next load reads it again.
    Expected<Done> save();

    // Re-reads the file, sets one value and saves. Nothing is written when the
    // re-read fails.
    Expected<Done> SetData_UpdateDate_F(const QString& value);
    Expected<Done> SetData_UpdateDate_T(const QString& value);
    Expected<Done> SetData_UpdateDate_Z(const QString& value);

    // Full path of the state file.
    QString FilePath() const;

private:
    Expected<Done> SetValue(QString ZSundryVars::*member, const QString& value);

    AppContext& m_ctx;
    bool m_loaded = false;
};

} // namespace pafdm
