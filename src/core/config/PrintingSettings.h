// Page margins of section "Printing Settings", and the unit conversions of page setup.
#pragma once

#include <cstdint>

namespace velto {

class Profile;

struct PageMargins {
    static constexpr const char* Section = "Printing Settings";
    static constexpr const char* Key = "Page Margins";

    // Twips (1440 per inch); the rich-text view's customary 1.25" sides and 1" top and bottom.
    std::int32_t left = 1800, top = 1440, right = 1800, bottom = 1440;

    // The stored block is four little-endian signed 32-bit numbers (16 bytes); a block of
    // any other size is ignored.
    void Load(const Profile& profile);
    bool Save(Profile& profile) const;

    bool operator==(const PageMargins&) const = default;
};

// Units a page setup dialog shows margins in, chosen by the locale's measurement system.
enum class MarginUnit { HundredthsOfMillimetre, ThousandthsOfInch };

// (value * numerator) / denominator rounded to the nearest whole number, halves away
// from zero, as the Windows MulDiv does.
std::int32_t MulDiv(std::int32_t value, std::int32_t numerator, std::int32_t denominator);
// The nearest multiple of 10; a remainder of 5 or more goes away from zero.
std::int32_t RoundToTen(std::int32_t value);
// Twips to the dialog's unit, rounded to a multiple of 10, and back.
std::int32_t TwipsToMarginUnits(std::int32_t twips, MarginUnit unit);
std::int32_t MarginUnitsToTwips(std::int32_t units, MarginUnit unit);

} // namespace velto
