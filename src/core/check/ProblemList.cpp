// ProblemList: collecting and ordering the problems of one check.
#include "core/check/ProblemList.h"

#include <algorithm>

namespace velto {

Problem* ProblemList::Add(Rule rule, std::size_t start, std::size_t end, std::string message) {
    if (!Wants(rule))
        return nullptr;
    Problem& p = problems_.emplace_back();
    p.rule = rule;
    p.severity = InfoOf(rule).severity;
    p.start = start;
    p.end = std::max(start, end);
    p.message = std::move(message);
    return &p;
}

std::vector<Problem> ProblemList::TakeSorted() {
    // Checks that run at the end of the page (duplicate ids, links) report out of order.
    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const Problem& a, const Problem& b) { return a.start < b.start; });
    return std::move(problems_);
}

} // namespace velto
