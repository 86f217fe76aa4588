// HtmlTagEventClubs: the names and descriptions of the scripting events.
#include "core/htmlkb/HtmlTagEventClubs.h"

#include <bit>

namespace velto {

HtmlTagEventClubs::HtmlTagEventClubs() {
    Define(0, 0x1, "OnMouseDown", "Handle mouse button down on element");
    Define(0, 0x2, "OnMouseUp", "Handle mouse button up on element");
    Define(0, 0x4, "OnMouseClick", "Handle mouse button click on element");
    Define(0, 0x8, "OnMouseDblClick", "Handle mouse button double click on element");
    Define(0, 0x10, "OnMouseMove", "Handle mouse move while over element");
    Define(0, 0x20, "OnMouseOver", "Handle mouse first over element");
    Define(0, 0x40, "OnMouseOut", "Handle mouse moved away from element");
    Define(0, 0x80, "OnKeyDown", "Handle keyboard key down");
    Define(0, 0x100, "OnKeyPress", "Handle keyboard character press");
    Define(0, 0x200, "OnKeyUp", "Handle keyboard key up");
    Define(0, 0x400, "OnFocus", "Handle gain of input focus");
    Define(0, 0x800, "OnBlur", "Handle loss of input focus");
    Define(0, 0x1000, "OnBeforeUpdate",
           "Handle start of data transfer for element (can cancel to block transfer)");
    Define(0, 0x2000, "OnAfterUpdate", "Handle end of data transfer for element");
    Define(0, 0x4000, "OnHelp", "Handle user request for help, such as after key F1");
    Define(0, 0x8000, "OnScroll", "Handle change in position of scroll box for element or page");

    Define(1, 0x1, "OnReadyStateChange", "Handle a change in an object's ready state");
    Define(1, 0x2, "OnAbort", "Handle user cancellation of loading an image");
    Define(1, 0x4, "OnError", "Handle an error when loading an image");
    Define(1, 0x8, "OnLoad", "Handle load completion for an element");
    Define(1, 0x10, "OnUnload", "Handle about to unload element content");
    Define(1, 0x20, "OnStart", "Handle loop start or bounce");
    Define(1, 0x40, "OnFinish", "Handle end of looping");
    Define(1, 0x80, "OnBounce", "Handle marquee reaching specified side");
    Define(1, 0x100, "OnChange", "Handle change in object content");
    Define(1, 0x200, "OnSubmit", "Handle form submit");
    Define(1, 0x400, "OnReset", "Handle form reset");
    Define(1, 0x800, "OnSelect", "Handle change in selection");
    Define(1, 0x1000, "OnRowEnter", "Handle new data available for current row");
    Define(1, 0x2000, "OnRowExit", "Handle before update of data for the current row");
}

void HtmlTagEventClubs::Define(std::size_t group, std::uint32_t bit, const char* name,
                               const char* description) {
    HtmlTagEvent& e = events_[group * SlotsPerGroup + std::countr_zero(bit)];
    // The id carries the group's nibble, as the masks do, so the two groups' ids differ.
    e.id = (group == 0 ? EventMask::Group0 : EventMask::Group1) | bit;
    e.name = name;
    e.description = description;
}

const HtmlTagEvent& HtmlTagEventClubs::Event(std::size_t group, std::size_t position) const {
    if (group >= GroupCount || position >= SlotsPerGroup)
        return empty_;
    return events_[group * SlotsPerGroup + position];
}

const HtmlTagEvent* HtmlTagEventClubs::FindEvent(std::string_view name) const {
    for (const HtmlTagEvent& e : events_)
        if (!e.IsEmpty() && e.name == name)
            return &e;
    return nullptr;
}

std::size_t HtmlTagEventClubs::SlotOfMask(std::uint32_t mask) noexcept {
    switch (mask >> 28) {
    case 0x5:
        return 1;
    case 0x6:
        return 2;
    case 0x9:
        return 3;
    case 0xa:
        return 4;
    case 0xc:
        return 5;
    default:
        return 0;
    }
}

} // namespace velto
