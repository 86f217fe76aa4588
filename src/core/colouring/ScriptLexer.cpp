// ScriptLexer: comments, strings, template literals, regular expressions, numbers, names.
#include "core/colouring/ScriptLexer.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace velto {

namespace {

using namespace lexchars;
using Mode = ScriptState::Mode;
using C = AppearanceClass;

// Reserved words, the literals, and the names that act as keywords where they stand.
constexpr std::array<std::string_view, 49> Keywords = {
    "async",      "await",    "break",   "case",       "catch",     "class",    "const",
    "continue",   "debugger", "default", "delete",     "do",        "else",     "enum",
    "export",     "extends",  "false",   "finally",    "for",       "function", "if",
    "implements", "import",   "in",      "instanceof", "interface", "let",      "new",
    "null",       "of",       "package", "private",    "protected", "public",   "return",
    "static",     "super",    "switch",  "this",       "throw",     "true",     "try",
    "typeof",     "var",      "void",    "while",      "with",      "yield",    "undefined"};

// After these a '/' starts a regular expression: they end no expression.
constexpr std::array<std::string_view, 14> BeforeExpression = {
    "await", "case", "delete", "do",    "else",   "in",   "instanceof",
    "new",   "of",   "return", "throw", "typeof", "void", "yield"};

bool IsJsonLiteral(std::string_view name) noexcept {
    return name == "true" || name == "false" || name == "null";
}

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& words, std::string_view name) noexcept {
    return std::find(words.begin(), words.end(), name) != words.end();
}

class ScriptStep {
public:
    ScriptStep(const LexSpan& span, std::size_t& pos, std::size_t limit, ScriptState& s,
               StyleBatch& out)
        : span_(span), t_(span.text), pos_(pos), limit_(limit), s_(s), out_(out) {}

    bool Run() {
        while (pos_ < limit_ && pos_ < span_.end) {
            bool ok = true;
            switch (s_.mode) {
            case Mode::Code:
                ok = Code();
                break;
            case Mode::LineComment:
                LineComment();
                break;
            case Mode::BlockComment:
                BlockComment();
                break;
            case Mode::String:
                String();
                break;
            case Mode::Template:
                ok = Template();
                break;
            case Mode::Regex:
            case Mode::RegexClass:
                Regex();
                break;
            case Mode::RegexFlags:
                RegexFlags();
                break;
            }
            if (!ok)
                return false;
        }
        return true;
    }

private:
    void Emit(std::size_t count, C style) {
        out_.Fill(count, Style(style));
        pos_ += count;
    }
    // Where a run of characters that may be split ends: at limit, or the span's end.
    [[nodiscard]] std::size_t RunEnd() const noexcept { return std::min(limit_, span_.end); }

    bool Code() {
        const auto c = static_cast<unsigned char>(t_[pos_]);
        if (IsSpace(c)) {
            // Blanks keep what the token before them said.
            std::size_t i = pos_ + 1;
            const std::size_t end = RunEnd();
            while (i < end && IsSpace(static_cast<unsigned char>(t_[i])))
                ++i;
            Emit(i - pos_, C::Text);
            return true;
        }
        const bool afterDot = s_.afterDot;
        s_.afterDot = false;
        if (!Token(c, afterDot)) {
            s_.afterDot = afterDot; // nothing was read
            return false;
        }
        return true;
    }

    bool Token(unsigned char c, bool afterDot) {
        if (c == '/' && !s_.json)
            return Slash();
        if (c == '"' || c == '\'') {
            s_.mode = Mode::String;
            s_.quote = static_cast<char>(c);
            s_.escape = false;
            Emit(1, C::ScriptString);
            return true;
        }
        if (c == '`' && !s_.json) {
            s_.mode = Mode::Template;
            s_.escape = false;
            Emit(1, C::ScriptString);
            return true;
        }
        if (c == '.' && !span_.Known(pos_ + 1))
            return false;
        if (IsDigit(c) ||
            (c == '.' && pos_ + 1 < span_.end && IsDigit(static_cast<unsigned char>(t_[pos_ + 1]))))
            return Number();
        if (IsScriptNameStart(c))
            return Name(afterDot);
        if (!Punctuation(static_cast<char>(c)))
            return false;
        s_.afterDot = c == '.';
        return true;
    }

    bool Slash() {
        if (!span_.Known(pos_ + 1))
            return false;
        const char next = pos_ + 1 < span_.end ? t_[pos_ + 1] : '\0';
        if (next == '/') {
            s_.mode = Mode::LineComment;
            Emit(2, C::ScriptComment);
        } else if (next == '*') {
            s_.mode = Mode::BlockComment;
            s_.star = false;
            Emit(2, C::ScriptComment);
        } else if (s_.regexOk) {
            s_.mode = Mode::Regex;
            s_.escape = false;
            Emit(1, C::ScriptRegex);
        } else {
            s_.regexOk = true;
            Emit(1, C::Text);
        }
        return true;
    }

    // Digits, letters, '_' and '.' as far as they go, with a sign after an exponent's 'e':
    // 0x1F, 1_000, 1.5e-3, 10n.
    bool Number() {
        std::size_t i = pos_ + 1;
        const bool hex = t_[pos_] == '0' && i < span_.end && (t_[i] == 'x' || t_[i] == 'X');
        while (i < span_.end) {
            const auto c = static_cast<unsigned char>(t_[i]);
            if (IsDigit(c) || IsLetter(c) || c == '_' || c == '.') {
                ++i;
            } else if ((c == '+' || c == '-') && !hex && (t_[i - 1] == 'e' || t_[i - 1] == 'E')) {
                ++i;
            } else {
                break;
            }
        }
        if (i == span_.end && !span_.hardEnd)
            return false;
        s_.regexOk = false;
        Emit(i - pos_, C::ScriptNumber);
        return true;
    }

