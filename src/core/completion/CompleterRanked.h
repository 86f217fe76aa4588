// An item of a completion list with the key it is sorted by.
#pragma once

#include "core/completion/Completer.h"

#include <array>

namespace velto {

// Sorted by key, then by sortName (an empty one keeps the order items were made in).
struct Completer::Ranked {
    std::array<int, 4> key{};
    std::string sortName;
    CompletionItem item;
};

} // namespace velto
