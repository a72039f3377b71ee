// Damaged files: deterministic truncations and byte changes in every part of
// real fixture files. Whatever is damaged, reading every table ends either in
// a damage status or in exactly the rows of the undamaged file; the engine
// never crashes, reads out of bounds or loops. Run under the sanitizer build
// to catch the middle two. Jet keeps no checksums, so a damaged byte of a
// row's values or of a column name cannot be noticed: it may change that
// row or that name, nothing else.
#include "helpers/Fixtures.h"

#include "helpers/ExerciseDatabase.h"
#include "helpers/TempDir.h"

#include "io/Header.h"
#include "util/FormatConstants.h"
#include "util/Rc4.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <random>

namespace jet::test {
namespace {

// What reading one table gives: its rows as text in table order, or the
// status that stopped the read.
struct TableContents {
    std::optional<jet::Status> failure;
    std::vector<std::string> fieldNames;
    std::vector<std::string> rows;
};

struct ImageContents {
    std::optional<jet::Status> openFailure;
    std::map<std::string, TableContents> tables;
};

template <typename T> bool Failed(const jet::Result<T>& r, std::optional<jet::Status>& failure)
{
    if (r.ok())
        return false;
    failure = r.status();
    return true;
}

bool Failed(const jet::Status& s, std::optional<jet::Status>& failure)
{
    if (s.ok())
        return false;
    failure = s;
    return true;
}

// One row as text: every field's kind and value.
std::string RowText(jet::Recordset& r, std::optional<jet::Status>& failure)
{
    std::string text;
    for (int i = 0; i < r.FieldCount(); ++i) {
        auto value = r.FieldAt(i);
        if (Failed(value, failure))
            return {};
        text += std::to_string(value->storage().index()) + ":" + value->ToUtf8() + "\x1f";
    }
    return text;
}

// Reads the tables `names` of `image` completely, front to back.
ImageContents ReadContents(std::vector<uint8_t> image, const std::u16string& password,
                           const std::vector<std::string>& names)
{
    ImageContents out;
    auto db = jet::test::OpenImage(std::move(image), password);
    if (Failed(db, out.openFailure))
        return out;
    for (const std::string& name : names) {
        TableContents& table = out.tables[name];
        auto rs = jet::Recordset::Open(**db, "[" + name + "]", jet::CursorType::kStatic, jet::LockType::kReadOnly);
        if (Failed(rs, table.failure))
            continue;
        jet::Recordset& r = **rs;
        for (int i = 0; i < r.FieldCount(); ++i)
            table.fieldNames.push_back(r.FieldName(i));
        for (long guard = 0; !r.IsEOF() && guard < 100000; ++guard) {
            std::string row = RowText(r, table.failure);
            if (table.failure)
                break;
            table.rows.push_back(std::move(row));
            if (Failed(r.MoveNext(), table.failure))
                break;
        }
    }
    return out;
}

// A damaged file may fail in these ways; any other failure, or a read that
// succeeds with other rows, is a fault.
bool IsDamageStatus(const jet::Status& s)
{
    using Kind = jet::Status::Kind;
    return s.kind() == Kind::kCorruption || s.kind() == Kind::kIOError || s.kind() == Kind::kNotFound
        || s.kind() == Kind::kNotSupported || s.kind() == Kind::kBadPassword;
}

// Whether byte `offset` of a clear page is part of what a live row stores:
// its value bytes on a data page, or a piece of a long value. Jet keeps no
// checksums, so such a byte can change a value without any sign; it may
// change that one row, never others.
bool IsRowContent(const uint8_t* page, uint32_t offset)
{
    if (page[0] != static_cast<uint8_t>(jet::fmt::PageType::kData))
        return false;
    const uint32_t slotCount = std::min<uint32_t>(jet::LoadU16(page + jet::fmt::kDataRowCount), jet::fmt::kMaxSlots);
    uint32_t end = jet::kPageSize;
    for (uint32_t k = 0; k < slotCount; ++k) {
        const uint16_t raw = jet::LoadU16(page + jet::fmt::kDataSlots + 2 * k);
        const uint32_t start = raw & jet::fmt::kSlotOffsetMask;
        const bool deleted = (raw & jet::fmt::kSlotDeleted) == jet::fmt::kSlotDeleted;
        // An overflow row's bytes are a pointer: structure, not content.
        const bool pointer = (raw & jet::fmt::kSlotDeleted) == jet::fmt::kSlotOverflow;
        if (!deleted && !pointer && offset >= start && offset < end)
            return true;
        end = start;
    }
    return false;
}

// Empty when `damaged` is an acceptable outcome for an image of `original`:
// a damage status, or the same rows in every table read. With
// `contentDamaged` one row of one table may differ in its values.
std::string Verdict(const ImageContents& original, const ImageContents& damaged, bool contentDamaged = false)
{
    int rowsChanged = 0;
    if (damaged.openFailure)
        return IsDamageStatus(*damaged.openFailure) ? std::string() : "open: " + damaged.openFailure->ToString();
    std::string faults;
    for (const auto& [name, table] : original.tables) {
        const auto it = damaged.tables.find(name);
        if (it == damaged.tables.end())
            continue;
        const TableContents& read = it->second;
        if (read.failure) {
            if (!IsDamageStatus(*read.failure))
                faults += "table " + name + ": " + read.failure->ToString() + "\n";
            continue;
        }
        // A damaged byte of a column name renames the column, which no
        // reader can tell from a real name; the values must still be right.
        if (read.fieldNames.size() != table.fieldNames.size()) {
            faults += "table " + name + ": " + std::to_string(read.fieldNames.size()) + " fields read, "
                + std::to_string(table.fieldNames.size()) + " stored\n";
            continue;
        }
        if (read.rows == table.rows)
            continue;
        if (contentDamaged && read.rows.size() == table.rows.size()) {
            int differing = 0;
            for (size_t i = 0; i < read.rows.size(); ++i)
                differing += read.rows[i] != table.rows[i] ? 1 : 0;
            rowsChanged += differing;
            if (rowsChanged <= 1)
                continue;
        }
        size_t firstDiff = 0;
        while (firstDiff < read.rows.size() && firstDiff < table.rows.size()
               && read.rows[firstDiff] == table.rows[firstDiff])
            ++firstDiff;
        faults += "table " + name + ": " + std::to_string(read.rows.size()) + " rows read, "
            + std::to_string(table.rows.size()) + " stored; first difference at row " + std::to_string(firstDiff)
            + "\n";
    }
    return faults;
}

struct CorruptionCase {
    const char* file;
    const char16_t* password;
};

void PrintTo(const CorruptionCase& c, std::ostream* os)
{
    *os << c.file;
}

class CorruptionTest : public ::testing::TestWithParam<CorruptionCase> {
protected:
    void SetUp() override
    {
        if (!FixturesAvailable())
            GTEST_SKIP();
        m_original = ReadFileBytes(FixtureFilePath(GetParam().file));
        ASSERT_GE(m_original.size(), 4 * jet::kPageSize);
        ASSERT_EQ(m_original.size() % jet::kPageSize, 0u);
        m_plain = m_original;
        // Work on clear pages so that changes hit the fields, not the cipher.
        auto header = jet::ParseHeader(*reinterpret_cast<const jet::Page*>(m_original.data()), "x");
        ASSERT_TRUE(header.ok());
        m_key = header->encryptionKey;
        for (size_t p = 1; p < m_plain.size() / jet::kPageSize; ++p)
            Encrypt(m_plain, p); // the same operation decrypts
        auto names = ListTables(m_original);
        ASSERT_TRUE(names.ok()) << names.status().ToString();
        m_names = std::move(names).value();
        m_expected = ReadContents(m_original, GetParam().password, m_names);
        ASSERT_FALSE(m_expected.openFailure);
        for (const auto& [name, table] : m_expected.tables)
            ASSERT_FALSE(table.failure) << name << ": " << table.failure->ToString();
    }

