// Contents: the sectioning, grouping and interactive elements of the living standard, and
// its templates and slots.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"
#include "core/htmlkb/KbHtml5Sets.h"

#include <array>

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

struct Section {
    std::string_view nameText, label, menuText, description;
};

constexpr std::array<Section, 11> Sections = {{
    {"&ARTICLE", "&Article", "Self-Contained &Article",
     "A self-contained composition, such as a post, a story or a comment"},
    {"AS&IDE", "As&ide", "Content As&ide",
     "Content aside from the main flow, such as a sidebar or a pull quote"},
    {"&FOOTER", "&Footer", "Section &Footer",
     "The footer of the page or of a section: its author, copyright and related links"},
    {"&HEADER", "&Header", "Section &Header",
     "The introductory content of the page or of a section, such as its heading and logo"},
    {"H&GROUP", "Heading &Group", "Heading &Group With Subtitles",
     "A heading together with its subtitles or tagline"},
    {"&MAIN", "&Main Content", "&Main Content of the Page",
     "The main content of the page, without its repeated headers and navigation"},
    {"&NAV", "&Navigation", "&Navigation Links", "A section of links to other pages or parts"},
    {"&SECTION", "&Section", "Thematic &Section", "A thematic section, usually with a heading"},
    {"SEA&RCH", "Sea&rch", "Sea&rch Part", "The part of the page for searching or filtering"},
    {"FIG&URE", "Fig&ure", "Fig&ure With Caption",
     "Self-contained content such as an illustration or listing, with its caption"},
    {"FIG&CAPTION", "Figure &Caption", "", "The caption of a figure"},
}};

void OpenAttribute(KbBuilder& b, std::string_view description) {
    Html5Att(b, "&OPEN", "&Open", Flag, description);
}

void Interactive(KbBuilder& b) {
    b.Element("&DETAILS", "&Details", "Disclosure &Details", Html5Bit, Container,
              "Details that the user opens and closes, under a summary");
    OpenAttribute(b, "The details are shown at first");
    Html5Att(b, "&NAME", "Group &Name", Text,
             "Name of a group of details of which only one is open at a time");
    b.Events({});
    b.Element("S&UMMARY", "S&ummary", "Details S&ummary", Html5Bit, Container,
              "The summary or legend of details, which the user clicks to open them");
    b.Inside("DETAILS");
    b.Events({});
    b.Element("DIA&LOG", "Dia&log Box", "", Html5Bit, Container,
              "A dialog box or other interactive window over the page");
    OpenAttribute(b, "The dialog is shown (without making the rest of the page inert)");
    Html5Att(b, "&CLOSEDBY", "&Closed By", TextEnum, "How the user may close the dialog");
    Html5Val(b, "&any", "&Any", "A click outside, the Esc key or a close button");
    Html5Val(b, "&closerequest", "&Close Request", "The Esc key or a close button");
    Html5Val(b, "&none", "&None", "Only what the page offers");
    b.Events({});
}

void TemplateAndSlot(KbBuilder& b) {
    b.Element("TE&MPLATE", "Te&mplate", "Content Te&mplate", Html5Bit, Container,
              "Content that is not shown, for scripts to copy into the page");
    Html5Att(b, "SHADOWROOT&MODE", "Shadow Root &Mode", TextEnum,
             "The template is the shadow tree of its parent, open or closed to scripts");
    Html5Val(b, "&open", "&Open", "Scripts of the page may reach the shadow tree");
    Html5Val(b, "&closed", "&Closed", "Scripts of the page may not reach the shadow tree");
    Html5Att(b, "SHADOWROOT&DELEGATESFOCUS", "Shadow Root &Delegates Focus", Flag,
             "Focusing the host focuses the first focusable element of the shadow tree");
    Html5Att(b, "SHADOWROOT&CLONABLE", "Shadow Root &Clonable", Flag,
             "The shadow tree is copied when its host is cloned");
    Html5Att(b, "SHADOWROOT&SERIALIZABLE", "Shadow Root &Serialisable", Flag,
             "The shadow tree is written out when its host's HTML is read");
    b.Events({});
    b.Element("SL&OT", "Sl&ot", "Shadow Tree Sl&ot", Html5Bit, Container,
              "A place in a shadow tree that the host's content fills");
    Html5Att(b, "&NAME", "&Name", Text, "Name of the slot, which content picks with SLOT");
    b.Events({});
}

} // namespace

void BuildHtml5SectionElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::StructureLayout);
    for (const Section& s : Sections) {
        b.Element(s.nameText, s.label, s.menuText, Html5Bit, Container, s.description);
        b.Events({});
    }
    Interactive(b);
    b.SetAppearance(AppearanceClass::EmbedProgrammatic);
    TemplateAndSlot(b);
}

} // namespace velto
