// The configuration sections: defaults from an empty profile, clamps, round trips.
#include "core/config/EditorConfig.h"
#include "core/config/GeneralConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/config/PrintingSettings.h"
#include "core/platform/MemoryProfile.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(ConfigSections, EmptyProfileGivesEveryDefault) {
    MemoryProfile p;
    CGeneralConfig g;
    g.maxColouringInsert = -1; // make sure Load really sets each value
    g.Load(p);
    EXPECT_EQ(g.maxColouringInsert, 5000);
    EXPECT_EQ(g.viewScanChunk, 4096);
    EXPECT_EQ(g.templateMenuMaxItems, 15);
    EXPECT_EQ(g.templateMenuMaxDepth, 3);
    EXPECT_EQ(g.snippetsMenuMaxItems, 15);
    EXPECT_EQ(g.snippetsMenuMaxDepth, 3);
    EXPECT_EQ(g.scrollPreview, 0);
    EXPECT_EQ(g.numberOfPreviewFiles, 10);
    EXPECT_EQ(g.mruFiles, 8);
    EXPECT_EQ(g.mruEntryWidth, 80);
    EXPECT_EQ(g.elementPropertiesShowHtmlCodes, 1);
    EXPECT_EQ(g.previewTmpFile, "~veltopv%d.htm");

    CEditorConfig e;
    e.insertHtmlLowerCase = true;
    e.autoSetImageSize = false;
    e.autoCloseTags = false;
    e.autoCloseOptionalEndTags = true;
    e.completeAsYouType = false;
    e.Load(p);
    EXPECT_FALSE(e.insertHtmlLowerCase);
    // Paths on this platform are case-sensitive: lowering them would break links.
    EXPECT_FALSE(e.insertInsertPathsLowerCase);
    EXPECT_TRUE(e.insertRelativeFilePaths);
    EXPECT_TRUE(e.autoSetImageSize);
    EXPECT_TRUE(e.insertHtmlColourNames);
    EXPECT_TRUE(e.autoCloseTags);
    EXPECT_FALSE(e.autoCloseOptionalEndTags);
    EXPECT_TRUE(e.completeAsYouType);

    CHtmlConfig h;
    h.Load(p);
    EXPECT_TRUE(h.advancedAttsOnPopup);
    EXPECT_TRUE(h.advancedAttsGreyed);
    EXPECT_EQ(h.userNameType, 2);
    EXPECT_TRUE(h.vgaColoursOnMenu);
    EXPECT_TRUE(h.userColoursOnMenu);
    ASSERT_EQ(h.versions.size(), 8u);
    EXPECT_EQ(h.versions[7].name, "HTML5");
    for (const HtmlVer& v : h.versions)
        EXPECT_EQ(v.state, 2u) << v.name;
    EXPECT_EQ(h.allMask, 0u);
    EXPECT_EQ(h.anyMask, 0x3031Du);

    PageMargins m;
    m.Load(p);
    EXPECT_EQ(m, PageMargins{});
    EXPECT_EQ(p.Size(), 0u) << "loading must write nothing";
}

TEST(ConfigSections, NumberOfPreviewFilesIsClampedAndOddValuesFallBack) {
    MemoryProfile p;
    CGeneralConfig g;
    p.WriteInt("Settings", "Number Of Preview Files", 0);
    g.Load(p);
    EXPECT_EQ(g.numberOfPreviewFiles, 1);
    p.WriteInt("Settings", "Number Of Preview Files", 500);
    g.Load(p);
    EXPECT_EQ(g.numberOfPreviewFiles, 100);
    // A zero chunk would stall the background colouring; a negative menu limit is nonsense.
    p.WriteInt("Settings", "ViewScanChunk", 0);
    p.WriteInt("Settings", "TemplateMenuMaxItems", -3);
    p.WriteString("Settings", "MruFiles", "lots");
    g.Load(p);
    EXPECT_EQ(g.viewScanChunk, 4096);
    EXPECT_EQ(g.templateMenuMaxItems, 15);
    EXPECT_EQ(g.mruFiles, 8);
}

