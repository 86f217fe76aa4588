// The words of Check Page for what lies outside the selected versions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velto {

class CheckVocabulary;

// "FONT is obsolete in HTML5: use CSS (...)", "MARK is not in HTML v4.0: it came with
// HTML5": why a record of these versions is not in the selection, with the advice, if any.
[[nodiscard]] std::string OutsideSelection(const CheckVocabulary& vocabulary,
                                           const std::string& subject, std::uint32_t versions,
                                           std::string_view advice);

} // namespace velto
