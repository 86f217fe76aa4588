// The settings store: named sections of whole numbers, strings and byte blocks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

using Bytes = std::vector<std::uint8_t>;

// A per-user store of settings. A missing (or unreadable) value yields the caller's
// default; nothing is written until a setting is saved. Writes report success.
class Profile {
public:
    virtual ~Profile() = default;

    [[nodiscard]] virtual std::int32_t GetInt(std::string_view section, std::string_view key,
                                              std::int32_t defaultValue) const = 0;
    [[nodiscard]] virtual std::string GetString(std::string_view section, std::string_view key,
                                                std::string_view defaultValue) const = 0;
    [[nodiscard]] virtual std::optional<Bytes> GetBinary(std::string_view section,
                                                         std::string_view key) const = 0;

    virtual bool WriteInt(std::string_view section, std::string_view key, std::int32_t value) = 0;
    virtual bool WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    virtual bool WriteBinary(std::string_view section, std::string_view key,
                             const Bytes& value) = 0;
};

} // namespace velto
