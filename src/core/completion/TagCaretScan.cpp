// Where in a start tag a caret stands, and what follows it in the tag.
#include "core/completion/TagCaretScan.h"

#include "core/tagassist/TagSyntax.h"

namespace velto {

namespace {
constexpr bool IsBlank(char c) noexcept {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
constexpr bool IsQuote(char c) noexcept {
    return c == '"' || c == '\'';
}
} // namespace

TagCaretState ScanTagToCaret(std::string_view tag) noexcept {
    using Where = TagCaretState::Where;
    TagCaretState s;
    std::size_t i = 1;
    if (i < tag.size() && tag[i] == '/') {
        s.endTag = true;
        ++i;
    }
    s.nameStart = i;
    while (i < tag.size() && IsTagNameChar(static_cast<unsigned char>(tag[i])))
        ++i;
    s.nameEnd = i;
    s.wordStart = s.nameStart;
    if (i == tag.size())
        return s; // still in the name

    s.where = Where::BetweenAttributes;
    for (; i < tag.size(); ++i) {
        const char c = tag[i];
        switch (s.where) {
        case Where::Name:
        case Where::BetweenAttributes:
            if (IsBlank(c) || c == '/')
                break;
            if (c == '=') { // a value without a name
                s.attributeStart = s.attributeEnd = i;
                s.where = Where::AfterEquals;
            } else {
                s.wordStart = i;
                s.where = Where::AttributeName;
            }
            break;
        case Where::AttributeName:
            if (IsAttributeNameChar(c))
                break;
            s.attributeStart = s.wordStart;
            s.attributeEnd = i;
            s.where = c == '=' ? Where::AfterEquals : Where::BetweenAttributes;
            // A blank after a name may still lead to its '='.
            if (IsBlank(c)) {
                std::size_t j = i;
                while (j < tag.size() && IsBlank(tag[j]))
                    ++j;
                if (j < tag.size() && tag[j] == '=') {
                    i = j;
                    s.where = Where::AfterEquals;
                }
            }
            break;
        case Where::AfterEquals:
            if (IsBlank(c))
                break;
            s.valueStart = i;
            if (IsQuote(c)) {
                s.quote = c;
                s.wordStart = i + 1;
                s.where = Where::QuotedValue;
            } else {
                s.quote = 0;
                s.wordStart = i;
                s.where = Where::UnquotedValue;
            }
            break;
        case Where::UnquotedValue:
            if (IsBlank(c))
                s.where = Where::BetweenAttributes;
            break;
        case Where::QuotedValue:
            if (c == s.quote)
                s.where = Where::BetweenAttributes;
            break;
        }
    }
    switch (s.where) {
    case Where::AttributeName:
        s.attributeStart = s.wordStart;
        s.attributeEnd = tag.size();
        break;
    case Where::BetweenAttributes:
        s.wordStart = tag.size();
        break;
    case Where::AfterEquals:
        s.valueStart = s.wordStart = tag.size();
        s.quote = 0;
        break;
    default:
        break;
    }
    return s;
}

TagRest ScanTagFromCaret(std::string_view after, const TagCaretState& state) noexcept {
    using Where = TagCaretState::Where;
    TagRest r;
    std::size_t i = 0;
    const auto skip = [&](auto&& keep) {
        while (i < after.size() && keep(after[i]))
            ++i;
    };
    char quote = 0;
    switch (state.where) {
    case Where::Name:
        skip([](char c) { return IsTagNameChar(static_cast<unsigned char>(c)); });
        r.wordEnd = r.valueEnd = i;
        break;
    case Where::AttributeName: {
        skip(IsAttributeNameChar);
        r.wordEnd = r.valueEnd = i;
        std::size_t j = i;
        while (j < after.size() && IsBlank(after[j]))
            ++j;
        r.equalsFollows = j < after.size() && after[j] == '=';
        break;
    }
    case Where::BetweenAttributes:
    case Where::AfterEquals:
        break;
    case Where::UnquotedValue:
        skip([](char c) { return !IsBlank(c) && c != '>'; });
        r.wordEnd = r.valueEnd = i;
        break;
    case Where::QuotedValue: {
        // The closing quote, unless a tag starts first: then the quote was never closed
        // and the value is the word at the caret.
        std::size_t j = 0;
        while (j < after.size() && after[j] != state.quote && !IsTagOpener(after, j))
            ++j;
        if (j < after.size() && after[j] == state.quote) {
            r.wordEnd = j;
            r.valueEnd = j + 1;
            i = j + 1;
        } else {
            skip([](char c) { return !IsBlank(c) && c != '>' && c != '"' && c != '\''; });
            r.wordEnd = r.valueEnd = i;
        }
        break;
    }
    }
    // On to the tag's '>', outside quotes; another tag starting first leaves it unclosed.
    for (; i < after.size(); ++i) {
        const char c = after[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (IsQuote(c)) {
            // Only a value's quote opens a quoted run: one after '=' and blanks.
            std::size_t k = i;
            while (k > 0 && IsBlank(after[k - 1]))
                --k;
            if (k > 0 && after[k - 1] == '=')
                quote = c;
        } else if (c == '>') {
            r.closed = true;
            r.tagEnd = i + 1;
            return r;
        } else if (c == '<' && IsTagOpener(after, i)) {
            break;
        }
    }
    r.tagEnd = r.valueEnd > r.wordEnd ? r.valueEnd : r.wordEnd;
    return r;
}

} // namespace velto
