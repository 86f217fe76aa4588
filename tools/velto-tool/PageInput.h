// Pages read by the commands as the editor reads them: in the encoding their bytes or
// declaration give (or the one "--encoding NAME" names), held as UTF-8, with results
// written back in the page's own encoding.
#pragma once

#include "core/encoding/DocumentEncoding.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace velto::tool {

// Takes "--encoding NAME" out of a command's arguments. False (reported) for an unknown
// encoding or a missing name.
bool TakeEncodingOption(std::vector<std::string>& args, std::ostream& err);
// The encoding named by the option, or null to detect it.
[[nodiscard]] const EncodingInfo* ChosenEncoding();

// Converts a page's bytes in place to the text the editor holds (UTF-8, or the bytes
// themselves for a page kept raw); encoding receives how it was read.
void DecodePageText(std::string& bytes, DocumentEncoding& encoding);
// Reads a page file so; on failure says so on err.
bool ReadPageFile(const std::string& path, std::string& text, DocumentEncoding& encoding, std::ostream& err);
// A page and a byte offset in it, from a command's FILE and OFFSET arguments.
struct PageAtOffset {
    std::string text;
    DocumentEncoding encoding;
    int offset = 0;
};
// Reads them; 0, or the exit status: 2 for an offset that is not a number, 1 for a page
// that cannot be read or an offset past its end (each said on err).
[[nodiscard]] int ReadPageAtOffset(const std::string& path, const std::string& offsetText,
                                   PageAtOffset& page, std::ostream& err);

// Text of the page (a rewritten page or tag) in the page's own encoding; characters it
// cannot hold become numeric references.
[[nodiscard]] std::string InPageEncoding(std::string_view text, const DocumentEncoding& encoding);

} // namespace velto::tool