TEST(ConfigSections, SavedValuesReadBack) {
    MemoryProfile p;
    CGeneralConfig g;
    g.maxColouringInsert = 123;
    g.previewTmpFile = "pv%d.htm";
    ASSERT_TRUE(g.Save(p));
    CGeneralConfig g2;
    g2.Load(p);
    EXPECT_EQ(g2.maxColouringInsert, 123);
    EXPECT_EQ(g2.previewTmpFile, "pv%d.htm");

    CEditorConfig e;
    e.insertHtmlLowerCase = true;
    e.insertRelativeFilePaths = false;
    e.completeAsYouType = false;
    ASSERT_TRUE(e.Save(p));
    CEditorConfig e2;
    e2.Load(p);
    EXPECT_TRUE(e2.insertHtmlLowerCase);
    EXPECT_FALSE(e2.insertRelativeFilePaths);
    EXPECT_FALSE(e2.completeAsYouType);

    CHtmlConfig h;
    h.userNameType = 2;
    h.advancedAttsGreyed = false;
    ASSERT_TRUE(h.Save(p));
    CHtmlConfig h2;
    h2.userNameType = 0;
    h2.Load(p);
    EXPECT_EQ(h2.userNameType, 2);
    EXPECT_FALSE(h2.advancedAttsGreyed);
}

TEST(ConfigSections, FlagsReadAnyNonZeroAsOn) {
    MemoryProfile p;
    p.WriteInt("HTML Configuration", "VgaColoursOnMenu", 7);
    p.WriteInt("HTML Configuration", "AdvancedAttsOnPopup", 0);
    p.WriteInt("Editor Configuration", "InsertHtmlLowerCase", -1);
    CHtmlConfig h;
    h.Load(p);
    EXPECT_TRUE(h.vgaColoursOnMenu);
    EXPECT_FALSE(h.advancedAttsOnPopup);
    CEditorConfig e;
    e.Load(p);
    EXPECT_TRUE(e.insertHtmlLowerCase);
}

TEST(HtmlVersionStates, RoundTripThroughTheProfile) {
    MemoryProfile p;
    CHtmlConfig h;
    ASSERT_TRUE(h.SetVersionState("HTML v3.2", VersionState::AllOf));
    ASSERT_TRUE(h.SetVersionState("Netscape Navigator 2.0", 0));
    ASSERT_TRUE(h.Save(p));
    EXPECT_EQ(p.GetString("HTML Configuration", "HtmlVerSetting00", ""), "HTML v2.0,2");
    EXPECT_EQ(p.GetString("HTML Configuration", "HtmlVerSetting01", ""), "HTML v3.2,1");
    EXPECT_EQ(p.GetString("HTML Configuration", "HtmlVerSetting07", ""), "HTML5,2");
    EXPECT_EQ(p.GetString("HTML Configuration", "HtmlVerSetting08", ""), "<end>");

    CHtmlConfig h2;
    h2.Load(p);
    for (std::size_t i = 0; i < h.versions.size(); ++i)
        EXPECT_EQ(h2.versions[i].state, h.versions[i].state) << h.versions[i].name;
    EXPECT_EQ(h2.allMask, 0x4u);
    EXPECT_EQ(h2.anyMask, 0x3031Du & ~0x4u & ~0x100u);
}

TEST(HtmlVersionStates, ASevenRecordListFromBeforeHtml5LoadsUnchanged) {
    MemoryProfile p;
    const char* old[] = {"HTML v2.0,0", "HTML v3.2,1", "HTML v4.0,2", "Internet Explorer 2.0,0",
                         "Internet Explorer 3.0,2", "Netscape Navigator 2.0,0", "Netscape Navigator 3.0,1", "<end>"};
    for (int i = 0; i < 8; ++i)
        p.WriteString("HTML Configuration", "HtmlVerSetting0" + std::to_string(i), old[i]);
    CHtmlConfig h;
    h.Load(p);
    const std::uint32_t states[] = {0, 1, 2, 0, 2, 0, 1, 2};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(h.versions[i].state, states[i]) << h.versions[i].name;
    EXPECT_EQ(h.allMask, 0x204u);
    EXPECT_EQ(h.anyMask, 0x20018u);
}

