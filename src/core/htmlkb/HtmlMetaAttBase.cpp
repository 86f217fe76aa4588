// HtmlMetaAttBase: the attribute predicates read from kindFlags.
#include "core/htmlkb/HtmlMetaAttBase.h"

#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAttEnumVal.h"
#include "core/htmlkb/KindFlags.h"

namespace velto {

std::uint32_t HtmlMetaAttBase::Kind() const noexcept {
    return KindFlags() & AttKind::KindMask;
}

bool HtmlMetaAttBase::IsListValue() const {
    return (KindFlags() & AttKind::List) != 0;
}

bool HtmlMetaAttBase::IsRequired() const {
    return (KindFlags() & AttKind::Required) != 0;
}

bool HtmlMetaAttBase::HasEnumValues() const {
    return (KindFlags() & AttKind::Enumerated) != 0;
}

bool HtmlMetaAttBase::IsValueOptional() const {
    return (KindFlags() & AttKind::ValueOptional) != 0;
}

bool HtmlMetaAttBase::IsFlagAttribute() const {
    return Kind() == AttKind::FlagKind;
}

bool HtmlMetaAttBase::IsImageValued() const {
    return Kind() == AttKind::ImageUrl;
}

bool HtmlMetaAttBase::IsUrlValued() const {
    const std::uint32_t kind = Kind();
    return kind >= AttKind::ProgramUrl && kind <= AttKind::DataUrlKind;
}

bool HtmlMetaAttBase::IsColourOnMenu() const {
    if (Kind() != AttKind::ColourKind)
        return false;
    const HtmlKnowledgeBase& kb = KnowledgeBase();
    return kb.HtmlConfig().vgaColoursOnMenu ||
           (kb.HtmlConfig().userColoursOnMenu && kb.HasCustomColours());
}

void HtmlMetaAttBase::AddValue(std::unique_ptr<HtmlMetaAttEnumVal> /*value*/) {}

} // namespace velto
