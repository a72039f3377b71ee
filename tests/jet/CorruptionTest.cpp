// Damaged files: deterministic truncations and byte changes in every part of
// real fixture files. Whatever is damaged, the engine answers with a status
// (or reads on where the damage does not matter); it never crashes, reads out
// of bounds or loops. Run under the sanitizer build to catch the first two.
#include "JetTestSupport.h"

#include "fuzz/ExerciseDatabase.h"
#include "testsupport/TempDir.h"

#include "FormatConstants.h"
#include "io/Header.h"
#include "util/Rc4.h"

#include <gtest/gtest.h>

#include <random>

namespace pafdm::test {
namespace {

struct CorruptionCase {
    const char* file;
    const char16_t* password;
};

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

    pafdm::fuzz::ExerciseResult Run(std::vector<uint8_t> image, bool runCheck = true)
    {
        return pafdm::fuzz::ExerciseDatabase(std::move(image), GetParam().password, runCheck);
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

TEST_P(CorruptionTest, TruncatedFilesNeverCrash)
{
    const size_t pages = m_original.size() / jet::kPageSize;
    for (size_t keep = 0; keep < pages; ++keep) {
        for (size_t extra : {size_t{0}, size_t{1}, size_t{2048}}) {
            std::vector<uint8_t> image(m_original.begin(),
                                       m_original.begin() + static_cast<long>(keep * jet::kPageSize + extra));
            const auto result = Run(std::move(image));
            if (extra != 0) {
                EXPECT_FALSE(result.opened) << "a file that is not whole pages is refused";
            }
        }
    }
}

TEST_P(CorruptionTest, ChangedBytesNeverCrash)
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
    for (size_t k = 0; k < candidates.size(); k += step) {
        const auto [p, offset] = candidates[k];
        std::vector<uint8_t> image = m_plain;
        uint8_t& byte = image[p * jet::kPageSize + offset];
        const uint8_t damaged = runs % 3 == 0 ? static_cast<uint8_t>(~byte) : (runs % 3 == 1 ? 0x00 : 0xFF);
        // Alternate between flipping every bit, clearing and saturating; pages
        // of an encrypted file go back through the cipher.
        byte = damaged;
        for (size_t q = 1; q < pages; ++q)
            Encrypt(image, q);
        // The integrity check reads everything again; run it on a share of the images.
        const auto result = Run(std::move(image), runs % 4 == 0);
        opened += result.opened ? 1 : 0;
        ++runs;
    }
    EXPECT_GT(runs, 100);
    EXPECT_GT(opened, runs / 2) << "most damage leaves the file openable";
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, CorruptionTest,
    ::testing::Values(CorruptionCase{"fixtures/access2000/delTestV2000.mdb", u""},
                      CorruptionCase{"fixtures/access2000/overflowTestV2000.mdb", u""},
                      CorruptionCase{"fixtures/access2000/test2V2000.mdb", u""},
                      CorruptionCase{"fixtures/access2000/compIndexTestV2000.mdb", u""},
                      CorruptionCase{"fixtures/jet4/edge/PAF_FULL_no_version_row2.dat", u"tallowmere"},
                      CorruptionCase{"jet4/samples/db-enc.mdb", u""}),
    [](const auto& info) {
        std::string name;
        for (const char* c = info.param.file; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

} // namespace
} // namespace pafdm::test
