// CRecCharFormat: a character format (face, height, effects, colour) stored in the profile.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velto {

class Profile;

// Bits of the effects word, and of the mask word that says which fields apply.
namespace CharEffects {
constexpr std::uint32_t Bold = 0x1;
constexpr std::uint32_t Italic = 0x2;
constexpr std::uint32_t Underline = 0x4;
constexpr std::uint32_t StrikeOut = 0x8;
} // namespace CharEffects

// The format record the appearance classes are made of. The fields keep the sizes and
// meanings of the stored values, so that a profile written by any version reads the same.
class CRecCharFormat {
public:
    static constexpr std::uint32_t StructureSize = 60;
    static constexpr std::uint32_t AllFields = 0xFFFFFFFF;
    static constexpr std::size_t MaxFaceName = 31;
    static constexpr std::uint8_t DefaultCharSet = 1;           // the system's default
    static constexpr std::uint8_t DefaultPitchAndFamily = 0x30; // modern family, default pitch
    static constexpr const char* DefaultFace = "Courier New";
    static constexpr const char* DefaultSection = "DefaultRecCharFormat";

    CRecCharFormat() = default;
    virtual ~CRecCharFormat() = default;
    CRecCharFormat(const CRecCharFormat&) = default;
    CRecCharFormat& operator=(const CRecCharFormat&) = default;

    std::uint32_t size = StructureSize;
    std::uint32_t mask = AllFields;
    std::uint32_t effects = 0;
    std::int32_t height = -13;    // negative: minus the character height in pixels; else twips
    std::int32_t offset = 0;      // baseline offset in twips
    std::uint32_t textColour = 0; // 0x00BBGGRR
    std::uint8_t charSet = DefaultCharSet;
    std::uint8_t pitchAndFamily = DefaultPitchAndFamily;
    std::string faceName = DefaultFace; // at most MaxFaceName bytes

    // The mask that new formats and font-dialog results get.
    [[nodiscard]] virtual std::uint32_t DefaultMask() const { return AllFields; }
    // Reads the format stored in the section (DefaultSection when empty). Without a stored
    // face name nothing changes and the result is false; otherwise every field missing from
    // the store keeps its current value.
    virtual bool Load(const Profile& profile, std::string_view section);
    // Writes every field, stopping at the first write that fails.
    virtual bool Save(Profile& profile, std::string_view section) const;
    // Back to the defaults.
    virtual void Reset();
    // The profile key of a field.
    [[nodiscard]] virtual std::string KeyName(std::string_view key) const {
        return std::string(key);
    }

    // Whether an effect applies: it must be in both the mask and the effects.
    [[nodiscard]] bool Has(std::uint32_t effect) const noexcept {
        return (mask & effects & effect) == effect;
    }
    // The height as the text control applies it: a negative height h is |h| x 16 twips.
    [[nodiscard]] std::int64_t HeightInTwips() const noexcept;
    // The same in points (twips / 20), kept within what a font can show; a zero height
    // gives the default class height.
    [[nodiscard]] double HeightInPoints() const noexcept;

    bool operator==(const CRecCharFormat&) const = default;

    // A face name as the record keeps it: up to the first NUL, at most MaxFaceName bytes,
    // never cutting a UTF-8 sequence in two.
    [[nodiscard]] static std::string FitFaceName(std::string_view face);
    // The negative height that shows at this point size (the inverse of HeightInPoints).
    [[nodiscard]] static std::int32_t HeightFromPoints(double points) noexcept;
};

} // namespace velto
