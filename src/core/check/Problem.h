// One problem that Check Page found: its rule, severity, place and message.
#pragma once

#include "core/check/CheckRule.h"

#include <cstddef>
#include <string>

namespace velto {

struct Problem {
    Rule rule = Rule::UnknownElement;
    Severity severity = Severity::Error;
    // The bytes it covers, [start, end) in the checked text.
    std::size_t start = 0;
    std::size_t end = 0;
    // Written for the page's author: what is wrong and, where there is one, the cure.
    std::string message;
    // A second place it concerns, such as the first element with a duplicated id or the
    // end tag that closed an element left open; used only when relatedNote is not empty.
    std::size_t relatedStart = 0;
    std::size_t relatedEnd = 0;
    std::string relatedNote;

    [[nodiscard]] bool HasRelated() const noexcept { return !relatedNote.empty(); }
};

} // namespace velto
