// StyleSheetLexer: comments, strings, at-rules, selectors, properties and their values.
#include "core/colouring/StyleSheetLexer.h"

#include "core/htmlkb/AsciiCase.h"

#include <algorithm>
#include <array>

namespace velto {

namespace {

using namespace lexchars;
using Context = SheetState::Context;
using Inside = SheetState::Inside;
using C = AppearanceClass;

// At-rules whose block holds declarations rather than rules.
constexpr std::array<std::string_view, 6> DeclarationAtRules = {
    "font-face", "page", "property", "counter-style", "font-palette-values", "viewport"};
// Functions whose call is a colour.
constexpr std::array<std::string_view, 11> ColourFunctions = {
    "rgb", "rgba", "hsl", "hsla", "hwb", "lab", "lch", "oklab", "oklch", "color", "color-mix"};

template <std::size_t N>
bool AmongNoCase(const std::array<std::string_view, N>& words, std::string_view name) noexcept {
    return std::any_of(words.begin(), words.end(),
                       [name](std::string_view w) { return ascii::EqualNoCase(w, name); });
}

class SheetStep {
public:
    SheetStep(const LexSpan& span, std::size_t& pos, std::size_t limit, SheetState& s,
              StyleBatch& out)
        : span_(span), t_(span.text), pos_(pos), limit_(limit), s_(s), out_(out) {}

    bool Run() {
        while (pos_ < limit_ && pos_ < span_.end) {
            switch (s_.inside) {
            case Inside::Comment:
                Comment();
                break;
            case Inside::String:
                String();
                break;
            case Inside::Url:
                Url();
                break;
            case Inside::Nothing:
                if (!Token())
                    return false;
                break;
            }
        }
        return true;
    }

private:
    void Emit(std::size_t count, C style) {
        out_.Fill(count, Style(style));
        pos_ += count;
    }
    [[nodiscard]] std::size_t RunEnd() const noexcept { return std::min(limit_, span_.end); }
    [[nodiscard]] unsigned char At(std::size_t i) const noexcept {
        return static_cast<unsigned char>(t_[i]);
    }
    // The end of a name from i: name characters and escapes ("\26 " counts as one).
    [[nodiscard]] std::size_t NameEnd(std::size_t i) const noexcept {
        while (i < span_.end) {
            if (IsSheetNameChar(At(i)))
                ++i;
            else if (t_[i] == '\\' && i + 1 < span_.end)
                i += 2;
            else
                break;
        }
        return i;
    }
    // Whether the block the lexer is in holds declarations.
    [[nodiscard]] bool InDeclarations() const noexcept {
        if (s_.depth == 0)
            return s_.topDeclarations;
        return s_.depth > SheetState::MaxDepth ||
               ((s_.declarationBlocks >> (s_.depth - 1)) & 1u) != 0;
    }
    [[nodiscard]] C Quiet() const noexcept { return s_.colourParens > 0 ? C::CssColour : C::Text; }

    bool Token() {
        const unsigned char c = At(pos_);
        if (IsSpace(c)) {
            std::size_t i = pos_ + 1;
            const std::size_t end = RunEnd();
            while (i < end && IsSpace(At(i)))
                ++i;
            Emit(i - pos_, Quiet());
            return true;
        }
        if (c == '/') {
            if (!span_.Known(pos_ + 1))
                return false;
            if (pos_ + 1 < span_.end && t_[pos_ + 1] == '*') {
                s_.inside = Inside::Comment;
                s_.star = false;
                Emit(2, C::CssComment);
                return true;
            }
        }
        if (c == '"' || c == '\'') {
            s_.inside = Inside::String;
            s_.quote = static_cast<char>(c);
            s_.escape = false;
            Emit(1, C::CssString);
            return true;
        }
        switch (c) {
        case '{':
            Open();
            return true;
        case '}':
            Close();
            return true;
        case ';':
            Semicolon();
            return true;
        case '@':
            return AtKeyword();
        default:
            break;
        }
        switch (s_.context) {
        case Context::Rules:
            return Selector();
        case Context::Property:
            return Property();
        case Context::AtRule:
        case Context::Value:
            return Value();
        }
        return true;
    }

