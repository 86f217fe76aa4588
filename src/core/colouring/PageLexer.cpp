// PageLexer: the page level (text, tags, comments, references) and the hand-over to the
// style sheet and script lexers.
#include "core/colouring/PageLexer.h"

#include "core/colouring/LexSpan.h"
#include "core/colouring/ScriptLexer.h"
#include "core/colouring/StyleSheetLexer.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/CharacterReferences.h"
#include "core/tagassist/TagSyntax.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace velto {

namespace {

using namespace lexchars;
using C = AppearanceClass;
using Mode = LexState::Mode;
constexpr std::size_t npos = std::string_view::npos;

// The characters that end a run of text.
constexpr std::array<bool, 256> TextStops = [] {
    std::array<bool, 256> stops{};
    stops['<'] = stops['&'] = true;
    return stops;
}();

bool IsTagNameByte(char c) noexcept {
    return IsTagNameChar(static_cast<unsigned char>(c));
}

// The type of a script element, as browsers read it: JavaScript, JSON or anything else.
Mode ScriptMode(std::string_view type) {
    while (!type.empty() && IsSpace(static_cast<unsigned char>(type.front())))
        type.remove_prefix(1);
    type = type.substr(0, type.find(';')); // parameters such as a charset
    while (!type.empty() && IsSpace(static_cast<unsigned char>(type.back())))
        type.remove_suffix(1);
    const std::string lower = ascii::ToLower(type);
    static constexpr std::array<std::string_view, 20> Script = {"",
                                                                "module",
                                                                "text/javascript",
                                                                "application/javascript",
                                                                "text/ecmascript",
                                                                "application/ecmascript",
                                                                "application/x-javascript",
                                                                "application/x-ecmascript",
                                                                "text/x-javascript",
                                                                "text/x-ecmascript",
                                                                "text/jscript",
                                                                "text/livescript",
                                                                "text/javascript1.0",
                                                                "text/javascript1.1",
                                                                "text/javascript1.2",
                                                                "text/javascript1.3",
                                                                "text/javascript1.4",
                                                                "text/javascript1.5",
                                                                "text/babel",
                                                                "text/jsx"};
    static constexpr std::array<std::string_view, 4> Json = {
        "application/json", "application/ld+json", "importmap", "speculationrules"};
    if (std::find(Script.begin(), Script.end(), lower) != Script.end())
        return Mode::Script;
    if (std::find(Json.begin(), Json.end(), lower) != Json.end())
        return Mode::Json;
    return Mode::OtherScript;
}

bool IsEventHandler(std::string_view attribute) noexcept {
    return attribute.size() > 2 && ascii::Lower(attribute[0]) == 'o' &&
           ascii::Lower(attribute[1]) == 'n';
}

} // namespace

PageLexer::Outcome PageLexer::Lex(const LexWindow& window, int& pos, LexState& state, int& horizon,
                                  StyleBatch& out, LexWatcher& watch) {
    t_ = window.text;
    base_ = window.base;
    final_ = window.final;
    r_ = static_cast<std::size_t>(pos - base_);
    s_ = &state;
    horizon_ = &horizon;
    out_ = &out;
    watch_ = &watch;
    rawEndKnown_ = false;
    commentClass_ = classes_.ClassOfTag("<!--");
    for (;;) {
        const int at = base_ + static_cast<int>(r_);
        if (at >= watch.next && watch.At(at, state, std::max(horizon, at))) {
            pos = at;
            return Outcome::Stopped;
        }
        if (r_ >= t_.size()) {
            pos = at;
            return final_ ? Outcome::Finished : Outcome::Starved;
        }
        bool ok = true;
        switch (state.mode) {
        case Mode::Text:
            ok = Text();
            break;
        case Mode::Comment:
            ok = Comment();
            break;
        default:
            ok = RawText();
            break;
        }
        if (!ok) {
            pos = base_ + static_cast<int>(r_);
            return Outcome::Starved;
        }
    }
}

std::size_t PageLexer::WatchLimit() const noexcept {
    const long long limit = static_cast<long long>(watch_->next) - base_;
    if (limit <= static_cast<long long>(r_))
        return t_.size();
    return std::min(t_.size(), static_cast<std::size_t>(limit));
}

void PageLexer::Examined(std::size_t end) noexcept {
    *horizon_ =
        std::max(*horizon_, base_ + static_cast<int>(std::min<std::size_t>(end, t_.size() + 1)));
}

bool PageLexer::Text() {
    const std::size_t limit = WatchLimit();
    std::size_t i = r_;
    while (i < limit && !TextStops[static_cast<unsigned char>(t_[i])])
        ++i;
    if (i > r_) {
        out_->Fill(i - r_, Style(C::Text));
        r_ = i;
        Examined(i);
        return true;
    }
    if (t_[r_] == '&')
        return Reference(t_.size(), final_, false, C::Text);
    return Opener();
}

