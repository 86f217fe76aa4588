// The pages of tests/check-pages, valid and faulty, checked against the versions their
// doctypes name. Each page ends in a comment "expect: RULE@LINE ..." (or "expect:
// nothing"): what Check Page finds there, which scripts/compare-check has compared with
// the W3C's validators.
#include "CheckTestSupport.h"
#include "core/fakes/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace velto::test {
namespace {

namespace fs = std::filesystem;

fs::path PagesFolder() {
    return fs::path(VELTO_SOURCE_DIR) / "tests" / "check-pages";
}

// The version a page is checked against, from its doctype as compare-check reads it.
const char* VersionOf(const std::string& page) {
    std::string head = page.substr(0, 200);
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (head.find("html 4") != std::string::npos)
        return "HTML v4.0";
    if (head.find("html 3.2") != std::string::npos)
        return "HTML v3.2";
    if (head.find("html 2.0") != std::string::npos)
        return "HTML v2.0";
    return "HTML5";
}

std::vector<std::string> Expected(const std::string& page) {
    const std::size_t at = page.rfind("<!-- expect:");
    if (at == std::string::npos)
        return {"(no expect comment)"};
    std::istringstream words(page.substr(at + 12, page.find("-->", at) - at - 12));
    std::vector<std::string> expected;
    for (std::string w; words >> w;)
        if (w != "nothing")
            expected.push_back(w);
    return expected;
}

TEST(Pages, EachPageGivesWhatItsCommentExpects) {
    std::vector<fs::path> pages;
    for (const fs::directory_entry& e : fs::directory_iterator(PagesFolder()))
        if (e.path().extension() == ".html")
            pages.push_back(e.path());
    std::sort(pages.begin(), pages.end());
    ASSERT_GE(pages.size(), 10u);
    for (const fs::path& path : pages) {
        const std::string page = ReadFile(path);
        const PageCheck check({VersionOf(page)});
        CheckOptions options;
        options.documentPath = path.string();
        EXPECT_EQ(check.Found(page, options), Expected(page)) << path.filename();
    }
}

} // namespace
} // namespace velto::test
