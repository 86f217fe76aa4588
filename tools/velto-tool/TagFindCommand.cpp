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
    PageAtOffset page;
    if (const int status = ReadPageAtOffset(args[0], args[1], page, err))
        return status;
    if (page.text.size() > static_cast<std::size_t>(INT_MAX)) {
        err << "velto-tool: " << args[0] << " is too large\n";
        return 1;
    }
    const std::string& bytes = page.text;
    const DocumentEncoding& encoding = page.encoding;
    const int offset = page.offset;

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
