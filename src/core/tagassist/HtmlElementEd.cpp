// HtmlElementEd: finding the tag at the caret, reading and rewriting its attributes, and
// writing it back through the text control.
#include "core/tagassist/HtmlElementEd.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAttBase.h"
#include "core/platform/TextControl.h"
#include "core/tagassist/TagSyntax.h"

#include <algorithm>
#include <climits>

namespace velto {

namespace {

// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool IsBlank(char c) noexcept {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr bool IsNameChar(char c) noexcept {
    return IsTagNameChar(static_cast<unsigned char>(c));
}

constexpr bool IsQuote(char c) noexcept {
    return c == '"' || c == '\'';
}

// Where the element name of a tag text begins: after a leading '<' and one '/'.
std::size_t NameStart(std::string_view tagText) noexcept {
    std::size_t pos = !tagText.empty() && tagText[0] == '<' ? 1 : 0;
    if (pos < tagText.size() && tagText[pos] == '/')
        ++pos;
    return pos;
}

// Past the whole element name word (which may be longer than the 72 characters looked up).
std::size_t NameEnd(std::string_view tagText) noexcept {
    std::size_t pos = NameStart(tagText);
    while (pos < tagText.size() && IsNameChar(tagText[pos]))
        ++pos;
    return pos;
}

// The position of the attribute name outside quotes, before any unquoted '>', or npos.
std::size_t FindAttributeName(std::string_view name, std::string_view tagText) noexcept {
    const std::size_t size = tagText.size();
    char quote = 0;
    std::size_t i = NameEnd(tagText);
    while (i < size) {
        const char c = tagText[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
            ++i;
        } else if (IsQuote(c)) {
            quote = c;
            ++i;
        } else if (c == '>') {
            return std::string_view::npos;
        } else if (!IsNameChar(c)) {
            ++i;
        } else {
            const std::size_t end = i + name.size();
            if (end <= size && ascii::EqualNoCase(tagText.substr(i, name.size()), name) &&
                (end == size || !IsNameChar(tagText[end])))
                return i;
            while (i < size && IsNameChar(tagText[i]))
                ++i;
        }
    }
    return std::string_view::npos;
}

// A value that can be written without quotes without changing how the tag reads.
bool CanStandUnquoted(std::string_view value) noexcept {
    if (value.empty())
        return false;
    return std::none_of(value.begin(), value.end(), [](char c) {
        return IsBlank(c) || IsQuote(c) || c == '=' || c == '<' || c == '>' || c == '`';
    });
}

// The value in double quotes; in single quotes when it holds a double quote, and with its
// double quotes written as "&quot;" when it holds both kinds.
std::string Quoted(std::string_view value) {
    if (value.find('"') == std::string_view::npos)
        return '"' + std::string(value) + '"';
    if (value.find('\'') == std::string_view::npos)
        return '\'' + std::string(value) + '\'';
    std::string text = "\"";
    for (char c : value) {
        if (c == '"')
            text += "&quot;";
        else
            text += c;
    }
    return text + '"';
}

// What follows the attribute's name when it is set to value.
std::string AttributeValueText(const HtmlMetaAttBase& attribute, std::string_view value) {
    if (attribute.IsFlagAttribute())
        return {};
    if (attribute.IsValueOptional() && value.empty())
        return {};
    if (attribute.HasFreeValue() || !CanStandUnquoted(value))
        return '=' + Quoted(value);
    return '=' + std::string(value);
}

// The attribute text followed by the rest of the tag. A bare name or unquoted value would
// run into a following word ("ALIGN=CENTERCLASS=x"), so a blank then separates them.
std::string Joined(std::string_view text, std::string_view rest) {
    std::string result(text);
    if (!rest.empty() && !IsBlank(rest.front()) && rest.front() != '>' && !text.empty() &&
        !IsQuote(text.back()))
        result += ' ';
    result += rest;
    return result;
}

} // namespace

HtmlElementEd::HtmlElementEd(const HtmlKnowledgeBase& kb, TextControl& control) noexcept
    : kb_(kb), control_(control) {}

