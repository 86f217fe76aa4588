// Contents: the form and its controls.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

constexpr std::uint32_t Html4 = 0x40008; // HTML 4.0 and Internet Explorer 4.0

void ObjectAlign(KbBuilder& b, std::uint32_t versions, std::string_view description) {
    b.Att("&ALIGN", "&Alignment", "&Alignment To Text", versions, TextEnum, description);
    AlignValues(b, AlignSense::Object,
                {"LEFT", "RIGHT", "TOP", "TEXTTOP", "MIDDLE", "ABSMIDDLE", "BASELINE", "BOTTOM",
                 "ABSBOTTOM"});
}

void DisabledReadOnly(KbBuilder& b, std::uint32_t readOnlyVersions) {
    b.Att("D&ISABLED", "D&isabled", "", Html4, Flag,
          "The control cannot be used and its value is not submitted");
    b.Att("READONL&Y", "Read Onl&y", "", readOnlyVersions, Flag,
          "The user cannot change the control's value");
}

void Form(KbBuilder& b) {
    b.Element("&FORM", "&Form", "Fill-In &Form", 0x7030f, Container,
              "A form whose controls the user fills in and submits");
    b.Att("&ACTION", "&Action", "Submit To &Program URI", 0x7030f, Required | ProgramUrl,
          "URL of the program that processes the submitted form");
    b.Att("&METHOD", "&Method", "Submit &Method", 0x7030f, TextEnum,
          "HTTP method by which the form is submitted");
    b.Val("&GET", "&Get", "&Get (in URL)", 0x7030f,
          "Send the form's data added to the URL, for queries without side effects");
    b.Val("&POST", "&Post", "&Post (in body)", 0x7030f,
          "Send the form's data in the body of the request");
    b.Att("&ENCTYPE", "&Encoding Type", "Data &Encoding Type", 0x7030f, TextEnum,
          "Media type in which the form's data is sent");
    b.Val("&application/x-www-form-urlencoded", "&URL Encoded", "", 0x7030f,
          "Names and values encoded as in a URL (the default)");
    b.Val("&multipart/form-data", "&Multipart", "&Multipart (for file uploads)", 0x6030c,
          "Each control's data in a part of its own, as file uploads need");
    b.Other(0x7030f, "Other unlisted media type");
    b.Att("&TARGET", "&Target", "&Target Window", 0x60308, TextEnum,
          "Name of a target window (or frame) to display the response");
    TargetValues(b);
    b.Att("ACCEPT-&CHARSET", "Accept &Character Sets", "", Html4, TextEnum,
          "Character encodings that the processing program accepts");
    CharsetValues(b);
    b.Events({{0x300, 0x50000200},
              {0x200, 0x50000400},
              {0x20000, 0x50000200},
              {0x40008, 0x3000407f},
              {0x40008, 0x50000600}});
}

void InputType(KbBuilder& b) {
    b.Att("&TYPE", "&Type", "Control &Type", 0x7030f, TextEnum, "Kind of input control");
    b.Val("&TEXT", "&Text", "&Text Field", 0x7030f, "A one-line text field");
    b.Val("TE&XTAREA", "Te&xt Area", "Te&xt Area (script type)", 0x300,
          "The type that scripts see for a multi-line text area");
    b.Val("P&ASSWORD", "P&assword", "P&assword Field", 0x7030f,
          "A text field that hides what is typed");
    b.Val("&CHECKBOX", "&Check Box", "", 0x7030f, "A box that is ticked or not");
    b.Val("&RADIO", "&Radio Button", "", 0x7030f,
          "One of a set of buttons of the same name, of which one is chosen");
    b.Val("SELECT-&MULTIPLE", "&Multiple Selection", "&Multiple Selection (script type)", 0x300,
          "The type that scripts see for a list allowing several choices");
    b.Val("SELECT-&ONE", "&One Selection", "&One Selection (script type)", 0x300,
          "The type that scripts see for a list allowing one choice");
    b.Val("&SUBMIT", "&Submit Button", "", 0x7030f, "A button that submits the form");
    b.Val("&IMAGE", "&Image Button", "", 0x7030f,
          "An image that submits the form with the position clicked");
    b.Val("R&ESET", "R&eset Button", "", 0x7030f,
          "A button that returns the controls to their first values");
    b.Val("&BUTTON", "&Button", "Script &Button", 0x60308, "A push button for scripts");
    b.Val("&FILE", "&File Upload", "", 0x6030c, "A field for choosing a file to upload");
    b.Val("&HIDDEN", "&Hidden", "&Hidden Value", 0x7030f, "A value submitted but not shown");
}

