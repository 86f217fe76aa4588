// KbBuilder: record construction in the order the contents give.
#include "core/htmlkb/KbBuilder.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAttShared.h"
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
    BuildHtml5SectionElements(*this);
    BuildHtml5PhraseElements(*this);
    BuildHtml5MediaElements(*this);
    BuildHtml5FormElements(*this);
    BuildSharedAttributes(*this);
    BuildHtml5SharedAttributes(*this);
    Done();
}

void KbBuilder::Done() {
    CloseElement();
}

std::string_view KbBuilder::ElementName() const {
    return sharing_ || element_ == nullptr ? std::string_view() : element_->Name();
}

bool KbBuilder::ElementUnderHtml5() const {
    return !sharing_ && element_ != nullptr && (element_->Versions() & VersionBits::Html5) != 0;
}

void KbBuilder::CloseAttribute() {
    if (attributeClosed_)
        return;
    attributeClosed_ = true;
    if (attribute_ != nullptr && (attribute_->Versions() & VersionBits::Html5) != 0)
        AddHtml5Values(*this, ElementName(), attribute_->Name());
}

void KbBuilder::CloseElement() {
    CloseAttribute();
    if (elementClosed_)
        return;
    elementClosed_ = true;
    if (ElementUnderHtml5())
        AddHtml5Attributes(*this, element_->Name());
    CloseAttribute();
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
    CloseElement();
    if (Html5KeepsElement(PlainName(nameText)))
        versions |= VersionBits::Html5;
    auto e = std::make_unique<HtmlMetaElement>(kb_, kb_.NextSerial(),
                                               MetaTexts{nameText, label, menuText, description},
                                               versions, elementClass, appearance_, &kb_.clubs_);
    element_ = e.get();
    attribute_ = nullptr;
    sharing_ = false;
    elementClosed_ = false;
    kb_.elements_.push_back(std::move(e));
}

void KbBuilder::Inside(std::string_view context) {
    CurrentElement().SetContext(context);
}

void KbBuilder::Select(std::uint32_t sharedSelect) {
    HtmlMetaElement& e = CurrentElement();
    e.SetSharedSelect(sharedSelect | (e.GetSharedSelect() & SharedGroup::RefuseMask));
}

void KbBuilder::Att(std::string_view nameText, std::string_view label, std::string_view menuText,
                    std::uint32_t versions, std::uint32_t kindFlags, std::string_view description) {
    HtmlMetaElement& owner = CurrentElement();
    CloseAttribute();
    const std::string name = PlainName(nameText);
    if (ElementUnderHtml5() && Html5KeepsAttribute(owner.Name(), name))
        versions |= VersionBits::Html5;
    // An own attribute of the name of a global of the living standard stands in its place.
    owner.SetSharedSelect(owner.GetSharedSelect() | Html5GlobalRefusal(name));
    auto a = std::make_unique<HtmlMetaAtt>(kb_, kb_.NextSerial(),
                                           MetaTexts{nameText, label, menuText, description},
                                           versions, kindFlags);
    attribute_ = a.get();
    attributeClosed_ = false;
    owner.AddAttribute(std::move(a));
}

void KbBuilder::Val(std::string_view nameText, std::string_view label, std::string_view menuText,
                    std::uint32_t versions, std::string_view description, std::uint32_t flags) {
    HtmlMetaAttBase& owner = CurrentAttribute();
    // A value of an attribute under the living standard has its bit when the standard
    // keeps it, even where the contents give the value the attribute's versions.
    if ((owner.Versions() & VersionBits::Html5) != 0) {
        if (Html5KeepsValue(ElementName(), owner.Name(), PlainName(nameText)))
            versions |= VersionBits::Html5;
        else
            versions &= ~VersionBits::Html5;
    }
    owner.AddValue(std::make_unique<HtmlMetaAttEnumVal>(
        kb_, kb_.NextSerial(), MetaTexts{nameText, label, menuText, description}, versions, flags));
}

void KbBuilder::Other(std::uint32_t versions, std::string_view description, std::uint32_t flags,
                      std::string_view label) {
    // The living standard's values of the attribute come before the typed-in entry.
    CloseAttribute();
    Val({}, label, {}, versions, description, flags);
}

void KbBuilder::Events(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> pairs) {
    HtmlMetaElement& owner = CurrentElement();
    CloseElement();
    auto holder = std::make_unique<HtmlTagEventHolder>(kb_, kb_.NextSerial(), kb_.clubs_);
    std::uint32_t group1 = 0;
    for (const auto& [versions, mask] : pairs) {
        holder->AddEvents(versions, mask);
        if (HtmlTagEventClubs::SlotOfMask(mask) == 1)
            group1 |= mask & EventMask::EventBits;
    }
    if (ElementUnderHtml5())
        AddHtml5EventHandlers(*holder, owner.Name(), group1);
    attribute_ = holder.get();
    owner.AddAttribute(std::move(holder));
}

void KbBuilder::Shared(std::string_view nameText, std::string_view label, std::string_view menuText,
                       std::uint32_t versions, std::uint32_t group, std::uint32_t kindFlags,
                       std::string_view description) {
    CloseElement();
    sharing_ = true;
    if (Html5KeepsAttribute({}, PlainName(nameText)))
        versions |= VersionBits::Html5;
    auto s = std::make_unique<HtmlMetaAttShared>(kb_, kb_.NextSerial(),
                                                 MetaTexts{nameText, label, menuText, description},
                                                 versions, kindFlags, group);
    attribute_ = s.get();
    attributeClosed_ = false;
    kb_.sharedView_.push_back(s.get());
    kb_.shared_.push_back(std::move(s));
}

std::uint32_t KbBuilder::AttVersions() const {
    return CurrentAttribute().Versions();
}

} // namespace velto
