// Contents: the global attributes of the living standard, shared by every element, with
// the ARIA roles; the event handlers every element has under it.
#include "core/config/HtmlVer.h"
#include "core/htmlkb/HtmlMetaAttShared.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

#include <array>

namespace velto {

using namespace AttKind;

namespace {

constexpr std::uint32_t Html5 = VersionBits::Html5;

struct RoleText {
    std::string_view nameText, label, description;
};

// The roles of WAI-ARIA that an author may give, abstract ones left out.
constexpr RoleText Roles[] = {
    {"&alert", "&Alert", "An important message that needs the user's attention at once"},
    {"&alertdialog", "&Alertdialog", "A dialog that brings an alert message and takes the focus"},
    {"&application", "&Application", "A region that handles its own keyboard input, like a program"},
    {"&article", "&Article", "A self-contained part of the page, such as a post"},
    {"&banner", "&Banner", "The page's site-wide header, with its logo or title"},
    {"&blockquote", "&Blockquote", "A quotation from another source"},
    {"&button", "&Button", "A control that does something when pressed"},
    {"&caption", "&Caption", "The caption of a table, figure or grid"},
    {"&cell", "&Cell", "A cell of a table"},
    {"&checkbox", "&Checkbox", "A control that is ticked, not ticked or mixed"},
    {"&code", "&Code", "An extract of program code"},
    {"&columnheader", "&Columnheader", "A cell that heads a column"},
    {"&combobox", "&Combobox", "A text field with a list of suggestions that pops up"},
    {"&complementary", "&Complementary", "Content aside from the main content, such as a sidebar"},
    {"&contentinfo", "&Contentinfo", "The page's footer, with copyright and contact details"},
    {"&definition", "&Definition", "The definition of a term"},
    {"&deletion", "&Deletion", "Content marked as removed"},
    {"&dialog", "&Dialog", "A window over the page that asks something of the user"},
    {"&document", "&Document", "Content to be read rather than operated, inside an application"},
    {"&emphasis", "&Emphasis", "Text with emphasis"},
    {"&feed", "&Feed", "A scrolling list of articles that grows as the user reads"},
    {"&figure", "&Figure", "A figure, such as an illustration or a code listing"},
    {"&form", "&Form", "A region of form controls"},
    {"&generic", "&Generic", "An element with no meaning of its own, like DIV or SPAN"},
    {"&grid", "&Grid", "A grid of cells that the keyboard moves between"},
    {"&gridcell", "&Gridcell", "A cell of a grid"},
    {"&group", "&Group", "A set of related items that needs no landmark of its own"},
    {"&heading", "&Heading", "A heading of a section"},
    {"&img", "&Img", "An image, or a group of elements shown as one image"},
    {"&insertion", "&Insertion", "Content marked as added"},
    {"&link", "&Link", "A hyperlink"},
    {"&list", "&List", "A list of items"},
    {"&listbox", "&Listbox", "A list from which the user chooses one or more items"},
    {"&listitem", "&Listitem", "An item of a list"},
    {"&log", "&Log", "A region where new messages are added, such as a chat"},
    {"&main", "&Main", "The main content of the page"},
    {"&marquee", "&Marquee", "A region of changing, non-essential information, such as a ticker"},
    {"&math", "&Math", "A mathematical expression"},
    {"&menu", "&Menu", "A list of choices, as in a program's menu"},
    {"&menubar", "&Menubar", "A menu that stays visible, usually across the top"},
    {"&menuitem", "&Menuitem", "A choice in a menu"},
    {"&menuitemcheckbox", "&Menuitemcheckbox", "A menu choice that is ticked or not"},
    {"&menuitemradio", "&Menuitemradio", "A menu choice that is one of a group, of which one is ticked"},
    {"&meter", "&Meter", "A measurement within a known range"},
    {"&navigation", "&Navigation", "A set of navigation links"},
    {"&none", "&None", "The element's own role is removed (the same as presentation)"},
    {"&note", "&Note", "A note that adds to the main content"},
    {"&option", "&Option", "A choice in a list box"},
    {"&paragraph", "&Paragraph", "A paragraph"},
    {"&presentation", "&Presentation", "The element's own role is removed, as for layout only"},
    {"&progressbar", "&Progressbar", "The progress of a long task"},
    {"&radio", "&Radio", "One of a group of buttons of which one is chosen"},
    {"&radiogroup", "&Radiogroup", "A group of radio buttons"},
    {"&region", "&Region", "A landmark section of the page that has a name"},
    {"&row", "&Row", "A row of cells"},
    {"&rowgroup", "&Rowgroup", "A group of rows, such as the head or body of a table"},
    {"&rowheader", "&Rowheader", "A cell that heads a row"},
    {"&scrollbar", "&Scrollbar", "A control that scrolls content into view"},
    {"&search", "&Search", "A landmark region for searching"},
    {"&searchbox", "&Searchbox", "A text field for search terms"},
    {"&separator", "&Separator", "A divider between sections or menu items"},
    {"&slider", "&Slider", "A control that chooses a value from a range by moving a thumb"},
    {"&spinbutton", "&Spinbutton", "A field for a number with buttons to step it"},
    {"&status", "&Status", "A region of advisory information, updated now and then"},
    {"&strong", "&Strong", "Text of strong importance"},
    {"&subscript", "&Subscript", "Subscript text"},
    {"&superscript", "&Superscript", "Superscript text"},
    {"&switch", "&Switch", "A control that is on or off"},
    {"&tab", "&Tab", "A tab that shows its panel when chosen"},
    {"&table", "&Table", "A table of data"},
    {"&tablist", "&Tablist", "The list of tabs of a set of tab panels"},
    {"&tabpanel", "&Tabpanel", "The panel that a tab shows"},
    {"&term", "&Term", "A term that is being defined"},
    {"&textbox", "&Textbox", "A field of free text"},
    {"&time", "&Time", "A date or time"},
    {"&timer", "&Timer", "A counter of elapsed or remaining time"},
    {"&toolbar", "&Toolbar", "A row of controls, such as buttons"},
    {"&tooltip", "&Tooltip", "A popup that describes an element"},
    {"&tree", "&Tree", "A list whose items may have items of their own"},
    {"&treegrid", "&Treegrid", "A grid whose rows may be expanded and collapsed"},
    {"&treeitem", "&Treeitem", "An item of a tree"},
};

// A value of a global under the living standard.
void V(KbBuilder& b, std::string_view nameText, std::string_view label,
       std::string_view description) {
    b.Val(nameText, label, {}, Html5, description);
}

void TrueFalse(KbBuilder& b, std::string_view yes, std::string_view no) {
    V(b, "&true", "&True", yes);
    V(b, "&false", "&False", no);
}

void Global(KbBuilder& b, std::string_view nameText, std::string_view label,
            std::string_view menuText, std::uint32_t kindFlags, std::string_view description,
            std::uint32_t refusal = 0) {
    b.Shared(nameText, label, menuText, Html5, SharedGroup::Global | refusal, kindFlags,
             description);
}

void EditingGlobals(KbBuilder& b) {
    Global(b, "AUTO&CAPITALIZE", "Auto &Capitalise", "", TextEnum,
           "Whether and how text typed on a virtual keyboard is capitalised");
    V(b, "&off", "&Off", "No capitals added");
    V(b, "&none", "&None", "No capitals added (the same as off)");
    V(b, "&on", "&On", "Capitalise the first letter of each sentence");
    V(b, "&sentences", "&Sentences", "Capitalise the first letter of each sentence");
    V(b, "&words", "&Words", "Capitalise the first letter of each word");
    V(b, "&characters", "&Characters", "Capitalise every letter");
    Global(b, "AUTOFOC&US", "Auto Foc&us", "", Flag,
           "The element takes the focus when the page or dialog opens",
           SharedGroup::RefuseAutofocus);
    Global(b, "CONTENTEDITA&BLE", "Edita&ble Content", "", TextEnum,
           "Whether the user may edit the element's content in the page");
    TrueFalse(b, "The content may be edited", "The content may not be edited");
    V(b, "&plaintext-only", "&Plain Text Only", "The text may be edited, but not its formatting");
    Global(b, "D&RAGGABLE", "D&raggable", "", TextEnum,
           "Whether the user may drag the element");
    TrueFalse(b, "The element may be dragged", "The element may not be dragged");
    Global(b, "&ENTERKEYHINT", "&Enter Key Hint", "", TextEnum,
           "The label that a virtual keyboard gives its Enter key");
    V(b, "&enter", "&Enter", "A new line");
    V(b, "&done", "&Done", "Nothing more to type");
    V(b, "&go", "&Go", "Go to what was typed");
    V(b, "&next", "&Next", "Move to the next field");
    V(b, "&previous", "&Previous", "Move to the previous field");
    V(b, "&search", "&Search", "Search for what was typed");
    V(b, "s&end", "S&end", "Send what was typed");
    Global(b, "INPUT&MODE", "Input &Mode", "", TextEnum,
           "The kind of virtual keyboard that suits the element");
    V(b, "&none", "&None", "No virtual keyboard, the page offers its own");
    V(b, "&text", "&Text", "The keyboard of the user's language");
    V(b, "t&el", "T&elephone", "A keypad for telephone numbers");
    V(b, "&url", "&URL", "A keyboard for web addresses");
    V(b, "e&mail", "E-&mail", "A keyboard for e-mail addresses");
    V(b, "n&umeric", "N&umeric", "A keypad for whole numbers");
    V(b, "&decimal", "&Decimal", "A keypad for numbers with a decimal separator");
    V(b, "&search", "&Search", "A keyboard for search terms");
    Global(b, "SPELLCHEC&K", "Spell Chec&k", "", TextEnum,
           "Whether the browser checks the spelling of the element's text");
    TrueFalse(b, "Check the spelling", "Do not check the spelling");
}

void MicrodataGlobals(KbBuilder& b) {
    Global(b, "ITEMSC&OPE", "Item Sc&ope", "", Flag,
           "The element is a microdata item, whose properties its content gives");
    // Written as text, not as URLs: the URL assistance serves the element's own address
    // attributes (a pasted address goes to A's HREF, not to a microdata vocabulary).
    Global(b, "ITEMT&YPE", "Item T&ype", "", TextList,
           "The vocabulary of the microdata item, as one or more URLs");
    Global(b, "ITEMPRO&P", "Item Pro&perty", "", TextList,
           "Names of the microdata properties that the element gives");
    Global(b, "ITEMI&D", "Item I&d", "", Text,
           "Global identifier of the microdata item, as a URL");
    Global(b, "ITEMRE&F", "Item Re&ferences", "", TextList,
           "Ids of further elements that hold properties of the item");
}

void RoleGlobal(KbBuilder& b) {
    Global(b, "ROLE", "&Role", "Accessibility &Role", List | TextEnum,
           "What the element is to assistive technologies, such as screen readers");
    for (const RoleText& r : Roles)
        V(b, r.nameText, r.label, r.description);
    b.Other(Html5, "Other role, or several roles in order of preference");
}

} // namespace

void BuildHtml5SharedAttributes(KbBuilder& b) {
    Global(b, "ACCESS&KEY", "Access &Key", "&Keyboard Shortcut", Text,
           "Character key that moves the focus to this element", SharedGroup::RefuseAccessKey);
    Global(b, "TA&BINDEX", "Ta&b Order", "Ta&b Order Position", Number,
           "Position of the element in the order of moving the focus with the Tab key",
           SharedGroup::RefuseTabIndex);
    Global(b, "&HIDDEN", "&Hidden", "", Flag, "The element is not shown, nor relevant yet",
           SharedGroup::RefuseHidden);
    Global(b, "&INERT", "&Inert", "", Flag,
           "The element and its content cannot be focused, clicked or found");
    Global(b, "P&OPOVER", "P&opover", "", ValueOptional | TextEnum,
           "The element is a popover, shown on top of the page when asked for");
    V(b, "&auto", "&Auto", "Closes when the user clicks elsewhere or opens another popover");
    V(b, "&manual", "&Manual", "Closes only when asked to");
    V(b, "&hint", "&Hint", "A tooltip-like popover that leaves other popovers open");
    Global(b, "TRANS&LATE", "Trans&late", "", TextEnum,
           "Whether the element's text is to be translated with the page");
    V(b, "&yes", "&Yes", "Translate the text");
    V(b, "&no", "&No", "Leave the text untranslated, such as a name");
    EditingGlobals(b);
    MicrodataGlobals(b);
    Global(b, "&IS", "Customised &Built-In", "", Text,
           "Name of the custom element that extends this built-in element");
    Global(b, "&NONCE", "&Nonce", "", Text,
           "One-time token that lets a script or style through the content security policy");
    RoleGlobal(b);
}

std::uint32_t Html5GlobalRefusal(std::string_view attribute) {
    if (attribute == "ACCESSKEY")
        return SharedGroup::RefuseAccessKey;
    if (attribute == "TABINDEX")
        return SharedGroup::RefuseTabIndex;
    if (attribute == "HIDDEN")
        return SharedGroup::RefuseHidden;
    if (attribute == "AUTOFOCUS")
        return SharedGroup::RefuseAutofocus;
    return 0;
}

void AddHtml5EventHandlers(HtmlTagEventHolder& holder, std::string_view element,
                           std::uint32_t group1) {
    // Of group 0 every event but the data binding and help events of Explorer; of group 1
    // the loading, form and selection events, not those of marquees and data binding.
    constexpr std::uint32_t Kept0 = 0x8fff;
    constexpr std::uint32_t Kept1 = 0xf1e;
    holder.AddEvents(Html5, EventMask::Group0 | Kept0);
    if ((group1 & Kept1) != 0)
        holder.AddEvents(Html5, EventMask::Group1 | (group1 & Kept1));
    holder.AddEvents(Html5, EventMask::Group2 | EventMask::EventBits);
    holder.AddEvents(Html5, EventMask::Group3 | 0x3); // OnToggle, OnWheel
    if (element == "BODY")
        holder.AddEvents(Html5, EventMask::Group4 | 0x1ffff);
}

} // namespace velto
