// pafdm-jet: looks inside Jet 4.0 database files through the engine's public API.
#include <jet/Database.h>
#include <jet/Diagnostics.h>
#include <jet/Recordset.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;
constexpr int kExitCannotOpen = 2;

const char kHelp[] = R"(Usage: pafdm-jet COMMAND FILE [TABLE] [--password P]

Looks inside a Jet 4.0 (Access 2000-2003) database file. The file is opened
read-only, and changed only to undo a write that was interrupted (a crash or
a power cut while this program wrote it left a journal "FILE-journal"
beside it): info and dump undo it before they read the file and say so on
standard error, check reports it and changes nothing, recover undoes it.

Commands:
  info FILE            format, whether a database password is set, and each
                       user table with its row count, columns (name, type,
                       size) and indexes (name, columns, unique, primary)
  dump FILE TABLE      every row of TABLE in table order, one JSON object per
                       line, keys the column names in column order: null,
                       true/false, integers, Single/Double as the shortest
                       number that reads back the same, Currency and Decimal as
                       decimal strings, Date/Time as "YYYY-MM-DDTHH:MM:SS" (with
                       ".fff" when there are fractions of a second), Text and
                       Memo as strings, binary and OLE as base64, GUID as
                       "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
  check FILE           read-only integrity check: pages, free-page map, table
                       definitions, every row reachable and readable, row
                       counts, usage maps, long-value chains and every index
                       (order, one entry per row, keys, uniqueness); prints
                       each problem found, and a journal left by an
                       interrupted write as a problem
  recover FILE         undoes an interrupted write now: puts back the pages
                       saved in the journal beside FILE and removes it (a
                       journal with nothing to undo, or of another file, is
                       removed); needs write access to FILE and its folder

Options:
  --password P         the database password (also --password=P)
  --help               show this text

Exit status:
  0  success; for check: the file is consistent
  1  check found problems (each printed on standard output), or a dump or
     info stopped at an unreadable part of the file (message on standard error)
  2  usage error, or the file cannot be opened (missing, not a Jet 4.0
     database, wrong password, in use by a writer for recover, needs recovery
     that cannot be done here); the reason is printed on standard error
)";

struct Arguments {
    std::string command;
    std::vector<std::string> positional;
    std::string password;
};

int Fail(const jet::Status& status, int code)
{
    std::fprintf(stderr, "pafdm-jet: %s\n", status.ToString().c_str());
    return code;
}

std::string SizeText(const jet::ColumnInfo& c)
{
    if (c.type == jet::ColumnType::kText)
        return std::to_string(c.size / 2) + " characters";
    if (c.type == jet::ColumnType::kMemo || c.type == jet::ColumnType::kOle)
        return "long value";
    if (c.type == jet::ColumnType::kBoolean)
        return "1 bit";
    return std::to_string(c.size) + (c.size == 1 ? " byte" : " bytes");
}

int RunInfo(jet::Database& db)
{
    std::printf("Format: Jet 4.0 (Access 2000-2003)\n");
    std::printf("Database password: %s\n", db.HasPassword() ? "set" : "none");
    std::printf("Page encryption: %s\n", db.IsEncrypted() ? "RC4" : "none");
    auto tables = db.ListTables();
    if (!tables.ok())
        return Fail(tables.status(), kExitProblems);
    for (const auto& name : *tables) {
        auto info = db.DescribeTable(name);
        if (!info.ok())
            return Fail(info.status(), kExitProblems);
        auto rs = jet::Recordset::Open(db, "[" + name + "]", jet::CursorType::kStatic, jet::LockType::kReadOnly);
        if (!rs.ok())
            return Fail(rs.status(), kExitProblems);
        const int64_t rows = (*rs)->RecordCount();
        if (rows < 0)
            return Fail(jet::Status::Corruption("cannot count the rows of " + name), kExitProblems);
        std::printf("\nTable %s: %lld rows\n", name.c_str(), static_cast<long long>(rows));
        std::printf("  Columns:\n");
        for (const auto& c : info->columns) {
            std::printf("    %s  %s%s (%s)\n", c.name.c_str(), jet::ColumnTypeName(c.type).c_str(),
                        c.autoNumber ? " AutoNumber" : "", SizeText(c).c_str());
        }
        std::printf("  Indexes:%s\n", info->indexes.empty() ? " none" : "");
        for (const auto& ix : info->indexes) {
            std::string columns;
            for (const auto& col : ix.columns)
                columns += (columns.empty() ? "" : ", ") + col.column + (col.ascending ? "" : " DESC");
            std::printf("    %s (%s)%s%s%s\n", ix.name.c_str(), columns.c_str(), ix.unique ? " unique" : "",
                        ix.primaryKey ? " primary" : "", ix.foreignKey ? " foreign" : "");
        }
    }
    return kExitOk;
}

