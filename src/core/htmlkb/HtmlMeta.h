// HtmlMeta: the common base of every knowledge base record, with its names and predicates.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velto {

class HtmlKnowledgeBase;

// Which text of a record to show: the HTML name, the HTML term, or the descriptive text.
enum class NameMode : int { HtmlTag = 0, HtmlTerm = 1, Descriptive = 2 };

// The plain name of a name text: everything before the first tab, without the first "&"
// (so a doubled ampersand leaves one), at most MaxPlainName characters.
std::string PlainName(std::string_view nameText);
inline constexpr std::size_t MaxPlainName = 259;

// The texts a record shows.
struct MetaTexts {
    std::string_view nameText;
    std::string_view label;
    std::string_view menuText;
    std::string_view description;
};

class HtmlMeta {
public:
    HtmlMeta(const HtmlKnowledgeBase& kb, std::uint32_t serial, const MetaTexts& texts,
             std::uint32_t versions, std::uint32_t kindFlags);
    virtual ~HtmlMeta() = default;
    HtmlMeta(const HtmlMeta&) = delete;
    HtmlMeta& operator=(const HtmlMeta&) = delete;

    [[nodiscard]] const std::string& Label() const noexcept { return label_; }
    [[nodiscard]] const std::string& NameText() const noexcept { return nameText_; }
    [[nodiscard]] const std::string& Name() const noexcept { return name_; }
    [[nodiscard]] const std::string& MenuText() const noexcept { return menuText_; }
    [[nodiscard]] const std::string& Description() const noexcept { return description_; }
    [[nodiscard]] const std::string& Context() const noexcept { return context_; }
    [[nodiscard]] std::uint32_t KindFlags() const noexcept { return kindFlags_; }
    [[nodiscard]] std::uint32_t Versions() const noexcept { return versions_; }
    [[nodiscard]] std::uint32_t Serial() const noexcept { return serial_; }
    [[nodiscard]] const HtmlKnowledgeBase& KnowledgeBase() const noexcept { return *kb_; }

    // Predicates; a class answers only those that concern it, the rest are false.
    [[nodiscard]] virtual bool IsListValue() const { return false; }
    [[nodiscard]] virtual bool IsRequired() const { return false; }
    [[nodiscard]] virtual bool HasEnumValues() const { return false; }
    [[nodiscard]] virtual bool IsEnumValue() const { return false; }
    [[nodiscard]] virtual bool IsManualEntryValue() const { return false; }
    [[nodiscard]] virtual bool IsEventHolder() const { return false; }
    [[nodiscard]] virtual bool IsAlsoAttributeName() const { return false; }
    [[nodiscard]] virtual bool IsOfferedValue() const { return false; }
    [[nodiscard]] virtual bool HasFreeValue() const { return false; }
    [[nodiscard]] virtual bool IsValueOptional() const { return false; }
    [[nodiscard]] virtual bool IsFlagAttribute() const { return false; }
    [[nodiscard]] virtual bool HasUsableAttributes() const { return false; }
    [[nodiscard]] virtual bool HasAllowedAttributes() const { return false; }
    [[nodiscard]] virtual bool IsImageValued() const { return false; }

    // Stores the name text and derives the plain name from it.
    void SetName(std::string_view nameText);
    void SetDescription(std::string_view text) { description_ = text; }
    void SetContext(std::string_view context) { context_ = context; }

    // Mode 0 gives the plain name; other modes the text of that mode, made plain.
    [[nodiscard]] std::string GetName(NameMode mode) const;
    // The name in the terminology the user chose ("UserNameType").
    [[nodiscard]] std::string GetPopupName() const;
    // The name as written into a document, in the case the editor options ask for.
    [[nodiscard]] std::string GetNameForInsert() const;
    // The text of the user's terminology, with its accelerator and keyboard hint.
    [[nodiscard]] std::string GetPopupText() const;
    // Mode 0: nameText. Mode 1: label, else nameText. Mode 2: menuText, else label, else
    // nameText.
    [[nodiscard]] const std::string& GetTextForMode(NameMode mode) const;

    // The configured terminology; values out of range mean the default, descriptive.
    [[nodiscard]] static NameMode ModeFromSetting(int userNameType) noexcept;

protected:
    [[nodiscard]] bool Allowed() const;

private:
    const HtmlKnowledgeBase* kb_;
    std::string label_;
    std::string nameText_;
    std::string name_;
    std::string menuText_;
    std::string description_;
    std::string context_;
    std::uint32_t kindFlags_;
    std::uint32_t versions_;
    std::uint32_t serial_;
};

} // namespace velto
