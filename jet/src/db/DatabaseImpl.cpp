#include "db/DatabaseImpl.h"

#include "db/ConnectionString.h"
#include "db/Recovery.h"
#include "io/Replacement.h"
#include "util/FormatConstants.h"

#include <algorithm>
#include <cctype>

namespace jet {
namespace {

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

ColumnType PublicType(const ColumnDef& c)
{
    const uint8_t t = c.rawType;
    if ((t >= 0x01 && t <= 0x0C) || t == 0x0F || t == 0x10)
        return c.type;
    return ColumnType::kBinary;
}

} // namespace

Status TableNotFound(std::u16string_view name)
{
    return Errors::TableNotFound(Utf16ToUtf8(name));
}

Database::~Database() = default;

Result<std::unique_ptr<Database>> Database::Open(const std::string& connectionString, const std::string& userId,
                                                 const std::string& password, const OpenOptions& options)
{
    const auto cs = ConnectionString::Parse(connectionString);
    const auto provider = cs.Get("Provider");
    if (!provider || !EqualsNoCase(*provider, "Microsoft.Jet.OLEDB.4.0"))
        return Errors::ProviderNotFound();
    std::string user = userId;
    if (user.empty())
        user = cs.Get("User ID").value_or("Admin");
    std::string accountPassword = password;
    if (accountPassword.empty())
        accountPassword = cs.Get("Password").value_or("");
    // Without a workgroup file the only account is Admin with no password.
    if (!EqualsNoCase(user, "admin") || !accountPassword.empty())
        return Errors::BadAccount();

    const std::string path = cs.Get("Data Source").value_or("");
    const std::string dbPassword = cs.Get("Jet OLEDB:Database Password").value_or("");
    OpenOptions effective = options;
    if (auto mode = cs.Get("Mode"); mode && (EqualsNoCase(*mode, "Read") || *mode == "1"))
        effective.readOnly = true;
    auto db = OpenFile(path, dbPassword, effective);
    if (!db.ok())
        return db.status();
    return std::move(db).value();
}

Result<std::unique_ptr<Database>> Database::OpenFile(const std::string& path, const std::string& databasePassword,
                                                     const OpenOptions& options)
{
    if (path.empty())
        return Errors::FileNotFound(path);
    // An interrupted write is undone before anything reads the file.
    std::unique_ptr<JournalLocation> journal = JournalBeside(path);
    JournalState recovery;
    recovery.journal = journal->path();
    auto exists = journal->Exists();
    if (!exists.ok())
        return exists.status();
    if (*exists) {
        auto recovered = RecoverBeforeOpen(path, *journal, options);
        if (!recovered.ok())
            return recovered.status();
        recovery = std::move(recovered).value();
    }
    auto file = OpenPosixFile(path, !options.readOnly);
    OpenOptions effective = options;
    if (!file.ok() && !options.readOnly && file.status().kind() == Status::Kind::kLocked
        && file.status().number() != Errors::kFileInUse) {
        // A file we may only read opens read-only, as Jet does; one that
        // another writer holds is refused.
        file = OpenPosixFile(path, false);
        effective.readOnly = true;
    }
    if (!file.ok())
        return file.status();
    if (!effective.readOnly) {
        // Under the writer's lock: a copy beside the file is a leftover.
        auto removed = RemoveLeftoverCopy(path);
        if (!removed.ok())
            return removed.status();
        if (*removed) {
            recovery.leftoverCopy = CopyPathFor(path);
            recovery.resolved = true;
        }
    }
    if (!effective.journal || effective.readOnly)
        journal.reset();
    auto db = DatabaseImpl::OpenWith(std::move(file).value(), path, Utf8ToUtf16(databasePassword), effective,
                                     std::move(journal));
    if (!db.ok())
        return db.status();
    (*db)->SetRecovery(std::move(recovery));
    return std::unique_ptr<Database>(std::move(db).value());
}

Result<std::unique_ptr<DatabaseImpl>> DatabaseImpl::OpenWith(std::unique_ptr<File> file, const std::string& path,
                                                             const std::u16string& password, const OpenOptions& options,
                                                             std::unique_ptr<JournalLocation> journal)
{
    PagerOptions pagerOptions;
    pagerOptions.readOnly = options.readOnly;
    pagerOptions.cachePages = options.cachePages;
    pagerOptions.mayWriteBeside = options.mayWriteBeside;
    std::unique_ptr<JournalWriter> writer;
    if (journal && !options.readOnly)
        writer = std::make_unique<JournalWriter>(std::move(journal), DatabaseNameFor(path));
    auto pager = Pager::Open(std::move(file), path, pagerOptions, std::move(writer));
    if (!pager.ok())
        return pager.status();

    Page raw;
    JET_RETURN_IF_ERROR((*pager)->ReadPage(0, raw));
    auto header = ParseHeader(raw, path);
    if (!header.ok())
        return header.status();
    if (!header->password.empty() && header->password != password)
        return Errors::BadPassword();
    (*pager)->SetEncryptionKey(header->encryptionKey);

    std::unique_ptr<DatabaseImpl> db(new DatabaseImpl());
    db->m_path = path;
    db->m_pager = std::move(pager).value();
    db->m_header = std::move(header).value();
    auto catalog = ReadCatalog(*db->m_pager);
    if (!catalog.ok()) {
        if (catalog.status().IsCorruption())
            return Errors::CorruptDatabase(path, catalog.status());
        return catalog.status();
    }
    db->m_catalog = std::move(catalog).value();
    if (!db->m_pager->IsReadOnly()) {
        db->m_allocator = std::make_unique<PageAllocator>(*db->m_pager);
    }
    return db;
}

DatabaseImpl::~DatabaseImpl()
{
    if (!m_closed)
        (void)Close();
}

Status DatabaseImpl::ClosedError() const
{
    return Errors::ObjectClosed();
}

Result<std::vector<std::string>> DatabaseImpl::ListTables()
{
    if (m_closed)
        return ClosedError();
    std::vector<std::string> names;
    for (const auto& e : m_catalog) {
        if (e.IsUserTable())
            names.push_back(Utf16ToUtf8(e.name));
    }
    return names;
}

Result<Table*> DatabaseImpl::TableAt(PageNumber tdefPage, std::u16string_view name)
{
    auto it = m_tables.find(tdefPage);
    if (it != m_tables.end())
        return it->second.get();
    auto def = ReadTableDef(*m_pager, tdefPage);
    if (!def.ok())
        return def.status();
    auto table = std::make_unique<Table>(*m_pager, std::move(def).value(), std::u16string(name), m_allocator.get());
    Table* raw = table.get();
    m_tables.emplace(tdefPage, std::move(table));
    return raw;
}

Result<Table*> DatabaseImpl::OpenTable(std::u16string_view name)
{
    if (m_closed)
        return ClosedError();
    for (const auto& e : m_catalog) {
        if (e.IsUserTable() && NamesEqual(e.name, name)) {
            if (e.id <= 0)
                return Errors::CorruptDatabase(
                    m_path, Errors::CorruptPage(fmt::kCatalogPage, "a table has no definition page"));
            return TableAt(static_cast<PageNumber>(e.id), e.name);
        }
    }
    return TableNotFound(name);
}

Result<TableInfo> DatabaseImpl::DescribeTable(const std::string& name)
{
    auto table = OpenTable(Utf8ToUtf16(name));
    if (!table.ok())
        return table.status();
    const TableDef& def = (*table)->def();
    TableInfo info;
    info.name = Utf16ToUtf8((*table)->name());
    info.definitionPage = def.tdefPage;
    info.rowCount = def.rowCount;
    for (const auto& c : def.columns) {
        ColumnInfo ci;
        ci.name = Utf16ToUtf8(c.name);
        ci.type = PublicType(c);
        ci.number = c.number;
        ci.size = c.length;
        ci.fixedLength = c.IsFixed();
        ci.autoNumber = c.IsAutoNumber() || (c.flags & fmt::kColFlagAutoGuid) != 0;
        ci.compressedUnicode = c.IsCompressible();
        info.columns.push_back(std::move(ci));
    }
    for (const auto& li : def.logicalIndexes) {
        const RealIndexDef& real = def.realIndexes[li.realIndex];
        IndexInfo ii;
        ii.name = Utf16ToUtf8(li.name);
        for (const auto& k : real.columns) {
            const ColumnDef* c = def.ColumnByNumber(k.columnNumber);
            ii.columns.push_back({c ? Utf16ToUtf8(c->name) : std::string(), k.ascending});
        }
        ii.primaryKey = li.IsPrimaryKey();
        ii.unique = def.IsUniqueIndex(li.realIndex);
        ii.ignoreNulls = real.IgnoresNulls();
        ii.required = (real.flags & IndexFlags::kRequired) != 0;
        ii.foreignKey = li.IsForeignKey();
        ii.realIndex = static_cast<int>(li.realIndex);
        info.indexes.push_back(std::move(ii));
    }
    return info;
}

Status DatabaseImpl::ReloadCatalog()
{
    auto catalog = ReadCatalog(*m_pager);
    if (!catalog.ok())
        return catalog.status();
    m_catalog = std::move(catalog).value();
    return Status::OK();
}

Status DatabaseImpl::Flush()
{
    if (m_closed)
        return ClosedError();
    return m_pager->Flush();
}

void DatabaseImpl::ExpectChanges(uint64_t rows)
{
    // A row changes its data page and an index leaf or two; most of the
    // index and map pages are shared.
    if (!m_closed)
        m_pager->ExpectChanges(rows * 2);
}

std::string DatabaseImpl::LastCommitNote() const
{
    return m_pager->whyInPlace();
}

Status DatabaseImpl::End(bool commit)
{
    if (m_closed)
        return ClosedError();
    Status s = commit ? m_pager->Close() : m_pager->Abandon();
    m_closed = true;
    m_pager->ReleaseFile();
    return s;
}

} // namespace jet
