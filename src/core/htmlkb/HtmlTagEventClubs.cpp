// HtmlTagEventClubs: the names and descriptions of the scripting events.
#include "core/htmlkb/HtmlTagEventClubs.h"

#include <bit>

namespace velto {

HtmlTagEventClubs::HtmlTagEventClubs() {
    Define(0, 0x1, "OnMouseDown", "Handle mouse button down on element");
    Define(0, 0x2, "OnMouseUp", "Handle mouse button up on element");
    Define(0, 0x4, "OnClick", "Handle mouse button click on element");
    Define(0, 0x8, "OnDblClick", "Handle mouse button double click on element");
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

    // The event handlers of the living standard that HTML 4.0 and the browsers lacked.
    Define(2, 0x1, "OnAuxClick", "Handle a click with a button other than the main one");
    Define(2, 0x2, "OnBeforeInput",
           "Handle the user about to change editable content (can cancel)");
    Define(2, 0x4, "OnBeforeMatch", "Handle hidden content about to be revealed by a find in page");
    Define(2, 0x8, "OnBeforeToggle", "Handle a popover or dialog about to be shown or hidden");
    Define(2, 0x10, "OnCancel", "Handle the user dismissing a dialog, such as with the Esc key");
    Define(2, 0x20, "OnClose", "Handle a dialog being closed");
    Define(2, 0x40, "OnContextLost", "Handle loss of a canvas drawing context");
    Define(2, 0x80, "OnContextMenu",
           "Handle a request for the context menu, such as a right click");
    Define(2, 0x100, "OnContextRestored", "Handle a canvas drawing context being restored");
    Define(2, 0x200, "OnCopy", "Handle the user copying to the clipboard");
    Define(2, 0x400, "OnCut", "Handle the user cutting to the clipboard");
    Define(2, 0x800, "OnPaste", "Handle the user pasting from the clipboard");
    Define(2, 0x1000, "OnDrag", "Handle the element being dragged");
    Define(2, 0x2000, "OnDragEnd", "Handle the end of a drag operation");
    Define(2, 0x4000, "OnDragEnter", "Handle a dragged item entering the element");
    Define(2, 0x8000, "OnDragLeave", "Handle a dragged item leaving the element");
    Define(2, 0x10000, "OnDragOver", "Handle a dragged item moving over the element");
    Define(2, 0x20000, "OnDragStart", "Handle the start of dragging the element");
    Define(2, 0x40000, "OnDrop", "Handle a dragged item dropped on the element");
    Define(2, 0x80000, "OnFormData", "Handle the form's data being collected for submission");
    Define(2, 0x100000, "OnInput", "Handle each change the user makes to a control's value");
    Define(2, 0x200000, "OnInvalid", "Handle a control failing its constraints on submission");
    Define(2, 0x400000, "OnMouseEnter", "Handle mouse entering the element (not its children)");
    Define(2, 0x800000, "OnMouseLeave", "Handle mouse leaving the element (not its children)");
    Define(2, 0x1000000, "OnResize", "Handle a change in the size of the window or view");
    Define(2, 0x2000000, "OnScrollEnd", "Handle the end of scrolling");
    Define(2, 0x4000000, "OnSecurityPolicyViolation",
           "Handle a breach of the page's content security policy");
    Define(2, 0x8000000, "OnSlotChange", "Handle a change in the nodes assigned to a slot");

    Define(3, 0x1, "OnToggle", "Handle details or a popover having opened or closed");
    Define(3, 0x2, "OnWheel", "Handle a turn of the mouse wheel");
    Define(3, 0x4, "OnCueChange", "Handle a change in the active cues of a text track");
    Define(3, 0x8, "OnCanPlay", "Handle media ready to start playing");
    Define(3, 0x10, "OnCanPlayThrough", "Handle media able to play to the end without stopping");
    Define(3, 0x20, "OnDurationChange", "Handle a change in the duration of the media");
    Define(3, 0x40, "OnEmptied", "Handle the media becoming empty, such as on reloading");
    Define(3, 0x80, "OnEnded", "Handle playback reaching the end of the media");
    Define(3, 0x100, "OnLoadedData", "Handle the first frame of the media having loaded");
    Define(3, 0x200, "OnLoadedMetadata", "Handle the duration and size of the media being known");
    Define(3, 0x400, "OnLoadStart", "Handle the start of loading the media");
    Define(3, 0x800, "OnPause", "Handle playback being paused");
    Define(3, 0x1000, "OnPlay", "Handle playback being started or resumed");
    Define(3, 0x2000, "OnPlaying",
           "Handle playback having started after a pause or a wait for data");
    Define(3, 0x4000, "OnProgress", "Handle progress in loading the media");
    Define(3, 0x8000, "OnRateChange", "Handle a change in the playback speed");
    Define(3, 0x10000, "OnSeeked", "Handle the end of a seek to another position");
    Define(3, 0x20000, "OnSeeking", "Handle the start of a seek to another position");
    Define(3, 0x40000, "OnStalled", "Handle the media data failing to arrive");
    Define(3, 0x80000, "OnSuspend", "Handle loading of the media being suspended");
    Define(3, 0x100000, "OnTimeUpdate", "Handle a change in the current playback position");
    Define(3, 0x200000, "OnVolumeChange", "Handle a change in the volume or in muting");
    Define(3, 0x400000, "OnWaiting", "Handle playback stopping to wait for more data");

    Define(4, 0x1, "OnAfterPrint", "Handle the end of printing the page");
    Define(4, 0x2, "OnBeforePrint", "Handle the page about to be printed");
    Define(4, 0x4, "OnBeforeUnload", "Handle the page about to be left (can ask the user to stay)");
    Define(4, 0x8, "OnHashChange", "Handle a change in the fragment of the page's address");
    Define(4, 0x10, "OnLanguageChange", "Handle a change in the user's preferred languages");
    Define(4, 0x20, "OnMessage", "Handle a message from another window or worker");
    Define(4, 0x40, "OnMessageError", "Handle a message that could not be read");
    Define(4, 0x80, "OnOffline", "Handle the browser losing its network connection");
    Define(4, 0x100, "OnOnline", "Handle the browser regaining its network connection");
    Define(4, 0x200, "OnPageHide", "Handle the page being hidden as the user navigates away");
    Define(4, 0x400, "OnPageReveal", "Handle the page being shown after a navigation");
    Define(4, 0x800, "OnPageShow", "Handle the page being shown, also from the back-forward cache");
    Define(4, 0x1000, "OnPageSwap", "Handle the page about to be replaced by a navigation");
    Define(4, 0x2000, "OnPopState", "Handle a move through the session history");
    Define(4, 0x4000, "OnRejectionHandled", "Handle a late handler for a rejected promise");
    Define(4, 0x8000, "OnStorage", "Handle a change in local storage made by another page");
    Define(4, 0x10000, "OnUnhandledRejection", "Handle a rejected promise without a handler");
}

void HtmlTagEventClubs::Define(std::size_t group, std::uint32_t bit, const char* name,
                               const char* description) {
    HtmlTagEvent& e = events_[group * SlotsPerGroup + std::countr_zero(bit)];
    // The id carries the group's nibble, as the masks do, so the groups' ids differ.
    e.id = NibbleOfGroup(group) | bit;
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

std::uint32_t HtmlTagEventClubs::NibbleOfGroup(std::size_t group) noexcept {
    constexpr std::array<std::uint32_t, GroupCount> nibbles = {
        EventMask::Group0, EventMask::Group1, EventMask::Group2, EventMask::Group3,
        EventMask::Group4};
    return group < nibbles.size() ? nibbles[group] : 0;
}

} // namespace velto
