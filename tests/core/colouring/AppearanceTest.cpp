// The appearance classes: defaults, profile keys, load and save, and the font dialog mapping.
#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/FontDialogValues.h"
#include "core/platform/MemoryProfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace velto;

namespace {
constexpr const char* Fields[] = {"Mask",       "Effects", "Height",         "Offset",
                                  "TextColour", "CharSet", "PitchAndFamily", "FaceName"};
}

TEST(Appearance, AnEmptyProfileLeavesTheDefaults) {
    AppearanceSettings s;
    s.LoadAll(MemoryProfile());
    ASSERT_EQ(s.Classes().size(), AppearanceClassCount);
    for (std::size_t i = 0; i < AppearanceClassCount; ++i) {
        const CAppearanceConfig& c = s.Classes()[i];
        EXPECT_EQ(c.Name(), AppearanceClasses[i].name);
        EXPECT_EQ(&c, &s.Class(static_cast<AppearanceClass>(i)));
        EXPECT_EQ(c.textColour, AppearanceClasses[i].defaultColour) << c.Name();
        EXPECT_EQ(std::tie(c.height, c.faceName, c.mask, c.effects, c.charSet, c.pitchAndFamily),
                  std::make_tuple(-12, std::string("Courier New"), 0xFFFFFFFFu, 0u, std::uint8_t{1},
                                  std::uint8_t{0x30}))
            << c.Name();
    }
    EXPECT_EQ(s.Class(AppearanceClass::AnchorTag).textColour, Rgb(0, 0, 255));
    EXPECT_EQ(s.Class(AppearanceClass::Text).HeightInTwips(), 192);
    EXPECT_EQ(s.Mode(), ColourMode::Tags);
    EXPECT_EQ(CRecCharFormat().height, -13); // a bare format is one pixel taller
    EXPECT_EQ(s.Class(AppearanceClass::AnchorTag).KeyName("TextColour"), "Anchor Tag TextColour");
    EXPECT_EQ(CRecCharFormat().KeyName("TextColour"), "TextColour");
}

TEST(Appearance, HeightRuleAndItsInverse) {
    CRecCharFormat f;
    f.height = 240; // positive: twips
    EXPECT_DOUBLE_EQ(f.HeightInPoints(), 12);
    f.height = INT32_MIN; // no overflow, and a size a font can have
    EXPECT_EQ(f.HeightInTwips(), 2147483648LL * 16);
    EXPECT_LE(f.HeightInPoints(), 1638);
    f.height = 0;
    EXPECT_DOUBLE_EQ(f.HeightInPoints(), 9.6);
    for (int h : {-1, -12, -13, -40}) {
        f.height = h;
        EXPECT_EQ(CRecCharFormat::HeightFromPoints(f.HeightInPoints()), h);
    }
    EXPECT_EQ(CRecCharFormat::HeightFromPoints(-3), -12);
    EXPECT_EQ(CRecCharFormat::HeightFromPoints(std::nan("")), -12);
}

