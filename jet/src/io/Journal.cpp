#include "io/Journal.h"

#include "util/Coding.h"
#include "util/Hash.h"

#include <jet/Diagnostics.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace jet {
namespace {

constexpr char kMagic[8] = {'J', 'E', 'T', 'J', 'R', 'N', 'L', '1'};
constexpr size_t kNameOffset = 42;
constexpr size_t kMaxName = 255;
constexpr size_t kHeaderHashOffset = kJournalHeaderSize - 8;
// Records read and hashed per write call.
constexpr size_t kRecordsPerWrite = 256;

struct Header {
    uint64_t nonce = 0;
    uint32_t originalPages = 0;
    uint64_t firstPageHash = 0;
    std::string name;
};

uint64_t PageHash(const uint8_t* page)
{
    return Hash64(page, kPageSize, 0);
}

void EncodeHeader(const Header& h, uint8_t* out)
{
    std::memset(out, 0, kJournalHeaderSize);
    std::memcpy(out, kMagic, sizeof kMagic);
    StoreU32(out + 8, kJournalHeaderSize);
    StoreU32(out + 12, kPageSize);
    StoreU64(out + 16, h.nonce);
    StoreU32(out + 24, h.originalPages);
    StoreU64(out + 32, h.firstPageHash);
    const size_t nameLength = std::min(h.name.size(), kMaxName);
    StoreU16(out + 40, static_cast<uint16_t>(nameLength));
    std::memcpy(out + kNameOffset, h.name.data(), nameLength);
    StoreU64(out + kHeaderHashOffset, Hash64(out, kHeaderHashOffset, 0));
}

// False for anything but a whole header of this format.
bool DecodeHeader(const uint8_t* in, Header& h)
{
    if (std::memcmp(in, kMagic, sizeof kMagic) != 0 || LoadU32(in + 8) != kJournalHeaderSize
        || LoadU32(in + 12) != kPageSize || LoadU64(in + kHeaderHashOffset) != Hash64(in, kHeaderHashOffset, 0))
        return false;
    const size_t nameLength = LoadU16(in + 40);
    if (nameLength > kMaxName)
        return false;
    h.nonce = LoadU64(in + 16);
    h.originalPages = LoadU32(in + 24);
    h.firstPageHash = LoadU64(in + 32);
    h.name.assign(reinterpret_cast<const char*>(in + kNameOffset), nameLength);
    return true;
}

uint64_t RecordHash(uint64_t nonce, const uint8_t* record)
{
    return Hash64(record, 4 + kPageSize, nonce);
}

uint64_t NewNonce()
{
    static uint64_t counter = 0;
    uint64_t value = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
        ^ (static_cast<uint64_t>(::getpid()) << 32) ^ (++counter * 0x9E3779B97F4A7C15ULL);
    try {
        std::random_device device;
        value ^= (static_cast<uint64_t>(device()) << 32) ^ device();
    } catch (const std::exception&) {
        // The clock, the process and the counter are enough to tell
        // transactions apart.
    }
    return value == 0 ? 1 : value;
}

// Reads a journal: its header and the whole records after it, in order.
// `visit` gets each record's page number and image.
template <typename Visit>
Status ReadJournal(File& journal, const std::string& databaseName, File& database, JournalContents& out, Visit&& visit)
{
    out = JournalContents{};
    out.kind = JournalContents::Kind::kEmpty;
    auto size = journal.Size();
    if (!size.ok())
        return size.status();
    if (*size < kJournalHeaderSize)
        return Status::OK();
    uint8_t raw[kJournalHeaderSize];
    JET_RETURN_IF_ERROR(journal.Read(0, raw, sizeof raw));
    Header header;
    if (!DecodeHeader(raw, header)) {
        // A header never made whole: the transaction wrote no page yet.
        return Status::OK();
    }
    std::vector<uint8_t> record(kJournalRecordSize);
    std::optional<uint64_t> firstPageHash;
    uint32_t records = 0;
    for (uint64_t at = kJournalHeaderSize; at + kJournalRecordSize <= *size; at += kJournalRecordSize) {
        JET_RETURN_IF_ERROR(journal.Read(at, record.data(), record.size()));
        const uint32_t page = LoadU32(record.data());
        if (LoadU64(record.data() + 4 + kPageSize) != RecordHash(header.nonce, record.data())
            || page >= header.originalPages)
            break;
        if (page == 0 && !firstPageHash)
            firstPageHash = PageHash(record.data() + 4);
        JET_RETURN_IF_ERROR(visit(page, record.data() + 4));
        ++records;
    }
    if (records == 0)
        return Status::OK();
    out.kind = JournalContents::Kind::kForeign;
    out.records = records;
    out.originalPages = header.originalPages;
    if (header.name != databaseName) {
        out.reason = "it was written for '" + header.name + "'";
        return Status::OK();
    }
    auto databaseSize = database.Size();
    if (!databaseSize.ok())
        return databaseSize.status();
    if (*databaseSize < static_cast<uint64_t>(header.originalPages) * kPageSize) {
        out.reason = "the file is shorter than when the journal was written";
        return Status::OK();
    }
    if (!firstPageHash) {
        Page first;
        JET_RETURN_IF_ERROR(database.Read(0, first.data(), kPageSize));
        firstPageHash = PageHash(first.data());
    }
    if (*firstPageHash != header.firstPageHash) {
        out.reason = "its first page is another";
        return Status::OK();
    }
    out.kind = JournalContents::Kind::kHot;
    return Status::OK();
}

Result<JournalContents> Inspect(File& database, const std::string& databaseName, JournalLocation& location,
                                std::unique_ptr<File>& journal)
{
    auto opened = location.OpenForReading();
    if (!opened.ok()) {
        if (opened.status().IsNotFound())
            return JournalContents{};
        return opened.status();
    }
    journal = std::move(opened).value();
    JournalContents contents;
    JET_RETURN_IF_ERROR(
        ReadJournal(*journal, databaseName, database, contents, [](uint32_t, const uint8_t*) { return Status::OK(); }));
    return contents;
}

Status RemoveJournal(JournalLocation& location)
{
    JET_RETURN_IF_ERROR(location.Remove());
    return location.SyncDirectory();
}

// ---- On disk ----

class PosixJournalLocation final : public JournalLocation {
public:
    explicit PosixJournalLocation(std::string path)
        : m_path(std::move(path))
    {
        const size_t slash = m_path.rfind('/');
        m_directory = slash == std::string::npos ? std::string(".")
            : slash == 0                         ? std::string("/")
                                                 : m_path.substr(0, slash);
    }

