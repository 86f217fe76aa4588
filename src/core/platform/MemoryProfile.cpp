// A Profile held in memory.
#include "core/platform/MemoryProfile.h"

#include <charconv>

namespace velto {

const MemoryProfile::Value* MemoryProfile::Find(std::string_view section,
                                                std::string_view key) const {
    auto it = values_.find(Key{std::string(section), std::string(key)});
    return it == values_.end() ? nullptr : &it->second;
}

bool MemoryProfile::Store(std::string_view section, std::string_view key, Value value) {
    if (writesLeft_ == 0)
        return false;
    if (writesLeft_ > 0)
        --writesLeft_;
    values_[Key{std::string(section), std::string(key)}] = std::move(value);
    return true;
}

std::int32_t MemoryProfile::GetInt(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) const {
    const Value* v = Find(section, key);
    if (!v)
        return defaultValue;
    if (auto i = std::get_if<std::int32_t>(v))
        return *i;
    // A number stored as a string reads as that number, as a registry-style store would.
    if (auto s = std::get_if<std::string>(v)) {
        std::int32_t out = 0;
        auto [end, ec] = std::from_chars(s->data(), s->data() + s->size(), out);
        if (ec == std::errc() && end == s->data() + s->size())
            return out;
    }
    return defaultValue;
}

std::string MemoryProfile::GetString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    const Value* v = Find(section, key);
    if (!v)
        return std::string(defaultValue);
    if (auto s = std::get_if<std::string>(v))
        return *s;
    if (auto i = std::get_if<std::int32_t>(v))
        return std::to_string(*i);
    return std::string(defaultValue);
}

std::optional<Bytes> MemoryProfile::GetBinary(std::string_view section,
                                              std::string_view key) const {
    const Value* v = Find(section, key);
    if (auto b = v ? std::get_if<Bytes>(v) : nullptr)
        return *b;
    return std::nullopt;
}

bool MemoryProfile::WriteInt(std::string_view section, std::string_view key, std::int32_t value) {
    return Store(section, key, value);
}

bool MemoryProfile::WriteString(std::string_view section, std::string_view key,
                                std::string_view value) {
    return Store(section, key, std::string(value));
}

bool MemoryProfile::WriteBinary(std::string_view section, std::string_view key,
                                const Bytes& value) {
    return Store(section, key, value);
}

bool MemoryProfile::Has(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

} // namespace velto
