// Moving through a page's problems (F8, Shift+F8) and counting them for the status bar.
#pragma once

#include "core/check/Problem.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velto {

struct ProblemCounts {
    std::size_t errors = 0;
    std::size_t warnings = 0;
    std::size_t infos = 0;

    [[nodiscard]] std::size_t Total() const noexcept { return errors + warnings + infos; }
};

[[nodiscard]] ProblemCounts CountProblems(const std::vector<Problem>& problems) noexcept;
// "2 errors, 1 warning, 3 info", or "No problems".
[[nodiscard]] std::string CountsText(const ProblemCounts& counts);

// The problem to go to from a selection, in the order of their places (the problems are
// sorted by start): the next one starting after the selection's start, or the one before
// it, going round at either end. `current`, the problem last gone to, counts while the
// selection still covers exactly its range, so that problems starting at the same place
// are each visited. None when there are no problems.
[[nodiscard]] std::optional<std::size_t>
StepProblem(const std::vector<Problem>& problems, std::size_t selectionStart,
            std::size_t selectionEnd, std::optional<std::size_t> current, bool forward) noexcept;

} // namespace velto
