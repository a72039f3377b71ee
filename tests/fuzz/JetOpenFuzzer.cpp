// libFuzzer entry: open any byte string as a Jet 4.0 database and read all of
// it. Seed it with the fixture files, for example:
//   jet_open_fuzzer -max_len=400000 corpus/ ../shared/fixtures/jet4/edge
#include "helpers/ExerciseDatabase.h"

#include "io/Header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> image(data, data + size);
    // Use the password the header itself holds, so mutations reach past the
    // password check.
    std::u16string password;
    if (size >= jet::kPageSize) {
        jet::Page page0;
        std::copy(data, data + jet::kPageSize, page0.begin());
        auto header = jet::ParseHeader(page0, "image");
        if (header.ok())
            password = header->password;
    }
    (void)jet::test::ExerciseDatabase(std::move(image), password, size <= 2 * 1024 * 1024);
    return 0;
}
