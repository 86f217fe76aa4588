// Reading decimal numbers the way a formatted-input conversion ("%d", "%u") does.
#pragma once

#include <cstdint>
#include <string_view>

namespace velto {

// Reads one decimal number at pos: leading white space skipped, an optional sign, then at
// least one digit. Values beyond 32 bits wrap as the C conversions do on this platform.
// Returns false (pos unchanged) when no number stands there.
bool ScanInt(std::string_view text, std::size_t& pos, std::int64_t& value);

// Reads "n1,n2,...,nk" (up to count numbers, commas between them) from the start of text
// into out; returns how many were read, stopping at the first mismatch, like sscanf.
int ScanCommaSeparated(std::string_view text, std::int64_t* out, int count,
                       std::size_t* endPos = nullptr);

} // namespace velto