    jet::Result<std::vector<std::string>> ListTables(const std::vector<uint8_t>& image) const
    {
        auto db = jet::test::OpenImage(image, GetParam().password);
        if (!db.ok())
            return db.status();
        return (*db)->ListTables();
    }

    // Empty when reading `image` ends in a damage status or in the rows of
    // the undamaged file, table by table.
    std::string Judge(const std::vector<uint8_t>& image, bool contentDamaged = false) const
    {
        return Verdict(m_expected, ReadContents(image, GetParam().password, m_names), contentDamaged);
    }

    // Applies the page cipher of an encrypted file to page `p` of `image`.
    void Encrypt(std::vector<uint8_t>& image, size_t p) const
    {
        if (m_key == 0 || p == 0)
            return;
        uint8_t key[4];
        jet::StoreU32(key, m_key ^ static_cast<uint32_t>(p));
        jet::Rc4 rc4(key);
        rc4.Apply(image.data() + p * jet::kPageSize, jet::kPageSize);
    }

    jet::test::ExerciseResult Run(std::vector<uint8_t> image, bool runCheck = true)
    {
        return jet::test::ExerciseDatabase(std::move(image), GetParam().password, runCheck);
    }

    // Byte offsets within a page that hold structure: headers, slot tables,
    // the first TDEF block, index bitmaps, and the ends of pages where rows live.
    static std::vector<uint32_t> InterestingOffsets(const uint8_t* page, uint32_t salt)
    {
        std::vector<uint32_t> offsets;
        for (uint32_t i = 0; i < 0x40; ++i)
            offsets.push_back(i);
        const uint8_t type = page[0];
        if (type == 0x01) {
            const uint32_t slotCount = std::min<uint32_t>(page[0x0C] | (page[0x0D] << 8), 64);
            for (uint32_t i = 0; i < 2 * slotCount; ++i)
                offsets.push_back(0x0E + i);
        }
        if (type == 0x02) {
            for (uint32_t i = 0x40; i < 0x200; i += 3)
                offsets.push_back(i);
        }
        if (type == 0x03 || type == 0x04) {
            for (uint32_t i = 0x1B; i < 0x1E0 + 64; i += 5)
                offsets.push_back(i);
        }
        std::mt19937 rng(salt);
        for (int i = 0; i < 24; ++i)
            offsets.push_back(jet::kPageSize - 1 - rng() % 400);
        return offsets;
    }