int RunDump(jet::Database& db, const std::string& table)
{
    auto rs = jet::Recordset::Open(db, "[" + table + "]", jet::CursorType::kStatic, jet::LockType::kReadOnly);
    if (!rs.ok())
        return Fail(rs.status(), kExitCannotOpen);
    jet::Recordset& r = **rs;
    std::vector<std::string> keys;
    for (int i = 0; i < r.FieldCount(); ++i)
        keys.push_back(jet::JsonQuote(r.FieldName(i)) + ":");
    std::string line;
    while (!r.IsEOF()) {
        line = "{";
        for (int i = 0; i < r.FieldCount(); ++i) {
            auto value = r.FieldAt(i);
            if (!value.ok())
                return Fail(value.status(), kExitProblems);
            if (i > 0)
                line += ',';
            line += keys[static_cast<size_t>(i)];
            line += jet::ValueToJson(*value);
        }
        line += "}\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
        if (jet::Status s = r.MoveNext(); !s.ok())
            return Fail(s, kExitProblems);
    }
    return kExitOk;
}

int RunCheck(const std::string& path, const std::string& password)
{
    auto report = jet::CheckDatabase(path, password);
    if (!report.ok())
        return Fail(report.status(), kExitCannotOpen);
    for (const auto& w : report->warnings)
        std::printf("warning: %s\n", w.c_str());
    for (const auto& p : report->problems)
        std::printf("problem: %s\n", p.c_str());
    std::printf("%d tables, %lld rows, %lld index entries checked: %s\n", report->tablesChecked,
                static_cast<long long>(report->rowsChecked), static_cast<long long>(report->indexEntriesChecked),
                report->problems.empty() ? "consistent" : "PROBLEMS FOUND");
    return report->problems.empty() ? kExitOk : kExitProblems;
}

int RunRecover(const std::string& path)
{
    auto state = jet::RecoverDatabase(path);
    if (!state.ok())
        return Fail(state.status(), kExitCannotOpen);
    std::printf("%s\n", state->Describe(path).c_str());
    return kExitOk;
}

} // namespace

int main(int argc, char** argv)
{
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return kExitOk;
        }
        if (arg == "--password") {
            if (i + 1 >= argc) {
                std::fputs("pafdm-jet: --password needs a value\n", stderr);
                return kExitCannotOpen;
            }
            args.password = argv[++i];
        } else if (arg.rfind("--password=", 0) == 0) {
            args.password = arg.substr(11);
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "pafdm-jet: unknown option %s\n", arg.c_str());
            return kExitCannotOpen;
        } else if (args.command.empty()) {
            args.command = arg;
        } else {
            args.positional.push_back(arg);
        }
    }
    const size_t wanted = args.command == "dump" ? 2 : 1;
    if ((args.command != "info" && args.command != "dump" && args.command != "check" && args.command != "recover")
        || args.positional.size() != wanted) {
        std::fputs("Usage: pafdm-jet info|dump|check|recover FILE [TABLE] [--password P]  (--help for more)\n", stderr);
        return kExitCannotOpen;
    }
    const std::string& path = args.positional[0];
    if (args.command == "check")
        return RunCheck(path, args.password);
    if (args.command == "recover")
        return RunRecover(path);

    jet::OpenOptions options;
    options.readOnly = true;
    auto db = jet::Database::OpenFile(path, args.password, options);
    if (!db.ok())
        return Fail(db.status(), kExitCannotOpen);
    if ((*db)->recovery().resolved)
        std::fprintf(stderr, "pafdm-jet: %s\n", (*db)->recovery().Describe(path).c_str());
    return args.command == "info" ? RunInfo(**db) : RunDump(**db, args.positional[1]);
}
