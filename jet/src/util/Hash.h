#pragma once

#include <cstddef>
#include <cstdint>

namespace jet {

// A fast 64-bit hash (the XXH64 construction) for checksums of journal
// records: a torn or stale record must not pass for a whole one. Not a
// cryptographic hash.
uint64_t Hash64(const uint8_t* data, size_t length, uint64_t seed);

} // namespace jet
