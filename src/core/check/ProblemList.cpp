// ProblemList: collecting and ordering the problems of one check.
#include "core/check/ProblemList.h"

#include <algorithm>
#include <string>

namespace velto {

Problem* ProblemList::Add(Rule rule, std::size_t start, std::size_t end, std::string message) {
    if (!Wants(rule))
        return nullptr;
    if (problems_.size() >= MaxProblems) {
        if (!full_)
            firstLeftOut_ = start;
        full_ = true;
        return nullptr;
    }
    Problem& p = problems_.emplace_back();
    p.rule = rule;
    p.severity = InfoOf(rule).severity;
    p.start = start;
    p.end = std::max(start, end);
    p.message = std::move(message);
    return &p;
}

std::vector<Problem> ProblemList::TakeSorted() {
    if (full_) {
        Problem& p = problems_.emplace_back();
        p.rule = Rule::TooManyProblems;
        p.severity = InfoOf(p.rule).severity;
        p.start = p.end = firstLeftOut_;
        p.message = "More than " + std::to_string(MaxProblems) +
                    " problems: those after this place are not listed";
        full_ = false;
    }
    // Checks that run at the end of the page (duplicate ids, links) report out of order.
    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const Problem& a, const Problem& b) { return a.start < b.start; });
    return std::move(problems_);
}

} // namespace velto
