#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace jet {

using ByteView = std::span<const uint8_t>;
using MutableByteView = std::span<uint8_t>;

// Little-endian field access. The unchecked forms require the caller to have
// checked the range; the Try forms check it and report failure.
inline uint16_t LoadU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t LoadU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16)
        | (static_cast<uint32_t>(p[3]) << 24);
}
inline uint64_t LoadU64(const uint8_t* p)
{
    return static_cast<uint64_t>(LoadU32(p)) | (static_cast<uint64_t>(LoadU32(p + 4)) << 32);
}
inline double LoadDouble(const uint8_t* p)
{
    const uint64_t bits = LoadU64(p);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
inline float LoadFloat(const uint8_t* p)
{
    const uint32_t bits = LoadU32(p);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

inline void StoreU16(uint8_t* p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void StoreU32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void StoreU64(uint8_t* p, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void StoreDouble(uint8_t* p, double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    StoreU64(p, bits);
}
inline void StoreFloat(uint8_t* p, float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    StoreU32(p, bits);
}

// True when [offset, offset + length) lies inside a buffer of `size` bytes.
inline bool InRange(size_t size, size_t offset, size_t length)
{
    return offset <= size && length <= size - offset;
}

// Bounds-checked reads from a view; `ok` turns false on the first read out
// of range and stays false (reads then return 0).
class ByteReader {
public:
    explicit ByteReader(ByteView data)
        : m_data(data)
    { }

    bool ok() const { return m_ok; }
    size_t size() const { return m_data.size(); }

    uint8_t U8(size_t offset)
    {
        if (!Check(offset, 1))
            return 0;
        return m_data[offset];
    }
    uint16_t U16(size_t offset) { return Check(offset, 2) ? LoadU16(m_data.data() + offset) : 0; }
    uint32_t U32(size_t offset) { return Check(offset, 4) ? LoadU32(m_data.data() + offset) : 0; }
    ByteView Bytes(size_t offset, size_t length)
    {
        if (!Check(offset, length))
            return {};
        return m_data.subspan(offset, length);
    }

private:
    bool Check(size_t offset, size_t length)
    {
        if (m_ok && InRange(m_data.size(), offset, length))
            return true;
        m_ok = false;
        return false;
    }

    ByteView m_data;
    bool m_ok = true;
};

} // namespace jet
