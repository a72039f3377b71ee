#pragma once

#include <cstdint>
#include <string>

namespace jet {

class Status;

// Every error the engine reports under a Jet/ADO error number, with the
// number and the description an Access user would see. Callers match on
// number(); the descriptions are kept to the letter because applications
// show and log them unchanged.
//
// Each factory names its number here; the texts live in Errors.cpp.
struct Errors {
    // ---- Numbers ----
    // E_FAIL: the provider's number for most failures of the engine itself
    // (integrity rules, damaged files, disk errors).
    static constexpr int32_t kUnspecified = -2147467259;          // 0x80004005
    static constexpr int32_t kAuthenticationFailed = -2147217843; // 0x80040E4D: account or database password
    static constexpr int32_t kReadOnly = -2147217911;             // 0x80040E09
    static constexpr int32_t kTableNotFound = -2147217865;        // 0x80040E37
    static constexpr int32_t kErrorsOccurred = -2147217887;       // 0x80040E21: a field refused its value
    static constexpr int32_t kCriteriaMismatch = -2147217913;     // 0x80040E07
    static constexpr int32_t kMissingParameter = -2147217904;     // 0x80040E10
    static constexpr int32_t kSyntaxError = -2147217900;          // 0x80040E14
    static constexpr int32_t kTypeMismatch = -2147352571;         // 0x80020005, DISP_E_TYPEMISMATCH
    static constexpr int32_t kInvalidArgument = 3001;
    static constexpr int32_t kTableExists = 3010;
    static constexpr int32_t kNoCurrentRecord = 3021;
    static constexpr int32_t kDuplicateKey = 3022;
    static constexpr int32_t kFileInUse = 3045; // another writer has the file open
    static constexpr int32_t kNullInIndex = 3058;
    static constexpr int32_t kRecordDeleted = 3167;
    static constexpr int32_t kDatabaseExists = 3204;
    static constexpr int32_t kRecordsetReadOnly = 3251;
    static constexpr int32_t kItemNotFound = 3265;
    static constexpr int32_t kObjectClosed = 3704;
    static constexpr int32_t kProviderNotFound = 3706;
    static constexpr int32_t kConnectionUnusable = 3709;

    // ---- Opening ----
    static Status ProviderNotFound();                    // 3706
    static Status BadAccount();                          // 0x80040E4D, "Not a valid account name or password."
    static Status BadPassword();                         // 0x80040E4D, "Not a valid password."
    static Status FileNotFound(const std::string& path); // E_FAIL, NotFound
    // The file may not be opened for writing (permissions, exclusive use).
    static Status FileLocked(const std::string& path); // E_FAIL, Locked
    static Status FileInUse(const std::string& path);  // 3045, Locked: another writer holds it
    // E_FAIL, IOError: a hot journal that this process cannot play back.
    static Status NeedsRecovery(const std::string& path, const std::string& journal);
    // Not a Jet 4 file at all (size, header), NotSupported.
    static Status NotADatabase(const std::string& path); // E_FAIL
    // A Jet 4 file whose structures are damaged; `reason` (the status that
    // found the damage) is kept after the Jet text.
    static Status CorruptDatabase(const std::string& path, const Status& reason); // E_FAIL, Corruption
    static Status DatabaseExists();                                               // 3204

    // ---- Damage and the file ----
    // A page of the file that breaks the format; Corruption.
    static Status CorruptPage(uint32_t page, const std::string& what); // E_FAIL
    // A read past the end of the file; `path` may be empty.
    static Status UnexpectedEnd(const std::string& path); // E_FAIL, IOError
    static Status DiskError(const std::string& detail);   // E_FAIL, IOError
    static Status DatabaseFull();                         // E_FAIL, NotSupported: 2^24 pages

    // ---- Objects and records ----
    static Status ReadOnly();                             // 0x80040E09, NotSupported
    static Status RecordsetReadOnly();                    // 3251, NotSupported: the lock type forbids it
    static Status ObjectClosed();                         // 3704
    static Status ConnectionUnusable();                   // 3709
    static Status NoCurrentRecord();                      // 3021, NotFound
    static Status ItemNotFound();                         // 3265, NotFound
    static Status RecordDeleted();                        // 3167, NotFound
    static Status TableNotFound(const std::string& name); // 0x80040E37, NotFound
    static Status TableExists(const std::string& name);   // 3010

    // ---- Queries ----
    static Status SyntaxError(const std::string& clause); // 0x80040E14: "FROM", "WHERE"
    static Status CriteriaTypeMismatch();                 // 0x80040E07
    static Status MissingParameter();                     // 0x80040E10

    // ---- Values and rows ----
    static Status TypeMismatch(const std::string& field);  // DISP_E_TYPEMISMATCH
    static Status FieldTooSmall(const std::string& field); // 0x80040E21
    // AutoNumber and other columns the engine fills; `field` may be empty.
    static Status FieldNotUpdatable(const std::string& field); // 0x80040E21
    static Status RecordTooLarge();                            // E_FAIL
    static Status AutoNumberExhausted();                       // E_FAIL
    // A row written through a recordset names its index, as the OLE DB
    // provider does; rows given with a new table do not, as DAO does.
    static Status DuplicateKey(const std::string& index); // E_FAIL
    static Status DuplicateKey();                         // 3022
    static Status NullInIndex(const std::string& index);  // E_FAIL
    static Status NullInIndex();                          // 3058
};

} // namespace jet

// Last, so that either header may be included first.
#include <jet/Status.h>
