// Contents: Java applets, objects and their parameters.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

#include <string>

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

void Size(KbBuilder& b, std::uint32_t versions, std::string_view what, bool heightFirst) {
    const auto height = [&] {
        b.Att("H&EIGHT", "H&eight", "", versions, Number,
              std::string("Height of the ").append(what).append(" (in pixels)"));
    };
    if (heightFirst)
        height();
    b.Att("&WIDTH", "&Width", "", versions, Number,
          std::string("Width of the ").append(what).append(" (in pixels)"));
    if (!heightFirst)
        height();
}

void Margins(KbBuilder& b, std::uint32_t versions, std::string_view what) {
    b.Att("&HSPACE", "&Horizontal Margin", "", versions, Number,
          std::string("Margin to left and right of the ").append(what).append(" (in pixels)"));
    b.Att("&VSPACE", "&Vertical Margin", "", versions, Number,
          std::string("Margin above and below the ").append(what).append(" (in pixels)"));
}

void Applet(KbBuilder& b) {
    const std::uint32_t v = 0x6030c;
    b.Element("APP&LET", "Java App&let", "", v, Container,
              "A Java applet, with the content shown where applets do not run");
    b.Att("CODE&BASE", "Code &Base", "Applet Code &Base URI", v, AppletBase,
          "Address (URL) of the folder holding the applet's classes");
    b.Att("&CODE", "&Code", "Applet &Class File", v, Required | Text,
          "Name of the applet's class file");
    b.Att("&ARCHIVE", "&Archive", "Class &Archive Files", 0x40208, ScriptUrl,
          "Archive files holding the applet's classes, loaded first (comma separated)");
    b.Att("&Object", "Serialised &Object", "", 0x8, Text,
          "File holding a serialised form of the applet, used in place of CODE");
    b.Att("AL&T", "Alternative &Text", "", v, Text,
          "Text shown by browsers that know applets but cannot run them");
    b.Att("&NAME", "&Name", "Applet &Name", v, Text,
          "Name by which other applets on the page find this one");
    b.Att("AL&IGN", "Al&ignment", "Al&ignment To Text", v, TextEnum,
          "Alignment of the applet with the surrounding text");
    AlignValues(b, AlignSense::Object, {"LEFT", "RIGHT", "TOP", "MIDDLE", "CENTER", "BOTTOM"});
    Size(b, v, "applet", true);
    Margins(b, v, "applet");
    AccessKeyAttribute(b, 0x40000);
    b.Att("&DISABLED", "&Disabled", "", 0x40000, Flag, "The applet cannot be used");
    b.Events({{0x40008, 0x30003380}});
}

void Object(KbBuilder& b) {
    const std::uint32_t v = 0x60008;
    b.Element("&OBJECT", "&Object", "Embedded &Object", v, Container,
              "An embedded object such as an ActiveX control, applet or image");
    b.Att("&DECLARE", "&Declare Only", "", 0x8, Marker | Flag,
          "Declare the object without making it, for use by other objects");
    b.Att("CLASS&ID", "Class &Id", "Object &Implementation", v, Text,
          "Identifies the object's implementation, such as clsid: and a class number");
    b.Att("CODE&BASE", "Code &Base", "Object Code &Base URI", v, ObjectBase,
          "Address (URL) of the object's code");
    b.Att("CODE&TYPE", "Code &Type", "", 0x8, Text, "Media type of the object's code");
    b.Att("DAT&A", "Dat&a", "Object Dat&a URI", v, DataUrl,
          "Address (URL) of the data that the object shows");
    DataBindingAttributes(b, false);
    b.Att("T&YPE", "Data T&ype", "", v, Text, "Media type of the object's data");
    b.Att("STAND&BY", "Stand&by Text", "", 0x8, Text, "Message shown while the object loads");
    b.Att("A&LIGN", "A&lignment", "A&lignment To Text", v, TextEnum,
          "Alignment of the object with the surrounding text");
    AlignValues(
        b, AlignSense::Object,
        {"LEFT", "CENTER", "RIGHT", "TEXTTOP", "MIDDLE", "TEXTMIDDLE", "BASELINE", "TEXTBOTTOM"});
    Size(b, v, "object", false);
    b.Att("BO&RDER", "Bo&rder", "Bo&rder Width", v, Number,
          "Width of the border around the object (in pixels)");
    Margins(b, v, "object");
    b.Att("S&HAPES", "S&hapes", "Has Linked S&hapes", 0x8, Flag,
          "The object's content holds anchors with shapes, like an image map");
    b.Att("&USEMAP", "&Use Map", "", 0x8, DataUrl, "Identifies a client side image map");
    b.Att("&NAME", "&Name", "Object &Name", v, Text,
          "Name under which the object is submitted with a form");
    AccessKeyAttribute(b, 0x40000);
    TabIndexAttribute(b);
    b.Events({{0x40008, 0x30007fff}, {0x40008, 0x50003009}});
}

} // namespace

void BuildAppletElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::EmbedProgrammatic);
    Applet(b);
    Object(b);

    b.Element("P&ARAM", "P&arameter", "Applet or Object P&arameter", 0x6030c, EndTagOptional,
              "A named value handed to an applet or object");
    b.Inside("APPLET OBJECT");
    b.Select(2);
    b.Att("&NAME", "&Name", "Parameter &Name", 0x6030c, Text, "Name of the parameter");
    b.Att("&VALUE", "&Value", "Parameter &Value", 0x6030c, Text, "Value of the parameter");
    b.Att("VALUE&TYPE", "Value &Type", "", 0x8, TextEnum, "How the value is to be read");
    b.Val("&DATA", "&Data", "Plain &Data", 0x8, "The value is handed over as it is");
    b.Val("&REF", "&Reference", "URI &Reference", 0x8,
          "The value is the address (URL) of the data");
    b.Val("&OBJECT", "&Object", "&Object Id", 0x8,
          "The value is the ID of an object declared in the same document");
    b.Att("T&YPE", "Content T&ype", "", 0x8, Text,
          "Media type of the data that a reference value leads to");
    DataBindingAttributes(b, false, 0x40000);
}

} // namespace velto
