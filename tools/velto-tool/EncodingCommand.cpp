// velto-tool encoding FILE...: the encoding the editor reads each page in, the rule that
// chose it, and whether the page's text would be saved back as the same bytes.
#include "PageInput.h"
#include "ToolCommand.h"

#include "core/encoding/Codec.h"
#include "core/encoding/PageDecoding.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"encoding", "FILE...",
     "print, per file, the encoding it is read in, the rule that chose it (bom, meta, xml, "
     "utf-8, fallback; chosen with --encoding) and whether saving it unedited gives back its "
     "bytes (round-trip) or it is kept as raw bytes (raw: and why)",
     Run}};

std::string_view Why(RawReason reason) {
    switch (reason) {
    case RawReason::Invalid:
        return "invalid";
    case RawReason::NoRoundTrip:
        return "no-round-trip";
    case RawReason::Refused:
        return "refused";
    case RawReason::NoConverter:
        return "no-converter";
    case RawReason::None:
        break;
    }
    return "";
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return UsageError("encoding", err);
    int status = 0;
    for (const std::string& path : args) {
        std::string bytes;
        if (!ReadInputFile(path, bytes, err)) {
            status = 1;
            continue;
        }
        const EncodingInfo* chosen = ChosenEncoding();
        const DecodedPage page = chosen ? DecodePageAs(bytes, *chosen) : DecodePage(bytes, Windows1252Encoding());
        out << path << '\t' << page.encoding.encoding->name << (page.encoding.bom ? " BOM" : "") << '\t'
            << RuleName(page.encoding.rule) << '\t';
        if (page.encoding.raw) {
            out << "raw:" << Why(page.raw);
        } else {
            // Written back as the editor writes it: the mark, then the text converted.
            const EncodeResult back = EncodeFromUtf8(page.Text(bytes), *page.encoding.encoding);
            const std::string saved = std::string(page.encoding.bom ? ByteOrderMark(*page.encoding.encoding) : "") + back.bytes;
            out << (back.ok && saved == bytes ? "round-trip" : "changed");
        }
        if (page.conflict == DeclarationConflict::NotUtf8)
            out << "\tdeclares UTF-8, is not";
        else if (page.conflict == DeclarationConflict::IsUtf8)
            out << "\tbytes are UTF-8";
        out << '\n';
    }
    return status;
}

} // namespace
} // namespace velto::tool
