#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace jet {

// RC4 stream cipher: the header mask and page encryption both use it.
class Rc4 {
public:
    explicit Rc4(std::span<const uint8_t> key);

    // XORs `data` with the next bytes of the key stream.
    void Apply(uint8_t* data, size_t length);

private:
    uint8_t m_s[256];
    uint8_t m_i = 0;
    uint8_t m_j = 0;
};

} // namespace jet
