// The HTML standard's prescan of a page's first bytes for the encoding it declares: a
// <meta charset>, a <meta http-equiv="Content-Type" content="...; charset=...">, or an
// XML declaration's encoding.
#pragma once

#include "core/encoding/Encoding.h"

#include <cstddef>
#include <string_view>

namespace velto {

// How far into a page the prescan looks, as browsers do.
inline constexpr std::size_t PrescanLength = 1024;

enum class DeclarationKind { None, Meta, Xml };

struct Declaration {
    DeclarationKind kind = DeclarationKind::None;
    // The encoding declared; the replacement encoding for a label browsers refuse. Null
    // when nothing usable is declared.
    const EncodingInfo* encoding = nullptr;
};

// Runs the prescan over the bytes given (callers pass the first PrescanLength). As the
// standard says: a declared UTF-16 means UTF-8, x-user-defined means windows-1252, a
// page that starts "<?x" in UTF-16 without a byte order mark is UTF-16, and comments,
// other tags and their attribute values are stepped over.
[[nodiscard]] Declaration PrescanDeclaration(std::string_view bytes);

// The standard's "get an XML encoding": the encoding named by an XML declaration at the
// very start of the bytes, or null.
[[nodiscard]] const EncodingInfo* XmlDeclarationEncoding(std::string_view bytes);

// The standard's "extracting a character encoding from a meta element": the encoding
// named after "charset=" in a content attribute's value, or null.
[[nodiscard]] const EncodingInfo* EncodingFromContent(std::string_view content);

} // namespace velto
