// The CRC-32 checksum, eight bytes a step (a 10 MB text in a few milliseconds).
#include "core/recovery/Crc32.h"

#include <array>
#include <bit>
#include <cstring>

namespace velto {

namespace {
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr Tables MakeTables() {
    Tables t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        t[0][i] = c;
    }
    // Table n gives the effect of a byte followed by n zero bytes.
    for (std::size_t n = 1; n < 8; ++n)
        for (std::size_t i = 0; i < 256; ++i)
            t[n][i] = (t[n - 1][i] >> 8) ^ t[0][t[n - 1][i] & 0xFF];
    return t;
}

constexpr Tables T = MakeTables();
} // namespace

std::uint32_t Crc32(std::uint32_t crc, std::string_view bytes) noexcept {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t n = bytes.size();
    std::uint32_t c = ~crc;
    while (n >= 8) {
        std::uint32_t lo = 0;
        std::uint32_t hi = 0;
        std::memcpy(&lo, p, 4);
        std::memcpy(&hi, p + 4, 4);
        if constexpr (std::endian::native == std::endian::big) {
            lo = __builtin_bswap32(lo);
            hi = __builtin_bswap32(hi);
        }
        lo ^= c;
        c = T[7][lo & 0xFF] ^ T[6][(lo >> 8) & 0xFF] ^ T[5][(lo >> 16) & 0xFF] ^ T[4][lo >> 24] ^
            T[3][hi & 0xFF] ^ T[2][(hi >> 8) & 0xFF] ^ T[1][(hi >> 16) & 0xFF] ^ T[0][hi >> 24];
        p += 8;
        n -= 8;
    }
    while (n-- > 0)
        c = (c >> 8) ^ T[0][(c ^ *p++) & 0xFF];
    return ~c;
}

} // namespace velto