    std::vector<std::string> m_names;
    ImageContents m_expected;
    std::vector<uint8_t> m_original;
    std::vector<uint8_t> m_plain;
    uint32_t m_key = 0;
};

TEST_P(CorruptionTest, UndamagedFileReadsCompletely)
{
    const auto result = Run(m_original);
    EXPECT_TRUE(result.opened);
    EXPECT_GT(result.tablesRead, 0);
    EXPECT_EQ(result.errors, 0);
}

TEST_P(CorruptionTest, DamagedCatalogIsNamedOnOpen)
{
    std::vector<uint8_t> image = m_plain;
    image[jet::fmt::kCatalogPage * jet::kPageSize] = 0x00; // the catalog's definition is no longer one
    for (size_t q = 1; q < image.size() / jet::kPageSize; ++q)
        Encrypt(image, q);
    const ImageContents read = ReadContents(std::move(image), GetParam().password, m_names);
    ASSERT_TRUE(read.openFailure);
    EXPECT_TRUE(read.openFailure->IsCorruption()) << read.openFailure->ToString();
    EXPECT_EQ(read.openFailure->description().rfind("Unrecognized database format 'image'. (page 2: ", 0), 0u)
        << read.openFailure->description();
}

TEST_P(CorruptionTest, TruncatedFilesFailOrReadTheSameRows)
{
    const size_t pages = m_original.size() / jet::kPageSize;
    std::vector<std::string> faults;
    for (size_t keep = 0; keep < pages; ++keep) {
        for (size_t extra : {size_t{0}, size_t{1}, size_t{2048}}) {
            std::vector<uint8_t> image(m_original.begin(),
                                       m_original.begin() + static_cast<long>(keep * jet::kPageSize + extra));
            const std::string verdict = Judge(image);
            if (!verdict.empty())
                faults.push_back(std::to_string(keep) + " pages + " + std::to_string(extra) + ": " + verdict);
            const auto result = Run(std::move(image));
            if (extra != 0) {
                EXPECT_FALSE(result.opened) << "a file that is not whole pages is refused";
            }
        }
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " truncations read wrong, first: " << faults.front();
}

TEST_P(CorruptionTest, ChangedBytesFailOrReadTheSameRows)
{
    // Every structure-bearing byte of every page is a candidate; an even
    // spread of at most kMaxImages of them is damaged, one per image.
    constexpr size_t kMaxImages = 800;
    std::vector<std::pair<size_t, uint32_t>> candidates;
    const size_t pages = m_original.size() / jet::kPageSize;
    for (size_t p = 0; p < pages; ++p) {
        const uint8_t* page = m_plain.data() + p * jet::kPageSize;
        if (p > 0 && std::all_of(page, page + jet::kPageSize, [](uint8_t b) { return b == 0; }))
            continue;
        for (uint32_t offset : InterestingOffsets(page, static_cast<uint32_t>(p)))
            candidates.emplace_back(p, offset);
    }
    const size_t step = (candidates.size() + kMaxImages - 1) / kMaxImages;
    int opened = 0;
    int runs = 0;
    std::vector<std::string> faults;
    for (size_t k = 0; k < candidates.size(); k += step) {
        const auto [p, offset] = candidates[k];
        std::vector<uint8_t> image = m_plain;
        uint8_t& byte = image[p * jet::kPageSize + offset];
        // Alternate between flipping every bit, clearing and saturating; pages
        // of an encrypted file go back through the cipher.
        const uint8_t was = byte;
        byte = runs % 3 == 0 ? static_cast<uint8_t>(~byte) : (runs % 3 == 1 ? 0x00 : 0xFF);
        const uint8_t now = byte;
        for (size_t q = 1; q < pages; ++q)
            Encrypt(image, q);
        const std::string verdict = Judge(image, IsRowContent(m_plain.data() + p * jet::kPageSize, offset));
        if (!verdict.empty()) {
            char where[64];
            std::snprintf(where, sizeof where, "page %zu offset 0x%03X %02X->%02X: ", p, offset, was, now);
            faults.push_back(where + verdict);
        }
        // The integrity check reads everything again; run it on a share of the images.
        const auto result = Run(std::move(image), runs % 4 == 0);
        opened += result.opened ? 1 : 0;
        ++runs;
    }
    EXPECT_GT(runs, 100);
    EXPECT_GT(opened, runs / 2) << "most damage leaves the file openable";
    std::string listed;
    for (size_t i = 0; i < faults.size() && i < 20; ++i)
        listed += faults[i];
    EXPECT_TRUE(faults.empty()) << faults.size() << " of " << runs << " damaged images read wrong:\n" << listed;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, CorruptionTest,
                         ::testing::Values(CorruptionCase{"fixtures/access2000/delTestV2000.mdb", u""},
                                           CorruptionCase{"fixtures/access2000/overflowTestV2000.mdb", u""},
                                           CorruptionCase{"fixtures/access2000/test2V2000.mdb", u""},
                                           CorruptionCase{"fixtures/access2000/compIndexTestV2000.mdb", u""},
                                           CorruptionCase{"fixtures/jet4/edge/PAF_FULL_no_version_row2.dat",
                                                          u"tallowmere"},
                                           CorruptionCase{"jet4/samples/db-enc.mdb", u""}),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.file; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

} // namespace
} // namespace jet::test
