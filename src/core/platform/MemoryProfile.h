// A Profile held in memory: for tests and for tools that must not touch the user's settings.
#pragma once

#include "core/platform/Profile.h"

#include <map>
#include <variant>

namespace velto {

class MemoryProfile final : public Profile {
public:
    using Value = std::variant<std::int32_t, std::string, Bytes>;

    [[nodiscard]] std::int32_t GetInt(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const override;
    [[nodiscard]] std::string GetString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const override;
    [[nodiscard]] std::optional<Bytes> GetBinary(std::string_view section,
                                                 std::string_view key) const override;

    bool WriteInt(std::string_view section, std::string_view key, std::int32_t value) override;
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool WriteBinary(std::string_view section, std::string_view key, const Bytes& value) override;

    // Test helpers: whether a value exists, how many there are, and a switch that makes
    // every write fail after a given number of successful ones (-1: never fail).
    [[nodiscard]] bool Has(std::string_view section, std::string_view key) const;
    [[nodiscard]] std::size_t Size() const noexcept { return values_.size(); }
    void FailWritesAfter(int successfulWrites) noexcept { writesLeft_ = successfulWrites; }

private:
    using Key = std::pair<std::string, std::string>;
    const Value* Find(std::string_view section, std::string_view key) const;
    bool Store(std::string_view section, std::string_view key, Value value);

    std::map<Key, Value> values_;
    int writesLeft_ = -1;
};

} // namespace velto
