#include "table/Text.h"

namespace jet {

std::u16string DecodeText(ByteView bytes)
{
    std::u16string out;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        // Never more characters than bytes: size once, cut at the end.
        out.resize(bytes.size() - 2);
        size_t n = 0;
        bool oneByte = true;
        size_t i = 2;
        while (i < bytes.size()) {
            if (bytes[i] == 0x00) {
                oneByte = !oneByte;
                ++i;
            } else if (oneByte) {
                out[n++] = static_cast<char16_t>(bytes[i]);
                ++i;
            } else {
                if (i + 1 >= bytes.size())
                    break;
                out[n++] = static_cast<char16_t>(LoadU16(bytes.data() + i));
                i += 2;
            }
        }
        out.resize(n);
        return out;
    }
    out.resize(bytes.size() / 2);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(LoadU16(bytes.data() + 2 * i));
    return out;
}

bool StoredTextEquals(ByteView bytes, std::u16string_view text)
{
    size_t n = 0;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        bool oneByte = true;
        size_t i = 2;
        while (i < bytes.size()) {
            if (bytes[i] == 0x00) {
                oneByte = !oneByte;
                ++i;
                continue;
            }
            char16_t c;
            if (oneByte) {
                c = static_cast<char16_t>(bytes[i]);
                ++i;
            } else {
                if (i + 1 >= bytes.size())
                    break;
                c = static_cast<char16_t>(LoadU16(bytes.data() + i));
                i += 2;
            }
            if (n == text.size() || text[n] != c)
                return false;
            ++n;
        }
        return n == text.size();
    }
    if (bytes.size() / 2 != text.size())
        return false;
    for (; n < text.size(); ++n) {
        if (static_cast<char16_t>(LoadU16(bytes.data() + 2 * n)) != text[n])
            return false;
    }
    return true;
}

std::vector<uint8_t> EncodeText(std::u16string_view text, bool allowCompression)
{
    std::vector<uint8_t> out;
    bool compressible = allowCompression && text.size() > 2;
    for (size_t i = 0; compressible && i < text.size(); ++i)
        compressible = text[i] >= 0x0001 && text[i] <= 0x00FF;
    if (compressible) {
        out.reserve(2 + text.size());
        out.push_back(0xFF);
        out.push_back(0xFE);
        for (char16_t c : text)
            out.push_back(static_cast<uint8_t>(c));
        return out;
    }
    if (!text.empty() && text[0] == 0xFEFF) {
        // Plain UCS-2 would start with FF FE and read back as compressed;
        // a compressed value that switches to two-byte mode at once is exact.
        out = {0xFF, 0xFE, 0x00};
        for (char16_t c : text) {
            if ((c & 0xFF) == 0)
                return {}; // no stored form reads back as this text
            out.push_back(static_cast<uint8_t>(c));
            out.push_back(static_cast<uint8_t>(c >> 8));
        }
        return out;
    }
    out.resize(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i)
        StoreU16(out.data() + 2 * i, static_cast<uint16_t>(text[i]));
    return out;
}

} // namespace jet
