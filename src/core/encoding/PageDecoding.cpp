// Opening a page as a browser reads it.
#include "core/encoding/PageDecoding.h"

#include "core/encoding/Codec.h"
#include "core/encoding/Utf8Text.h"

#include <algorithm>

namespace velto {

namespace {

std::size_t BomLength(std::string_view bytes, const EncodingInfo** encoding) {
    using namespace std::string_view_literals;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF"sv) {
        *encoding = &Utf8Encoding();
        return 3;
    }
    if (bytes.substr(0, 2) == "\xFE\xFF"sv) {
        *encoding = FindEncoding("UTF-16BE");
        return 2;
    }
    if (bytes.substr(0, 2) == "\xFF\xFE"sv) {
        *encoding = FindEncoding("UTF-16LE");
        return 2;
    }
    return 0;
}

// Decodes the bytes after the byte order mark in the page's encoding, keeping them raw
// when that would not give them back.
void Decode(std::string_view bytes, std::size_t bomLength, DecodedPage& page) {
    const EncodingInfo& e = *page.encoding.encoding;
    const std::string_view body = bytes.substr(bomLength);
    auto keepRaw = [&](RawReason why) {
        page.raw = why;
        page.encoding.raw = true;
        page.UseInput(0); // the byte order mark too: raw means the file's bytes exactly
    };
    if (e.kind == EncodingKind::Replacement)
        return keepRaw(RawReason::Refused);
    if (e.kind == EncodingKind::Utf8) {
        if (!IsValidUtf8(body))
            return keepRaw(RawReason::Invalid);
        page.UseInput(bomLength);
        return;
    }
    std::optional<std::string> text = DecodeToUtf8(body, e);
    if (!text) {
        if (e.kind == EncodingKind::SingleByte)
            return keepRaw(RawReason::NoConverter);
        return keepRaw(RawReason::Invalid);
    }
    // Every byte of a single-byte encoding is a character of its own and back, so only
    // the others are converted back to be compared.
    if (e.kind != EncodingKind::SingleByte) {
        const EncodeResult again = EncodeFromUtf8(*text, e);
        if (!again.ok || again.bytes != body)
            return keepRaw(RawReason::NoRoundTrip);
    }
    page.SetText(std::move(*text));
}

} // namespace

Sniffed SniffEncoding(std::string_view bytes, const EncodingInfo& fallback) {
    Sniffed s;
    s.declared = PrescanDeclaration(bytes.substr(0, PrescanLength));
    if ((s.bomLength = BomLength(bytes, &s.encoding)) != 0) {
        s.rule = EncodingRule::Bom;
    } else if (s.declared.encoding) {
        s.encoding = s.declared.encoding;
        s.rule = s.declared.kind == DeclarationKind::Xml ? EncodingRule::Xml : EncodingRule::Meta;
    } else if (IsValidUtf8(bytes)) {
        s.encoding = &Utf8Encoding();
        s.rule = EncodingRule::Utf8;
    } else {
        s.encoding = &fallback;
        s.rule = EncodingRule::Fallback;
    }
    return s;
}

DecodedPage DecodePage(std::string_view bytes, const EncodingInfo& fallback) {
    const Sniffed s = SniffEncoding(bytes, fallback);
    DecodedPage page;
    page.encoding.encoding = s.encoding;
    page.encoding.rule = s.rule;
    page.encoding.bom = s.bomLength > 0;
    page.declared = s.declared.encoding;
    Decode(bytes, s.bomLength, page);
    // The declaration is checked against the bytes only where it chose the encoding.
    if (s.rule == EncodingRule::Meta || s.rule == EncodingRule::Xml) {
        if (s.encoding->kind == EncodingKind::Utf8 && page.raw == RawReason::Invalid)
            page.conflict = DeclarationConflict::NotUtf8;
        else if (!s.encoding->IsUnicode() && s.encoding->Decodable() && !IsAscii(bytes) &&
                 IsValidUtf8(bytes))
            page.conflict = DeclarationConflict::IsUtf8;
    }
    return page;
}

DecodedPage DecodePageAs(std::string_view bytes, const EncodingInfo& chosen) {
    DecodedPage page;
    page.encoding.encoding = &chosen;
    page.encoding.rule = EncodingRule::Chosen;
    page.declared = PrescanDeclaration(bytes.substr(0, PrescanLength)).encoding;
    const EncodingInfo* bomEncoding = nullptr;
    std::size_t bom = BomLength(bytes, &bomEncoding);
    if (bomEncoding != &chosen)
        bom = 0;
    page.encoding.bom = bom > 0;
    Decode(bytes, bom, page);
    return page;
}

std::string DecodingNotice(const DecodedPage& page, const EncodingInfo& fallback) {
    const std::string name(page.encoding.encoding->name);
    switch (page.conflict) {
    case DeclarationConflict::NotUtf8:
        return "This page declares UTF-8 but its bytes are not valid UTF-8, so it is shown as "
               "raw bytes; it may be " + std::string(fallback.name) + ".";
    case DeclarationConflict::IsUtf8:
        return "This page declares " + name + " but its bytes are UTF-8.";
    case DeclarationConflict::None:
        break;
    }
    switch (page.raw) {
    case RawReason::Invalid:
        return "This page is not valid " + name + ", so it is shown as raw bytes and saved unchanged.";
    case RawReason::NoRoundTrip:
        return "This page's " + name +
               " text would not be saved back as the same bytes, so it is shown as raw bytes.";
    case RawReason::Refused:
        return "This page declares an encoding that browsers refuse to read, so it is shown as raw bytes.";
    case RawReason::NoConverter:
        return "No converter on this system reads " + name + ", so the page is shown as raw bytes.";
    case RawReason::None:
        break;
    }
    return {};
}

} // namespace velto
