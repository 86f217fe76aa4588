// The intermediate preview file.
#include "core/preview/PreviewFile.h"

#include "core/encoding/CharacterReferenceText.h"
#include "core/encoding/Codec.h"
#include "core/encoding/DocumentEncoding.h"
#include "core/platform/ReplaceFile.h"
#include "core/tagassist/TagSyntax.h"

#include <algorithm>
#include <cstring>
#include <ostream>

namespace velto {

namespace {
bool HasScheme(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return false; // "C:" would be a drive letter, not a scheme
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = text[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && !(i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')))
            return false;
    }
    return true;
}

bool KeptInPath(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return std::strchr("-._~!$&'()*+,;=:@/", c) != nullptr && c != '\0';
}

// The first character of a line lies inside a tag: a tag opener before it with no '>'
// between, and a '>' after it before any other opener. Gives the tag's start.
bool InsideTag(std::string_view text, std::size_t pos, std::size_t& start) {
    if (pos >= text.size() || IsTagOpener(text, pos))
        return false;
    std::size_t back = pos;
    if (text[pos] == '>') {
        if (pos == 0)
            return false;
        --back;
    }
    for (std::size_t i = back + 1; i-- > 0;) {
        if (text[i] == '>')
            return false;
        if (text[i] == '<' && IsTagOpener(text, i)) {
            start = i;
            for (std::size_t j = pos; j < text.size(); ++j) {
                if (text[j] == '>')
                    return true;
                if (text[j] == '<' && IsTagOpener(text, j))
                    return false;
            }
            return false;
        }
    }
    return false;
}

bool IsA(std::string_view text, std::size_t at) {
    return at < text.size() && (text[at] == 'a' || text[at] == 'A') &&
           (at + 1 >= text.size() || !IsTagNameChar(static_cast<unsigned char>(text[at + 1])));
}

// An "<A" start tag before pos that no "</A" closes before pos. Gives its start.
bool InsideAnchorElement(std::string_view text, std::size_t pos, std::size_t& start) {
    for (std::size_t i = pos; i-- > 0;) {
        const void* found = memrchr(text.data(), '<', i + 1);
        if (!found)
            return false;
        i = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        if (IsA(text, i + 1)) {
            start = i;
            return true;
        }
        if (i + 1 < text.size() && text[i + 1] == '/' && IsA(text, i + 2))
            return false;
    }
    return false;
}
} // namespace

std::string BrowserUrl(std::string_view text) {
    if (HasScheme(text) || text.empty() || text.front() != '/')
        return std::string(text);
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    url.reserve(url.size() + text.size() + text.size() / 8);
    for (unsigned char c : text) {
        if (KeptInPath(c)) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += Hex[c >> 4];
            url += Hex[c & 15];
        }
    }
    return url;
}

std::string FormatPreviewName(std::string_view pattern, int number) {
    std::string name;
    bool placed = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == '%') {
                name += '%';
                ++i;
                continue;
            }
            if (pattern[i + 1] == 'd' && !placed) {
                name += std::to_string(number);
                placed = true;
                ++i;
                continue;
            }
        }
        name += pattern[i];
    }
    return name;
}

int PreviewCounter::Next(int count) noexcept {
    count = std::clamp(count, 1, 100);
    if (next_ >= count)
        next_ = 0;
    const int now = next_;
    next_ = now + 1 > count - 1 ? 0 : now + 1;
    return now;
}

int FindAnchorLine(std::string_view text, int firstVisibleLine,
                   const std::function<std::size_t(int)>& lineStart,
                   const std::function<int(std::size_t)>& lineOf) {
    int line = firstVisibleLine;
    while (line >= 0) {
        const std::size_t pos = lineStart(line);
        std::size_t start = 0;
        // Every line between the tag's (or element's) start and this one lies inside it
        // too, so the walk goes straight to the line where it begins.
        if (InsideTag(text, pos, start) || InsideAnchorElement(text, pos, start)) {
            const int up = lineOf(start);
            line = up < line ? up : line - 1;
            continue;
        }
        break;
    }
    return line;
}

std::vector<std::string_view>
PreviewFilePieces(std::string_view text, const PreviewContents& contents, std::string& head) {
    head.clear();
    if (contents.baseElement) {
        std::string folder = contents.folder;
        if (folder.empty() || folder.back() != '/')
            folder += '/';
        head = "<BASE HREF=\"" + BrowserUrl(folder) + "\">\n";
    }
    const std::size_t anchor = std::min(contents.anchorAt, text.size());
    std::vector<std::string_view> pieces{head, text.substr(0, anchor)};
    if (contents.anchorAt != std::string_view::npos)
        pieces.push_back(ScrollAnchor);
    pieces.push_back(text.substr(anchor));
    if (contents.defaultTitle)
        pieces.push_back(DefaultTitle);
    return pieces;
}

namespace {
// The pieces in the document's encoding, when it is one to convert to: then they are
// one converted piece, held by store.
void Encode(std::vector<std::string_view>& pieces, const PreviewContents& contents, std::string& store) {
    const DocumentEncoding* e = contents.encoding;
    if (!e || e->raw || (e->encoding->kind == EncodingKind::Utf8 && !e->bom))
        return;
    std::string text;
    for (const std::string_view piece : pieces)
        text += piece;
    const ReferenceWriter references = MakeReferenceWriter();
    store = e->bom ? std::string(ByteOrderMark(*e->encoding)) : std::string();
    store += EncodeFromUtf8(text, *e->encoding, &references).bytes;
    pieces.assign(1, store);
}
} // namespace

bool WritePreviewFile(std::ostream& out, std::string_view text, const PreviewContents& contents) {
    std::string head;
    std::string encoded;
    std::vector<std::string_view> pieces = PreviewFilePieces(text, contents, head);
    Encode(pieces, contents, encoded);
    for (const std::string_view piece : pieces)
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    return static_cast<bool>(out.flush());
}

bool WritePreviewFile(const std::string& path, std::string_view text,
                      const PreviewContents& contents, std::string& error) {
    std::string head;
    std::string encoded;
    std::vector<std::string_view> pieces = PreviewFilePieces(text, contents, head);
    Encode(pieces, contents, encoded);
    return ReplaceFileContents(path, pieces, error, ReplaceOptions{}) == ReplaceResult::Written;
}

} // namespace velto
