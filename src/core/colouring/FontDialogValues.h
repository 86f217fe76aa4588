// FontDialogValues: what the font dialog starts from and returns for a character format.
#pragma once

#include "core/colouring/CRecCharFormat.h"

#include <cstdint>
#include <string>

namespace velto {

// A logical font and a colour, as a font dialog edits them. The dialog shows no effects
// controls, but the effects still go in and come back.
struct FontDialogValues {
    static constexpr int Normal = 400;
    static constexpr int Bold = 700;

    std::int32_t height = 0; // as in the format
    int weight = Normal;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;
    std::uint32_t colour = 0; // 0x00BBGGRR

    bool operator==(const FontDialogValues&) const = default;
};

// The values a font dialog opens with for the format: bold (weight 700), italic, underline
// and strike-out each when that bit is in both the mask and the effects.
[[nodiscard]] FontDialogValues FontDialogStart(const CRecCharFormat& format);

// Takes the dialog's result after OK: colour, height, pitch and family and face from the
// dialog, the default mask, bold only for a weight of exactly 700. The character set and
// the offset stay as they were.
void TakeFontDialogResult(CRecCharFormat& format, const FontDialogValues& result);

} // namespace velto
