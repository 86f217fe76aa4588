// HtmlKnowledgeBase: building the contents, element lookup and the version filter.
#include "core/htmlkb/HtmlKnowledgeBase.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KindFlags.h"

#include <algorithm>

namespace velto {

namespace {
constexpr std::string_view CommentName = "!--";
}

HtmlKnowledgeBase::HtmlKnowledgeBase(CHtmlConfig& htmlConfig, const CEditorConfig& editorConfig,
                                     CustomColoursQuery hasCustomColours)
    : html_(htmlConfig), editor_(editorConfig), hasCustomColours_(std::move(hasCustomColours)) {
    KbBuilder builder(*this);
    builder.BuildAll();

    std::vector<std::string_view> names;
    names.reserve(elements_.size());
    for (const auto& e : elements_)
        names.push_back(e->Name());
    index_.Build(names);
    comment_ = index_.Find(CommentName);
    allowed_.assign(elements_.size(), 0);
}

HtmlKnowledgeBase::~HtmlKnowledgeBase() = default;

std::uint32_t HtmlKnowledgeBase::FindPosition(std::string_view name) const noexcept {
    if (name.size() > CommentName.size() && name.substr(0, CommentName.size()) == CommentName)
        return comment_;
    return index_.Find(name);
}

const HtmlMetaElement* HtmlKnowledgeBase::FindElement(std::string_view name) const noexcept {
    const std::uint32_t pos = FindPosition(name);
    return pos == ElementIndex::None ? nullptr : elements_[pos].get();
}

const HtmlMetaElement* HtmlKnowledgeBase::FindAllowedElement(std::string_view name) const noexcept {
    const std::uint32_t pos = FindPosition(name);
    return pos == ElementIndex::None || allowed_[pos] == 0 ? nullptr : elements_[pos].get();
}

void HtmlKnowledgeBase::RebuildAllowed() {
    html_.RecomputeMasks();
    for (std::size_t i = 0; i < elements_.size(); ++i)
        allowed_[i] = IsAllowed(elements_[i]->Versions()) ? 1 : 0;
    // A listener may add or remove listeners; call those registered now, on a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        if (listener)
            listener();
}

bool HtmlKnowledgeBase::IsAllowed(std::uint32_t versions) const noexcept {
    if ((versions & html_.anyMask) != 0)
        return true;
    return html_.allMask != 0 && (versions & html_.allMask) == html_.allMask;
}

int HtmlKnowledgeBase::AddRebuildListener(RebuildListener listener) {
    listeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void HtmlKnowledgeBase::RemoveRebuildListener(int id) {
    std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

std::vector<const HtmlMetaElement*> HtmlKnowledgeBase::AllowedElements() const {
    std::vector<const HtmlMetaElement*> list;
    for (std::size_t i = 0; i < elements_.size(); ++i)
        if (allowed_[i] != 0)
            list.push_back(elements_[i].get());
    return list;
}

bool HtmlKnowledgeBase::HasCustomColours() const {
    return hasCustomColours_ ? hasCustomColours_() : false;
}

std::unique_ptr<HtmlMetaAtt> HtmlKnowledgeBase::MakeEventAttribute(const HtmlTagEvent& event) {
    const MetaTexts texts{event.name, event.name, {}, event.description};
    return std::make_unique<HtmlMetaAtt>(*this, NextSerial(), texts, 0, AttKind::ScriptHandler);
}

} // namespace velto
