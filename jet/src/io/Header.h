#pragma once

#include "io/PageStore.h"

#include <jet/Status.h>

#include <array>
#include <cstdint>
#include <string>

namespace jet {

// The fields of page 0 that the engine uses, read after removing the mask.
struct DatabaseHeader {
    Page plain{};               // page 0 with the masked block in clear
    uint32_t encryptionKey = 0; // 0: pages stored in clear
    double creationDate = 0.0;  // seeds the password mask
    std::u16string password;    // empty: no database password
    uint16_t codePage = 0;
    uint16_t sortLcid = 0;
    uint8_t sortVersion = 0;
};

// XORs the masked block (0x18..0x97) of page 0 in place; applying it twice
// restores the page.
void ApplyHeaderMask(Page& page);

// Checks that `raw` is page 0 of a Jet 4.0 file and decodes it. Refuses Jet 3
// and ACE files and anything else with "Unrecognized database format" naming
// `path`.
Result<DatabaseHeader> ParseHeader(const Page& raw, const std::string& path);

// The 40-byte stored form of `password` (at most 20 UTF-16 units) for a file
// whose creation date is `creationDate`, before the header mask is applied.
std::array<uint8_t, 40> EncodePasswordField(std::u16string_view password, double creationDate);

} // namespace jet
