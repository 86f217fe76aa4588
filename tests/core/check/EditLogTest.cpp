// EditLog: ranges found in an older copy of a text, carried into the text of now.
#include "core/check/EditLog.h"

#include <gtest/gtest.h>

namespace velto {
namespace {

using Range = std::pair<std::size_t, std::size_t>;

TEST(EditLog, RangesFollowInsertionsAndDeletions) {
    EditLog log;
    EXPECT_EQ(log.Map(10, 20), Range(10, 20));
    log.Inserted(0, 5); // before the range
    EXPECT_EQ(log.Map(10, 20), Range(15, 25));
    log.Inserted(30, 3); // after it
    EXPECT_EQ(log.Map(10, 20), Range(15, 25));
    log.Deleted(16, 4); // inside it
    EXPECT_EQ(log.Map(10, 20), Range(15, 21));
}

TEST(EditLog, TextTypedAtTheEdgesStaysOutside) {
    EditLog start;
    start.Inserted(10, 2);
    EXPECT_EQ(start.Map(10, 20), Range(12, 22));
    EditLog end;
    end.Inserted(20, 2);
    EXPECT_EQ(end.Map(10, 20), Range(10, 20));
}

TEST(EditLog, ARangeDeletedWholeShrinksToTheDeletion) {
    EditLog log;
    log.Deleted(5, 30);
    EXPECT_EQ(log.Map(10, 20), Range(5, 5));
    EditLog overlap;
    overlap.Deleted(15, 10); // its end
    EXPECT_EQ(overlap.Map(10, 20), Range(10, 15));
    overlap.DropFirst(1);
    EXPECT_TRUE(overlap.Empty());
}

} // namespace
} // namespace velto