TEST(Appearance, LoadNeedsAStoredFaceAndKeepsWhatIsMissing) {
    MemoryProfile p;
    AppearanceSettings s;
    CAppearanceConfig& anchor = s.Class(AppearanceClass::AnchorTag);
    const CAppearanceConfig before = anchor;
    p.WriteInt("Appearance", "Anchor Tag TextColour", 0x123456); // no face stored
    EXPECT_FALSE(anchor.Load(p, "Appearance"));
    EXPECT_EQ(anchor, before);

    p.WriteString("Appearance", "Anchor Tag FaceName", "Courier 10 Pitch");
    p.WriteInt("Appearance", "Anchor Tag CharSet", 0x1FE);
    p.WriteInt("Appearance", "Anchor Tag PitchAndFamily", -1);
    EXPECT_TRUE(anchor.Load(p, "Appearance"));
    EXPECT_EQ(anchor.faceName, "Courier 10 Pitch");
    EXPECT_EQ(std::tie(anchor.textColour, anchor.charSet, anchor.pitchAndFamily),
              std::make_tuple(0x123456u, std::uint8_t{0xFE}, std::uint8_t{0xFF}));
    EXPECT_EQ(anchor.height, before.height);

    // A face alone keeps the current colour; a long face is cut to 31 bytes.
    p.WriteString("Appearance", "Comment FaceName", std::string(40, 'F'));
    CAppearanceConfig& comment = s.Class(AppearanceClass::Comment);
    comment.textColour = 0xABCDEF;
    EXPECT_TRUE(comment.Load(p, "Appearance"));
    EXPECT_EQ(comment.textColour, 0xABCDEFu);
    EXPECT_EQ(comment.faceName, std::string(31, 'F'));
    // A multibyte character across the cut goes whole; a NUL ends the name.
    EXPECT_EQ(CRecCharFormat::FitFaceName(std::string(30, 'a') + "\xC3\xA9z"),
              std::string(30, 'a'));
    EXPECT_EQ(CRecCharFormat::FitFaceName(std::string("Mono\0Junk", 9)), "Mono");
    // An empty section means the default one.
    p.WriteString("DefaultRecCharFormat", "FaceName", "Mono");
    CRecCharFormat bare;
    EXPECT_TRUE(bare.Load(p, ""));
}

TEST(Appearance, SaveWritesInOrderAndStopsAtTheFirstFailure) {
    const AppearanceSettings s;
    const CAppearanceConfig& text = s.Class(AppearanceClass::Text);
    for (int ok = 0; ok <= 8; ++ok) {
        MemoryProfile p;
        p.FailWritesAfter(ok);
        EXPECT_EQ(text.Save(p, "Appearance"), ok == 8);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(p.Has("Appearance", std::string("Text ") + Fields[i]), i < ok)
                << Fields[i] << " after " << ok << " writes";
    }
}

TEST(Appearance, SaveAllThenLoadAllRoundTrips) {
    AppearanceSettings saved;
    saved.enableNonTextStyles = 0;
    saved.Class(AppearanceClass::Text).effects = CharEffects::Bold | CharEffects::StrikeOut;
    saved.Class(AppearanceClass::Table).textColour = Rgb(1, 2, 3);
    saved.Class(AppearanceClass::Comment).height = 300;
    saved.Class(AppearanceClass::Form).offset = -20;
    MemoryProfile p;
    ASSERT_TRUE(saved.SaveAll(p));
    EXPECT_EQ(p.Size(), 1 + 8 * AppearanceClassCount);
    EXPECT_EQ(p.GetInt("Appearance", "EnableNonTextStyles", 1), 0);

    AppearanceSettings loaded;
    loaded.LoadAll(p);
    EXPECT_EQ(loaded.Mode(), ColourMode::Plain);
    for (std::size_t i = 0; i < AppearanceClassCount; ++i)
        EXPECT_EQ(loaded.Classes()[i], saved.Classes()[i]) << AppearanceClasses[i].name;

    // The switch goes first: with one write allowed only it is stored.
    MemoryProfile failing;
    failing.FailWritesAfter(1);
    EXPECT_FALSE(saved.SaveAll(failing));
    EXPECT_EQ(failing.Size(), 1u);
    EXPECT_TRUE(failing.Has("Appearance", "EnableNonTextStyles"));
}