// "&name;", "&#233;" or "&#x20AC;"; an '&' that starts none of them is plain. Names that
// the old Latin-1 set allows without the ';' count without it where they end ("&copy 2"),
// but in a value only when no '=' follows ("?a=1&copy=2" is an address).
bool PageLexer::Reference(std::size_t end, bool hardEnd, bool inValue, AppearanceClass plain) {
    std::size_t i = r_ + 1;
    const auto unknownEnd = [&](std::size_t at) { return at >= end && !hardEnd; };
    if (unknownEnd(i))
        return false;
    std::size_t length = 0;
    C style = C::CharacterReference;
    if (i < end && t_[i] == '#') {
        ++i;
        if (unknownEnd(i))
            return false;
        const bool hex = i < end && (t_[i] == 'x' || t_[i] == 'X');
        if (hex)
            ++i;
        const std::size_t digits = i;
        char32_t value = 0;
        while (i < end && (hex ? IsHexDigit(static_cast<unsigned char>(t_[i]))
                               : IsDigit(static_cast<unsigned char>(t_[i])))) {
            const auto d = static_cast<unsigned char>(t_[i]);
            const char32_t digit =
                IsDigit(d) ? d - '0' : (ascii::Lower(static_cast<char>(d)) - 'a' + 10);
            value = std::min<char32_t>(value * (hex ? 16 : 10) + digit, 0x110000);
            ++i;
        }
        if (unknownEnd(i))
            return false;
        if (i > digits) {
            if (i < end && t_[i] == ';')
                ++i;
            length = i - r_;
            if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
                style = C::UnknownOrError;
        }
    } else {
        while (i < end && i - r_ <= MaxCharacterReferenceName + 1 &&
               (IsLetter(static_cast<unsigned char>(t_[i])) ||
                IsDigit(static_cast<unsigned char>(t_[i]))))
            ++i;
        if (unknownEnd(i))
            return false;
        const std::string_view name = t_.substr(r_ + 1, i - r_ - 1);
        if (!name.empty() && name.size() <= MaxCharacterReferenceName) {
            if (i < end && t_[i] == ';') {
                length = i + 1 - r_;
                style = classes_.ClassOfReference(name);
            } else if (!(inValue && i < end && t_[i] == '=')) {
                const CharacterReference* legacy = FindCharacterReference(name);
                if (legacy && legacy->withoutSemicolon) {
                    length = i - r_;
                    style = classes_.ClassOfReference(name);
                }
            }
        }
    }
    Examined(i + 1);
    if (length == 0) {
        out_->Fill(1, Style(plain));
        ++r_;
    } else {
        out_->Fill(length, Style(style));
        r_ += length;
    }
    return true;
}

bool PageLexer::Opener() {
    // A tag opener is a '<' before a tag-name character, or before '/' and one, or at the
    // end of the text.
    const auto known = [&](std::size_t at) { return at < t_.size() || final_; };
    if (!known(r_ + 1) || (r_ + 1 < t_.size() && t_[r_ + 1] == '/' && !known(r_ + 2)))
        return false;
    if (!IsTagOpener(t_, r_)) {
        Examined(r_ + 3);
        out_->Fill(1, Style(C::Text));
        ++r_;
        return true;
    }
    if (!known(r_ + 4))
        return false;
    if (t_.compare(r_, 4, "<!--") == 0) {
        out_->Fill(4, Style(commentClass_));
        r_ += 4;
        s_->mode = Mode::Comment;
        s_->commentDashes = 2; // "<!-->" is a whole comment
        Examined(r_);
        return true;
    }
    return Tag();
}

// A tag runs from its opener to the first '>' outside a quoted value; another opener
// first makes the '<' plain text ("<a <b>" has the tag "<b>"). A value's quote that never
// closes ends at the first '>' after it; with none, nor any '>', the '<' is text.
bool PageLexer::Tag() {
    const std::size_t start = r_;
    std::size_t i = start + 1;
    if (i < t_.size() && t_[i] == '/')
        ++i;
    const std::size_t nameStart = i;
    while (i < t_.size() && i - nameStart < MaxTagNameLength && IsTagNameByte(t_[i]))
        ++i;
    bool tag = false;
    while (i < t_.size()) {
        const char c = t_[i];
        if (c == '>') {
            tag = true;
            break;
        }
        if (c == '<') {
            if (i + 2 >= t_.size() && !final_)
                return false;
            if (IsTagOpener(t_, i)) {
                Examined(i + 3);
                break;
            }
        }
        ++i;
        if (c != '=')
            continue;
        while (i < t_.size() && IsSpace(static_cast<unsigned char>(t_[i])))
            ++i;
        if (i == t_.size() || (t_[i] != '"' && t_[i] != '\''))
            continue;
        const void* close = std::memchr(t_.data() + i + 1, t_[i], t_.size() - i - 1);
        if (close != nullptr) {
            i = static_cast<std::size_t>(static_cast<const char*>(close) - t_.data()) + 1;
            continue;
        }
        if (!final_)
            return false;
        Examined(t_.size() + 1); // no closing quote anywhere after
        const std::size_t gt = t_.find('>', i + 1);
        if (gt == npos) {
            i = t_.size();
            break;
        }
        i = gt;
    }
    if (!tag) {
        if (i >= t_.size()) {
            if (!final_)
                return false;
            Examined(t_.size() + 1); // looked to the end of the text
        }
        out_->Fill(1, Style(C::Text));
        ++r_;
        return true;
    }
    StyleTag(start, i + 1);
    r_ = i + 1;
    Examined(r_);
    return true;
}

