// Character references for characters an encoding cannot hold.
#include "core/encoding/CharacterReferenceText.h"

namespace velto {

std::string NumericReference(char32_t ch) {
    return "&#" + std::to_string(static_cast<unsigned long>(ch)) + ";";
}

ReferenceWriter MakeReferenceWriter(ReferenceNamer namer) {
    return [namer = std::move(namer)](char32_t ch) {
        if (namer) {
            const std::string_view name = namer(ch);
            if (!name.empty())
                return "&" + std::string(name) + ";";
        }
        return NumericReference(ch);
    };
}

} // namespace velto