TEST(Appearance, SettingsOfTheFourteenTagClassesLoadAndTheNewClassesKeepTheirDefaults) {
    // A profile written before the classes inside the page existed: the fourteen and the
    // switch, every one of them changed.
    AppearanceSettings older;
    older.enableNonTextStyles = 0;
    for (std::size_t i = 0; i < TagAppearanceClassCount; ++i) {
        older.Classes()[i].textColour = Rgb(static_cast<std::uint8_t>(i), 1, 2);
        older.Classes()[i].faceName = "Older Face";
    }
    MemoryProfile p;
    p.FailWritesAfter(static_cast<int>(1 + 8 * TagAppearanceClassCount)); // the classes in order
    EXPECT_FALSE(older.SaveAll(p));
    ASSERT_EQ(p.Size(), 1 + 8 * TagAppearanceClassCount);
    ASSERT_FALSE(p.Has("Appearance", "Attribute Value FaceName"));

    AppearanceSettings loaded;
    loaded.LoadAll(p);
    EXPECT_EQ(loaded.Mode(), ColourMode::Plain);
    for (std::size_t i = 0; i < TagAppearanceClassCount; ++i)
        EXPECT_EQ(loaded.Classes()[i], older.Classes()[i]) << AppearanceClasses[i].name;
    const AppearanceSettings defaults;
    for (std::size_t i = TagAppearanceClassCount; i < AppearanceClassCount; ++i)
        EXPECT_EQ(loaded.Classes()[i], defaults.Classes()[i]) << AppearanceClasses[i].name;
    // The new classes stand apart from "Text" and from one another where they meet.
    EXPECT_NE(defaults.Class(AppearanceClass::AttributeValue).textColour, Rgb(0, 0, 0));
    EXPECT_NE(defaults.Class(AppearanceClass::CssProperty).textColour,
              defaults.Class(AppearanceClass::CssValue).textColour);
    EXPECT_NE(defaults.Class(AppearanceClass::ScriptKeyword).textColour,
              defaults.Class(AppearanceClass::ScriptIdentifier).textColour);
}

TEST(Appearance, ResetCopyAndSelectionByName) {
    AppearanceSettings s;
    CAppearanceConfig& anchor = s.Class(AppearanceClass::AnchorTag);
    anchor.faceName = "Other";
    anchor.height = 99;
    anchor.Reset();
    EXPECT_EQ(anchor.textColour, 0u); // the class colour is given at construction only
    EXPECT_EQ(anchor.height, -12);
    EXPECT_EQ(anchor.faceName, "Courier New");
    EXPECT_EQ(anchor.Name(), "Anchor Tag");

    CAppearanceConfig copy(AppearanceClass::Body);
    copy.CopyFrom(s.Class(AppearanceClass::Table));
    EXPECT_EQ(copy, s.Class(AppearanceClass::Table));

    EXPECT_EQ(s.IndexOfName("Table"), static_cast<std::size_t>(AppearanceClass::Table));
    EXPECT_EQ(s.IndexOfName("table"), 0u);
    EXPECT_EQ(s.IndexOfName("Nothing"), 0u);
}

TEST(FontDialog, StartsFromTheFormatAndTakesTheResult) {
    CRecCharFormat f;
    f.effects = CharEffects::Bold | CharEffects::Italic | CharEffects::Underline;
    f.mask = ~CharEffects::Italic; // italic does not apply
    f.charSet = 77;
    f.offset = 40;
    const FontDialogValues start = FontDialogStart(f);
    EXPECT_EQ(std::tie(start.weight, start.italic, start.underline, start.strikeOut),
              std::make_tuple(700, false, true, false));
    EXPECT_EQ(std::tie(start.colour, start.height, start.faceName, start.pitchAndFamily),
              std::tie(f.textColour, f.height, f.faceName, f.pitchAndFamily));

    FontDialogValues result{-20, 600, false, true, true, 0x31, "DejaVu Sans Mono", Rgb(1, 1, 1)};
    TakeFontDialogResult(f, result); // 600, semi-bold, is not bold
    EXPECT_EQ(f.effects, CharEffects::Underline | CharEffects::StrikeOut);
    EXPECT_EQ(f.mask, f.DefaultMask());
    EXPECT_EQ(std::tie(f.textColour, f.height, f.faceName, f.pitchAndFamily),
              std::tie(result.colour, result.height, result.faceName, result.pitchAndFamily));
    EXPECT_EQ(std::tie(f.charSet, f.offset), std::make_tuple(std::uint8_t{77}, 40));
    result.weight = 700;
    TakeFontDialogResult(f, result);
    EXPECT_TRUE(f.Has(CharEffects::Bold));
}