// The tag name and the rest of the tag in the element's class; values in theirs.
void PageLexer::StyleTag(std::size_t start, std::size_t end) {
    const C tagClass = classes_.ClassOfTag(t_.substr(start, end - start));
    std::size_t i = start + 1;
    const bool endTag = t_[i] == '/';
    if (endTag)
        ++i;
    const std::size_t nameStart = i;
    while (i < end && i - nameStart < MaxTagNameLength && IsTagNameByte(t_[i]))
        ++i;
    const std::string_view element = t_.substr(nameStart, i - nameStart);
    const bool script = !endTag && ascii::EqualNoCase(element, "script");
    std::string_view scriptType;
    out_->Fill(i - start, Style(tagClass));
    const std::size_t last = end - 1; // the '>'
    while (i < last) {
        const auto c = static_cast<unsigned char>(t_[i]);
        std::size_t j = i + 1;
        if (IsSpace(c) || c == '/') {
            out_->Fill(1, Style(tagClass));
            i = j;
            continue;
        }
        // An attribute: its name, then '=' and a value.
        std::size_t nameEnd = i;
        if (c != '=') {
            while (nameEnd < last && !IsSpace(static_cast<unsigned char>(t_[nameEnd])) &&
                   t_[nameEnd] != '/' && t_[nameEnd] != '=')
                ++nameEnd;
        }
        const std::string_view attribute = t_.substr(i, nameEnd - i);
        j = nameEnd;
        while (j < last && IsSpace(static_cast<unsigned char>(t_[j])))
            ++j;
        if (j == last || t_[j] != '=') {
            out_->Fill(nameEnd - i, Style(tagClass));
            i = nameEnd;
            continue;
        }
        ++j;
        while (j < last && IsSpace(static_cast<unsigned char>(t_[j])))
            ++j;
        out_->Fill(j - i, Style(tagClass));
        i = j;
        if (i == last)
            break;
        const char quote = t_[i];
        const bool quoted = quote == '"' || quote == '\'';
        bool closed = false;
        std::size_t valueEnd = i;
        if (quoted) {
            const void* close = std::memchr(t_.data() + i + 1, quote, last - i - 1);
            closed = close != nullptr;
            valueEnd =
                closed ? static_cast<std::size_t>(static_cast<const char*>(close) - t_.data()) + 1
                       : last;
        } else {
            while (valueEnd < last && !IsSpace(static_cast<unsigned char>(t_[valueEnd])))
                ++valueEnd;
        }
        if (script && ascii::EqualNoCase(attribute, "type"))
            scriptType =
                t_.substr(i + (quoted ? 1 : 0), valueEnd - i - (quoted ? 1 : 0) - (closed ? 1 : 0));
        StyleValue(attribute, i, valueEnd, quoted, closed);
        i = valueEnd;
    }
    out_->Fill(1, Style(tagClass));
    if (!endTag)
        StartRawText(element, script ? scriptType : std::string_view());
}

void PageLexer::StyleValue(std::string_view attribute, std::size_t start, std::size_t end,
                           bool quoted, bool closed) {
    if (quoted)
        out_->Fill(1, Style(C::AttributeValue));
    const std::size_t innerStart = start + (quoted ? 1 : 0);
    const std::size_t innerEnd = end - (closed ? 1 : 0);
    const LexSpan span{t_, innerEnd, true};
    std::size_t p = innerStart;
    if (ascii::EqualNoCase(attribute, "style")) {
        SheetState sheet = DeclarationListState();
        LexStyleSheet(span, p, innerEnd, sheet, *out_);
    } else if (IsEventHandler(attribute)) {
        ScriptState script;
        LexScript(span, p, innerEnd, script, *out_);
    } else {
        const std::size_t saved = r_;
        r_ = innerStart;
        while (r_ < innerEnd) {
            const void* amp = std::memchr(t_.data() + r_, '&', innerEnd - r_);
            const std::size_t next =
                amp ? static_cast<std::size_t>(static_cast<const char*>(amp) - t_.data())
                    : innerEnd;
            out_->Fill(next - r_, Style(C::AttributeValue));
            r_ = next;
            if (r_ < innerEnd)
                Reference(innerEnd, true, true, C::AttributeValue);
        }
        r_ = saved;
    }
    if (closed)
        out_->Fill(1, Style(C::AttributeValue));
}

