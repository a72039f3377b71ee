#include "DemoData.h"

#include <jet/Create.h>
#include <jet/Recordset.h>

#include <zip.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <random>
#include <vector>

namespace demo {

namespace {

// A file being made: until it is whole and renamed into place it is nobody's
// data, so it is written without a journal.
constexpr jet::OpenOptions kNewFile{.journal = false};

constexpr const char* kPassword = "tallowmere";

// Postcode areas in alphabetical order, so the sequence is in postcode order.
constexpr const char* kAreas[] = {
    "AB", "AL", "B",  "BA", "BB", "BD", "BH", "BL", "BN", "BR", "BS", "BT", "CA", "CB", "CF", "CH", "CM", "CO",
    "CR", "CT", "CV", "CW", "DA", "DD", "DE", "DG", "DH", "DL", "DN", "DT", "DY", "E",  "EC", "EH", "EN", "EX",
    "FK", "FY", "G",  "GL", "GU", "HA", "HD", "HG", "HP", "HR", "HS", "HU", "HX", "IG", "IP", "IV", "KA", "KT",
    "KW", "KY", "L",  "LA", "LD", "LE", "LL", "LN", "LS", "LU", "M",  "ME", "MK", "ML", "N",  "NE", "NG", "NN",
    "NP", "NR", "NW", "OL", "OX", "PA", "PE", "PH", "PL", "PO", "PR", "RG", "RH", "RM", "S",  "SA", "SE", "SG",
    "SK", "SL", "SM", "SN", "SO", "SP", "SR", "SS", "ST", "SW", "SY", "TA", "TD", "TF", "TN", "TQ", "TR", "TS",
    "TW", "UB", "W",  "WA", "WC", "WD", "WF", "WN", "WR", "WS", "WV", "YO", "ZE"};
constexpr const char* kUnitLetters = "ABDEFGHJLNPQRSTUWXYZ"; // the letters an inward code uses
constexpr uint32_t kDistricts = 60;

constexpr const char* kStreets[] = {"High Street", "Station Road", "Church Lane", "Mill Road",    "Victoria Road",
                                    "Park Avenue", "Queen Street", "King's Road", "The Crescent", "Byres Road",
                                    "Rose Street", "Ormeau Road",  "Castle Wynd", "Heol y Coed",  "Mount Pleasant"};
constexpr const char* kTowns[] = {"ABERDEEN", "BELFAST",    "CARDIFF", "DUNDEE", "EXETER",  "GLASGOW", "LEEDS",
                                  "LONDON",   "MANCHESTER", "NORWICH", "OXFORD", "SWANSEA", "TRURO",   "YORK"};
constexpr const char* kPremises[] = {"Flat 1",     "The Red Lion",      "Rose Cottage", "Unit 4",
                                     "Café Rouge", "St. Mary's Church", "The Old Forge"};

std::u16string U16(const std::string& utf8)
{
    return jet::Utf8ToUtf16(utf8);
}

std::string Town(uint32_t index)
{
    return kTowns[index % std::size(kTowns)];
}

std::string AddressLines(uint32_t postcodeIndex, std::mt19937& rng, uint32_t average)
{
    std::uniform_int_distribution<uint32_t> count(1, std::max<uint32_t>(1, average * 2 - 1));
    std::uniform_int_distribution<uint32_t> number(1, 199);
    std::uniform_int_distribution<uint32_t> premises(0, 19);
    const uint32_t lines = count(rng);
    const std::string street = kStreets[(postcodeIndex / 7) % std::size(kStreets)];
    const std::string town = Town(postcodeIndex / 400);
    std::string text;
    for (uint32_t i = 0; i < lines; ++i) {
        if (i > 0)
            text += "\r\n";
        const uint32_t p = premises(rng);
        if (p < std::size(kPremises))
            text += std::string(kPremises[p]) + ", ";
        text += std::to_string(number(rng)) + " " + street + ", " + town;
    }
    return text;
}

std::string UpdateMark(std::mt19937& rng)
{
    static const char* const marks[] = {"A", "C", ""};
    return marks[rng() % 3];
}

jet::TableSpec VersionTable(bool withKey)
{
    jet::TableSpec design;
    design.name = "version";
    design.columns = {{"id", jet::ColumnType::kLong}, {"text", jet::ColumnType::kText, 50}};
    if (withKey)
        design.indexes = {{"PrimaryKey", {{"id", true}}, true, true, false, true}};
    return design;
}

jet::TableSpec AddressTable(Kind kind, bool update)
{
    jet::TableSpec design;
    design.name = TableName(kind);
    if (kind == Kind::kPostZon) {
        using T = jet::ColumnType;
        design.columns = {{"PZ_Postcode", T::kText, 8},   {"PZ_IntroductionDate", T::kText, 6},
                          {"PZ_GridRefEast", T::kLong},   {"PZ_GridRefNorth", T::kLong},
                          {"PZ_County", T::kText, 2},     {"PZ_District", T::kText, 2},
                          {"PZ_Ward", T::kText, 2},       {"PZ_UserType", T::kByte},
                          {"PZ_GridStatus", T::kByte},    {"PZ_Country", T::kText, 1},
                          {"PZ_WardStatus", T::kInteger}, {"PZ_NHS_Code", T::kText, 3},
                          {"PZ_NHS_Region", T::kText, 3}, {"PZ_Long", T::kDouble},
                          {"PZ_Lat", T::kDouble},         {"PZ_OSRef", T::kText, 20},
                          {"PZ_Update", T::kText, 1}};
        if (update)
            design.indexes = {{"PZ_Postcode", {{"PZ_Postcode", true}}}};
        else
            design.indexes = {{"PrimaryKey", {{"PZ_Postcode", true}}, true, true, false, true},
                              {"PZ_County", {{"PZ_County", true}}}};
        return design;
    }
    design.columns = {{"FT_PostCode", jet::ColumnType::kText, 8},
                      kind == Kind::kFull ? jet::ColumnSpec{"FT_Address", jet::ColumnType::kMemo}
                                          : jet::ColumnSpec{"FT_Address", jet::ColumnType::kText, 255},
                      {"FT_Update", jet::ColumnType::kText, 1}};
    design.indexes = {{"FT_PostCode", {{"FT_PostCode", true}}}};
    return design;
}

jet::Status Set(jet::Recordset& rs, const char* column, const jet::Value& value)
{
    return rs.SetField(column, value);
}

jet::Status WriteAddressRow(Kind kind, jet::Recordset& rs, uint32_t postcodeIndex, std::mt19937& rng,
                            uint32_t addressesPerPostcode)
{
    JET_RETURN_IF_ERROR(rs.AddNew());
    const std::string postcode = PostcodeAt(postcodeIndex);
    if (kind == Kind::kPostZon) {
        std::uniform_int_distribution<int32_t> east(100000, 650000);
        std::uniform_int_distribution<int32_t> north(10000, 1200000);
        const int32_t e = east(rng);
        const int32_t n = north(rng);
        char county[3];
        std::snprintf(county, sizeof county, "%02u", 1 + (postcodeIndex / 5000) % 39);
        char osref[24];
        std::snprintf(osref, sizeof osref, "NJ %05d %05d", e % 100000, n % 100000);
        JET_RETURN_IF_ERROR(Set(rs, "PZ_Postcode", U16(postcode)));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_IntroductionDate", U16(std::to_string(1980 + rng() % 27) + "06")));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_GridRefEast", jet::Value(e)));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_GridRefNorth", jet::Value(n)));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_County", U16(county)));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_District", U16("FF")));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_Ward", U16("XK")));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_UserType", jet::Value(static_cast<uint8_t>(rng() % 10 == 0))));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_GridStatus", jet::Value(static_cast<uint8_t>(1 + rng() % 9))));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_Country", U16(std::string(1, "ESWCN"[rng() % 5]))));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_WardStatus", jet::Value(static_cast<int16_t>(rng() % 2))));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_NHS_Code", U16("Q" + std::to_string(10 + rng() % 30))));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_NHS_Region", U16("Y0" + std::to_string(1 + rng() % 9))));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_Long", jet::Value(std::round((-6.0 + (rng() % 7000000) / 1e6) * 1e6) / 1e6)));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_Lat", jet::Value(std::round((50.0 + (rng() % 8000000) / 1e6) * 1e6) / 1e6)));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_OSRef", U16(osref)));
        JET_RETURN_IF_ERROR(Set(rs, "PZ_Update", U16(UpdateMark(rng))));
    } else {
        JET_RETURN_IF_ERROR(Set(rs, "FT_PostCode", U16(postcode)));
        const std::string address = kind == Kind::kFull
            ? AddressLines(postcodeIndex, rng, addressesPerPostcode)
            : std::string(kStreets[(postcodeIndex / 7) % std::size(kStreets)]) + ", " + Town(postcodeIndex / 400);
        JET_RETURN_IF_ERROR(Set(rs, "FT_Address", U16(address)));
        JET_RETURN_IF_ERROR(Set(rs, "FT_Update", U16(UpdateMark(rng))));
    }
    return rs.Update();
}

} // namespace

