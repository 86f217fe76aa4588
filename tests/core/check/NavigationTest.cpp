// Going from problem to problem (F8, Shift+F8) and the counts of the status bar.
#include "core/check/ProblemNavigation.h"

#include <gtest/gtest.h>

namespace velto {
namespace {

std::vector<Problem> At(std::initializer_list<std::pair<std::size_t, Severity>> places) {
    std::vector<Problem> problems;
    for (const auto& [start, severity] : places) {
        Problem p;
        p.start = start;
        p.end = start + 3;
        p.severity = severity;
        problems.push_back(p);
    }
    return problems;
}

TEST(Navigation, NextAndPreviousGoRoundAtTheEnds) {
    const auto problems =
        At({{10, Severity::Error}, {20, Severity::Warning}, {30, Severity::Info}});
    EXPECT_EQ(StepProblem(problems, 0, 0, std::nullopt, true), 0u);
    EXPECT_EQ(StepProblem(problems, 15, 15, std::nullopt, true), 1u);
    EXPECT_EQ(StepProblem(problems, 35, 35, std::nullopt, true), 0u);
    EXPECT_EQ(StepProblem(problems, 15, 15, std::nullopt, false), 0u);
    EXPECT_EQ(StepProblem(problems, 5, 5, std::nullopt, false), 2u);
    EXPECT_EQ(StepProblem({}, 5, 5, std::nullopt, true), std::nullopt);
}

TEST(Navigation, ProblemsAtOnePlaceAreEachVisited) {
    const auto problems =
        At({{10, Severity::Error}, {10, Severity::Warning}, {20, Severity::Error}});
    // The first selected, the second shares its start: F8 goes on to it, then past both.
    EXPECT_EQ(StepProblem(problems, 10, 13, 0u, true), 1u);
    EXPECT_EQ(StepProblem(problems, 10, 13, 1u, true), 2u);
    EXPECT_EQ(StepProblem(problems, 10, 13, 1u, false), 0u);
    // Once the selection moved elsewhere, the place counts again.
    EXPECT_EQ(StepProblem(problems, 12, 12, 0u, true), 2u);
}

TEST(Navigation, CountsInWords) {
    EXPECT_EQ(CountsText(CountProblems({})), "No problems");
    EXPECT_EQ(CountsText(CountProblems(At({{1, Severity::Error}, {2, Severity::Info}}))),
              "1 error, 1 info");
    EXPECT_EQ(CountsText(CountProblems(At({{1, Severity::Warning},
                                           {2, Severity::Warning},
                                           {3, Severity::Error},
                                           {4, Severity::Error}}))),
              "2 errors, 2 warnings");
}

} // namespace
} // namespace velto