void Input(KbBuilder& b) {
    b.Element("&INPUT", "&Input Control", "Form &Input Control", 0x7030f, EndTagOptional,
              "A form control such as a text field, check box or button");
    InputType(b);
    b.Att("AL&T", "Alternative &Text", "", Html4, Text, "Text shown in place of an image button");
    b.Att("&NAME", "&Name", "Control &Name", 0x7030f, Text,
          "Name under which the control's value is submitted");
    b.Att("&VALUE", "&Value", "Initial &Value", 0x7030f, Text,
          "Initial value, or the value submitted when the control is chosen");
    b.Att("&SIZE", "&Size", "Field &Size", 0x7030f, Number,
          "Width of a text field (in characters)");
    b.Att("&MAXLENGTH", "&Maximum Length", "", 0x7030f, Number,
          "Greatest number of characters the user may type");
    b.Att("&CHECKED", "&Checked", "Initially &Checked", 0x7030f, Marker | Flag,
          "The check box or radio button is chosen at first");
    b.Att("S&RC", "Image Sou&rce", "Image File U&RI", 0x7030f, ImageUrl,
          "Address (URL) of the image of an image button");
    DisabledReadOnly(b, Html4);
    AccessKeyAttribute(b);
    TabIndexAttribute(b);
    b.Att("&ALIGN", "&Alignment", "Image &Alignment", 0x7030f, TextEnum,
          "Alignment of an image button with the text");
    AlignValues(b, AlignSense::Object,
                {"LEFT", "RIGHT", "TOP", "TEXTTOP", "MIDDLE", "ABSMIDDLE", "BASELINE", "BOTTOM",
                 "ABSBOTTOM", "ACCEPT"});
    b.Att("&USEMAP", "&Use Map", "", Html4, DataUrl,
          "Identifies a client side image map for an image button");
    b.Att("LAN&GUAGE", "Script Lan&guage", "", 0x60000, TextEnum,
          "Scripting language of the control's event handlers");
    ScriptLanguageValues(b);
    DataBindingAttributes(b, false);
    b.Events({{0x300, 0x30000c04},
              {0x300, 0x50000900},
              {0x20000, 0x30000c04},
              {0x20000, 0x50000900},
              {0x40008, 0x30007fff},
              {0x40008, 0x50000900}});
}

void TextArea(KbBuilder& b) {
    b.Element("TE&XTAREA", "Te&xt Area", "Multi-Line Te&xt Field", 0x7030f, Container,
              "A multi-line text field, holding its initial text");
    b.Att("&COLS", "&Columns", "Width in &Columns", 0x7030f, RequiredNumber,
          "Width of the field (in characters)");
    b.Att("&ROWS", "&Rows", "Height in &Rows", 0x7030f, RequiredNumber,
          "Height of the field (in lines)");
    b.Att("&NAME", "&Name", "Control &Name", 0x7030f, Required | Text,
          "Name under which the text is submitted");
    ObjectAlign(b, 0x70300, "Alignment of the field with the surrounding text");
    b.Att("&WRAP", "&Wrap", "Word &Wrap", 0x40300, TextEnum,
          "Whether and how long lines are wrapped");
    b.Val("&OFF", "&Off", "No Wrapping (&off)", 0x40300, "Lines break only where the user types");
    b.Val("&VIRTUAL", "&Virtual", "Wrap On &Screen Only", 0x40300,
          "Lines wrap on screen but are sent as typed");
    b.Val("&PHYSICAL", "&Physical", "Wrap and Send &Breaks", 0x40300,
          "Lines wrap on screen and are sent with the breaks");
    DisabledReadOnly(b, Html4);
    TabIndexAttribute(b);
    AccessKeyAttribute(b);
    DataBindingAttributes(b, false);
    b.Events({{0x300, 0x30000c00},
              {0x300, 0x50000100},
              {0x200, 0x50000900},
              {0x40008, 0x30007fff},
              {0x40008, 0x50000900}});
}