HtmlElementEd::TextAround HtmlElementEd::ReadAroundCaret(int caret, int window) const {
    const long long length = control_.Length();
    const long long at = std::clamp<long long>(caret, 0, length);
    const long long half = window > 0 ? window / 2 : 0;
    const long long start = half < at ? at - half : 0;
    const long long end = at + half < length - 1 ? at + half + 1 : length;
    TextAround around;
    around.start = static_cast<int>(start);
    control_.GetTextRange(static_cast<int>(start), static_cast<int>(end), around.text);
    return around;
}

bool HtmlElementEd::FindTagAt(int caret, Found& found) const {
    const TextAround around = ReadAroundCaret(caret, CaretWindow);
    const std::string_view text = around.text;
    const std::size_t size = text.size();
    const long long at = std::clamp<long long>(caret, 0, control_.Length());
    const auto offset = static_cast<std::size_t>(std::clamp<long long>(at - around.start, 0, size));

    // Backwards to the opener; the caret just before an opener is outside the tag.
    if (offset < size && IsTagOpener(text, offset))
        return false;
    if (size == 0)
        return false;
    std::size_t start = offset;
    if (start == size || (text[start] == '>' && start != 0))
        --start;
    while (!IsTagOpener(text, start)) {
        if (text[start] == '>' || start == 0)
            return false;
        --start;
    }

    // Forwards to the first '>'; an opener on the way means the tag is not closed.
    std::size_t end = offset;
    if (end < size && IsTagOpener(text, end))
        ++end;
    for (; end < size; ++end) {
        if (text[end] == '>')
            break;
        if (IsTagOpener(text, end))
            return false;
    }
    if (end >= size)
        return false;
    found.first = around.start + static_cast<int>(start);
    found.pastEnd = around.start + static_cast<int>(end) + 1;
    return true;
}

bool HtmlElementEd::FindTagAtCaret() {
    const int length = control_.Length();
    const TextControl::Selection selection = control_.GetSelection();
    const int selStart = std::clamp(selection.Start(), 0, length);
    const int selEnd = std::clamp(selection.End(), 0, length);
    Found found;
    std::string text;
    if (selStart == selEnd) {
        if (!FindTagAt(selection.caret, found)) {
            Forget();
            return false;
        }
        control_.GetTextRange(found.first, found.pastEnd, text);
        Hold(std::move(text), found.first, found.pastEnd);
        return true;
    }
    // A selection that is exactly the tag at its start is that tag; any other selection
    // is taken as the tag text as it stands.
    if (!FindTagAt(selStart + 1, found) || found.first != selStart || found.pastEnd != selEnd)
        found = {selStart, selEnd};
    control_.GetTextRange(found.first, found.pastEnd, text);
    Hold(std::move(text), found.first, found.pastEnd);
    return true;
}

void HtmlElementEd::Hold(std::string tagText, int first, int pastEnd) {
    tagText_ = std::move(tagText);
    first_ = first;
    pastEnd_ = pastEnd;
    hasTag_ = true;
    elementName_ = NameOfTag(tagText_);
    const std::size_t nameStart = NameStart(tagText_);
    endTag_ = nameStart > 0 && tagText_[nameStart - 1] == '/';
    element_ = elementName_.empty() ? nullptr : kb_.FindAllowedElement(elementName_);
}

void HtmlElementEd::Forget() noexcept {
    hasTag_ = false;
    tagText_.clear();
    first_ = pastEnd_ = 0;
    elementName_.clear();
    endTag_ = false;
    element_ = nullptr;
}

bool HtmlElementEd::GetAttributeValue(std::string_view name, std::string& value) const {
    std::string namePart, after;
    return FindAttributeText(name, tagText_, nullptr, &namePart, &value, &after);
}

void HtmlElementEd::SetAttribute(const HtmlMetaAttBase& attribute, std::string_view value,
                                 bool set) {
    tagText_ = SetAttributeText(attribute, tagText_, value, set);
}

