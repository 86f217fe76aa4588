// Contents: the phrase elements of the living standard, and ruby annotations.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"
#include "core/htmlkb/KbHtml5Sets.h"

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

void MeaningPhrases(KbBuilder& b) {
    // HTML 4.0 had ABBR too.
    b.Element("A&BBR", "A&bbreviation", "A&bbreviation or Acronym",
              VersionBits::Html40 | Html5Bit, Container,
              "An abbreviation or acronym, whose expansion TITLE may give");
    CommonEvents(b);
    b.Element("&MARK", "&Marked Text", "&Highlighted Text", Html5Bit, Container,
              "Text highlighted for reference, such as a search match");
    b.Events({});
    b.Element("&TIME", "&Time", "&Date or Time", Html5Bit, Container,
              "A date, time or duration, with its machine-readable form");
    b.Att("&DATETIME", "&Date and Time", "Machine-Readable &Date and Time", Html5Bit, Date,
          "The date or time in machine-readable form, such as 2024-05-01T09:30");
    b.Events({});
    b.Element("DAT&A", "Dat&a", "Machine-Readable V&alue", Html5Bit, Container,
              "Content with a machine-readable value, such as a product number");
    Html5Att(b, "&VALUE", "&Value", Required | Text, "The machine-readable value of the content");
    b.Events({});
    b.Element("BD&I", "Bidi &Isolate", "Bidi &Isolated Text", Html5Bit, Container,
              "Text whose direction may differ from that around it, such as a user name");
    b.Events({});
}

void Ruby(KbBuilder& b) {
    b.Element("&RUBY", "&Ruby", "&Ruby Annotation", Html5Bit, Container,
              "Text with small annotations above or beside it, such as readings of East Asian characters");
    b.Events({});
    b.Element("R&T", "Ruby &Text", "", Html5Bit, EndTagOptional,
              "The annotation of a ruby, such as a reading");
    b.Inside("RUBY");
    b.Events({});
    b.Element("R&P", "Ruby &Parenthesis", "", Html5Bit, EndTagOptional,
              "Parentheses around ruby text, for browsers that cannot show ruby");
    b.Inside("RUBY");
    b.Events({});
}

} // namespace

void BuildHtml5PhraseElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::Meaning);
    MeaningPhrases(b);
    b.SetAppearance(AppearanceClass::Style);
    Ruby(b);
}

} // namespace velto