    bool Name(bool afterDot) {
        std::size_t i = pos_ + 1;
        while (i < span_.end && IsScriptNameChar(static_cast<unsigned char>(t_[i])))
            ++i;
        if (i == span_.end && !span_.hardEnd)
            return false;
        const std::string_view name = t_.substr(pos_, i - pos_);
        // A name after a '.' is a property, never a keyword (promise.catch, x.default).
        const bool keyword = !afterDot && (s_.json ? IsJsonLiteral(name) : IsScriptKeyword(name));
        s_.regexOk = keyword && Among(BeforeExpression, name);
        Emit(i - pos_, keyword ? C::ScriptKeyword : C::ScriptIdentifier);
        return true;
    }

    bool Punctuation(char c) {
        if (c == '}' && s_.depth > 0) {
            std::uint8_t& open = s_.braces[s_.depth - 1];
            if (open == 0) { // the '}' of a ${...}: back into the template's text
                --s_.depth;
                s_.mode = Mode::Template;
                s_.escape = false;
                Emit(1, C::ScriptKeyword);
                return true;
            }
            --open;
        } else if (c == '{' && s_.depth > 0) {
            std::uint8_t& open = s_.braces[s_.depth - 1];
            if (open < 255)
                ++open;
        }
        if ((c == '+' || c == '-')) {
            if (!span_.Known(pos_ + 1))
                return false;
            if (pos_ + 1 < span_.end && t_[pos_ + 1] == c) { // ++ and -- end an operand
                s_.regexOk = false;
                Emit(2, C::Text);
                return true;
            }
        }
        s_.regexOk = c != ')' && c != ']';
        Emit(1, C::Text);
        return true;
    }

    void LineComment() {
        const std::size_t end = RunEnd();
        std::size_t i = pos_;
        while (i < end && t_[i] != '\n' && t_[i] != '\r')
            ++i;
        if (i < end) {
            s_.mode = Mode::Code;
            s_.regexOk = true;
        }
        Emit(i - pos_, C::ScriptComment);
    }

    void BlockComment() {
        const std::size_t end = RunEnd();
        std::size_t i = pos_;
        bool star = s_.star;
        while (i < end) {
            const char c = t_[i++];
            if (star && c == '/') {
                s_.mode = Mode::Code;
                break;
            }
            star = c == '*';
        }
        s_.star = s_.mode == Mode::BlockComment && star;
        Emit(i - pos_, C::ScriptComment);
    }

    // A string ends at its quote, or before a line break that no backslash continues.
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
                s_.mode = Mode::Code;
                s_.regexOk = false;
                break;
            } else if (c == '\n' || c == '\r') {
                s_.mode = Mode::Code;
                s_.regexOk = true;
                break;
            }
            ++i;
        }
        Emit(i - pos_, C::ScriptString);
    }

    bool Template() {
        const std::size_t end = RunEnd();
        std::size_t i = pos_;
        while (i < end) {
            const char c = t_[i];
            if (s_.escape) {
                s_.escape = false;
            } else if (c == '\\') {
                s_.escape = true;
            } else if (c == '`') {
                Emit(i + 1 - pos_, C::ScriptString);
                s_.mode = Mode::Code;
                s_.regexOk = false;
                return true;
            } else if (c == '$' && s_.depth < ScriptState::MaxTemplateDepth) {
                if (i + 1 >= span_.end && !span_.hardEnd) {
                    // Whether "${" follows is not known yet: stop before the '$'.
                    Emit(i - pos_, C::ScriptString);
                    return i > pos_;
                }
                if (i + 1 < span_.end && t_[i + 1] == '{') {
                    Emit(i - pos_, C::ScriptString);
                    s_.braces[s_.depth++] = 0;
                    s_.mode = Mode::Code;
                    s_.regexOk = true;
                    Emit(2, C::ScriptKeyword);
                    return true;
                }
            }
            ++i;
        }
        Emit(i - pos_, C::ScriptString);
        return true;
    }

    // A regular expression ends at a '/' outside a class, or (unclosed) before a line break.
    void Regex() {
        const std::size_t end = RunEnd();
        std::size_t i = pos_;
        while (i < end) {
            const char c = t_[i];
            if (s_.escape) {
                s_.escape = false;
            } else if (c == '\\') {
                s_.escape = true;
            } else if (c == '\n' || c == '\r') {
                s_.mode = Mode::Code;
                s_.regexOk = true;
                break;
            } else if (s_.mode == Mode::RegexClass) {
                if (c == ']')
                    s_.mode = Mode::Regex;
            } else if (c == '[') {
                s_.mode = Mode::RegexClass;
            } else if (c == '/') {
                ++i;
                s_.mode = Mode::RegexFlags;
                break;
            }
            ++i;
        }
        Emit(i - pos_, C::ScriptRegex);
    }

    void RegexFlags() {
        const std::size_t end = RunEnd();
        std::size_t i = pos_;
        while (i < end && IsScriptNameChar(static_cast<unsigned char>(t_[i])))
            ++i;
        if (i < end) {
            s_.mode = Mode::Code;
            s_.regexOk = false;
        }
        Emit(i - pos_, C::ScriptRegex);
    }

    const LexSpan& span_;
    std::string_view t_;
    std::size_t& pos_;
    std::size_t limit_;
    ScriptState& s_;
    StyleBatch& out_;
};

} // namespace

bool IsScriptKeyword(std::string_view name) noexcept {
    return Among(Keywords, name);
}

bool LexScript(const LexSpan& span, std::size_t& pos, std::size_t limit, ScriptState& s,
               StyleBatch& out) {
    return ScriptStep(span, pos, limit, s, out).Run();
}

} // namespace velto
