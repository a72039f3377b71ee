#include "io/Header.h"

#include "util/Coding.h"
#include "util/FormatConstants.h"
#include "util/Rc4.h"

#include <cmath>
#include <cstring>

namespace jet {
namespace {

const std::array<uint8_t, fmt::kHeaderMaskLength>& HeaderMask()
{
    static const std::array<uint8_t, fmt::kHeaderMaskLength> mask = [] {
        std::array<uint8_t, fmt::kHeaderMaskLength> m{};
        const uint8_t key[4] = {0xC7, 0xDA, 0x39, 0x6B};
        Rc4 rc4(key);
        rc4.Apply(m.data(), m.size());
        return m;
    }();
    return mask;
}

std::array<uint8_t, 4> DateMask(double creationDate)
{
    int32_t whole = 0;
    if (std::isfinite(creationDate) && creationDate > -2147483648.0 && creationDate < 2147483648.0)
        whole = static_cast<int32_t>(creationDate);
    std::array<uint8_t, 4> mask{};
    StoreU32(mask.data(), static_cast<uint32_t>(whole));
    return mask;
}

} // namespace

void ApplyHeaderMask(Page& page)
{
    const auto& mask = HeaderMask();
    for (uint32_t i = 0; i < fmt::kHeaderMaskLength; ++i)
        page[fmt::kHeaderMaskStart + i] ^= mask[i];
}

Result<DatabaseHeader> ParseHeader(const Page& raw, const std::string& path)
{
    static const char kJetMagic[] = "Standard Jet DB";
    if (raw[0] != 0x00 || raw[1] != 0x01 || std::memcmp(raw.data() + fmt::kHeaderMagicOffset, kJetMagic, 15) != 0)
        return Errors::NotADatabase(path);
    if (raw[fmt::kHeaderVersionOffset] != fmt::kVersionJet4)
        return Errors::NotADatabase(path);

    DatabaseHeader header;
    header.plain = raw;
    ApplyHeaderMask(header.plain);
    const uint8_t* p = header.plain.data();
    header.codePage = LoadU16(p + fmt::kHeaderCodePage);
    header.encryptionKey = LoadU32(p + fmt::kHeaderEncryptionKey);
    header.sortLcid = LoadU16(p + fmt::kHeaderSortOrder);
    header.sortVersion = p[fmt::kHeaderSortOrder + 3];
    header.creationDate = LoadDouble(p + fmt::kHeaderCreationDate);

    const auto mask = DateMask(header.creationDate);
    for (uint32_t i = 0; i < fmt::kHeaderPasswordLength; i += 2) {
        const auto lo = static_cast<uint8_t>(p[fmt::kHeaderPassword + i] ^ mask[i % 4]);
        const auto hi = static_cast<uint8_t>(p[fmt::kHeaderPassword + i + 1] ^ mask[(i + 1) % 4]);
        const auto unit = static_cast<char16_t>(lo | (hi << 8));
        if (unit == 0)
            break;
        header.password += unit;
    }
    return header;
}

std::array<uint8_t, 40> EncodePasswordField(std::u16string_view password, double creationDate)
{
    std::array<uint8_t, 40> field{};
    for (size_t i = 0; i < password.size() && i < 20; ++i)
        StoreU16(field.data() + 2 * i, static_cast<uint16_t>(password[i]));
    const auto mask = DateMask(creationDate);
    for (size_t i = 0; i < field.size(); ++i)
        field[i] ^= mask[i % 4];
    return field;
}

} // namespace jet
