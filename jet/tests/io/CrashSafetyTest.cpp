// Crash safety of writes: power cuts at every stage of a merge-like run of
// row writes, and failing writes, syncs and truncates, on a simulated disk.
// After each, playing the journal back must leave a consistent file that
// holds the rows of some committed prefix of the run and the old date, or
// the whole run and the new date.

#include "db/Check.h"
#include "db/DatabaseImpl.h"
#include "helpers/Fixtures.h"
#include "io/Journal.h"
#include "io/Pager.h"
#include "io/SimulatedDisk.h"
#include "util/Hash.h"

#include <jet/Recordset.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <set>

namespace jet::test {
namespace {

constexpr char kName[] = "PAF_FULL.dat";
constexpr char kJournal[] = "PAF_FULL.dat-journal";
constexpr char16_t kPassword[] = u"tallowmere";
constexpr char16_t kOldDate[] = u"20070201";
constexpr char16_t kNewDate[] = u"20070301";

// One row of the run: an existing postcode gets a new address, a new one
// is added.
struct Step {
    std::u16string postcode;
    std::u16string address;
    bool existing = false;
};

std::u16string Utf16(const std::string& s)
{
    return jet::Utf8ToUtf16(s);
}

class CrashSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_original = ReadFileBytes(FixtureFilePath("fixtures/jet4/dataset/PAF_FULL.dat"));
        // Every third postcode of the file gets a new address; as many new
        // postcodes come in between. Addresses of every length move rows
        // between pages and make and free long values.
        SimulatedDisk disk;
        disk.Put(kName, m_original);
        auto db = OpenOn(disk, {.readOnly = true});
        auto rs = jet::Recordset::Open(*db, "PAF_FULLAddress", jet::CursorType::kStatic, jet::LockType::kReadOnly);
        ASSERT_TRUE(rs.ok());
        for (int i = 0; !(*rs)->IsEOF() && m_steps.size() < 60; ++i) {
            if (i % 3 != 0) {
                ASSERT_TRUE((*rs)->MoveNext().ok());
                continue;
            }
            const auto code = (*rs)->Field("FT_PostCode").value().As<std::u16string>();
            m_originalAddress[code] = (*rs)->Field("FT_Address").value();
            const size_t n = m_steps.size();
            m_steps.push_back(
                {code, Utf16("merge " + std::to_string(n) + "\r\n" + std::string((n * 53) % 1900, 'x')), true});
            m_steps.push_back({Utf16("ZZ" + std::to_string(n) + " 9ZZ"),
                               Utf16("merge " + std::to_string(n + 1) + "\r\n" + std::string((n * 31) % 700, 'y')),
                               false});
            ASSERT_TRUE((*rs)->MoveNext().ok());
        }
    }

    static std::unique_ptr<jet::DatabaseImpl> OpenOn(SimulatedDisk& disk, jet::OpenOptions options)
    {
        auto journal = options.readOnly ? nullptr : disk.Journal(kJournal);
        auto db = jet::DatabaseImpl::OpenWith(disk.Open(kName), kName, kPassword, options, std::move(journal));
        EXPECT_TRUE(db.ok()) << db.status().ToString();
        return db.ok() ? std::move(db).value() : nullptr;
    }

    // The run: each step found by its postcode and written, then the
    // version date, then the close. Stops at the first failure.
    // The run as the merge makes it: one transaction, committed by the close,
    // and dropped whole when a step fails.
    jet::Status RunMerge(jet::Database& db) const
    {
        const jet::Status applied = ApplySteps(db);
        if (!applied.ok()) {
            (void)db.Abandon();
            return applied;
        }
        return db.Close();
    }

