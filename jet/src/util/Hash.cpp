#include "util/Hash.h"

#include "util/Coding.h"

namespace jet {
namespace {

constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr uint64_t kPrime3 = 0x165667B19E3779F9ULL;
constexpr uint64_t kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr uint64_t kPrime5 = 0x27D4EB2F165667C5ULL;

constexpr uint64_t RotateLeft(uint64_t v, int bits)
{
    return (v << bits) | (v >> (64 - bits));
}

constexpr uint64_t Round(uint64_t acc, uint64_t input)
{
    acc += input * kPrime2;
    acc = RotateLeft(acc, 31);
    return acc * kPrime1;
}

constexpr uint64_t MergeRound(uint64_t acc, uint64_t lane)
{
    acc ^= Round(0, lane);
    return acc * kPrime1 + kPrime4;
}

} // namespace

uint64_t Hash64(const uint8_t* data, size_t length, uint64_t seed)
{
    const uint8_t* p = data;
    const uint8_t* const end = data + length;
    uint64_t h;
    if (length >= 32) {
        uint64_t v1 = seed + kPrime1 + kPrime2;
        uint64_t v2 = seed + kPrime2;
        uint64_t v3 = seed;
        uint64_t v4 = seed - kPrime1;
        for (; end - p >= 32; p += 32) {
            v1 = Round(v1, LoadU64(p));
            v2 = Round(v2, LoadU64(p + 8));
            v3 = Round(v3, LoadU64(p + 16));
            v4 = Round(v4, LoadU64(p + 24));
        }
        h = RotateLeft(v1, 1) + RotateLeft(v2, 7) + RotateLeft(v3, 12) + RotateLeft(v4, 18);
        h = MergeRound(h, v1);
        h = MergeRound(h, v2);
        h = MergeRound(h, v3);
        h = MergeRound(h, v4);
    } else {
        h = seed + kPrime5;
    }
    h += static_cast<uint64_t>(length);
    for (; end - p >= 8; p += 8) {
        h ^= Round(0, LoadU64(p));
        h = RotateLeft(h, 27) * kPrime1 + kPrime4;
    }
    if (end - p >= 4) {
        h ^= static_cast<uint64_t>(LoadU32(p)) * kPrime1;
        h = RotateLeft(h, 23) * kPrime2 + kPrime3;
        p += 4;
    }
    for (; p < end; ++p) {
        h ^= static_cast<uint64_t>(*p) * kPrime5;
        h = RotateLeft(h, 11) * kPrime1;
    }
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    h *= kPrime3;
    h ^= h >> 32;
    return h;
}

} // namespace jet
