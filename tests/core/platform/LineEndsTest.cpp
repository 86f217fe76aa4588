// The line ends of a text: the one a document uses, and texts made to use it.
#include "core/platform/LineEnds.h"

#include <gtest/gtest.h>

using namespace velto;
using namespace std::literals;

TEST(LineEnds, TheFirstLineEndIsTheDocuments) {
    EXPECT_EQ(DetectLineEnd("a\r\nb\n"), "\r\n");
    EXPECT_EQ(DetectLineEnd("a\rb\r\n"), "\r");
    EXPECT_EQ(DetectLineEnd("a\nb\r\n"), "\n");
    EXPECT_EQ(DetectLineEnd("no end"), "\n");
    EXPECT_EQ(DetectLineEnd("ends in a lone\r"), "\r");
}

TEST(LineEnds, PastedTextTakesTheDocumentsLineEnds) {
    const std::string_view mixed = "a\r\nb\rc\nd\n\r\0e"sv;
    EXPECT_EQ(AllLineEndsAs(mixed, "\r\n"), "a\r\nb\r\nc\r\nd\r\n\r\n\0e"sv);
    EXPECT_EQ(AllLineEndsAs(mixed, "\n"), "a\nb\nc\nd\n\n\0e"sv);
    EXPECT_EQ(AllLineEndsAs("<p>no line end</p>", "\r"), "<p>no line end</p>");
    // Only "\r\n" is changed by the narrower conversion.
    EXPECT_EQ(WithLineEnds(mixed, "\n"), "a\nb\rc\nd\n\r\0e"sv);
}