const char* FileName(Kind kind)
{
    switch (kind) {
    case Kind::kFull: return "PAF_FULL.dat";
    case Kind::kThoroughfare: return "PAF_THOURGHFARE.dat";
    case Kind::kPostZon: return "PAF_POSTZON.dat";
    }
    return "";
}

const char* TableName(Kind kind)
{
    switch (kind) {
    case Kind::kFull: return "PAF_FULLAddress";
    case Kind::kThoroughfare: return "PAF_StreetAddress";
    case Kind::kPostZon: return "PAF_PostZon";
    }
    return "";
}

char Letter(Kind kind)
{
    return kind == Kind::kFull ? 'F' : kind == Kind::kThoroughfare ? 'T' : 'Z';
}

std::string PostcodeAt(uint32_t index)
{
    const uint32_t letters = static_cast<uint32_t>(std::char_traits<char>::length(kUnitLetters));
    const uint32_t unit = index % (letters * letters);
    index /= letters * letters;
    const uint32_t sector = index % 10;
    index /= 10;
    const uint32_t district = 1 + index % kDistricts;
    index /= kDistricts;
    const char* area = kAreas[index % std::size(kAreas)];
    std::string postcode = std::string(area) + std::to_string(district) + " " + std::to_string(sector);
    postcode += kUnitLetters[unit / letters];
    postcode += kUnitLetters[unit % letters];
    return postcode;
}