void PageLexer::StartRawText(std::string_view element, std::string_view type) {
    if (ascii::EqualNoCase(element, "script")) {
        s_->mode = ScriptMode(type);
        s_->script = ScriptState{};
        s_->script.json = s_->mode == Mode::Json;
        s_->script.regexOk = !s_->script.json;
    } else if (ascii::EqualNoCase(element, "style")) {
        s_->mode = Mode::StyleSheet;
        s_->sheet = SheetState{};
    } else {
        return;
    }
    rawEndKnown_ = false;
}

bool PageLexer::Comment() {
    const std::size_t limit = WatchLimit();
    const char* data = t_.data();
    std::size_t from = r_;
    while (from < limit) {
        const void* hit = std::memchr(data + from, '>', limit - from);
        if (hit == nullptr)
            break;
        const auto j = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
        const bool closes = j >= r_ + 2   ? data[j - 1] == '-' && data[j - 2] == '-'
                            : j == r_ + 1 ? data[j - 1] == '-' && s_->commentDashes >= 1
                                          : s_->commentDashes >= 2;
        if (closes) {
            out_->Fill(j + 1 - r_, Style(commentClass_));
            r_ = j + 1;
            s_->mode = Mode::Text;
            s_->commentDashes = 0;
            Examined(r_);
            return true;
        }
        from = j + 1;
    }
    // No end yet: count the dashes the next piece may continue.
    std::uint8_t dashes = limit - r_ >= 2 ? 0 : s_->commentDashes;
    for (std::size_t k = std::max(r_, limit - std::min<std::size_t>(limit, 2)); k < limit; ++k)
        dashes = data[k] == '-' ? static_cast<std::uint8_t>(std::min(dashes + 1, 2)) : 0;
    s_->commentDashes = dashes;
    out_->Fill(limit - r_, Style(commentClass_));
    r_ = limit;
    Examined(r_);
    return true;
}

// Raw text ends at "</script" (or "</style") followed by anything but a name character,
// wherever it stands: in a string or a comment of the script too, as in a browser.
void PageLexer::FindRawTextEnd() {
    const std::string_view name = s_->mode == Mode::StyleSheet ? "style" : "script";
    const char* data = t_.data();
    rawEndKnown_ = true;
    for (std::size_t from = r_; from < t_.size();) {
        const void* hit = std::memchr(data + from, '<', t_.size() - from);
        if (hit == nullptr)
            break;
        const auto lt = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
        const std::size_t after = lt + 2 + name.size();
        if (after >= t_.size() && !final_) {
            rawEnd_ = lt; // not known yet
            rawEndHard_ = false;
            return;
        }
        if (lt + 1 < t_.size() && t_[lt + 1] == '/' && after <= t_.size() &&
            ascii::EqualNoCase(t_.substr(lt + 2, name.size()), name) &&
            (after == t_.size() || !IsTagNameByte(t_[after]))) {
            rawEnd_ = lt;
            rawEndHard_ = true;
            return;
        }
        from = lt + 1;
    }
    rawEnd_ = t_.size();
    rawEndHard_ = final_;
}

bool PageLexer::RawText() {
    if (!rawEndKnown_ || rawEnd_ < r_)
        FindRawTextEnd();
    if (r_ >= rawEnd_) {
        if (!rawEndHard_)
            return false;
        // The end tag follows: back to the page, with nothing of the script kept.
        s_->mode = Mode::Text;
        s_->script = ScriptState{};
        s_->sheet = SheetState{};
        rawEndKnown_ = false;
        return true;
    }
    const LexSpan span{t_, rawEnd_, rawEndHard_};
    const std::size_t limit = std::min(WatchLimit(), rawEnd_);
    bool ok = true;
    switch (s_->mode) {
    case Mode::Script:
    case Mode::Json:
        ok = LexScript(span, r_, limit, s_->script, *out_);
        break;
    case Mode::StyleSheet:
        ok = LexStyleSheet(span, r_, limit, s_->sheet, *out_);
        break;
    default:
        out_->Fill(limit - r_, Style(C::Text));
        r_ = limit;
        break;
    }
    // Whether an end tag starts within the next few characters was looked at too.
    Examined(r_ + 2 + std::string_view("script").size() + 1);
    return ok && (r_ < rawEnd_ || rawEndHard_);
}

} // namespace velto
