// The encoding a document is kept in.
#include "core/encoding/DocumentEncoding.h"

namespace velto {

std::string_view RuleName(EncodingRule rule) noexcept {
    switch (rule) {
    case EncodingRule::Bom:
        return "bom";
    case EncodingRule::Meta:
        return "meta";
    case EncodingRule::Xml:
        return "xml";
    case EncodingRule::Utf8:
        return "utf-8";
    case EncodingRule::Fallback:
        return "fallback";
    case EncodingRule::Chosen:
        return "chosen";
    case EncodingRule::New:
        break;
    }
    return "new";
}

std::string DocumentEncoding::Label() const {
    std::string label(encoding->name);
    if (bom)
        label += " BOM";
    if (raw)
        label += " (raw bytes)";
    return label;
}

DocumentEncoding NewDocumentEncoding(std::string_view name) {
    DocumentEncoding e;
    if (const EncodingInfo* chosen = FindEncoding(name))
        e.encoding = chosen;
    // Without a byte order mark a UTF-16 page would not be read back as UTF-16.
    e.bom = e.encoding->kind == EncodingKind::Utf16LE || e.encoding->kind == EncodingKind::Utf16BE;
    return e;
}

std::string EncodingField(const DocumentEncoding& encoding) {
    std::string field(encoding.encoding->name);
    if (encoding.bom)
        field += " bom";
    if (encoding.raw)
        field += " raw";
    return field;
}

std::optional<DocumentEncoding> ParseEncodingField(std::string_view field) {
    DocumentEncoding e;
    e.rule = EncodingRule::Chosen;
    const std::size_t space = field.find(' ');
    const std::string_view name = field.substr(0, space);
    e.encoding = name == "replacement" ? GetEncoding(name) : FindEncoding(name);
    if (!e.encoding)
        return std::nullopt;
    for (std::string_view rest = space == std::string_view::npos ? std::string_view() : field.substr(space + 1);
         !rest.empty();) {
        const std::size_t next = rest.find(' ');
        const std::string_view word = rest.substr(0, next);
        if (word == "bom")
            e.bom = true;
        else if (word == "raw")
            e.raw = true;
        rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
    }
    // A page in the replacement encoding is only ever kept raw.
    if (e.encoding->kind == EncodingKind::Replacement)
        e.raw = true;
    return e;
}

} // namespace velto