jet::Status WriteDataFile(Kind kind, const std::string& path, const DataSetOptions& options)
{
    auto db = jet::CreateDatabase(path, kPassword, kNewFile);
    if (!db.ok())
        return db.status();
    JET_RETURN_IF_ERROR(jet::CreateTable(**db, VersionTable(kind != Kind::kThoroughfare)));
    JET_RETURN_IF_ERROR(jet::CreateTable(**db, AddressTable(kind, false)));
    {
        auto version = jet::Recordset::Open(**db, "version", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        if (!version.ok())
            return version.status();
        const std::pair<int32_t, std::string> rows[] = {{1, "header"}, {2, options.dataDate}, {3, "other"}};
        for (const auto& [id, text] : rows) {
            JET_RETURN_IF_ERROR((*version)->AddNew());
            JET_RETURN_IF_ERROR((*version)->SetField("id", jet::Value(id)));
            JET_RETURN_IF_ERROR((*version)->SetField("text", jet::Value(U16(text))));
            JET_RETURN_IF_ERROR((*version)->Update());
        }
    }
    auto rs = jet::Recordset::Open(**db, TableName(kind), jet::CursorType::kDynamic, jet::LockType::kOptimistic);
    if (!rs.ok())
        return rs.status();
    std::mt19937 rng(options.seed * 3 + static_cast<uint32_t>(kind));
    for (uint32_t i = 0; i < options.rows; ++i)
        JET_RETURN_IF_ERROR(WriteAddressRow(kind, **rs, i, rng, options.addressesPerPostcode));
    JET_RETURN_IF_ERROR((*rs)->Close());
    return (*db)->Close();
}

jet::Status WriteUpdateDatabase(Kind kind, const std::string& path, const UpdateOptions& options)
{
    auto db = jet::CreateDatabase(path, kPassword, kNewFile);
    if (!db.ok())
        return db.status();
    JET_RETURN_IF_ERROR(jet::CreateTable(**db, AddressTable(kind, true)));
    auto rs = jet::Recordset::Open(**db, TableName(kind), jet::CursorType::kDynamic, jet::LockType::kOptimistic);
    if (!rs.ok())
        return rs.status();
    std::mt19937 rng(options.seed * 7 + static_cast<uint32_t>(kind));
    const uint32_t replacing =
        std::min<uint32_t>(options.dataRows, static_cast<uint32_t>(options.rows * options.replaceShare));
    std::vector<uint32_t> postcodes;
    postcodes.reserve(options.rows);
    // Existing postcodes spread over the whole data file, then new ones after its last.
    for (uint32_t i = 0; i < replacing; ++i)
        postcodes.push_back(
            static_cast<uint32_t>(static_cast<uint64_t>(i) * options.dataRows / std::max<uint32_t>(1, replacing)));
    for (uint32_t i = replacing; i < options.rows; ++i)
        postcodes.push_back(options.dataRows + (i - replacing));
    std::shuffle(postcodes.begin(), postcodes.end(), rng);
    for (uint32_t postcode : postcodes)
        JET_RETURN_IF_ERROR(WriteAddressRow(kind, **rs, postcode, rng, options.addressesPerPostcode));
    JET_RETURN_IF_ERROR((*rs)->Close());
    return (*db)->Close();
}

jet::Status ZipSingleFile(const std::string& memberPath, const std::string& zipPath)
{
    int error = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        return jet::Status::IOError("cannot create " + zipPath);
    zip_source_t* source = zip_source_file(archive, memberPath.c_str(), 0, -1);
    const std::string name = std::filesystem::path(memberPath).filename().string();
    if (source == nullptr || zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
        if (source != nullptr)
            zip_source_free(source);
        zip_discard(archive);
        return jet::Status::IOError("cannot add " + memberPath + " to " + zipPath);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return jet::Status::IOError("cannot write " + zipPath);
    }
    return jet::Status::OK();
}

} // namespace demo
