// Every index of every fixture database, against the rows of its table: the
// stored leaf entries must be exactly the keys our encoder builds from the
// row values, in the order the tree keeps them.

#include "db/DatabaseImpl.h"
#include "index/BTree.h"
#include "index/IndexKey.h"
#include "index/MemoryPageStore.h"
#include "io/File.h"
#include "table/RowCursor.h"

#include "helpers/Fixtures.h"
#include "helpers/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace jet {
namespace {

using jet::test::FixtureFile;

std::string HexOf(const std::vector<uint8_t>& bytes)
{
    std::string out;
    char buf[4];
    for (uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X ", b);
        out += buf;
    }
    return out;
}

struct IndexTally {
    size_t entries = 0;
    size_t textEntries = 0;
    size_t unsupported = 0;
};

// Keys built from the rows of `table` for one real index, by row id.
void ExpectedKeys(Table& table, const RealIndexDef& def, std::map<RowId, std::vector<uint8_t>>& keys, IndexTally& tally)
{
    RowCursor cursor(table);
    for (cursor.SeekToFirst(); cursor.Valid(); cursor.Next()) {
        const RowId id = cursor.id();
        const LoadedRow& row = cursor.row();
        std::vector<Value> values;
        for (const IndexKeyColumn& column : def.columns) {
            const ColumnDef* columnDef = table.def().ColumnByNumber(column.columnNumber);
            ASSERT_NE(columnDef, nullptr);
            Result<Value> value = table.ReadField(row, *columnDef);
            ASSERT_TRUE(value.ok()) << value.status().ToString();
            values.push_back(value.value());
        }
        if (ClassifyNulls(def, values) != IndexNullRule::kSkip) {
            Result<std::vector<uint8_t>> key = EncodeIndexKey(def.columns, values);
            if (key.ok())
                keys[id] = key.value();
            else if (key.status().kind() == Status::Kind::kNotSupported)
                ++tally.unsupported;
            else
                ADD_FAILURE() << key.status().ToString();
        }
    }
    ASSERT_TRUE(cursor.status().ok()) << cursor.status().ToString();
}

class IndexFixtureTest : public testing::TestWithParam<FixtureFile> { };

TEST_P(IndexFixtureTest, EveryLeafEntryIsTheKeyOfItsRow)
{
    if (!jet::test::FixturesAvailable())
        GTEST_SKIP() << "shared fixtures not present";
    const std::string path = jet::test::FixtureFilePath(GetParam().relative);
    Result<std::unique_ptr<File>> file = OpenPosixFile(path, false);
    ASSERT_TRUE(file.ok()) << file.status().ToString();
    OpenOptions options;
    options.readOnly = true;
    auto db = DatabaseImpl::OpenWith(std::move(file.value()), path, Utf8ToUtf16(GetParam().password), options);
    ASSERT_TRUE(db.ok()) << db.status().ToString();

    IndexTally tally;
    for (const CatalogEntry& entry : db.value()->catalog()) {
        if (!entry.IsTable())
            continue;
        Result<Table*> table = db.value()->TableAt(static_cast<PageNumber>(entry.id), entry.name);
        ASSERT_TRUE(table.ok()) << table.status().ToString();
        for (const RealIndexDef& def : table.value()->def().realIndexes) {
            SCOPED_TRACE(Utf16ToUtf8(entry.name) + " index " + std::to_string(def.number) + " (root page "
                         + std::to_string(def.rootPage) + ")");
            std::map<RowId, std::vector<uint8_t>> expected;
            const size_t unsupportedBefore = tally.unsupported;
            ExpectedKeys(*table.value(), def, expected, tally);
            const bool complete = tally.unsupported == unsupportedBefore;

            BTree tree(db.value()->pager(), def);
            std::vector<std::pair<std::vector<uint8_t>, RowId>> entries;
            ASSERT_TRUE(tree.Walk([&](const std::vector<uint8_t>& key, RowId row) {
                                entries.emplace_back(key, row);
                                return Status::OK();
                            })
                            .ok());
            std::vector<std::string> problems;
            ASSERT_TRUE(tree.Check(problems).ok());
            for (const std::string& problem : problems)
                ADD_FAILURE() << problem;

            bool hasText = false;
            for (const IndexKeyColumn& c : def.columns)
                hasText = hasText || c.type == ColumnType::kText || c.type == ColumnType::kMemo;
            for (size_t i = 0; i < entries.size(); ++i) {
                const auto& [key, row] = entries[i];
                if (i > 0) {
                    EXPECT_TRUE(CompareEntries(entries[i - 1].first, entries[i - 1].second, key, row) < 0);
                }
                const auto it = expected.find(row);
                if (it == expected.end()) {
                    if (complete)
                        ADD_FAILURE() << "entry for row " << row.page << ":" << int(row.row) << " has no row";
                    continue;
                }
                ASSERT_EQ(HexOf(it->second), HexOf(key)) << "row " << row.page << ":" << int(row.row);
                ++tally.entries;
                tally.textEntries += hasText ? 1 : 0;
                // Every stored key leads back to the first row holding it.
                if (i == 0 || CompareKeys(entries[i - 1].first, key) != 0) {
                    Result<std::optional<RowId>> found = tree.FindFirst(key);
                    ASSERT_TRUE(found.ok());
                    EXPECT_EQ(found.value(), std::optional<RowId>(row));
                }
            }
            if (complete) {
                EXPECT_EQ(entries.size(), expected.size());
            }
        }
    }
    RecordProperty("entries", static_cast<int>(tally.entries));
    RecordProperty("textEntries", static_cast<int>(tally.textEntries));
    RecordProperty("unsupportedRows", static_cast<int>(tally.unsupported));
    std::printf("%s: %zu entries re-encoded (%zu with text), %zu rows not encodable\n", GetParam().relative.c_str(),
                tally.entries, tally.textEntries, tally.unsupported);
}

// Changes to trees written by other engines: Access's two-level descending
// index with a compressed leaf, and the text index of a data set written by
// another engine.
struct EngineTree {
    const char* file;
    const char* password;
    const char16_t* table;
    size_t realIndex;
};

void PrintTo(const EngineTree& c, std::ostream* os)
{
    *os << c.file << " " << jet::Utf16ToUtf8(c.table);
}

class EngineTreeChangeTest : public testing::TestWithParam<EngineTree> { };

TEST_P(EngineTreeChangeTest, InsertAndRemoveKeepTheTreeSound)
{
    if (!jet::test::FixturesAvailable())
        GTEST_SKIP() << "shared fixtures not present";
    const std::string path = jet::test::FixtureFilePath(GetParam().file);
    OpenOptions options;
    options.readOnly = true;
    auto db =
        DatabaseImpl::OpenWith(OpenPosixFile(path, false).value(), path, Utf8ToUtf16(GetParam().password), options);
    ASSERT_TRUE(db.ok()) << db.status().ToString();
    Result<Table*> table = db.value()->OpenTable(GetParam().table);
    ASSERT_TRUE(table.ok());
    const RealIndexDef def = table.value()->def().realIndexes.at(GetParam().realIndex);

    // Work on the file's pages in memory.
    const std::vector<uint8_t> bytes = jet::test::ReadFileBytes(path);
    test::MemoryPageStore store(0);
    for (size_t at = 0; at < bytes.size(); at += kPageSize) {
        Page page;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), kPageSize, page.begin());
        ASSERT_TRUE(store.AllocatePage(page).ok());
    }
    std::set<PageNumber> added;
    BTreePageHooks hooks;
    hooks.pageAdded = [&](PageNumber n) {
        added.insert(n);
        return Status::OK();
    };
    hooks.pageReleased = [&](PageNumber n) {
        added.erase(n);
        return Status::OK();
    };
    BTree tree(store, def, hooks);
    using Entry = std::pair<std::vector<uint8_t>, RowId>;
    auto less = [](const Entry& a, const Entry& b) { return CompareEntries(a.first, a.second, b.first, b.second) < 0; };
    std::set<Entry, decltype(less)> model(less);
    ASSERT_TRUE(tree.Walk([&](const std::vector<uint8_t>& key, RowId row) {
                        model.insert({key, row});
                        return Status::OK();
                    })
                    .ok());
    ASSERT_FALSE(model.empty());

    std::mt19937 random(77);
    std::vector<Entry> original(model.begin(), model.end());
    for (int i = 0; i < 3000; ++i) {
        // New keys are variations of existing ones, so they land all over the tree.
        Entry e = original[random() % original.size()];
        e.first.back() ^= static_cast<uint8_t>(1 + random() % 3);
        e.second = RowId{0x10000 + static_cast<uint32_t>(i), static_cast<uint8_t>(i)};
        ASSERT_TRUE(tree.Insert(e.first, e.second).ok());
        model.insert(e);
    }
    std::shuffle(original.begin(), original.end(), random);
    for (size_t i = 0; i < original.size() / 2; ++i) {
        ASSERT_TRUE(tree.Remove(original[i].first, original[i].second).ok());
        model.erase(original[i]);
    }

    std::vector<std::string> problems;
    ASSERT_TRUE(tree.Check(problems).ok());
    for (const std::string& problem : problems)
        ADD_FAILURE() << problem;
    std::vector<Entry> walked;
    ASSERT_TRUE(tree.Walk([&](const std::vector<uint8_t>& key, RowId row) {
                        walked.push_back({key, row});
                        return Status::OK();
                    })
                    .ok());
    EXPECT_TRUE(std::equal(walked.begin(), walked.end(), model.begin(), model.end()));
    EXPECT_FALSE(added.empty());
    for (const Entry& e : original) {
        if (model.count(e) != 0) {
            EXPECT_TRUE(tree.FindFirst(e.first).value().has_value());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, EngineTreeChangeTest,
                         testing::Values(EngineTree{"fixtures/access2000/compIndexTestV2000.mdb", "", u"Table1", 0},
                                         EngineTree{"fixtures/jet4/dataset/PAF_FULL.dat", "tallowmere",
                                                    u"PAF_FULLAddress", 0}),
                         [](const testing::TestParamInfo<EngineTree>& info) {
                             return std::string(info.index == 0 ? "AccessDescendingLong" : "DataSetText");
                         });

INSTANTIATE_TEST_SUITE_P(Fixtures, IndexFixtureTest, testing::ValuesIn(jet::test::AllFixtureDatabases()),
                         [](const testing::TestParamInfo<FixtureFile>& info) { return info.param.Name(); });

} // namespace
} // namespace jet