    jet::Status ApplySteps(jet::Database& db) const
    {
        auto opened =
            jet::Recordset::Open(db, "PAF_FULLAddress", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        if (!opened.ok())
            return opened.status();
        jet::Recordset& rs = **opened;
        for (const Step& step : m_steps) {
            JET_RETURN_IF_ERROR(rs.MoveFirst());
            JET_RETURN_IF_ERROR(rs.FindFirst("FT_PostCode", step.postcode));
            if (rs.IsEOF()) {
                JET_RETURN_IF_ERROR(rs.AddNew());
                JET_RETURN_IF_ERROR(rs.SetField("FT_PostCode", jet::Value(step.postcode)));
            }
            JET_RETURN_IF_ERROR(rs.SetField("FT_Address", jet::Value(step.address)));
            JET_RETURN_IF_ERROR(rs.SetField("FT_Update", jet::Value(std::u16string(u"U"))));
            if (jet::Status s = rs.Update(); !s.ok()) {
                rs.CancelUpdate();
                return s;
            }
        }
        JET_RETURN_IF_ERROR(rs.Close());
        auto version = jet::Recordset::Open(db, "Version", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        if (!version.ok())
            return version.status();
        JET_RETURN_IF_ERROR((*version)->MoveFirst());
        while (!(*version)->IsEOF() && (*version)->Field("id").value().ToUtf8() != "2")
            JET_RETURN_IF_ERROR((*version)->MoveNext());
        JET_RETURN_IF_ERROR((*version)->SetField("text", jet::Value(std::u16string(kNewDate))));
        JET_RETURN_IF_ERROR((*version)->Update());
        return (*version)->Close();
    }

    // The disk operations of an uninterrupted run (0 when it fails).
    uint64_t OperationsOfAWholeRun() const
    {
        SimulatedDisk disk;
        disk.Put(kName, m_original);
        auto db = OpenOn(disk, kSmall);
        const jet::Status run = RunMerge(*db);
        EXPECT_TRUE(run.ok()) << run.ToString();
        return run.ok() ? disk.operations() : 0;
    }

    // Puts the original file on `disk` and runs the merge on it until every
    // operation from the `after`-th on fails.
    void InterruptRun(SimulatedDisk& disk, uint64_t after) const
    {
        disk.Put(kName, m_original);
        auto db = OpenOn(disk, kSmall);
        disk.FailFrom(after);
        (void)RunMerge(*db);
    }

    // A disk on which the run was interrupted at the first operation from
    // the `after`-th on whose failure (and every one after it) leaves a
    // journal to play back: a point between commits. (Where commits fall
    // depends on how busy the writer thread is, so each try is kept.)
    std::unique_ptr<SimulatedDisk> InterruptedWithHotJournal(uint64_t after) const
    {
        for (uint64_t k = after; k < after + 1000; ++k) {
            auto disk = std::make_unique<SimulatedDisk>();
            InterruptRun(*disk, k);
            disk->Heal();
            auto file = disk->Open(kName);
            auto location = disk->Journal(kJournal);
            auto found = jet::InspectJournal(*file, kName, *location);
            if (found.ok() && found->kind == jet::JournalContents::Kind::kHot)
                return disk;
        }
        ADD_FAILURE() << "no interruption after operation " << after << " left a journal to play back";
        return std::make_unique<SimulatedDisk>();
    }

    // What the next open does: plays a hot journal back.
    static void Recover(SimulatedDisk& disk)
    {
        auto file = disk.Open(kName);
        auto journal = disk.Journal(kJournal);
        auto played = jet::PlayBackJournal(*file, kName, *journal);
        ASSERT_TRUE(played.ok()) << played.status().ToString();
        EXPECT_FALSE(disk.Exists(kJournal)) << "recovery removes the journal";
    }

    // The file is consistent and holds none of the run with the old date, or
    // all of it with the new date (the run is one transaction). Returns how
    // many of the run's rows it holds.
    size_t ExpectCommittedPrefix(SimulatedDisk& disk, const std::string& context) const
    {
        SCOPED_TRACE(context);
        auto db = OpenOn(disk, {.readOnly = true});
        if (db == nullptr)
            return 0;
        jet::CheckReport report;
        jet::CheckOpenDatabase(*db, report);
        EXPECT_TRUE(report.problems.empty()) << report.problems.front();

        std::map<std::u16string, jet::Value> address;
        auto rs = jet::Recordset::Open(*db, "PAF_FULLAddress", jet::CursorType::kStatic, jet::LockType::kReadOnly);
        EXPECT_TRUE(rs.ok());
        if (!rs.ok())
            return 0;
        size_t rows = 0;
        while (!(*rs)->IsEOF()) {
            address[(*rs)->Field("FT_PostCode").value().As<std::u16string>()] = (*rs)->Field("FT_Address").value();
            ++rows;
            if (!(*rs)->MoveNext().ok()) {
                ADD_FAILURE() << "the table cannot be read to its end";
                break;
            }
        }

        size_t prefix = 0;
        while (prefix < m_steps.size() && address.count(m_steps[prefix].postcode) != 0
               && address[m_steps[prefix].postcode] == jet::Value(m_steps[prefix].address))
            ++prefix;
        size_t added = 0;
        for (size_t i = 0; i < m_steps.size(); ++i) {
            const Step& step = m_steps[i];
            if (i < prefix) {
                added += step.existing ? 0 : 1;
                continue;
            }
            if (step.existing) {
                EXPECT_EQ(address[step.postcode], m_originalAddress.at(step.postcode))
                    << "step " << i << " after the prefix of " << prefix << " changed its row";
            } else {
                EXPECT_EQ(address.count(step.postcode), 0u)
                    << "step " << i << " after the prefix of " << prefix << " added its row";
            }
        }
        EXPECT_EQ(rows, 3000 + added);

        auto version = jet::Recordset::Open(*db, "SELECT * From [version] WHERE [id]=2;", jet::CursorType::kStatic,
                                            jet::LockType::kReadOnly);
        EXPECT_TRUE(version.ok());
        if (!version.ok())
            return prefix;
        EXPECT_TRUE(prefix == 0 || prefix == m_steps.size())
            << "the file holds " << prefix << " of the run's " << m_steps.size() << " rows";
        const auto date = (*version)->Field("text").value().As<std::u16string>();
        if (prefix < m_steps.size())
            EXPECT_EQ(date, kOldDate) << "the date moved before the last row";
        else
            EXPECT_TRUE(date == kOldDate || date == kNewDate);
        return prefix;
    }

    // A merge on a fresh disk with a small cache, so that its changed pages
    // leave the cache for the file (under the journal) all along the run.
    static constexpr jet::OpenOptions kSmall{.cachePages = 24};

    std::vector<uint8_t> m_original;
    std::vector<Step> m_steps;
    std::map<std::u16string, jet::Value> m_originalAddress;
};

TEST_F(CrashSafetyTest, AnUninterruptedRunCommitsOnceAndLeavesNoJournal)
{
    SimulatedDisk disk;
    disk.Put(kName, m_original);
    auto db = OpenOn(disk, kSmall);
    ASSERT_TRUE(RunMerge(*db).ok());
    EXPECT_EQ(db->pager().commits(), 1u);
    EXPECT_GT(db->pager().journalBytes(), 0u);
    EXPECT_FALSE(disk.Exists(kJournal));
    db.reset();
    EXPECT_EQ(ExpectCommittedPrefix(disk, "uninterrupted"), m_steps.size());
}

// The power goes after the k-th operation, for k spread over the whole run;
// the disk keeps an arbitrary part of what was not synced.
TEST_F(CrashSafetyTest, APowerCutAnywhereLeavesACommittedPrefix)
{
    const uint64_t total = OperationsOfAWholeRun();
    ASSERT_GT(total, 20u);
    std::mt19937 rng(20070301);
    std::set<size_t> prefixes;
    const uint64_t step = std::max<uint64_t>(1, total / 60);
    for (uint64_t k = 1; k <= total + 1; k += step) {
        for (int cut = 0; cut < 2; ++cut) {
            SimulatedDisk disk;
            disk.Put(kName, m_original);
            {
                auto db = OpenOn(disk, kSmall);
                disk.FailFrom(k);
                (void)RunMerge(*db);
            } // whatever the closing tries fails too: the machine is off
            disk.PowerCut(rng);
            Recover(disk);
            prefixes.insert(ExpectCommittedPrefix(disk, "power cut after operation " + std::to_string(k)));
            if (HasFailure())
                return;
        }
    }
    EXPECT_EQ(prefixes, (std::set<size_t>{0, m_steps.size()})) << "cuts before and after the commit";
}

// A torn journal, or one whose records were never all made durable, is not
// played back beyond its last whole record; the result is still a prefix.
TEST_F(CrashSafetyTest, APowerCutDuringRecoveryIsRecoveredAgain)
{
    std::mt19937 rng(7);
    const auto interrupted = InterruptedWithHotJournal(5);
    SimulatedDisk& disk = *interrupted;
    disk.PowerCut(rng);
    ASSERT_TRUE(disk.Exists(kJournal));
    // The first recovery loses power half-way too.
    {
        auto file = disk.Open(kName);
        auto journal = disk.Journal(kJournal);
        disk.FailFrom(6);
        (void)jet::PlayBackJournal(*file, kName, *journal);
    }
    disk.PowerCut(rng);
    Recover(disk);
    ExpectCommittedPrefix(disk, "recovered twice");
}

// The k-th write, sync, truncate or folder operation fails, for every k of
// the run (once, or from then on as when the disk is gone): the failure is
// reported, and the file is left (after the next open) with a committed
// prefix, never a mix.
class FaultTest : public CrashSafetyTest, public ::testing::WithParamInterface<bool> { };

TEST_P(FaultTest, EveryFailingOperationLeavesACommittedPrefix)
{
    const bool once = GetParam();
    const uint64_t total = OperationsOfAWholeRun();
    ASSERT_GT(total, 20u);
    for (uint64_t k = 1; k <= total; ++k) {
        SimulatedDisk disk;
        disk.Put(kName, m_original);
        jet::Status outcome;
        {
            auto db = OpenOn(disk, kSmall);
            if (once)
                disk.FailOnce(k);
            else
                disk.FailFrom(k);
            outcome = RunMerge(*db);
        }
        disk.Heal();
        Recover(disk);
        const size_t prefix = ExpectCommittedPrefix(disk, "operation " + std::to_string(k) + " fails");
        if (!outcome.ok()) {
            EXPECT_EQ(outcome.kind(), jet::Status::Kind::kIOError) << outcome.ToString();
        } else {
            EXPECT_EQ(prefix, m_steps.size()) << "a run reported as done left out rows";
        }
        if (HasFailure())
            return;
    }
}

// A write that fails once and a crash a little later in the same
// transaction: the originals saved after the failure must still be the
// transaction's, not pages it had already changed.
TEST_F(CrashSafetyTest, AFailureThenACrashLeavesACommittedPrefix)
{
    const uint64_t total = OperationsOfAWholeRun();
    ASSERT_GT(total, 20u);
    for (uint64_t k = 1; k <= total; ++k) {
        SimulatedDisk disk;
        disk.Put(kName, m_original);
        {
            auto db = OpenOn(disk, kSmall);
            disk.FailOnce(k);
            disk.FailFrom(k + 9);
            (void)RunMerge(*db);
        }
        disk.Heal();
        Recover(disk);
        ExpectCommittedPrefix(disk, "operation " + std::to_string(k) + " fails, the disk goes 9 later");
        if (HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? std::string("Once") : std::string("FromThenOn"); });

// The journal belongs to one file: one written for another file, or for an
// earlier state of this one, is removed and never played back.
TEST_F(CrashSafetyTest, AForeignOrTornJournalIsNeverPlayedBack)
{
    std::mt19937 rng(1);
    const auto interrupted = InterruptedWithHotJournal(5);
    SimulatedDisk& disk = *interrupted;
    ASSERT_TRUE(disk.Exists(kJournal));
    const auto journal = disk.Bytes(kJournal);

    // Beside another database of the same name: its first page is another.
    SimulatedDisk other;
    other.Put(kName, ReadFileBytes(FixtureFilePath("fixtures/jet4/dataset/PAF_POSTZON.dat")));
    other.Put(kJournal, journal);
    {
        auto file = other.Open(kName);
        auto location = other.Journal(kJournal);
        auto found = jet::InspectJournal(*file, kName, *location);
        ASSERT_TRUE(found.ok());
        EXPECT_EQ(found->kind, jet::JournalContents::Kind::kForeign);
    }
    const auto before = other.Bytes(kName);
    Recover(other);
    EXPECT_EQ(other.Bytes(kName), before);

    // Written for a file of another name.
    SimulatedDisk renamed;
    renamed.Put("PAF_COPY.dat", disk.Bytes(kName));
    renamed.Put("PAF_COPY.dat-journal", journal);
    {
        auto file = renamed.Open("PAF_COPY.dat");
        auto location = renamed.Journal("PAF_COPY.dat-journal");
        auto found = jet::InspectJournal(*file, "PAF_COPY.dat", *location);
        ASSERT_TRUE(found.ok());
        EXPECT_EQ(found->kind, jet::JournalContents::Kind::kForeign);
        EXPECT_NE(found->reason.find(kName), std::string::npos);
    }

    // A header that does not check out, or a first record that does not:
    // nothing is played back, and the journal counts as holding nothing.
    for (const size_t at : {size_t{20}, size_t{jet::kJournalHeaderSize + 100}}) {
        SimulatedDisk torn;
        torn.Put(kName, m_original);
        auto damaged = journal;
        damaged[at] ^= 0x55;
        torn.Put(kJournal, damaged);
        auto file = torn.Open(kName);
        auto location = torn.Journal(kJournal);
        auto found = jet::PlayBackJournal(*file, kName, *location);
        ASSERT_TRUE(found.ok());
        EXPECT_EQ(found->kind, jet::JournalContents::Kind::kEmpty) << at;
        EXPECT_EQ(torn.Bytes(kName), m_original);
        EXPECT_FALSE(torn.Exists(kJournal));
    }
}

// A committed journal keeps its records, to be written over by the next
// transaction: a shorter transaction after a longer one plays back its own
// records only, and a committed journal undoes nothing.
TEST_F(CrashSafetyTest, RecordsOfAnEarlierTransactionAreNeverPlayedBack)
{
    SimulatedDisk disk;
    disk.Put(kName, m_original);
    const uint32_t pages = static_cast<uint32_t>(m_original.size() / jet::kPageSize);
    ASSERT_GT(pages, 8u);
    const auto pageOf = [&](const std::vector<uint8_t>& bytes, uint32_t n) {
        return std::vector<uint8_t>(bytes.begin() + n * jet::kPageSize, bytes.begin() + (n + 1) * jet::kPageSize);
    };
    auto file = disk.Open(kName);
    jet::JournalWriter writer(disk.Journal(kJournal), kName);
    const auto overwrite = [&](uint32_t n, uint8_t fill) {
        const std::vector<uint8_t> junk(jet::kPageSize, fill);
        ASSERT_TRUE(file->Write(static_cast<uint64_t>(n) * jet::kPageSize, junk.data(), junk.size()).ok());
    };

    // First transaction: pages 1 to 6, committed.
    ASSERT_TRUE(writer.Append(*file, {1, 2, 3, 4, 5, 6}, pages).ok());
    for (uint32_t n = 1; n <= 6; ++n)
        overwrite(n, 0x11);
    ASSERT_TRUE(file->Sync().ok());
    ASSERT_TRUE(writer.Commit().ok());
    const auto committed = disk.Bytes(kName);
    {
        auto location = disk.Journal(kJournal);
        auto found = jet::InspectJournal(*file, kName, *location);
        ASSERT_TRUE(found.ok());
        EXPECT_EQ(found->kind, jet::JournalContents::Kind::kEmpty) << "a committed journal undoes nothing";
    }

    // Second transaction: page 7 only, interrupted after its write.
    ASSERT_TRUE(writer.Append(*file, {7}, pages).ok());
    overwrite(7, 0x22);
    ASSERT_TRUE(file->Sync().ok());
    {
        auto location = disk.Journal(kJournal);
        auto found = jet::InspectJournal(*file, kName, *location);
        ASSERT_TRUE(found.ok());
        EXPECT_EQ(found->kind, jet::JournalContents::Kind::kHot);
        EXPECT_EQ(found->records, 1u);
    }
    file.reset();
    Recover(disk);
    const auto recovered = disk.Bytes(kName);
    EXPECT_EQ(pageOf(recovered, 7), pageOf(m_original, 7));
    for (uint32_t n = 1; n <= 6; ++n)
        EXPECT_EQ(pageOf(recovered, n), pageOf(committed, n)) << "page " << n << " went back past its commit";
}

// A write that fails while changed pages leave a full cache is reported; the
// pages stay changed, the next flush writes them, and until then closing
// puts the file back.
TEST_F(CrashSafetyTest, AFailedSpillIsReportedAndWrittenAgain)
{
    SimulatedDisk disk;
    disk.Put(kName, m_original);
    ASSERT_GE(m_original.size() / jet::kPageSize, 64u);
    {
        auto pager = jet::Pager::Open(disk.Open(kName), kName, {.readOnly = false, .cachePages = 16},
                                      std::make_unique<jet::JournalWriter>(disk.Journal(kJournal), kName));
        ASSERT_TRUE(pager.ok());
        const auto change = [&](jet::PageNumber n, uint8_t fill) {
            auto page = (*pager)->Modify(n);
            if (page.ok())
                (**page).fill(fill);
            return page.status();
        };
        for (jet::PageNumber n = 1; n <= 16; ++n)
            ASSERT_TRUE(change(n, 0xA1).ok());
        EXPECT_EQ((*pager)->state(), jet::PagerState::kCached);
        EXPECT_EQ(disk.Bytes(kName), m_original) << "nothing reaches the file while the cache holds it all";
        disk.FailOnce(1);
        EXPECT_FALSE(change(17, 0xA1).ok()) << "the spill's failure is reported";
        ASSERT_TRUE(change(17, 0xA1).ok());
        ASSERT_TRUE(change(18, 0xA2).ok());
        // Dies here: the journal puts back whatever reached the file.
    }
    Recover(disk);
    EXPECT_EQ(disk.Bytes(kName), m_original);
    {
        auto pager = jet::Pager::Open(disk.Open(kName), kName, {.readOnly = false, .cachePages = 16},
                                      std::make_unique<jet::JournalWriter>(disk.Journal(kJournal), kName));
        ASSERT_TRUE(pager.ok());
        for (jet::PageNumber n = 1; n <= 20; ++n) {
            auto page = (*pager)->Modify(n);
            ASSERT_TRUE(page.ok());
            (**page).fill(0xB0);
        }
        disk.FailOnce(1);
        EXPECT_FALSE((*pager)->Flush().ok()) << "a failed commit is reported";
        ASSERT_TRUE((*pager)->Flush().ok()) << "and tried again";
        ASSERT_TRUE((*pager)->Close().ok());
    }
    EXPECT_FALSE(disk.Exists(kJournal));
    const auto bytes = disk.Bytes(kName);
    for (size_t n = 1; n <= 20; ++n)
        EXPECT_EQ(bytes[n * jet::kPageSize + 100], 0xB0) << "page " << n;
}

// A failed commit on the writer thread ends the transaction's hopes: the
// close rolls the file back to the last commit at once.
TEST_F(CrashSafetyTest, AFailedCloseRollsBackAtOnce)
{
    SimulatedDisk disk;
    disk.Put(kName, m_original);
    auto db = OpenOn(disk, {.cachePages = 24});
    auto rs = jet::Recordset::Open(*db, "PAF_FULLAddress", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
    ASSERT_TRUE(rs.ok());
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE((*rs)->AddNew().ok());
        ASSERT_TRUE((*rs)->SetField("FT_PostCode", jet::Value(Utf16("QQ" + std::to_string(i)))).ok());
        ASSERT_TRUE((*rs)->SetField("FT_Address", jet::Value(Utf16(std::string(1500, 'q')))).ok());
        ASSERT_TRUE((*rs)->Update().ok());
    }
    ASSERT_TRUE((*rs)->Close().ok());
    ASSERT_EQ(db->pager().commits(), 0u);
    ASSERT_NE(disk.Bytes(kName), m_original) << "pages left the small cache for the file";
    ASSERT_TRUE(disk.Exists(kJournal)) << "their originals are saved";
    // The close's flush fails at a sync; the rollback after it works.
    disk.FailNextSync();
    jet::Status closed = db->Close();
    EXPECT_FALSE(closed.ok());
    EXPECT_FALSE(disk.Exists(kJournal));
    EXPECT_EQ(disk.Bytes(kName), m_original);
}

TEST(HashTest, KnownValues)
{
    // The XXH64 construction's published values.
    EXPECT_EQ(jet::Hash64(nullptr, 0, 0), 0xEF46DB3751D8E999ULL);
    const uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(jet::Hash64(abc, 3, 0), 0x44BC2CF5AD770999ULL);
}

} // namespace
} // namespace jet::test
