// The CRC-32 checksum (the one of zip and PNG) that recovery files carry, so a file that
// was cut short or changed on disk is never taken for the text it held.
#pragma once

#include <cstdint>
#include <string_view>

namespace velto {

// Continues crc over bytes; start with 0. Crc32(Crc32(0, a), b) equals Crc32(0, a + b).
[[nodiscard]] std::uint32_t Crc32(std::uint32_t crc, std::string_view bytes) noexcept;

} // namespace velto