    const std::string& path() const override { return m_path; }

    Result<bool> Exists() override
    {
        struct stat st;
        if (::lstat(m_path.c_str(), &st) == 0)
            return true;
        if (errno == ENOENT || errno == ENOTDIR)
            return false;
        return Errors::DiskError("stat '" + m_path + "': " + std::strerror(errno));
    }

    Result<std::unique_ptr<File>> Open(bool create) override { return OpenUnlockedPosixFile(m_path, true, create); }
    Result<std::unique_ptr<File>> OpenForReading() override { return OpenUnlockedPosixFile(m_path, false, false); }

    Status Remove() override
    {
        if (::unlink(m_path.c_str()) != 0 && errno != ENOENT)
            return Errors::DiskError("remove '" + m_path + "': " + std::strerror(errno));
        return Status::OK();
    }

    Status SyncDirectory() override { return jet::SyncDirectory(m_directory); }

private:
    std::string m_path;
    std::string m_directory;
};

std::atomic<uint64_t> g_fileBytes{0};
std::atomic<uint64_t> g_journalBytes{0};
std::atomic<uint64_t> g_commits{0};
std::atomic<uint64_t> g_copyBytes{0};

} // namespace

std::string JournalPathFor(const std::string& databasePath)
{
    return ResolvedPath(databasePath) + "-journal";
}

void CountWrites(uint64_t fileBytes, uint64_t journalBytes, uint64_t commits)
{
    g_fileBytes += fileBytes;
    g_journalBytes += journalBytes;
    g_commits += commits;
}

WriteCounters ProcessWriteCounters()
{
    return WriteCounters{g_fileBytes.load(), g_journalBytes.load(), g_commits.load(), g_copyBytes.load()};
}

void CountCopy(uint64_t bytes)
{
    g_copyBytes += bytes;
}

std::string DatabaseNameFor(const std::string& databasePath)
{
    const std::string resolved = ResolvedPath(databasePath);
    const size_t slash = resolved.rfind('/');
    return slash == std::string::npos ? resolved : resolved.substr(slash + 1);
}

std::unique_ptr<JournalLocation> JournalBeside(const std::string& databasePath)
{
    return std::make_unique<PosixJournalLocation>(JournalPathFor(databasePath));
}

Result<JournalContents> InspectJournal(File& database, const std::string& databaseName, JournalLocation& location)
{
    std::unique_ptr<File> journal;
    return Inspect(database, databaseName, location, journal);
}

