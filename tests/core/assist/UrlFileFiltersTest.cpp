// The file type filters of URL-valued attributes: the table and the lists per kind.
#include "core/assist/UrlFileFilters.h"

#include <gtest/gtest.h>

#include <set>

using namespace velto;

namespace {
std::vector<std::string_view> Filters(const UrlFileDialogFilters& f) {
    std::vector<std::string_view> out;
    for (const UrlFilterRow* row : f.rows)
        out.push_back(row->filter);
    return out;
}
} // namespace

TEST(UrlFileFilters, EveryRowIsWellFormed) {
    std::set<std::uint32_t> maskBits;
    for (const UrlFilterRow& row : UrlFilterRows()) {
        SCOPED_TRACE(std::string(row.filter));
        // "Description (*.a;*.b)": a pattern list in brackets at the end.
        const auto open = row.filter.find(" (*.");
        ASSERT_NE(open, std::string_view::npos);
        EXPECT_EQ(row.filter.back(), ')');
        EXPECT_EQ(row.filter.find_first_of(" ", open + 1), std::string_view::npos);
        if (!row.buttonLabel.empty()) {
            EXPECT_EQ(row.buttonLabel.front(), '&');
            EXPECT_TRUE(row.buttonLabel.ends_with("..."));
        }
        // Each row that opens a kind's list has a label and a mask bit of its own.
        if (row.preselectedFor != 0) {
            EXPECT_FALSE(row.buttonLabel.empty());
            EXPECT_EQ(row.kindMask & (row.kindMask - 1), 0u);
            EXPECT_TRUE(maskBits.insert(row.kindMask).second);
        }
    }
    EXPECT_EQ(maskBits.size(), 7u);
}

TEST(UrlFileFilters, OneKindListsItsRowsBetweenItsOwnAndAllFiles) {
    for (int kind = 2; kind <= 8; ++kind) {
        SCOPED_TRACE(kind);
        const UrlFileDialogFilters f = FiltersForUrlValue(static_cast<std::uint32_t>(kind) | 0x100);
        ASSERT_GE(f.rows.size(), 3u);
        EXPECT_EQ(f.preselected, 0u);
        EXPECT_EQ(f.rows.front()->preselectedFor, kind);
        EXPECT_EQ(f.buttonLabel, f.rows.front()->buttonLabel);
        EXPECT_EQ(f.rows.back()->filter, "All Files (*.*)");
        for (std::size_t i = 1; i + 1 < f.rows.size(); ++i)
            EXPECT_EQ(f.rows[i]->kind, kind);
    }
    const UrlFileDialogFilters images = FiltersForUrlValue(3);
    EXPECT_EQ(Filters(images),
              (std::vector<std::string_view>{
                  "Images (*.gif;*.bmp;*.tif;*.tiff;*.jpg;*.jpe;*.jpeg;*.png)",
                  "GIF Images (*.gif)", "TIFF Images (*.tif;*.tiff)",
                  "JPEG Images (*.jpg;*.jpe;*.jpeg)", "Bitmaps (*.bmp)", "All Files (*.*)"}));
    EXPECT_EQ(images.buttonLabel, "&Images...");

    const UrlFileDialogFilters any = FiltersForUrlValue(1);
    EXPECT_EQ(any.rows.size(), 8u);
    EXPECT_EQ(any.rows.front()->filter, "All Files (*.*)");
    EXPECT_EQ(any.preselected, 0u);
    EXPECT_EQ(any.buttonLabel, "&Files...");
    EXPECT_EQ(Filters(FiltersForUrlValue(9)), (std::vector<std::string_view>{"All Files (*.*)"}));
}

TEST(UrlFileFilters, SeveralKindsFollowTheirMaskBits) {
    const UrlFileDialogFilters noHtml = FiltersForUrlValue(20 | 0x400 | 0x1000);
    EXPECT_EQ(Filters(noHtml), (std::vector<std::string_view>{
                                   "Images (*.gif;*.bmp;*.tif;*.tiff;*.jpg;*.jpe;*.jpeg;*.png)",
                                   "Sounds (*.au;*.snd;*.wav;*.mid;*.rmi;*.ra;*.aif;*.aiff;*.aifc)",
                                   "All Files (*.*)"}));
    EXPECT_EQ(noHtml.preselected, 2u);
    EXPECT_EQ(noHtml.buttonLabel, "&Files...");

    const UrlFileDialogFilters withHtml = FiltersForUrlValue(20 | 0x8000 | 0x200);
    ASSERT_EQ(withHtml.rows.size(), 3u);
    EXPECT_EQ(withHtml.rows[0]->preselectedFor, 2);
    EXPECT_EQ(withHtml.rows[1]->preselectedFor, 8);
    EXPECT_EQ(withHtml.preselected, 0u);
    EXPECT_EQ(withHtml.buttonLabel, "&Html...");

    const UrlFileDialogFilters all = FiltersForUrlValue(20 | 0xFE00);
    EXPECT_EQ(all.rows.size(), 8u);
    EXPECT_EQ(all.rows.back()->filter, "All Files (*.*)");
}
