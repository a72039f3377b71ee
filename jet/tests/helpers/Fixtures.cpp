#include "helpers/Fixtures.h"

#include "helpers/TempDir.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace jet::test {

namespace {

// The names of the files in `folder` that end in one of `extensions`, in
// name order.
std::vector<std::string> FilesIn(const std::string& folder, std::initializer_list<const char*> extensions)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file())
            continue;
        for (const char* extension : extensions) {
            if (entry.path().extension() == extension)
                names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::string FixtureFile::Name() const
{
    std::string name;
    for (char c : relative.substr(relative.find('/') + 1))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

void PrintTo(const FixtureFile& f, std::ostream* os)
{
    *os << f.relative;
}

std::string FixtureFilePath(const std::string& relative)
{
    return FixturePath(relative);
}

std::vector<FixtureFile> DumpedFixtures()
{
    std::vector<FixtureFile> files;
    for (const std::string& name : FilesIn(FixturePath("fixtures/access2000"), {".mdb"}))
        files.push_back({"fixtures/access2000/" + name, "", "fixtures/access2000/expected/" + name + ".jsonl"});
    for (const char* folder : {"dataset", "edge", "updates", "format"}) {
        for (const std::string& name : FilesIn(FixturePath(std::string("fixtures/jet4/") + folder), {".dat", ".mdb"})) {
            const std::string rel = std::string(folder) + "/" + name;
            files.push_back({"fixtures/jet4/" + rel, "tallowmere", "fixtures/jet4/expected/" + rel + ".jsonl"});
        }
    }
    return files;
}

std::vector<FixtureFile> AllFixtureDatabases()
{
    std::vector<FixtureFile> files = DumpedFixtures();
    for (const std::string& name : FilesIn(FixturePath("jet4/samples"), {".mdb"})) {
        const bool protectedFile = name.find("with-password") != std::string::npos;
        files.push_back({"jet4/samples/" + name, protectedFile ? "password" : "", ""});
    }
    return files;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace jet::test
