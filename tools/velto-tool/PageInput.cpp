// Pages read by the commands as the editor reads them.
#include "PageInput.h"

#include "ToolCommand.h"

#include "core/encoding/CharacterReferenceText.h"
#include "core/encoding/Codec.h"
#include "core/encoding/PageDecoding.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace velto::tool {

namespace {
const EncodingInfo* chosen = nullptr;
} // namespace

bool TakeEncodingOption(std::vector<std::string>& args, std::ostream& err) {
    const auto at = std::find(args.begin(), args.end(), "--encoding");
    if (at == args.end())
        return true;
    if (at + 1 == args.end()) {
        err << "velto-tool: --encoding needs the name of an encoding\n";
        return false;
    }
    chosen = FindEncoding(*(at + 1));
    if (!chosen) {
        err << "velto-tool: unknown encoding '" << *(at + 1) << "'; the encodings are:\n";
        for (const EncodingInfo& e : Encodings())
            err << "  " << e.name << '\n';
        return false;
    }
    args.erase(at, at + 2);
    return true;
}

const EncodingInfo* ChosenEncoding() {
    return chosen;
}

void DecodePageText(std::string& bytes, DocumentEncoding& encoding) {
    DecodedPage page = chosen ? DecodePageAs(bytes, *chosen) : DecodePage(bytes, Windows1252Encoding());
    encoding = page.encoding;
    bytes = page.TakeText(bytes);
}

bool ReadPageFile(const std::string& path, std::string& text, DocumentEncoding& encoding, std::ostream& err) {
    if (!ReadInputFile(path, text, err))
        return false;
    DecodePageText(text, encoding);
    return true;
}

int ReadPageAtOffset(const std::string& path, const std::string& offsetText, PageAtOffset& page,
                     std::ostream& err) {
    const std::optional<long long> parsed = ParseOffset(offsetText, err);
    if (!parsed)
        return 2;
    if (!ReadPageFile(path, page.text, page.encoding, err))
        return 1;
    const std::optional<int> offset = OffsetInFile(*parsed, page.text.size(), path, err);
    if (!offset)
        return 1;
    page.offset = *offset;
    return 0;
}

std::string InPageEncoding(std::string_view text, const DocumentEncoding& encoding) {
    if (encoding.raw || encoding.encoding->kind == EncodingKind::Utf8)
        return std::string(text);
    const ReferenceWriter references = MakeReferenceWriter();
    return EncodeFromUtf8(text, *encoding.encoding, &references).bytes;
}

} // namespace velto::tool
