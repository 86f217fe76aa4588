// The encoding a document is kept in, with why it was chosen: what the editor shows in
// its status bar and writes the text back in.
#pragma once

#include "core/encoding/Encoding.h"

#include <optional>
#include <string>
#include <string_view>

namespace velto {

enum class EncodingRule {
    Bom,      // a byte order mark
    Meta,     // the page's <meta> declaration
    Xml,      // the XML declaration
    Utf8,     // nothing declared, and the bytes are valid UTF-8
    Fallback, // nothing declared, not UTF-8: the encoding for pages that declare none
    Chosen,   // the user's choice (Reopen with Encoding, Save with Encoding)
    New,      // a new document: the default encoding for new documents
};

// "bom", "meta", "xml", "utf-8", "fallback", "chosen", "new".
[[nodiscard]] std::string_view RuleName(EncodingRule rule) noexcept;

struct DocumentEncoding {
    const EncodingInfo* encoding = &Utf8Encoding();
    bool bom = false;  // the file starts with a byte order mark, written back on save
    EncodingRule rule = EncodingRule::New;
    // The editor holds the file's bytes as they are, undecoded: the file is not valid in
    // its encoding, or decoding it would not give back its bytes. Saved unchanged.
    bool raw = false;

    // What the status bar shows: "windows-1252", "UTF-8 BOM", "Shift_JIS (raw bytes)".
    [[nodiscard]] std::string Label() const;
};

// The encoding as one line of text ("windows-1252", "UTF-16LE bom", "UTF-8 raw") for a
// recovery file, and back; nothing for a line that names no encoding.
[[nodiscard]] std::string EncodingField(const DocumentEncoding& encoding);
[[nodiscard]] std::optional<DocumentEncoding> ParseEncodingField(std::string_view field);

// A new document's encoding, from the name the Options keep (UTF-8 when it names none).
[[nodiscard]] DocumentEncoding NewDocumentEncoding(std::string_view name);

} // namespace velto
