// KbBuilder: record construction in the order the contents give.
#include "core/htmlkb/KbBuilder.h"

#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/htmlkb/KbContents.h"

#include <stdexcept>

namespace velto {

void KbBuilder::BuildAll() {
    // The event table is a member of the knowledge base and exists before any element.
    BuildHeadElements(*this);
    BuildBlockElements(*this);
    BuildTextStyleElements(*this);
    BuildImageAndListElements(*this);
    BuildTableElements(*this);
    BuildRuleAndQuoteElements(*this);
    BuildFormElements(*this);
    BuildObjectElements(*this);
    BuildFrameElements(*this);
    BuildAppletElements(*this);
    BuildSharedAttributes(*this);
}

HtmlMetaElement& KbBuilder::CurrentElement() const {
    if (element_ == nullptr)
        throw std::logic_error("knowledge base: attribute before any element");
    return *element_;
}

HtmlMetaAttBase& KbBuilder::CurrentAttribute() const {
    if (attribute_ == nullptr)
        throw std::logic_error("knowledge base: value before any attribute");
    return *attribute_;
}

void KbBuilder::Element(std::string_view nameText, std::string_view label,
                        std::string_view menuText, std::uint32_t versions,
                        std::uint32_t elementClass, std::string_view description) {
    auto e = std::make_unique<HtmlMetaElement>(kb_, kb_.NextSerial(),
                                               MetaTexts{nameText, label, menuText, description},
                                               versions, elementClass, appearance_, &kb_.clubs_);
    element_ = e.get();
    attribute_ = nullptr;
    kb_.elements_.push_back(std::move(e));
}

void KbBuilder::Inside(std::string_view context) {
    CurrentElement().SetContext(context);
}

void KbBuilder::Select(std::uint32_t sharedSelect) {
    CurrentElement().SetSharedSelect(sharedSelect);
}

void KbBuilder::Att(std::string_view nameText, std::string_view label, std::string_view menuText,
                    std::uint32_t versions, std::uint32_t kindFlags, std::string_view description) {
    HtmlMetaElement& owner = CurrentElement();
    auto a = std::make_unique<HtmlMetaAtt>(kb_, kb_.NextSerial(),
                                           MetaTexts{nameText, label, menuText, description},
                                           versions, kindFlags);
    attribute_ = a.get();
    owner.AddAttribute(std::move(a));
}

void KbBuilder::Val(std::string_view nameText, std::string_view label, std::string_view menuText,
                    std::uint32_t versions, std::string_view description, std::uint32_t flags) {
    HtmlMetaAttBase& owner = CurrentAttribute();
    owner.AddValue(std::make_unique<HtmlMetaAttEnumVal>(
        kb_, kb_.NextSerial(), MetaTexts{nameText, label, menuText, description}, versions, flags));
}

void KbBuilder::Other(std::uint32_t versions, std::string_view description, std::uint32_t flags,
                      std::string_view label) {
    Val({}, label, {}, versions, description, flags);
}

void KbBuilder::Events(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> pairs) {
    HtmlMetaElement& owner = CurrentElement();
    auto holder = std::make_unique<HtmlTagEventHolder>(kb_, kb_.NextSerial(), kb_.clubs_);
    for (const auto& [versions, mask] : pairs)
        holder->AddEvents(versions, mask);
    attribute_ = holder.get();
    owner.AddAttribute(std::move(holder));
}

void KbBuilder::Shared(std::string_view nameText, std::string_view label, std::string_view menuText,
                       std::uint32_t versions, std::uint32_t group, std::uint32_t kindFlags,
                       std::string_view description) {
    auto s = std::make_unique<HtmlMetaAttShared>(kb_, kb_.NextSerial(),
                                                 MetaTexts{nameText, label, menuText, description},
                                                 versions, kindFlags, group);
    attribute_ = s.get();
    kb_.sharedView_.push_back(s.get());
    kb_.shared_.push_back(std::move(s));
}

std::uint32_t KbBuilder::AttVersions() const {
    return CurrentAttribute().Versions();
}

} // namespace velto
