// CAppearanceConfig: a named character format with its own profile keys.
#include "core/colouring/CAppearanceConfig.h"

namespace velto {

CAppearanceConfig::CAppearanceConfig(std::string name, std::uint32_t defaultColour)
    : name_(std::move(name)) {
    height = ClassHeight;
    textColour = defaultColour;
}

void CAppearanceConfig::Reset() {
    CRecCharFormat::Reset();
    height = ClassHeight;
}

std::string CAppearanceConfig::KeyName(std::string_view key) const {
    std::string k;
    k.reserve(name_.size() + 1 + key.size());
    k.append(name_).append(1, ' ').append(key);
    return k;
}

} // namespace velto
