// HtmlMeta: names, texts by terminology and the insert case rule.
#include "core/htmlkb/HtmlMeta.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/KindFlags.h"

namespace velto {

std::string PlainName(std::string_view nameText) {
    std::string name;
    bool ampersandDropped = false;
    for (char c : nameText) {
        if (c == '\t' || name.size() == MaxPlainName)
            break;
        if (c == '&' && !ampersandDropped) {
            ampersandDropped = true;
            continue;
        }
        name += c;
    }
    return name;
}

HtmlMeta::HtmlMeta(const HtmlKnowledgeBase& kb, std::uint32_t serial, const MetaTexts& texts,
                   std::uint32_t versions, std::uint32_t kindFlags)
    : kb_(&kb), label_(texts.label), menuText_(texts.menuText), description_(texts.description),
      kindFlags_(kindFlags), versions_(versions), serial_(serial) {
    SetName(texts.nameText);
}

void HtmlMeta::SetName(std::string_view nameText) {
    nameText_ = nameText;
    name_ = PlainName(nameText_);
}

NameMode HtmlMeta::ModeFromSetting(int userNameType) noexcept {
    return userNameType == 0   ? NameMode::HtmlTag
           : userNameType == 1 ? NameMode::HtmlTerm
                               : NameMode::Descriptive;
}

const std::string& HtmlMeta::GetTextForMode(NameMode mode) const {
    switch (mode) {
    case NameMode::HtmlTag:
        return nameText_;
    case NameMode::HtmlTerm:
        return label_.empty() ? nameText_ : label_;
    case NameMode::Descriptive:
        break;
    }
    if (!menuText_.empty())
        return menuText_;
    return label_.empty() ? nameText_ : label_;
}

std::string HtmlMeta::GetName(NameMode mode) const {
    if (mode == NameMode::HtmlTag)
        return name_;
    return PlainName(GetTextForMode(mode));
}

std::string HtmlMeta::GetPopupName() const {
    return GetName(ModeFromSetting(kb_->HtmlConfig().userNameType));
}

std::string HtmlMeta::GetPopupText() const {
    return GetTextForMode(ModeFromSetting(kb_->HtmlConfig().userNameType));
}

std::string HtmlMeta::GetNameForInsert() const {
    // Enumerated values ("_blank", "text/css") and script handler names ("OnClick") are
    // written as stored; element and attribute names follow the editor option.
    constexpr std::uint32_t keepCase = AttKind::ScriptHandler;
    if (IsEnumValue() || (kindFlags_ & keepCase) == keepCase)
        return name_;
    return kb_->EditorConfig().insertHtmlLowerCase ? ascii::ToLower(name_) : ascii::ToUpper(name_);
}

bool HtmlMeta::Allowed() const {
    return kb_->IsAllowed(versions_);
}

} // namespace velto