Result<JournalContents> PlayBackJournal(File& database, const std::string& databaseName, JournalLocation& location)
{
    std::unique_ptr<File> journal;
    auto contents = Inspect(database, databaseName, location, journal);
    if (!contents.ok())
        return contents.status();
    if (contents->kind == JournalContents::Kind::kNone)
        return contents;
    if (contents->kind == JournalContents::Kind::kHot) {
        JournalContents again;
        JET_RETURN_IF_ERROR(
            ReadJournal(*journal, databaseName, database, again, [&](uint32_t page, const uint8_t* image) {
                return database.Write(static_cast<uint64_t>(page) * kPageSize, image, kPageSize);
            }));
        auto size = database.Size();
        if (!size.ok())
            return size.status();
        const uint64_t original = static_cast<uint64_t>(contents->originalPages) * kPageSize;
        if (*size > original)
            JET_RETURN_IF_ERROR(database.Truncate(original));
        JET_RETURN_IF_ERROR(database.Sync());
    }
    journal.reset();
    JET_RETURN_IF_ERROR(RemoveJournal(location));
    return contents;
}

// ---- Writing ----

JournalWriter::JournalWriter(std::unique_ptr<JournalLocation> location, std::string databaseName)
    : m_location(std::move(location))
    , m_databaseName(std::move(databaseName))
{ }

JournalWriter::~JournalWriter() = default;

Status JournalWriter::EnsureOpen()
{
    if (m_file)
        return Status::OK();
    auto file = m_location->Open(/*create=*/true);
    if (!file.ok()) {
        if (file.status().IsNotFound() || file.status().kind() == Status::Kind::kLocked)
            return Errors::DiskError("could not create the journal '" + m_location->path() + "'");
        return file.status();
    }
    m_file = std::move(file).value();
    return Status::OK();
}

Status JournalWriter::Append(File& database, const std::vector<PageNumber>& pages, uint32_t transactionPageCount)
{
    if (pages.empty())
        return Status::OK();
    JET_RETURN_IF_ERROR(EnsureOpen());
    uint64_t at = m_end;
    m_buffer.clear();
    if (m_records == 0) {
        Header header;
        header.nonce = NewNonce();
        header.originalPages = transactionPageCount;
        header.name = m_databaseName;
        Page first;
        JET_RETURN_IF_ERROR(database.Read(0, first.data(), kPageSize));
        header.firstPageHash = PageHash(first.data());
        m_nonce = header.nonce;
        m_buffer.resize(kJournalHeaderSize);
        EncodeHeader(header, m_buffer.data());
        at = 0;
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        const size_t offset = m_buffer.size();
        m_buffer.resize(offset + kJournalRecordSize);
        uint8_t* record = m_buffer.data() + offset;
        StoreU32(record, pages[i]);
        JET_RETURN_IF_ERROR(database.Read(static_cast<uint64_t>(pages[i]) * kPageSize, record + 4, kPageSize));
        StoreU64(record + 4 + kPageSize, RecordHash(m_nonce, record));
        if ((i + 1) % kRecordsPerWrite == 0 || i + 1 == pages.size()) {
            JET_RETURN_IF_ERROR(m_file->Write(at, m_buffer.data(), m_buffer.size()));
            at += m_buffer.size();
            m_bytesWritten += m_buffer.size();
            CountWrites(0, m_buffer.size(), 0);
            m_buffer.clear();
        }
    }
    JET_RETURN_IF_ERROR(m_file->Sync());
    ++m_syncs;
    if (!m_directorySynced) {
        // A journal whose name could vanish in a crash would protect nothing.
        JET_RETURN_IF_ERROR(m_location->SyncDirectory());
        m_directorySynced = true;
    }
    m_end = at;
    m_records += static_cast<uint32_t>(pages.size());
    return Status::OK();
}

Status JournalWriter::Commit()
{
    if (m_records == 0)
        return Status::OK();
    // Wiping the header ends the transaction: a journal without a whole
    // header undoes nothing. The records stay where they are, to be written
    // over by the next transaction, so the file keeps its blocks and the sync
    // need not wait for the file system to record freed and new ones (which
    // truncating and growing the journal for every transaction costs).
    // Records beyond the next transaction's end carry an earlier nonce and
    // are never played back.
    static constexpr uint8_t kZeros[kJournalHeaderSize] = {};
    JET_RETURN_IF_ERROR(m_file->Write(0, kZeros, sizeof kZeros));
    JET_RETURN_IF_ERROR(m_file->Sync());
    ++m_syncs;
    m_end = 0;
    m_records = 0;
    return Status::OK();
}

Status JournalWriter::Remove()
{
    if (!m_file)
        return Status::OK(); // never created
    m_file.reset();
    m_end = 0;
    m_records = 0;
    m_directorySynced = false;
    return RemoveJournal(*m_location);
}

Status JournalWriter::RollBack(File& database)
{
    m_file.reset();
    m_end = 0;
    m_records = 0;
    m_directorySynced = false;
    auto played = PlayBackJournal(database, m_databaseName, *m_location);
    return played.ok() ? Status::OK() : played.status();
}

} // namespace jet