void HtmlElementEd::ToggleFlag(const HtmlMetaAttBase& attribute) {
    SetAttribute(attribute, {}, !FindAttributeText(attribute.Name(), tagText_));
}

bool HtmlElementEd::WriteBack() {
    const int length = control_.Length();
    if (!hasTag_ || first_ < 0 || first_ > pastEnd_ || pastEnd_ > length ||
        tagText_.size() > static_cast<std::size_t>(INT_MAX - length))
        return false;
    control_.SetSelection({first_, pastEnd_});
    control_.ReplaceRange(first_, pastEnd_, tagText_);
    pastEnd_ = first_ + static_cast<int>(tagText_.size());
    control_.SetSelection({first_, pastEnd_});
    return true;
}

bool HtmlElementEd::FindAttributeText(std::string_view name, std::string_view tagText,
                                      std::string* before, std::string* namePart,
                                      std::string* value, std::string* after) {
    if (name.empty())
        return false;
    const std::size_t at = FindAttributeName(name, tagText);
    if (at == std::string_view::npos)
        return false;
    if (before != nullptr)
        before->assign(tagText.substr(0, at));
    if (namePart == nullptr || value == nullptr || after == nullptr)
        return true;

    const std::size_t size = tagText.size();
    const std::size_t nameEnd = at + name.size();
    std::size_t pos = nameEnd;
    while (pos < size && IsBlank(tagText[pos]))
        ++pos;
    if (pos == size || tagText[pos] != '=') {
        namePart->assign(tagText.substr(at, name.size()));
        value->clear();
        after->assign(tagText.substr(nameEnd));
        return true;
    }
    ++pos;
    while (pos < size && IsBlank(tagText[pos]))
        ++pos;
    char quote = 0;
    if (pos < size && IsQuote(tagText[pos]))
        quote = tagText[pos++];
    namePart->assign(tagText.substr(at, pos - at));

    // A quoted value runs to its closing quote; one whose quote is never closed stops at
    // the '>' like an unquoted value, so that the tag's end survives a rewrite.
    const std::size_t close = quote != 0 ? tagText.find(quote, pos) : std::string_view::npos;
    if (close != std::string_view::npos) {
        value->assign(tagText.substr(pos, close - pos));
        after->assign(tagText.substr(close + 1));
        return true;
    }
    std::size_t end = pos;
    while (end < size && tagText[end] != '>' && (quote != 0 || !IsBlank(tagText[end])))
        ++end;
    value->assign(tagText.substr(pos, end - pos));
    after->assign(tagText.substr(end));
    return true;
}

std::string HtmlElementEd::SetAttributeText(const HtmlMetaAttBase& attribute,
                                            std::string_view tagText, std::string_view value,
                                            bool set) {
    std::string before, namePart, oldValue, after;
    const bool present =
        FindAttributeText(attribute.Name(), tagText, &before, &namePart, &oldValue, &after);
    if (set) {
        const std::string text =
            attribute.GetNameForInsert() + AttributeValueText(attribute, value);
        if (present)
            return before + Joined(text, after);
        const std::size_t at = NameEnd(tagText);
        return std::string(tagText.substr(0, at)) + ' ' + Joined(text, tagText.substr(at));
    }
    if (!present)
        return std::string(tagText);
    if (!before.empty() && IsBlank(before.back()))
        before.pop_back();
    if (!after.empty() && IsQuote(after.front()))
        after.erase(0, 1);
    return before + after;
}

std::string HtmlElementEd::ValueTextFor(const HtmlMetaAttBase& attribute, std::string_view value) {
    return AttributeValueText(attribute, value);
}

std::string_view HtmlElementEd::NameOfTag(std::string_view tagText) noexcept {
    const std::size_t start = NameStart(tagText);
    std::size_t end = start;
    while (end < tagText.size() && end - start < MaxTagNameLength && IsNameChar(tagText[end]))
        ++end;
    return tagText.substr(start, end - start);
}

} // namespace velto
