// Moving through problems and counting them.
#include "core/check/ProblemNavigation.h"

namespace velto {

ProblemCounts CountProblems(const std::vector<Problem>& problems) noexcept {
    ProblemCounts counts;
    for (const Problem& p : problems) {
        switch (p.severity) {
        case Severity::Error:
            ++counts.errors;
            break;
        case Severity::Warning:
            ++counts.warnings;
            break;
        case Severity::Info:
            ++counts.infos;
            break;
        }
    }
    return counts;
}

std::string CountsText(const ProblemCounts& counts) {
    if (counts.Total() == 0)
        return "No problems";
    std::string text;
    const auto add = [&text](std::size_t n, const char* one, const char* many) {
        if (n == 0)
            return;
        if (!text.empty())
            text += ", ";
        text += std::to_string(n) + " " + (n == 1 ? one : many);
    };
    add(counts.errors, "error", "errors");
    add(counts.warnings, "warning", "warnings");
    add(counts.infos, "info", "info");
    return text;
}

std::optional<std::size_t> StepProblem(const std::vector<Problem>& problems,
                                       std::size_t selectionStart, std::size_t selectionEnd,
                                       std::optional<std::size_t> current, bool forward) noexcept {
    const std::size_t n = problems.size();
    if (n == 0)
        return std::nullopt;
    if (current && *current < n && problems[*current].start == selectionStart &&
        (problems[*current].end == selectionEnd || selectionStart == selectionEnd))
        return forward ? (*current + 1) % n : (*current + n - 1) % n;
    if (forward) {
        for (std::size_t i = 0; i < n; ++i)
            if (problems[i].start > selectionStart)
                return i;
        return 0;
    }
    for (std::size_t i = n; i-- > 0;)
        if (problems[i].start < selectionStart)
            return i;
    return n - 1;
}

} // namespace velto
