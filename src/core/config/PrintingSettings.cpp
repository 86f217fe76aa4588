// Page margins of section "Printing Settings", and the unit conversions of page setup.
#include "core/config/PrintingSettings.h"

#include "core/platform/Profile.h"

#include <cstdlib>

namespace velto {

namespace {
void PutInt32(Bytes& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(u >> shift));
}

std::int32_t GetInt32(const Bytes& in, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | in[at + static_cast<std::size_t>(i)];
    return static_cast<std::int32_t>(u);
}

std::int32_t UnitsPerInch(MarginUnit unit) {
    return unit == MarginUnit::HundredthsOfMillimetre ? 2540 : 1000;
}
} // namespace

void PageMargins::Load(const Profile& profile) {
    const auto block = profile.GetBinary(Section, Key);
    if (!block || block->size() != 16)
        return;
    left = GetInt32(*block, 0);
    top = GetInt32(*block, 4);
    right = GetInt32(*block, 8);
    bottom = GetInt32(*block, 12);
}

bool PageMargins::Save(Profile& profile) const {
    Bytes block;
    block.reserve(16);
    for (std::int32_t v : {left, top, right, bottom})
        PutInt32(block, v);
    return profile.WriteBinary(Section, Key, block);
}

std::int32_t MulDiv(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(denominator) / 2) /
                                   std::llabs(denominator);
    const bool negative = (product < 0) != (denominator < 0);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t RoundToTen(std::int32_t value) {
    const std::int32_t magnitude = std::abs(value);
    const std::int32_t rounded = (magnitude + 5) / 10 * 10;
    return value < 0 ? -rounded : rounded;
}

std::int32_t TwipsToMarginUnits(std::int32_t twips, MarginUnit unit) {
    return RoundToTen(MulDiv(twips, UnitsPerInch(unit), 1440));
}

std::int32_t MarginUnitsToTwips(std::int32_t units, MarginUnit unit) {
    return MulDiv(RoundToTen(units), 1440, UnitsPerInch(unit));
}

} // namespace velto