    void Open() {
        const bool declarations = s_.context == Context::AtRule ? s_.atDeclarations : true;
        if (s_.depth < SheetState::MaxDepth) {
            const std::uint32_t bit = 1u << s_.depth;
            s_.declarationBlocks =
                declarations ? (s_.declarationBlocks | bit) : (s_.declarationBlocks & ~bit);
        }
        if (s_.depth < 255)
            ++s_.depth;
        s_.context = declarations ? Context::Property : Context::Rules;
        s_.colourParens = 0;
        Emit(1, C::Text);
    }

    void Close() {
        if (s_.depth > 0)
            --s_.depth;
        s_.context = InDeclarations() ? Context::Property : Context::Rules;
        s_.colourParens = 0;
        Emit(1, C::Text);
    }

    void Semicolon() {
        if (s_.context == Context::Value || s_.context == Context::AtRule)
            s_.context = InDeclarations() ? Context::Property : Context::Rules;
        s_.colourParens = 0;
        Emit(1, C::Text);
    }

    bool AtKeyword() {
        const std::size_t end = NameEnd(pos_ + 1);
        if (end == span_.end && !span_.hardEnd)
            return false;
        s_.atDeclarations = AmongNoCase(DeclarationAtRules, t_.substr(pos_ + 1, end - pos_ - 1));
        s_.context = Context::AtRule;
        Emit(end - pos_, C::CssKeyword);
        return true;
    }

    // Everything up to the '{' is the selector, but for blanks, strings and comments.
    bool Selector() {
        std::size_t i = pos_ + 1;
        const std::size_t end = RunEnd();
        while (i < end) {
            const unsigned char c = At(i);
            if (IsSpace(c) || c == '{' || c == '}' || c == ';' || c == '/' || c == '"' ||
                c == '\'' || c == '@')
                break;
            ++i;
        }
        Emit(i - pos_, C::CssSelector);
        return true;
    }

    bool Property() {
        const unsigned char c = At(pos_);
        if (c == ':') {
            s_.context = Context::Value;
            Emit(1, C::Text);
            return true;
        }
        if (!IsSheetNameChar(c) && c != '\\') {
            Emit(1, C::Text);
            return true;
        }
        const std::size_t end = std::max(NameEnd(pos_), pos_ + 1);
        if (end == span_.end && !span_.hardEnd)
            return false;
        Emit(end - pos_, C::CssProperty);
        return true;
    }

    bool Value() {
        const unsigned char c = At(pos_);
        const unsigned char next = pos_ + 1 < span_.end ? At(pos_ + 1) : 0;
        const unsigned char after = pos_ + 2 < span_.end ? At(pos_ + 2) : 0;
        if (!span_.Known(pos_ + 2) && (c == '+' || c == '-' || c == '.' || c == '!'))
            return false;
        if (IsDigit(c) || (c == '.' && IsDigit(next)) ||
            ((c == '+' || c == '-') && (IsDigit(next) || (next == '.' && IsDigit(after)))))
            return Number();
        if (c == '#' && s_.context == Context::Value) {
            const std::size_t end = NameEnd(pos_ + 1);
            if (end == span_.end && !span_.hardEnd)
                return false;
            Emit(end - pos_, C::CssColour);
            return true;
        }
        if (c == '!' && s_.context == Context::Value)
            return Important();
        if (IsSheetNameChar(c) || c == '\\')
            return Word();
        if (c == '(' && s_.colourParens > 0 && s_.colourParens < 255)
            ++s_.colourParens;
        const C style = Quiet();
        if (c == ')' && s_.colourParens > 0)
            --s_.colourParens;
        Emit(1, style);
        return true;
    }

