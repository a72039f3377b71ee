#pragma once

// Drives every read path of the engine over one file image: open, catalog,
// every table's rows and fields in both directions, the search, and the
// integrity check. Shared by the corruption test and the libFuzzer target;
// whatever the image holds, this must return without crashing or hanging.
#include "db/Check.h"
#include "db/DatabaseImpl.h"
#include "io/MemoryFile.h"

#include <jet/Recordset.h>

#include <memory>
#include <string>
#include <vector>

namespace jet::test {

struct ExerciseResult {
    bool opened = false;
    int tablesRead = 0;
    long rowsRead = 0;
    int errors = 0; // calls that returned an error status
};

// Opens a file image read-only, under the name "image"; a small cache so
// that eviction paths run too.
inline jet::Result<std::unique_ptr<jet::DatabaseImpl>> OpenImage(std::vector<uint8_t> image,
                                                                 const std::u16string& password)
{
    auto bytes = std::make_shared<std::vector<uint8_t>>(std::move(image));
    jet::OpenOptions options;
    options.readOnly = true;
    options.cachePages = 64;
    return jet::DatabaseImpl::OpenWith(std::make_unique<jet::MemoryFile>(bytes), "image", password, options);
}

inline ExerciseResult ExerciseDatabase(std::vector<uint8_t> image, const std::u16string& password, bool runCheck)
{
    ExerciseResult result;
    auto db = OpenImage(std::move(image), password);
    if (!db.ok())
        return result;
    result.opened = true;
    auto tables = (*db)->ListTables();
    if (!tables.ok()) {
        ++result.errors;
        return result;
    }
    for (const std::string& name : *tables) {
        if (name.find(']') != std::string::npos)
            continue;
        auto info = (*db)->DescribeTable(name);
        if (!info.ok())
            ++result.errors;
        auto rs = jet::Recordset::Open(**db, "[" + name + "]", jet::CursorType::kStatic, jet::LockType::kReadOnly);
        if (!rs.ok()) {
            ++result.errors;
            continue;
        }
        ++result.tablesRead;
        jet::Recordset& r = **rs;
        (void)r.RecordCount();
        if (!r.MoveLast().ok())
            ++result.errors;
        if (!r.MoveFirst().ok())
            ++result.errors;
        for (long guard = 0; !r.IsEOF() && guard < 100000; ++guard) {
            for (int i = 0; i < r.FieldCount(); ++i) {
                if (!r.FieldAt(i).ok())
                    ++result.errors;
            }
            ++result.rowsRead;
            if (!r.MoveNext().ok()) {
                ++result.errors;
                break;
            }
        }
        if (r.FieldCount() > 0 && r.MoveFirst().ok())
            (void)r.FindFirst(r.FieldName(0), u"AB1 0LT");
    }
    if (runCheck) {
        jet::CheckReport report;
        jet::CheckOpenDatabase(**db, report);
    }
    return result;
}

} // namespace jet::test
