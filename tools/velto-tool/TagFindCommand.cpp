// velto-tool tag-find FILE OFFSET: the tag around a byte offset, found as the tag popup
// finds the tag under the caret.
#include "PageInput.h"
#include "ToolCommand.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"
#include "core/tagassist/HtmlElementEd.h"

#include <climits>
#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"tag-find", "FILE OFFSET",
     "print the start offset, the end offset (past the '>') and the text of the tag around "
     "the caret at byte OFFSET of the file; exit status 1 when there is none",
     Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return UsageError("tag-find", err);
    const std::optional<long long> parsed = ParseOffset(args[1], err);
    if (!parsed)
        return 2;
    std::string bytes;
    DocumentEncoding encoding;
    if (!ReadPageFile(args[0], bytes, encoding, err))
        return 1;
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        err << "velto-tool: " << args[0] << " is too large\n";
        return 1;
    }
    const std::optional<int> inFile = OffsetInFile(*parsed, bytes.size(), args[0], err);
    if (!inFile)
        return 1;
    const int offset = *inFile;

    CHtmlConfig htmlConfig;
    const CEditorConfig editorConfig;
    HtmlKnowledgeBase kb(htmlConfig, editorConfig);
    kb.RebuildAllowed();
    MemoryTextControl control(bytes);
    control.SetSelection({offset, offset});
    HtmlElementEd tag(kb, control);
    if (!tag.FindTagAtCaret()) {
        err << "velto-tool: no tag at offset " << offset << '\n';
        return 1;
    }
    out << tag.First() << ' ' << tag.PastEnd() << ' ' << InPageEncoding(tag.TagText(), encoding) << '\n';
    return 0;
}

} // namespace
} // namespace velto::tool
