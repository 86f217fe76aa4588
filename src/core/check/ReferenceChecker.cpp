// ReferenceChecker: character references in text and attribute values.
#include "core/check/ReferenceChecker.h"

#include "core/check/CheckVocabulary.h"
#include "core/check/ProblemList.h"
#include "core/config/HtmlVer.h"
#include "core/htmlkb/CharacterReferences.h"

#include <algorithm>
#include <cstring>

namespace velto {

namespace {
constexpr bool IsAlnum(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}
constexpr bool IsDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}
constexpr bool IsHex(char c) noexcept {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
} // namespace

ReferenceChecker::ReferenceChecker(std::string_view text, const CheckVocabulary& vocabulary,
                                   ProblemList& problems) noexcept
    : text_(text), vocabulary_(vocabulary), problems_(problems), html5_(vocabulary.IsHtml5()) {}

void ReferenceChecker::Check(std::size_t start, std::size_t end, bool inAttribute) {
    if (!problems_.Wants(Rule::UnknownReference) && !problems_.Wants(Rule::BareAmpersand))
        return;
    std::size_t pos = start;
    while (pos < end) {
        const void* hit = std::memchr(text_.data() + pos, '&', end - pos);
        if (hit == nullptr)
            return;
        const std::size_t amp =
            static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
        pos = amp + 1;
        if (pos >= end)
            return;
        if (text_[pos] == '#')
            Numeric(amp, end);
        else if (IsAlnum(text_[pos]))
            Named(amp, end, inAttribute);
    }
}

bool ReferenceChecker::Known(std::string_view name) const noexcept {
    // A reference belongs to the versions that define it; with only browsers selected,
    // those of the standard they followed.
    const CharacterReference* r = FindCharacterReference(name);
    return r != nullptr && (vocabulary_.IsAllowed(r->versions) || (r->versions & vocabulary_.Standard()) != 0);
}

namespace {
// The names browsers read without ';' are six characters at most.
constexpr std::size_t MaxNameWithoutSemicolon = 6;

// The longest reference read without ';' at the start of text ("copy" of "copy2024").
const CharacterReference* LongestWithoutSemicolon(std::string_view text) noexcept {
    for (std::size_t n = std::min(text.size(), MaxNameWithoutSemicolon); n > 1; --n) {
        const CharacterReference* r = FindCharacterReference(text.substr(0, n));
        if (r != nullptr && r->withoutSemicolon)
            return r;
    }
    return nullptr;
}
} // namespace

void ReferenceChecker::Named(std::size_t amp, std::size_t end, bool inAttribute) {
    std::size_t i = amp + 1;
    while (i < end && IsAlnum(text_[i]))
        ++i;
    const std::string_view name = text_.substr(amp + 1, i - amp - 1);
    if (i < end && text_[i] == ';') {
        if (!Known(name))
            problems_.Add(Rule::UnknownReference, amp, i + 1,
                          "&" + std::string(name) + "; is not a character reference: write &amp;" +
                              std::string(name) + "; for the text as it stands");
        return;
    }
    // Without ';' a browser still reads the references of old pages ("&copy 2024").
    const CharacterReference* legacy = LongestWithoutSemicolon(name);
    if (legacy != nullptr && (html5_ || Known(legacy->name))) {
        const std::size_t after = amp + 1 + legacy->name.size();
        // In an attribute "&copy=2" or "&copy2" stays as it is (query strings).
        if (inAttribute && after < end && (IsAlnum(text_[after]) || text_[after] == '='))
            return;
        problems_.Add(
            Rule::BareAmpersand, amp, after,
            "&" + std::string(legacy->name) + " without ';' is read as a character: write &" +
                std::string(legacy->name) + "; for the character, or &amp; for a plain '&'");
        return;
    }
    // SGML reads any "&name" as an entity reference; browsers of the living standard
    // leave an unknown one as text.
    if (!html5_ && (name[0] < '0' || name[0] > '9') && !(inAttribute && i < end && text_[i] == '='))
        problems_.Add(
            Rule::UnknownReference, amp, i,
            "&" + std::string(name) + " is read as a reference that " +
                (Known(name) ? std::string("lacks its ';'") : std::string("does not exist")) +
                ": write &amp; for a plain '&'");
}

void ReferenceChecker::Numeric(std::size_t amp, std::size_t end) {
    std::size_t i = amp + 2;
    const bool hex = i < end && (text_[i] == 'x' || text_[i] == 'X');
    if (hex)
        ++i;
    const std::size_t digits = i;
    std::uint64_t value = 0;
    while (i < end && (hex ? IsHex(text_[i]) : IsDigit(text_[i]))) {
        const char c = text_[i];
        const unsigned d = IsDigit(c) ? unsigned(c - '0') : unsigned((c | 0x20) - 'a' + 10);
        if (value < 0x1000000)
            value = value * (hex ? 16 : 10) + d;
        ++i;
    }
    if (i == digits) {
        problems_.Add(Rule::UnknownReference, amp, i,
                      std::string(text_.substr(amp, i - amp)) +
                          " names no character: write &amp;# for the text");
        return;
    }
    const bool semicolon = i < end && text_[i] == ';';
    const std::size_t refEnd = semicolon ? i + 1 : i;
    const std::string written(text_.substr(amp, refEnd - amp));
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        problems_.Add(Rule::UnknownReference, amp, refEnd, written + " names no character");
    else if (!semicolon)
        problems_.Add(Rule::BareAmpersand, amp, refEnd,
                      written + " lacks its ';': write " + written + ";");
}

} // namespace velto
