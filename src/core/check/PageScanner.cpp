// PageScanner: the tokenizer of the living standard, reduced to what the checks need.
#include "core/check/PageScanner.h"

#include "core/htmlkb/AsciiCase.h"

#include <cstring>

namespace velto {

namespace {
constexpr std::size_t npos = std::string_view::npos;

constexpr bool IsSpace(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

constexpr bool IsAlpha(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::size_t FindChar(std::string_view text, char c, std::size_t from) noexcept {
    if (from >= text.size())
        return npos;
    const void* hit = std::memchr(text.data() + from, c, text.size() - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : npos;
}

// Where "</name" followed by a blank, '/' or '>' begins, from `from` on; npos if nowhere.
std::size_t FindEndTag(std::string_view text, std::size_t from, std::string_view name) noexcept {
    for (std::size_t lt = FindChar(text, '<', from); lt != npos; lt = FindChar(text, '<', lt + 1)) {
        const std::size_t at = lt + 2;
        if (at + name.size() > text.size() || text[lt + 1] != '/' ||
            !ascii::EqualNoCase(text.substr(at, name.size()), name))
            continue;
        const std::size_t after = at + name.size();
        if (after == text.size() || IsSpace(text[after]) || text[after] == '/' ||
            text[after] == '>')
            return lt;
    }
    return npos;
}
} // namespace

void PageScanner::EnterRawText(std::string_view name, bool rcData, bool plain) noexcept {
    rawName_ = name;
    rawPending_ = true;
    rawRcData_ = rcData;
    rawPlain_ = plain;
}

ScannedToken PageScanner::RawTextToken() {
    rawPending_ = false;
    ScannedToken token;
    token.kind = ScannedToken::Kind::RawText;
    token.rcData = rawRcData_;
    token.start = pos_;
    const std::size_t close = rawPlain_ ? npos : FindEndTag(text_, pos_, rawName_);
    token.end = close == npos ? text_.size() : close;
    token.closed = close != npos || rawPlain_;
    pos_ = token.end;
    return token;
}

ScannedToken PageScanner::Next() {
    if (hasPending_) {
        // The tag found after a run of text; its attributes are still in attributes_.
        hasPending_ = false;
        return pending_;
    }
    attributes_.clear();
    if (rawPending_) {
        ScannedToken raw = RawTextToken();
        if (raw.end > raw.start)
            return raw;
    }
    const std::size_t textStart = pos_;
    while (pos_ < text_.size()) {
        const std::size_t lt = FindChar(text_, '<', pos_);
        if (lt == npos)
            break;
        ScannedToken tag;
        if (ScanTag(lt, tag)) {
            if (lt == textStart)
                return tag;
            pending_ = tag;
            hasPending_ = true;
            ScannedToken text;
            text.kind = ScannedToken::Kind::Text;
            text.start = textStart;
            text.end = lt;
            return text;
        }
        pos_ = lt + 1; // a '<' that opens nothing is text
    }
    pos_ = text_.size();
    ScannedToken token;
    token.kind = textStart < text_.size() ? ScannedToken::Kind::Text : ScannedToken::Kind::End;
    token.start = textStart;
    token.end = text_.size();
    return token;
}

bool PageScanner::ScanTag(std::size_t lt, ScannedToken& token) {
    const std::size_t size = text_.size();
    if (lt + 1 >= size)
        return false;
    const char c = text_[lt + 1];
    if (c == '!') {
        token = ScanMarkupDeclaration(lt);
        pos_ = token.end;
        return true;
    }
    if (c == '?') {
        token = Delimited(lt, lt + 2, ">", ScannedToken::Kind::Comment);
        token.bogus = true;
        pos_ = token.end;
        return true;
    }
    std::size_t i = lt + 1;
    token = ScannedToken();
    token.start = lt;
    if (c == '/') {
        if (lt + 2 >= size)
            return false;
        const char d = text_[lt + 2];
        if (d == '>') { // "</>" is dropped
            token.kind = ScannedToken::Kind::Comment;
            token.bogus = true;
            token.end = pos_ = lt + 3;
            return true;
        }
        if (!IsAlpha(d)) {
            token = Delimited(lt, lt + 2, ">", ScannedToken::Kind::Comment);
            token.bogus = true;
            pos_ = token.end;
            return true;
        }
        token.kind = ScannedToken::Kind::EndTag;
        i = lt + 2;
    } else if (IsAlpha(c)) {
        token.kind = ScannedToken::Kind::StartTag;
    } else {
        return false;
    }
    token.nameStart = i;
    while (i < size && !IsSpace(text_[i]) && text_[i] != '/' && text_[i] != '>')
        ++i;
    token.nameEnd = i;
    ScanAttributes(i, token);
    pos_ = token.end;
    return true;
}

void PageScanner::ScanAttributes(std::size_t i, ScannedToken& token) {
    const std::size_t size = text_.size();
    const auto unclosed = [&] {
        token.closed = false;
        token.end = size;
    };
    while (true) {
        while (i < size && IsSpace(text_[i]))
            ++i;
        if (i >= size)
            return unclosed();
        if (text_[i] == '>') {
            token.end = i + 1;
            return;
        }
        if (text_[i] == '/') {
            if (i + 1 < size && text_[i + 1] == '>') {
                token.selfClosing = true;
                token.end = i + 2;
                return;
            }
            ++i;
            continue;
        }
        ScannedAttribute a;
        a.nameStart = i++; // the first character may be '=' and still start a name
        while (i < size && !IsSpace(text_[i]) && text_[i] != '/' && text_[i] != '>' &&
               text_[i] != '=')
            ++i;
        a.nameEnd = i;
        std::size_t j = i;
        while (j < size && IsSpace(text_[j]))
            ++j;
        if (j < size && text_[j] == '=') {
            a.hasValue = true;
            ++j;
            while (j < size && IsSpace(text_[j]))
                ++j;
            if (j < size && (text_[j] == '"' || text_[j] == '\'')) {
                a.quote = text_[j];
                a.valueStart = j + 1;
                const std::size_t close = FindChar(text_, a.quote, j + 1);
                if (close == npos) {
                    a.valueEnd = size;
                    attributes_.push_back(a);
                    return unclosed();
                }
                a.valueEnd = close;
                i = close + 1;
            } else {
                a.valueStart = j;
                while (j < size && !IsSpace(text_[j]) && text_[j] != '>')
                    ++j;
                a.valueEnd = j;
                i = j;
            }
        } else {
            a.valueStart = a.valueEnd = i;
        }
        attributes_.push_back(a);
    }
}

ScannedToken PageScanner::ScanMarkupDeclaration(std::size_t lt) {
    if (text_.compare(lt, 4, "<!--") == 0) {
        // "<!-->" and "<!--->" end at once; otherwise the comment runs to "-->".
        const std::size_t body = lt + 4;
        if (body < text_.size() && text_[body] == '>')
            return Delimited(lt, body, ">", ScannedToken::Kind::Comment);
        if (text_.compare(body, 2, "->") == 0)
            return Delimited(lt, body + 1, ">", ScannedToken::Kind::Comment);
        return Delimited(lt, body, "-->", ScannedToken::Kind::Comment);
    }
    if (lt + 9 <= text_.size() && ascii::EqualNoCase(text_.substr(lt + 2, 7), "doctype")) {
        ScannedToken token = Delimited(lt, lt + 9, ">", ScannedToken::Kind::Doctype);
        token.nameStart = lt + 9;
        token.nameEnd = token.closed ? token.end - 1 : token.end;
        return token;
    }
    if (foreign_ && text_.compare(lt, 9, "<![CDATA[") == 0)
        return Delimited(lt, lt + 9, "]]>", ScannedToken::Kind::Comment);
    ScannedToken token = Delimited(lt, lt + 2, ">", ScannedToken::Kind::Comment);
    token.bogus = true;
    return token;
}

ScannedToken PageScanner::Delimited(std::size_t lt, std::size_t from, std::string_view closer,
                                    ScannedToken::Kind kind) {
    ScannedToken token;
    token.kind = kind;
    token.start = lt;
    const std::size_t close = from <= text_.size() ? text_.find(closer, from) : npos;
    if (close == npos) {
        token.end = text_.size();
        token.closed = false;
    } else {
        token.end = close + closer.size();
    }
    return token;
}

} // namespace velto
