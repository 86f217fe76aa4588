// MarkupScanner and MarkupBackScanner: the markup of a piece of HTML, forward and backward.
#include "core/tagassist/MarkupScanner.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/tagassist/TagSyntax.h"

#include <string.h> // memrchr

#include <cstring>

namespace velto {

namespace {
constexpr std::size_t npos = std::string_view::npos;

bool IsSpace(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::size_t FindChar(std::string_view text, char c, std::size_t from) noexcept {
    if (from >= text.size())
        return npos;
    const void* hit = std::memchr(text.data() + from, c, text.size() - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : npos;
}

// The last c in [0, before), or npos.
std::size_t FindCharBack(std::string_view text, char c, std::size_t before) noexcept {
    if (before == 0)
        return npos;
    const void* hit = ::memrchr(text.data(), c, before);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : npos;
}

// Whether `name` (without regard to case) is spelled at `at`, not followed by another
// tag-name character.
bool NameAt(std::string_view text, std::size_t at, std::string_view name) noexcept {
    if (at + name.size() > text.size() || !ascii::EqualNoCase(text.substr(at, name.size()), name))
        return false;
    const std::size_t after = at + name.size();
    return after == text.size() || !IsTagNameChar(static_cast<unsigned char>(text[after]));
}

// Where the end tag of a raw-text element begins, from `from` on; npos when it does not.
std::size_t FindRawTextEnd(std::string_view text, std::size_t from, std::string_view name) noexcept {
    for (std::size_t lt = FindChar(text, '<', from); lt != npos; lt = FindChar(text, '<', lt + 1))
        if (lt + 1 < text.size() && text[lt + 1] == '/' && NameAt(text, lt + 2, name))
            return lt;
    return npos;
}

MarkupItem Unclosed(MarkupItem item, std::size_t size) noexcept {
    item.end = size;
    item.closed = false;
    return item;
}

// A comment or a CDATA section: from its opener to the end of `closer`.
MarkupItem Delimited(std::string_view text, MarkupItem item, std::size_t searchFrom,
                     std::string_view closer) noexcept {
    const std::size_t close = text.find(closer, searchFrom);
    if (close == npos)
        return Unclosed(item, text.size());
    item.end = close + closer.size();
    return item;
}
} // namespace

bool IsRawTextElement(std::string_view name) noexcept {
    return ascii::EqualNoCase(name, "script") || ascii::EqualNoCase(name, "style");
}

std::optional<MarkupItem> ParseMarkupAt(std::string_view text, std::size_t start) noexcept {
    if (start + 1 >= text.size() || !IsTagOpener(text, start))
        return std::nullopt;
    MarkupItem item;
    item.start = start;
    if (text.compare(start, 4, "<!--") == 0) {
        item.kind = MarkupItem::Kind::Comment;
        return Delimited(text, item, start + 2, "-->");
    }
    if (text.compare(start, 9, "<![CDATA[") == 0) {
        item.kind = MarkupItem::Kind::Declaration;
        return Delimited(text, item, start + 9, "]]>");
    }
    std::size_t i = start + 1;
    if (text[i] == '/') {
        item.kind = MarkupItem::Kind::EndTag;
        ++i;
    }
    const std::size_t nameStart = i;
    while (i < text.size() && i - nameStart < MaxTagNameLength &&
           IsTagNameChar(static_cast<unsigned char>(text[i])))
        ++i;
    item.name = text.substr(nameStart, i - nameStart);
    if (!item.name.empty() && item.name[0] == '!')
        item.kind = MarkupItem::Kind::Declaration;

    while (i < text.size()) {
        const char c = text[i];
        if (c == '>') {
            item.end = i + 1;
            item.selfClosing = item.kind == MarkupItem::Kind::StartTag && text[i - 1] == '/';
            return item;
        }
        if (c == '<' && IsTagOpener(text, i))
            return std::nullopt;
        ++i;
        if (c != '=')
            continue;
        while (i < text.size() && IsSpace(text[i]))
            ++i;
        if (i == text.size() || (text[i] != '"' && text[i] != '\''))
            continue;
        const std::size_t close = FindChar(text, text[i], i + 1);
        if (close != npos) {
            i = close + 1;
            continue;
        }
        // A quote left open: the tag ends at the first '>' after it, if any.
        const std::size_t gt = FindChar(text, '>', i + 1);
        if (gt == npos) {
            item.endsInQuote = true;
            return Unclosed(item, text.size());
        }
        i = gt;
    }
    return Unclosed(item, text.size());
}

std::optional<MarkupItem> MarkupItemAt(std::string_view text, std::size_t pos,
                                       bool touching) noexcept {
    // Comments and script contents hold pos only strictly: a caret just after "-->" is
    // not in the comment.
    const auto inside = [pos](const MarkupItem& item) {
        return pos < item.end || (!item.closed && pos == item.end);
    };
    std::size_t candidate = npos;
    std::size_t previous = npos; // the opener before the candidate
    std::size_t next = 0;
    for (std::size_t lt = FindChar(text, '<', next); lt != npos && lt <= pos;
         lt = FindChar(text, '<', next)) {
        next = lt + 1;
        if (!IsTagOpener(text, lt))
            continue;
        previous = candidate;
        candidate = lt;
        const char c = lt + 1 < text.size() ? text[lt + 1] : '\0';
        if (c == '!' && text.compare(lt, 4, "<!--") == 0) {
            const std::optional<MarkupItem> comment = ParseMarkupAt(text, lt);
            if (!comment || inside(*comment))
                return comment;
            next = comment->end;
            candidate = previous = npos;
        } else if ((c == 's' || c == 'S') && (NameAt(text, lt + 1, "script") || NameAt(text, lt + 1, "style"))) {
            const std::optional<MarkupItem> tag = ParseMarkupAt(text, lt);
            if (!tag || tag->kind != MarkupItem::Kind::StartTag || !tag->closed || tag->selfClosing ||
                tag->end > pos || (touching && tag->end == pos))
                continue;
            MarkupItem raw;
            raw.kind = MarkupItem::Kind::RawText;
            raw.start = tag->end;
            const std::size_t close = FindRawTextEnd(text, tag->end, tag->name);
            raw.end = close == npos ? text.size() : close;
            raw.closed = close != npos;
            if (inside(raw))
                return raw;
            next = raw.end;
            candidate = previous = npos;
        }
    }
    if (candidate == npos)
        return std::nullopt;
    // The last opener may stand in a quoted value of the tag before it.
    if (previous != npos) {
        std::optional<MarkupItem> outer = ParseMarkupAt(text, previous);
        if (outer && outer->end > candidate)
            candidate = previous;
    }
    std::optional<MarkupItem> item = ParseMarkupAt(text, candidate);
    if (item && (inside(*item) || (touching && pos == item->end)))
        return item;
    return std::nullopt;
}

std::optional<MarkupItem> MarkupScanner::Next() noexcept {
    if (!rawName_.empty()) {
        MarkupItem raw;
        raw.kind = MarkupItem::Kind::RawText;
        raw.start = pos_;
        const std::size_t close = FindRawTextEnd(text_, pos_, rawName_);
        raw.end = close == npos ? text_.size() : close;
        raw.closed = close != npos;
        rawName_ = {};
        pos_ = raw.end;
        if (raw.end > raw.start || !raw.closed)
            return raw;
    }
    while (pos_ < text_.size()) {
        const std::size_t lt = FindChar(text_, '<', pos_);
        if (lt == npos)
            break;
        std::optional<MarkupItem> item = ParseMarkupAt(text_, lt);
        if (!item) {
            pos_ = lt + 1;
            continue;
        }
        pos_ = item->end;
        if (item->kind == MarkupItem::Kind::StartTag && item->closed && !item->selfClosing &&
            IsRawTextElement(item->name))
            rawName_ = item->name;
        return item;
    }
    pos_ = text_.size();
    return std::nullopt;
}

std::optional<MarkupItem> MarkupBackScanner::Previous() noexcept {
    if (!rawName_.empty())
        return RawTextStart();
    while (pos_ > 0) {
        const std::size_t gt = FindCharBack(text_, '>', pos_);
        if (gt == npos)
            break;
        if (gt >= 2 && text_[gt - 1] == '-' && text_[gt - 2] == '-') {
            // The end of a comment: nothing inside it counts.
            const std::size_t open = text_.rfind("<!--", gt - 2);
            if (open != npos) {
                pos_ = open;
                continue;
            }
        }
        std::size_t lt = gt;
        do
            lt = FindCharBack(text_, '<', lt);
        while (lt != npos && !IsTagOpener(text_, lt));
        if (lt == npos)
            break;
        const std::optional<MarkupItem> item = ParseMarkupAt(text_, lt);
        if (item && item->end < gt + 1) {
            pos_ = gt; // a '>' in the text after a tag
            continue;
        }
        // Either this '>' ends the tag, or it lies in a quoted value of a tag passed already.
        pos_ = lt;
        if (!item || item->end != gt + 1 || !item->IsTag())
            continue;
        if (item->kind == MarkupItem::Kind::EndTag && IsRawTextElement(item->name))
            rawName_ = item->name;
        return item;
    }
    pos_ = 0;
    return std::nullopt;
}

std::optional<MarkupItem> MarkupBackScanner::RawTextStart() noexcept {
    const std::string_view name = rawName_;
    rawName_ = {};
    for (std::size_t lt = FindCharBack(text_, '<', pos_); lt != npos; lt = FindCharBack(text_, '<', lt)) {
        if (!NameAt(text_, lt + 1, name))
            continue;
        std::optional<MarkupItem> item = ParseMarkupAt(text_, lt);
        if (item && item->kind == MarkupItem::Kind::StartTag && item->closed && item->end <= pos_) {
            pos_ = lt;
            return item;
        }
    }
    pos_ = 0;
    return std::nullopt;
}

} // namespace velto
