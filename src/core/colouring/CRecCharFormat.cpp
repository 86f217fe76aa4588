// CRecCharFormat: profile storage, defaults and the height rule of a character format.
#include "core/colouring/CRecCharFormat.h"

#include "core/platform/Profile.h"

#include <algorithm>
#include <cmath>

namespace velto {

namespace {
// The height a class gets by default (-12), in twips: shown when a stored height is zero.
constexpr double DefaultTwips = 12 * 16;
// Beyond these a font is unreadable or the control refuses it.
constexpr double MinPoints = 1;
constexpr double MaxPoints = 1638;
} // namespace

bool CRecCharFormat::Load(const Profile& profile, std::string_view section) {
    const std::string sec(section.empty() ? std::string_view(DefaultSection) : section);
    const std::string face = profile.GetString(sec, KeyName("FaceName"), "");
    if (face.empty())
        return false;
    auto read = [&](const char* key, std::uint32_t current) {
        return static_cast<std::uint32_t>(
            profile.GetInt(sec, KeyName(key), static_cast<std::int32_t>(current)));
    };
    CRecCharFormat loaded(*this);
    loaded.size = StructureSize;
    loaded.faceName = FitFaceName(face);
    loaded.mask = read("Mask", mask);
    loaded.effects = read("Effects", effects);
    loaded.height = static_cast<std::int32_t>(read("Height", static_cast<std::uint32_t>(height)));
    loaded.offset = static_cast<std::int32_t>(read("Offset", static_cast<std::uint32_t>(offset)));
    loaded.textColour = read("TextColour", textColour);
    loaded.charSet = static_cast<std::uint8_t>(read("CharSet", charSet) & 0xFF);
    loaded.pitchAndFamily =
        static_cast<std::uint8_t>(read("PitchAndFamily", pitchAndFamily) & 0xFF);
    // Only the format fields: a derived record keeps what it adds.
    static_cast<CRecCharFormat&>(*this) = loaded;
    return true;
}

bool CRecCharFormat::Save(Profile& profile, std::string_view section) const {
    const std::string sec(section.empty() ? std::string_view(DefaultSection) : section);
    auto write = [&](const char* key, std::uint32_t value) {
        return profile.WriteInt(sec, KeyName(key), static_cast<std::int32_t>(value));
    };
    return write("Mask", mask) && write("Effects", effects) &&
           write("Height", static_cast<std::uint32_t>(height)) &&
           write("Offset", static_cast<std::uint32_t>(offset)) && write("TextColour", textColour) &&
           write("CharSet", charSet) && write("PitchAndFamily", pitchAndFamily) &&
           profile.WriteString(sec, KeyName("FaceName"), faceName);
}

void CRecCharFormat::Reset() {
    static_cast<CRecCharFormat&>(*this) = CRecCharFormat();
    mask = DefaultMask();
}

std::int64_t CRecCharFormat::HeightInTwips() const noexcept {
    const std::int64_t h = height;
    return h < 0 ? -h * 16 : h;
}

double CRecCharFormat::HeightInPoints() const noexcept {
    const auto twips = static_cast<double>(HeightInTwips());
    return std::clamp((twips == 0 ? DefaultTwips : twips) / 20, MinPoints, MaxPoints);
}

std::string CRecCharFormat::FitFaceName(std::string_view face) {
    face = face.substr(0, face.find('\0'));
    if (face.size() <= MaxFaceName)
        return std::string(face);
    std::size_t cut = MaxFaceName;
    // Step back over continuation bytes so that a multibyte character is dropped whole.
    while (cut > 0 && (static_cast<unsigned char>(face[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(face.substr(0, cut));
}

std::int32_t CRecCharFormat::HeightFromPoints(double points) noexcept {
    if (!(points > 0)) // also NaN
        return -static_cast<std::int32_t>(DefaultTwips / 16);
    points = std::clamp(points, MinPoints, MaxPoints);
    return -static_cast<std::int32_t>(std::lround(points * 20 / 16));
}

} // namespace velto
