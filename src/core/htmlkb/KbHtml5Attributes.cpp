// Contents: what the living standard added to the elements and attributes it kept: new
// attributes, and new values of the old attributes.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"
#include "core/htmlkb/KbHtml5Sets.h"

#include <array>
#include <string>
#include <tuple>
#include <utility>

namespace velto {

using namespace AttKind;

namespace {

using Adder = void (*)(KbBuilder&);

void MetaAttributes(KbBuilder& b) {
    Html5Att(b, "C&HARSET", "C&haracter Set", TextEnum,
             "Character encoding of the document, which must be UTF-8");
    Html5Val(b, "&utf-8", "&UTF-8", "Unicode in eight-bit units, the encoding of the web");
    Html5Att(b, "M&EDIA", "M&edia", Text,
             "Media query for which the value applies, such as a theme colour for dark mode");
}

void LinkAttributes(KbBuilder& b) {
    Html5Att(b, "HREF&LANG", "Href &Language", Text, "Language of the linked resource");
    Html5Att(b, "&AS", "Fetch &As", TextEnum, "Kind of resource that a preload fetches");
    for (const auto& [word, label] :
         {std::pair{"&script", "&Script"}, std::pair{"st&yle", "St&yle Sheet"},
          std::pair{"&font", "&Font"}, std::pair{"&image", "&Image"},
          std::pair{"f&etch", "F&etch"}, std::pair{"&document", "&Document"},
          std::pair{"&audio", "&Audio"}, std::pair{"&video", "&Video"},
          std::pair{"&track", "&Text Track"}, std::pair{"&worker", "&Worker"}})
        Html5Val(b, word, label, "The preloaded resource is used as this kind");
    CrossOriginAttribute(b);
    IntegrityAttribute(b);
    ReferrerPolicyAttribute(b);
    Html5Att(b, "SI&ZES", "Si&zes", Text, "Sizes of an icon, such as 16x16 32x32 or any");
    Html5Att(b, "IMA&GESRCSET", "Ima&ge Source Set", Text,
             "Image files that a preload chooses from, as an image's source set");
    Html5Att(b, "IMAGESI&ZES", "Image Si&zes", Text,
             "Sizes of the preloaded image, as an image's sizes");
    BlockingAttribute(b);
    FetchPriorityAttribute(b);
    Html5Att(b, "&DISABLED", "&Disabled", Flag, "The linked style sheet is not applied");
}

void AnchorAttributes(KbBuilder& b) {
    HyperlinkAttributes(b);
    Html5Att(b, "HREF&LANG", "Href &Language", Text, "Language of the linked document");
    Html5Att(b, "T&YPE", "T&ype", Text, "Media type of the linked document");
}

void ImageAttributes(KbBuilder& b) {
    SrcsetAttributes(b);
    LoadingAttribute(b);
    Html5Att(b, "DE&CODING", "De&coding", TextEnum,
             "Whether the image is decoded before the page is shown");
    Html5Val(b, "&sync", "&Synchronous", "Decode the image with the rest of the page");
    Html5Val(b, "&async", "&Asynchronous", "Show the rest of the page without waiting");
    Html5Val(b, "a&uto", "A&uto", "Let the browser decide (the default)");
    CrossOriginAttribute(b);
    ReferrerPolicyAttribute(b);
    FetchPriorityAttribute(b);
}

void OrderedListAttributes(KbBuilder& b) {
    Html5Att(b, "RE&VERSED", "Re&versed", Flag, "The list counts down instead of up");
}

void HeaderCellAttributes(KbBuilder& b) {
    Html5Att(b, "H&EADERS", "H&eader Cells", Text,
             "Ids of the header cells that apply to this cell (space separated)");
    Html5Att(b, "SC&OPE", "Sc&ope", TextEnum, "The cells that this header cell heads");
    Html5Val(b, "&row", "&Row", "The rest of the row");
    Html5Val(b, "&col", "&Column", "The rest of the column");
    Html5Val(b, "row&group", "Row &Group", "The rest of the row group");
    Html5Val(b, "co&lgroup", "Co&lumn Group", "The rest of the column group");
    Html5Att(b, "A&BBR", "A&bbreviation", Text, "Short form of the header, for speech");
}

void DataCellAttributes(KbBuilder& b) {
    Html5Att(b, "H&EADERS", "H&eader Cells", Text,
             "Ids of the header cells that apply to this cell (space separated)");
}

void FormAttributes(KbBuilder& b) {
    AutocompleteAttribute(b);
    Html5Att(b, "&NAME", "&Name", Text, "Name of the form among the document's forms");
    Html5Att(b, "&NOVALIDATE", "&No Validation", Flag,
             "Submit without checking the controls' constraints");
    Html5Att(b, "RE&L", "&Relationship", TextList,
             "Relationship of the submission's target to this document, such as noopener");
}

void FieldSetAttributes(KbBuilder& b) {
    Html5Att(b, "&DISABLED", "&Disabled", Flag, "Every control in the field set is disabled");
    FormOwnerAttribute(b);
    Html5Att(b, "&NAME", "&Name", Text, "Name of the field set, for scripts");
}

void InputAttributes(KbBuilder& b) {
    Html5Att(b, "ACC&EPT", "Acc&epted Types", Text,
             "File types that a file upload accepts, such as image/* or .pdf (comma separated)");
    AutocompleteAttribute(b);
    DirNameAttribute(b);
    FormOwnerAttribute(b);
    FormOverrideAttributes(b);
    Html5Att(b, "&HEIGHT", "&Height", Number, "Height of an image button in pixels");
    Html5Att(b, "&WIDTH", "&Width", Number, "Width of an image button in pixels");
    Html5Att(b, "&LIST", "Suggestion &List", Text, "Id of a data list of suggested values");
    Html5Att(b, "MA&X", "Ma&ximum", Text, "Greatest value, such as a number or a date");
    Html5Att(b, "M&IN", "M&inimum", Text, "Least value, such as a number or a date");
    Html5Att(b, "STE&P", "Ste&p", Text, "Step between allowed values, or any");
    MinLengthAttribute(b);
    b.Att("M&ULTIPLE", "M&ultiple", "", Html5Bit, Marker | Flag,
          "The user may give several values, such as files or e-mail addresses");
    Html5Att(b, "PATTER&N", "Patter&n", Text, "Regular expression that the value must match");
    PlaceholderAttribute(b);
    RequiredAttribute(b);
    PopoverTargetAttributes(b);
}

void TextAreaAttributes(KbBuilder& b) {
    AutocompleteAttribute(b);
    DirNameAttribute(b);
    FormOwnerAttribute(b);
    Html5Att(b, "&MAXLENGTH", "&Maximum Length", Number,
             "Greatest number of characters the user may type");
    MinLengthAttribute(b);
    PlaceholderAttribute(b);
    RequiredAttribute(b);
}

void SelectAttributes(KbBuilder& b) {
    AutocompleteAttribute(b);
    FormOwnerAttribute(b);
    RequiredAttribute(b);
}

void OptionAttributes(KbBuilder& b) {
    Html5Att(b, "&LABEL", "&Label", Text, "Text shown for the option, if not its content");
}

void AreaAttributes(KbBuilder& b) {
    HyperlinkAttributes(b);
    Html5Att(b, "RE&L", "&Relationship", TextList,
             "Relationship of the linked document to this one, such as nofollow");
}

void ButtonAttributes(KbBuilder& b) {
    FormOwnerAttribute(b);
    FormOverrideAttributes(b);
    PopoverTargetAttributes(b);
}

void EmbedAttributes(KbBuilder& b) {
    Html5Att(b, "T&YPE", "T&ype", Text, "Media type of the embedded content");
}

void ScriptAttributes(KbBuilder& b) {
    Html5Att(b, "&ASYNC", "&Asynchronous", Flag,
             "Run the script as soon as it has arrived, without waiting for the page");
    Html5Att(b, "&DEFER", "&Defer", Flag, "Run the script when the page has been read");
    CrossOriginAttribute(b);
    IntegrityAttribute(b);
    Html5Att(b, "&NOMODULE", "&No Module", Flag,
             "Run the script only in browsers that cannot run modules");
    ReferrerPolicyAttribute(b);
    BlockingAttribute(b);
    FetchPriorityAttribute(b);
}

void StyleAttributes(KbBuilder& b) {
    BlockingAttribute(b);
}

void InlineFrameAttributes(KbBuilder& b) {
    Html5Att(b, "SRC&DOC", "Source &Document", Text, "HTML of the document to show in the frame");
    Html5Att(b, "A&LLOW", "A&llow", Text,
             "Features the framed page may use, such as fullscreen; camera");
    Html5Att(b, "ALLOWF&ULLSCREEN", "Allow F&ull Screen", Flag,
             "The framed page may go full screen");
    Html5Att(b, "SAND&BOX", "Sand&box", Text,
             "Restrict the framed page, lifting the restrictions named (space separated)");
    LoadingAttribute(b);
    ReferrerPolicyAttribute(b);
}

void ObjectAttributes(KbBuilder& b) {
    FormOwnerAttribute(b);
}

struct ElementAdder {
    std::string_view element;
    Adder add;
};

constexpr std::array<ElementAdder, 20> ElementAdders = {{
    {"META", MetaAttributes},           {"LINK", LinkAttributes},
    {"STYLE", StyleAttributes},         {"A", AnchorAttributes},
    {"IMG", ImageAttributes},           {"OL", OrderedListAttributes},
    {"TH", HeaderCellAttributes},       {"TD", DataCellAttributes},
    {"FORM", FormAttributes},           {"FIELDSET", FieldSetAttributes},
    {"INPUT", InputAttributes},         {"TEXTAREA", TextAreaAttributes},
    {"SELECT", SelectAttributes},       {"OPTION", OptionAttributes},
    {"AREA", AreaAttributes},           {"BUTTON", ButtonAttributes},
    {"EMBED", EmbedAttributes},         {"SCRIPT", ScriptAttributes},
    {"IFRAME", InlineFrameAttributes},  {"OBJECT", ObjectAttributes},
}};

// New values of the old attributes, before their typed-in entries.

void MetaNameValues(KbBuilder& b) {
    Html5Val(b, "&description", "&Description", "The value describes the page, for search results");
    Html5Val(b, "&generator", "&Generator", "The value names the program that made the page");
    Html5Val(b, "app&lication-name", "App&lication Name", "The value names the web application");
    Html5Val(b, "&referrer", "&Referrer", "The value is the page's referrer policy");
    Html5Val(b, "&theme-color", "&Theme Colour", "The value is a colour for the browser's frame");
    Html5Val(b, "&color-scheme", "&Colour Scheme", "The value names the colour schemes the page suits, such as light dark");
    Html5Val(b, "&viewport", "&Viewport", "The value sets the page's width and zoom on small screens");
}

void MetaHttpEquivValues(KbBuilder& b) {
    Html5Val(b, "&default-style", "&Default Style", "The value names the preferred style sheet");
    Html5Val(b, "&x-ua-compatible", "&X-UA-Compatible", "The value must be IE=edge");
    Html5Val(b, "content-&security-policy", "Content &Security Policy",
             "The value is the page's content security policy");
}

void LinkRelValues(KbBuilder& b) {
    for (const auto& [word, label, what] :
         {std::tuple{"&icon", "&Icon", "an icon of the page"},
          std::tuple{"&alternate", "&Alternate", "another version of the page"},
          std::tuple{"a&uthor", "A&uthor", "about the page's author"},
          std::tuple{"&canonical", "&Canonical", "the preferred address of the page"},
          std::tuple{"&dns-prefetch", "&DNS Prefetch", "a site whose name to look up early"},
          std::tuple{"&help", "&Help", "help for the page"},
          std::tuple{"&license", "&Licence", "the licence of the page"},
          std::tuple{"&manifest", "&Manifest", "the manifest of the web application"},
          std::tuple{"m&odulepreload", "M&odule Preload", "a script module to fetch early"},
          std::tuple{"&next", "&Next", "the next page of a series"},
          std::tuple{"p&refetch", "P&refetch", "a resource that a later page needs"},
          std::tuple{"precon&nect", "Precon&nect", "a site to connect to early"},
          std::tuple{"pre&load", "Pre&load", "a resource that this page needs soon"},
          std::tuple{"&prev", "&Previous", "the previous page of a series"},
          std::tuple{"&search", "&Search", "a search interface for the site"}})
        b.Val(word, label, {}, Html5Bit, std::string("The linked resource is ") + what);
}

void AnchorRelValues(KbBuilder& b) {
    for (const auto& [word, label, what] :
         {std::tuple{"a&lternate", "A&lternate", "The linked document is another version of this one"},
          std::tuple{"a&uthor", "A&uthor", "The linked document is about the author"},
          std::tuple{"e&xternal", "E&xternal", "The linked document is on another site"},
          std::tuple{"&license", "&Licence", "The linked document is the licence of this one"},
          std::tuple{"no&follow", "No &Follow", "The link is not endorsed by the author"},
          std::tuple{"noope&ner", "No Ope&ner", "The opened page gets no access to this one"},
          std::tuple{"norefe&rrer", "No Refe&rrer", "No address is sent, nor access given"},
          std::tuple{"&opener", "&Opener", "The opened page gets access to this one"},
          std::tuple{"pre&v", "Pre&vious", "The linked document is the previous in a series"},
          std::tuple{"&search", "&Search", "The linked document is a search interface"},
          std::tuple{"t&ag", "T&ag", "The linked document is a tag for this one"}})
        Html5Val(b, word, label, what);
}

void DirValues(KbBuilder& b) {
    Html5Val(b, "&AUTO", "&Automatic", "Direction from the first strong letter of the content");
}

void FormMethodValues(KbBuilder& b) {
    Html5Val(b, "&DIALOG", "&Dialog", "Close the enclosing dialog without submitting");
}

void FormEncTypeValues(KbBuilder& b) {
    Html5Val(b, "&text/plain", "&Plain Text", "Names and values as plain text lines");
}

void InputTypeValues(KbBuilder& b) {
    for (const auto& [word, label, what] :
         {std::tuple{"E&MAIL", "E-&mail", "A field for an e-mail address, or several"},
          std::tuple{"&URL", "&URL", "A field for a web address"},
          std::tuple{"TE&L", "Te&lephone", "A field for a telephone number"},
          std::tuple{"&NUMBER", "&Number", "A field for a number, with buttons to step it"},
          std::tuple{"RAN&GE", "Ran&ge Slider", "A slider for a number whose exact value matters little"},
          std::tuple{"&DATE", "&Date", "A field for a date, with a calendar"},
          std::tuple{"M&ONTH", "M&onth", "A field for a month of a year"},
          std::tuple{"&WEEK", "&Week", "A field for a week of a year"},
          std::tuple{"TI&ME", "Ti&me", "A field for a time of day"},
          std::tuple{"DATETIME-&LOCAL", "Date and Time (&local)", "A field for a date and a time of day"},
          std::tuple{"COLO&R", "Colou&r", "A colour chooser"},
          std::tuple{"SEAR&CH", "Sear&ch", "A field for search terms"}})
        Html5Val(b, word, label, what);
}

void TextAreaWrapValues(KbBuilder& b) {
    Html5Val(b, "&soft", "&Soft", "Lines wrap on screen but are sent as typed (the default)");
    Html5Val(b, "&hard", "&Hard", "Lines are sent with the breaks shown on screen (COLS needed)");
}

void AreaShapeValues(KbBuilder& b) {
    Html5Val(b, "C&IRCLE", "C&ircle", "A circle: centre x, centre y, radius");
    Html5Val(b, "&DEFAULT", "&Default", "The whole image outside the other areas");
}

void ScriptTypeValues(KbBuilder& b) {
    Html5Val(b, "&module", "&Module", "A JavaScript module, which may import others");
    Html5Val(b, "&importmap", "&Import Map", "A map of module names to addresses (JSON)");
    Html5Val(b, "&speculationrules", "&Speculation Rules",
             "Rules for fetching or showing pages before the user follows links (JSON)");
}

struct ValueAdder {
    std::string_view element, attribute;
    Adder add;
};

constexpr std::array<ValueAdder, 11> ValueAdders = {{
    {"META", "NAME", MetaNameValues},
    {"META", "HTTP-EQUIV", MetaHttpEquivValues},
    {"LINK", "REL", LinkRelValues},
    {"A", "REL", AnchorRelValues},
    {"", "DIR", DirValues},
    {"FORM", "METHOD", FormMethodValues},
    {"FORM", "ENCTYPE", FormEncTypeValues},
    {"INPUT", "TYPE", InputTypeValues},
    {"TEXTAREA", "WRAP", TextAreaWrapValues},
    {"AREA", "SHAPE", AreaShapeValues},
    {"SCRIPT", "TYPE", ScriptTypeValues},
}};

} // namespace

void AddHtml5Attributes(KbBuilder& b, std::string_view element) {
    for (const ElementAdder& a : ElementAdders)
        if (a.element == element)
            a.add(b);
}

void AddHtml5Values(KbBuilder& b, std::string_view element, std::string_view attribute) {
    for (const ValueAdder& a : ValueAdders)
        if (a.element == element && a.attribute == attribute)
            a.add(b);
}

} // namespace velto
