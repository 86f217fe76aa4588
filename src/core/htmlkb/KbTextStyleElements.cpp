// Contents: the phrase elements of meaning and the physical text styles.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

#include <array>
#include <span>

namespace velto {

namespace {

struct Phrase {
    std::string_view nameText, label, menuText;
    std::uint32_t versions;
    std::string_view description;
};

constexpr std::array<Phrase, 9> MeaningPhrases = {{
    {"&EM", "&Emphasis", "&Emphasised Text", 0x7030f, "Text with emphasis, usually in italics"},
    {"&STRONG", "&Strong Emphasis", "&Strongly Emphasised Text", 0x7030f,
     "Text with strong emphasis, usually in bold"},
    {"&DFN", "&Definition", "&Defining Instance", 0x7000e, "The defining instance of a term"},
    {"&CODE", "&Code", "Program &Code", 0x7030f, "An extract of program code"},
    {"S&AMP", "S&ample", "S&ample Output", 0x7030f, "Sample output of a program or script"},
    {"&KBD", "&Keyboard", "&Keyboard Input", 0x7030f, "Text that the user is to type"},
    {"&VAR", "&Variable", "Program &Variable", 0x7030f,
     "A variable or a part that the user replaces"},
    {"C&ITE", "C&itation", "C&itation or Title", 0x7030f,
     "A citation, or the title of a book or other work"},
    {"AC&RONYM", "Ac&ronym", "Ac&ronym or Abbreviation", 0x4000a,
     "An acronym, such as WWW or HTTP"},
}};

constexpr std::array<Phrase, 10> StylePhrases = {{
    {"&TT", "&Teletype", "&Teletype (monospaced)", 0x7030f, "Text in a monospaced font"},
    {"&I\tCtrl+I", "&Italic\tCtrl+I", "&Italic Text\tCtrl+I", 0x7030f, "Text in italics"},
    {"&B\tCtrl+B", "&Bold\tCtrl+B", "&Bold Text\tCtrl+B", 0x7030f, "Text in bold"},
    {"&U", "&Underline", "&Underlined Text", 0x7020b, "Underlined text"},
    {"S&TRIKE", "S&trike-Through", "S&truck-Through Text", 0x7030d, "Text with a line through it"},
    {"&S", "&Strike (short)", "&Struck Text (short form)", 0x7020a,
     "Text with a line through it (the short form of STRIKE)"},
    {"B&IG", "B&ig", "B&igger Text", 0x6030e, "Text in a larger font"},
    {"S&MALL", "S&mall", "S&maller Text", 0x6030e, "Text in a smaller font"},
    {"S&UB", "S&ubscript", "S&ubscript Text", 0x6030e, "Subscript text, set lower and smaller"},
    {"SU&P", "Su&perscript", "Su&perscript Text", 0x6030e,
     "Superscript text, set higher and smaller"},
}};

void AddPhrases(KbBuilder& b, std::span<const Phrase> phrases) {
    for (const Phrase& p : phrases) {
        b.Element(p.nameText, p.label, p.menuText, p.versions, ElementClass::Container,
                  p.description);
        CommonEvents(b);
    }
}

} // namespace

void BuildTextStyleElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::Meaning);
    AddPhrases(b, MeaningPhrases);
    b.SetAppearance(AppearanceClass::Style);
    AddPhrases(b, StylePhrases);
}

} // namespace velto