    // Digits with a fraction and an exponent, then a unit or '%': 12px, -0.5em, 1e3, 50%.
    bool Number() {
        std::size_t i = pos_ + 1;
        while (i < span_.end && (IsDigit(At(i)) || At(i) == '.'))
            ++i;
        if (i + 1 < span_.end && (At(i) == 'e' || At(i) == 'E') &&
            (IsDigit(At(i + 1)) ||
             ((At(i + 1) == '+' || At(i + 1) == '-') && i + 2 < span_.end && IsDigit(At(i + 2))))) {
            i += 2;
            while (i < span_.end && IsDigit(At(i)))
                ++i;
        }
        if (i < span_.end && At(i) == '%')
            ++i;
        else
            i = NameEnd(i);
        if (i + 2 >= span_.end && !span_.hardEnd)
            return false;
        Emit(i - pos_, s_.colourParens > 0 ? C::CssColour : C::CssNumber);
        return true;
    }

    bool Important() {
        std::size_t i = pos_ + 1;
        while (i < span_.end && IsSpace(At(i)))
            ++i;
        if (i + 9 > span_.end && !span_.hardEnd)
            return false;
        if (i + 9 <= span_.end && ascii::EqualNoCase(t_.substr(i, 9), "important") &&
            (i + 9 == span_.end || !IsSheetNameChar(At(i + 9)))) {
            Emit(i + 9 - pos_, C::CssKeyword);
            return true;
        }
        Emit(1, Quiet());
        return true;
    }

    // A keyword of a value, or a function's name: colour functions colour their whole
    // call, and url( without a quote reads the address to the ')'.
    bool Word() {
        const std::size_t end = NameEnd(pos_ + 1);
        if (end + 1 >= span_.end && !span_.hardEnd)
            return false;
        const std::string_view name = t_.substr(pos_, end - pos_);
        if (end < span_.end && t_[end] == '(') {
            if (s_.colourParens > 0 || AmongNoCase(ColourFunctions, name)) {
                if (s_.colourParens < 255)
                    ++s_.colourParens;
                Emit(end + 1 - pos_, C::CssColour);
                return true;
            }
            if (ascii::EqualNoCase(name, "url")) {
                std::size_t i = end + 1;
                while (i < span_.end && IsSpace(At(i)))
                    ++i;
                if (i == span_.end && !span_.hardEnd)
                    return false;
                if (i == span_.end || (t_[i] != '"' && t_[i] != '\'')) {
                    Emit(end + 1 - pos_, C::CssValue);
                    s_.inside = Inside::Url;
                    return true;
                }
            }
        }
        Emit(end - pos_, s_.colourParens > 0 ? C::CssColour : C::CssValue);
        return true;
    }

    void Comment() {
        const std::size_t end = RunEnd();
        std::size_t i = pos_;
        bool star = s_.star;
        while (i < end) {
            const char c = t_[i++];
            if (star && c == '/') {
                s_.inside = Inside::Nothing;
                break;
            }
            star = c == '*';
        }
        s_.star = s_.inside == Inside::Comment && star;
        Emit(i - pos_, C::CssComment);
    }

    void String() {
        const std::size_t end = RunEnd();
        std::size_t i = pos_;
        while (i < end) {
            const char c = t_[i];
            if (s_.escape) {
                s_.escape = false;
            } else if (c == '\\') {
                s_.escape = true;
            } else if (c == s_.quote) {
                ++i;
                s_.inside = Inside::Nothing;
                break;
            } else if (c == '\n' || c == '\r') {
                s_.inside = Inside::Nothing;
                break;
            }
            ++i;
        }
        Emit(i - pos_, C::CssString);
    }

    // An unquoted url(...): the address up to the ')', which goes back to the value.
    void Url() {
        const std::size_t end = RunEnd();
        std::size_t i = pos_;
        while (i < end && t_[i] != ')')
            ++i;
        if (i < end)
            s_.inside = Inside::Nothing;
        Emit(i - pos_, C::CssString);
    }

    const LexSpan& span_;
    std::string_view t_;
    std::size_t& pos_;
    std::size_t limit_;
    SheetState& s_;
    StyleBatch& out_;
};

} // namespace

SheetState DeclarationListState() noexcept {
    SheetState s;
    s.context = Context::Property;
    s.topDeclarations = true;
    return s;
}

bool LexStyleSheet(const LexSpan& span, std::size_t& pos, std::size_t limit, SheetState& s,
                   StyleBatch& out) {
    return SheetStep(span, pos, limit, s, out).Run();
}

} // namespace velto
