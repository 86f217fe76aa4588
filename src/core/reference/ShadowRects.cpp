// The rectangle rules of the reference window.
#include "core/reference/ShadowRects.h"

#include <algorithm>
#include <charconv>

namespace velto {

std::optional<Rect> ParseRect(std::string_view text) {
    int values[4];
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 4; ++i) {
        while (p < end && *p == ' ')
            ++p;
        const auto [next, ec] = std::from_chars(p, end, values[i]);
        if (ec != std::errc())
            return std::nullopt;
        p = next;
        while (p < end && *p == ' ')
            ++p;
        if (i < 3) {
            if (p == end || *p != ',')
                return std::nullopt;
            ++p;
        }
    }
    return Rect{values[0], values[1], values[2], values[3]};
}

std::string FormatRect(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

Rect DockedRect(int mode, const Rect& frame, const Rect& size) {
    int w = size.Width();
    int h = size.Height();
    if (w <= 0)
        w = frame.Height() * 2 / 3;
    if (h <= 0)
        h = frame.Width() / 10;
    switch (mode) {
    case ShadowLeft: return {frame.left - w, frame.top, frame.left, frame.bottom};
    case ShadowRight: return {frame.right, frame.top, frame.right + w, frame.bottom};
    case ShadowAbove: return {frame.left, frame.top - h, frame.right, frame.top};
    case ShadowBelow: return {frame.left, frame.bottom, frame.right, frame.bottom + h};
    default: return size;
    }
}

Rect FreeRect(const Rect& lastFree, const Rect& frame, const Rect& desktop) {
    if (lastFree.Width() != 0 && lastFree.Height() != 0)
        return lastFree;
    return {desktop.right - frame.Width() / 2, desktop.bottom - frame.Height(), desktop.right, desktop.bottom};
}

Rect KeepFreeOnDesktop(Rect r, const Rect& desktop) {
    const int w = std::clamp(r.Width(), MinFreeWidth, std::max(MinFreeWidth, desktop.Width()));
    const int h = std::clamp(r.Height(), MinFreeHeight, std::max(MinFreeHeight, desktop.Height()));
    r.right = r.left + w;
    r.bottom = r.top + h;
    const int dx = r.right > desktop.right ? desktop.right - r.right : 0;
    const int dy = r.bottom > desktop.bottom ? desktop.bottom - r.bottom : 0;
    r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    if (r.left < desktop.left)
        r = {desktop.left, r.top, desktop.left + w, r.bottom};
    if (r.top < desktop.top)
        r = {r.left, desktop.top, r.right, desktop.top + h};
    return r;
}

} // namespace velto
