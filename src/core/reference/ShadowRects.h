// The rectangle rules of the reference window: where it stands docked beside the main
// window or floating on the desktop, and how its rectangles are kept in the settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velto {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    [[nodiscard]] int Width() const noexcept { return right - left; }
    [[nodiscard]] int Height() const noexcept { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// The sides a docked window stands on.
enum ShadowMode { ShadowLeft = 1, ShadowRight = 2, ShadowAbove = 4, ShadowBelow = 8 };

inline constexpr int MinFreeWidth = 100;
inline constexpr int MinFreeHeight = 150;
inline constexpr Rect DefaultShadowRect{0, 0, 200, 200};

// "left,top,right,bottom"; a text is a rectangle only when it gives all four numbers.
[[nodiscard]] std::optional<Rect> ParseRect(std::string_view text);
[[nodiscard]] std::string FormatRect(const Rect& r);

// The rectangle beside the frame on the mode's side, as wide (or tall) as size; a size
// that is not positive gives two thirds of the frame's height as the width and a tenth of
// its width as the height. Another mode gives size unchanged.
[[nodiscard]] Rect DockedRect(int mode, const Rect& frame, const Rect& size);

// Where a window goes when it floats: the last free rectangle when it has a size, else
// the desktop's bottom right corner, half the frame wide and the frame's height.
[[nodiscard]] Rect FreeRect(const Rect& lastFree, const Rect& frame, const Rect& desktop);
// A floating window at least the minimum size, at most the desktop's, inside it.
[[nodiscard]] Rect KeepFreeOnDesktop(Rect r, const Rect& desktop);

} // namespace velto
