#include <jet/Errors.h>

namespace jet {
namespace {

std::string FieldSuffix(const std::string& field)
{
    return field.empty() ? std::string() : " (field '" + field + "')";
}

constexpr const char* kDuplicateText =
    "The changes you requested to the table were not successful because they would create duplicate values in the "
    "index, primary key, or relationship.";

constexpr const char* kNullInIndexText = "Index or primary key cannot contain a Null value.";

} // namespace

Status Errors::ProviderNotFound()
{
    return Status::NotFound("Provider cannot be found. It may not be properly installed.", kProviderNotFound);
}

Status Errors::BadAccount()
{
    return Status::InvalidArgument("Not a valid account name or password.", kAuthenticationFailed);
}

Status Errors::BadPassword()
{
    return Status::BadPassword("Not a valid password.", kAuthenticationFailed);
}

Status Errors::FileNotFound(const std::string& path)
{
    return Status::NotFound("Could not find file '" + path + "'.");
}

Status Errors::FileLocked(const std::string& path)
{
    return Status::Locked("The Microsoft Jet database engine cannot open the file '" + path
                          + "'.  It is already opened exclusively by another user, or you need permission to view "
                            "its data.");
}

Status Errors::FileInUse(const std::string& path)
{
    return Status::Locked("Could not use '" + path + "'; file already in use.", kFileInUse);
}

Status Errors::NeedsRecovery(const std::string& path, const std::string& journal)
{
    return Status::IOError("The database '" + path
                           + "' needs recovery: a write to it was interrupted, and its journal '" + journal
                           + "' must be played back by a program that may write the file and its folder "
                             "before the file can be read.");
}

Status Errors::NotADatabase(const std::string& path)
{
    return Status::NotSupported("Unrecognized database format '" + path + "'.");
}

Status Errors::CorruptDatabase(const std::string& path, const Status& reason)
{
    std::string text = "Unrecognized database format '" + path + "'.";
    // Keep where the damage is ("(page N: what).") so a report can name it.
    const std::string& detail = reason.description();
    const size_t at = detail.find("(page ");
    if (at != std::string::npos)
        text += " " + detail.substr(at);
    else if (!detail.empty())
        text += " (" + detail + ")";
    return Status::Corruption(std::move(text));
}

Status Errors::DatabaseExists()
{
    return Status::InvalidArgument("Database already exists.", kDatabaseExists);
}

Status Errors::CorruptPage(uint32_t page, const std::string& what)
{
    return Status::Corruption("Unrecognized database format (page " + std::to_string(page) + ": " + what + ").");
}

Status Errors::UnexpectedEnd(const std::string& path)
{
    return Status::IOError(path.empty() ? std::string("Unexpected end of file.")
                                        : "Unexpected end of file '" + path + "'.");
}

Status Errors::DiskError(const std::string& detail)
{
    return Status::IOError("Disk or network error (" + detail + ").");
}

Status Errors::DatabaseFull()
{
    return Status::NotSupported("The database has reached its maximum size.");
}

Status Errors::ReadOnly()
{
    return Status::NotSupported("Cannot update.  Database or object is read-only.", kReadOnly);
}

Status Errors::RecordsetReadOnly()
{
    return Status::NotSupported("Current Recordset does not support updating. This may be a limitation of the "
                                "provider, or of the selected locktype.",
                                kRecordsetReadOnly);
}

Status Errors::ObjectClosed()
{
    return Status::InvalidArgument("Operation is not allowed when the object is closed.", kObjectClosed);
}

Status Errors::ConnectionUnusable()
{
    return Status::InvalidArgument("The connection cannot be used to perform this operation.", kConnectionUnusable);
}

Status Errors::NoCurrentRecord()
{
    return Status::NotFound("Either BOF or EOF is True, or the current record has been deleted. Requested "
                            "operation requires a current record.",
                            kNoCurrentRecord);
}

Status Errors::ItemNotFound()
{
    return Status::NotFound("Item cannot be found in the collection corresponding to the requested name or ordinal.",
                            kItemNotFound);
}

Status Errors::RecordDeleted()
{
    return Status::NotFound("Record is deleted.", kRecordDeleted);
}

Status Errors::TableNotFound(const std::string& name)
{
    return Status::NotFound("The Microsoft Jet database engine cannot find the input table or query '" + name
                                + "'.  Make sure it exists and that its name is spelled correctly.",
                            kTableNotFound);
}

Status Errors::TableExists(const std::string& name)
{
    return Status::InvalidArgument("Table '" + name + "' already exists.", kTableExists);
}

Status Errors::SyntaxError(const std::string& clause)
{
    return Status::InvalidArgument("Syntax error in " + clause + " clause.", kSyntaxError);
}

Status Errors::CriteriaTypeMismatch()
{
    return Status::InvalidArgument("Data type mismatch in criteria expression.", kCriteriaMismatch);
}

Status Errors::MissingParameter()
{
    return Status::InvalidArgument("No value given for one or more required parameters.", kMissingParameter);
}

Status Errors::TypeMismatch(const std::string& field)
{
    return Status::InvalidArgument("Type mismatch. (field '" + field + "')", kTypeMismatch);
}

Status Errors::FieldTooSmall(const std::string& field)
{
    return Status::InvalidArgument("The field is too small to accept the amount of data you attempted to add.  Try "
                                   "inserting or pasting less data. (field '"
                                       + field + "')",
                                   kErrorsOccurred);
}

Status Errors::FieldNotUpdatable(const std::string& field)
{
    return Status::InvalidArgument("Field cannot be updated." + FieldSuffix(field), kErrorsOccurred);
}

Status Errors::RecordTooLarge()
{
    return Status::InvalidArgument("Record is too large.", kUnspecified);
}

Status Errors::AutoNumberExhausted()
{
    return Status::InvalidArgument("AutoNumber values are exhausted.", kUnspecified);
}

Status Errors::DuplicateKey(const std::string& index)
{
    return Status::InvalidArgument(std::string(kDuplicateText)
                                       + "  Change the data in the field or fields that contain duplicate data, "
                                         "remove the index, or redefine the index to permit duplicate entries and "
                                         "try again. (index '"
                                       + index + "')",
                                   kUnspecified);
}

Status Errors::DuplicateKey()
{
    return Status::InvalidArgument(kDuplicateText, kDuplicateKey);
}

Status Errors::NullInIndex(const std::string& index)
{
    return Status::InvalidArgument(std::string(kNullInIndexText) + " (index '" + index + "')", kUnspecified);
}

Status Errors::NullInIndex()
{
    return Status::InvalidArgument(kNullInIndexText, kNullInIndex);
}

} // namespace jet