void Select(KbBuilder& b) {
    b.Element("&SELECT", "&Selection List", "&Drop-Down or List Box", 0x7030f, Container,
              "A list of options from which the user chooses");
    b.Inside("FORM");
    b.Att("&MULTIPLE", "&Multiple", "Allow &Multiple Choices", 0x7030f, Marker | Flag,
          "The user may choose several options");
    b.Att("&NAME", "&Name", "Control &Name", 0x7030f, Text,
          "Name under which the chosen options are submitted");
    b.Att("&SIZE", "&Size", "Visible &Rows", 0x7030f, Number,
          "Number of options shown at once; 1 gives a drop-down list");
    ObjectAlign(b, 0x70300, "Alignment of the list with the surrounding text");
    b.Att("LAN&GUAGE", "Script Lan&guage", "", 0x60000, TextEnum,
          "Scripting language of the list's event handlers");
    ScriptLanguageValues(b);
    AccessKeyAttribute(b);
    b.Att("D&ISABLED", "D&isabled", "", Html4, Flag,
          "The list cannot be used and its value is not submitted");
    b.Att("READONL&Y", "Read Onl&y", "", 0x40000, Flag, "The user cannot change the choice");
    TabIndexAttribute(b);
    DataBindingAttributes(b, false);
    b.Events({{0x300, 0x30000c00},
              {0x300, 0x50000100},
              {0x200, 0x30000004},
              {0x40008, 0x30007fff},
              {0x40008, 0x50000100}});
}

} // namespace

void BuildFormElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::Form);
    Form(b);

    b.Element("FIE&LDSET", "Fie&ld Set", "Group of Fie&lds", 0x40008, Container,
              "A group of related form controls, drawn with a frame");
    CommonEvents(b);

    b.Element("LE&GEND", "Le&gend", "Field Set Le&gend", 0x40008, Container,
              "The caption of a field set");
    AccessKeyAttribute(b);
    b.Att("&ALIGN", "&Alignment", "Legend &Position", 0x40008, TextEnum,
          "Where the legend is placed on the frame of the field set");
    b.Val("&TOP", "&Top", "", 0x40008, "Place the legend at the top");
    b.Val("&BOTTOM", "&Bottom", "", 0x40008, "Place the legend at the bottom");
    b.Val("&LEFT", "&Left", "", 0x40008, "Place the legend at the left");
    b.Val("&RIGHT", "&Right", "", 0x40008, "Place the legend at the right");
    CommonEvents(b);

    Input(b);
    TextArea(b);
    Select(b);

    b.Element("&OPTION", "&Option", "List &Option", 0x7030f, Container,
              "One option of a selection list");
    b.Inside("SELECT");
    b.Att("&SELECTED", "&Selected", "Initially &Selected", 0x7030f, Marker | Flag,
          "The option is chosen at first");
    b.Att("&VALUE", "&Value", "Submitted &Value", 0x7030f, Text,
          "Value submitted for the option, if not its text");
    b.Att("&DISABLED", "&Disabled", "", Html4, Flag, "The option cannot be chosen");
}

} // namespace velto
