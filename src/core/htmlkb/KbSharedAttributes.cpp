// Contents: the attributes shared by most elements, made last of all.
#include "core/htmlkb/HtmlMetaAttShared.h"
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

namespace velto {

using namespace AttKind;

void BuildSharedAttributes(KbBuilder& b) {
    b.Shared("&STYLE", "&Style", "Inline &Style", 0x6000c, SharedGroup::Core, Style,
             "Style to apply to the scope of this element");
    b.Shared("CLASS", "&Class(es)", "", 0x4000a, SharedGroup::Core, TextList,
             "Name of one or more classes to which this element belongs (space separated)");
    b.Shared("&ID", "Target &Id or Name", "", 0x40008, SharedGroup::Core, Text,
             "Target for hypertext link or name from associated style sheet");
    b.Shared("&TITLE", "Advisory &Tooltip", "", 0x40008, SharedGroup::Core, Text,
             "A help description or tooltip for the content");
    b.Shared("LANG", "&Language", "", 0x4000a, SharedGroup::Language, TextList,
             "Primary language of the contained text (no spaces)");
    b.Shared("DI&R", "Text Di&rection", "", 0x40008, SharedGroup::Language, List | TextEnum,
             "Default direction for directionally weak or neutral text in the element's content");
    DirectionValues(b);
}

} // namespace velto
