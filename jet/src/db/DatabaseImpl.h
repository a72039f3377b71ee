#pragma once

#include "catalog/Catalog.h"
#include "io/Header.h"
#include "io/Pager.h"
#include "page/PageAllocator.h"
#include "table/Table.h"

#include <jet/Database.h>

#include <map>
#include <memory>

namespace jet {

// The engine's Database: the pager, the header and the catalog, and the
// tables opened so far (kept for the database's lifetime so record sets can
// share them).
class DatabaseImpl final : public Database {
public:
    // Opens `file` (already open) as a Jet 4.0 database. `path` names it in
    // error descriptions.
    // `journal` (may be null: no journal) is where a writable database keeps
    // its rollback journal.
    static Result<std::unique_ptr<DatabaseImpl>> OpenWith(std::unique_ptr<File> file, const std::string& path,
                                                          const std::u16string& password, const OpenOptions& options,
                                                          std::unique_ptr<JournalLocation> journal = nullptr);
    ~DatabaseImpl() override;

    Result<std::vector<std::string>> ListTables() override;
    Result<TableInfo> DescribeTable(const std::string& name) override;
    const JournalState& recovery() const override { return m_recovery; }
    void SetRecovery(JournalState state) { m_recovery = std::move(state); }
    bool HasPassword() const override { return !m_header.password.empty(); }
    bool IsEncrypted() const override { return m_header.encryptionKey != 0; }
    const std::string& path() const override { return m_path; }
    Status Flush() override;
    Status Close() override { return End(/*commit=*/true); }
    void ExpectChanges(uint64_t rows) override;
    std::string LastCommitNote() const override;
    Status Abandon() override { return End(/*commit=*/false); }

    // ---- Engine internals ----
    bool IsOpen() const { return !m_closed; }
    Status ClosedError() const;
    Pager& pager() { return *m_pager; }
    // The global free-page map; null when the database is read-only.
    PageAllocator* allocator() { return m_allocator.get(); }
    const DatabaseHeader& header() const { return m_header; }
    const std::vector<CatalogEntry>& catalog() const { return m_catalog; }
    // A user table by name, without regard to case.
    Result<Table*> OpenTable(std::u16string_view name);
    // Any table of the catalog (system tables included) by its definition page.
    Result<Table*> TableAt(PageNumber tdefPage, std::u16string_view name);
    // Re-reads the catalog, after a table was added to it.
    Status ReloadCatalog();

private:
    // Closes the file, committing or dropping the open transaction.
    Status End(bool commit);
    DatabaseImpl() = default;

    std::string m_path;
    std::unique_ptr<Pager> m_pager;
    std::unique_ptr<PageAllocator> m_allocator; // writable databases only
    DatabaseHeader m_header;
    std::vector<CatalogEntry> m_catalog;
    std::map<PageNumber, std::unique_ptr<Table>> m_tables;
    JournalState m_recovery;
    bool m_closed = false;
};

// Error descriptions shared by the record set and the database.
Status TableNotFound(std::u16string_view name);

} // namespace jet