TEST(HtmlVersionStates, BothBitsKeepOnlyAnyOfAndUnknownNamesAreSkipped) {
    MemoryProfile p;
    p.WriteString("HTML Configuration", "HtmlVerSetting00", "HTML v3.2,3");
    p.WriteString("HTML Configuration", "HtmlVerSetting01", "Mosaic 1.0,1");
    p.WriteString("HTML Configuration", "HtmlVerSetting02", "HTML v2.0,1");
    p.WriteString("HTML Configuration", "HtmlVerSetting03", "<end>");
    p.WriteString("HTML Configuration", "HtmlVerSetting04", "HTML v4.0,0");
    CHtmlConfig h;
    h.Load(p);
    EXPECT_EQ(h.versions[1].state, 2u);  // 3 keeps only bit 2
    EXPECT_EQ(h.versions[0].state, 1u);  // read past the unknown name
    EXPECT_EQ(h.versions[2].state, 2u);  // nothing read after "<end>"
    EXPECT_EQ(h.allMask, 0x1u);
    EXPECT_EQ(HtmlVer("x", 1, 3).state, 2u);
}

TEST(HtmlVersionStates, AValueWithoutANumberEndsTheList) {
    MemoryProfile p;
    p.WriteString("HTML Configuration", "HtmlVerSetting00", "HTML v2.0,");
    p.WriteString("HTML Configuration", "HtmlVerSetting01", "HTML v3.2,1");
    CHtmlConfig h;
    h.Load(p);
    EXPECT_EQ(h.versions[1].state, 2u);
}

TEST(PageMarginsBlock, RoundTripsAsSixteenBytesAndIgnoresOtherSizes) {
    MemoryProfile p;
    PageMargins m{};
    m.left = -5;
    m.top = 100;
    m.right = 70000;
    m.bottom = 0;
    ASSERT_TRUE(m.Save(p));
    auto block = p.GetBinary("Printing Settings", "Page Margins");
    ASSERT_TRUE(block);
    ASSERT_EQ(block->size(), 16u);
    EXPECT_EQ((*block)[0], 0xFB); // -5 little-endian
    EXPECT_EQ((*block)[3], 0xFF);
    PageMargins back;
    back.Load(p);
    EXPECT_EQ(back, m);

    p.WriteBinary("Printing Settings", "Page Margins", Bytes(12, 0));
    PageMargins ignored;
    ignored.Load(p);
    EXPECT_EQ(ignored, PageMargins{});
}

TEST(PageMarginUnits, ConvertAndRoundToTens) {
    // 1440 twips are one inch: 2540 hundredths of a millimetre, 1000 thousandths of an inch.
    EXPECT_EQ(TwipsToMarginUnits(1440, MarginUnit::HundredthsOfMillimetre), 2540);
    EXPECT_EQ(TwipsToMarginUnits(1800, MarginUnit::ThousandthsOfInch), 1250);
    // 1000 twips = 1763.9 hundredths of a mm -> 1764 -> 1760.
    EXPECT_EQ(TwipsToMarginUnits(1000, MarginUnit::HundredthsOfMillimetre), 1760);
    EXPECT_EQ(RoundToTen(1765), 1770);
    EXPECT_EQ(RoundToTen(1764), 1760);
    EXPECT_EQ(RoundToTen(-1765), -1770);
    EXPECT_EQ(RoundToTen(-4), 0);
    EXPECT_EQ(MulDiv(-7, 1, 2), -4); // halves go away from zero
    EXPECT_EQ(MarginUnitsToTwips(1250, MarginUnit::ThousandthsOfInch), 1800);
    EXPECT_EQ(MarginUnitsToTwips(2544, MarginUnit::HundredthsOfMillimetre), 1440);
}
