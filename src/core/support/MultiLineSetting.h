// A text of several lines kept in the settings store as one key per line: the key name
// with a two-digit line number ("Name00", "Name01", ...), then a key holding the end
// marker. Lines longer than the store's line length are split over several keys.
#pragma once

#include <string>
#include <string_view>

namespace velto {

class Profile;

inline constexpr std::string_view MultiLineEndMarker = "$$MlPdOnE$$";
inline constexpr std::size_t MultiLineMaxLength = 128; // characters of one key
inline constexpr int MultiLineMaxKeys = 500;

// The lines from "Name00" up to the end marker (or a missing key), joined with "\r\n".
[[nodiscard]] std::string ReadMultiLine(const Profile& settings, std::string_view section, std::string_view name);

// Stores text (lines ending in "\r\n" or "\n") and empties the keys after the new end
// marker that an earlier, longer text left. A text needing more than the 500 keys keeps
// its first 499 key's worth. Returns false when a write failed.
bool WriteMultiLine(Profile& settings, std::string_view section, std::string_view name, std::string_view text);

} // namespace velto
