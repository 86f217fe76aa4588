// velto-tool hover FILE OFFSET: the tooltip that resting the pointer on a byte shows.
#include "PageInput.h"
#include "ToolCommand.h"

#include "core/colouring/CHtmlColourer.h"
#include "core/completion/HoverHelp.h"
#include "core/completion/KnownStart.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"

#include <ostream>

namespace velto::tool {
namespace {

int RunHover(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar hover{
    {"hover", "FILE OFFSET",
     "print the tooltip shown with the pointer on the byte at OFFSET of the file: an element's, "
     "attribute's or enumerated value's name and label, its description, versions and browsers; "
     "default settings; exit status 1 when the byte is on no such name",
     RunHover}};

int RunHover(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return UsageError("hover", err);
    PageAtOffset page;
    if (const int status = ReadPageAtOffset(args[0], args[1], page, err))
        return status;
    const int offset = page.offset;
    CHtmlConfig html;
    CEditorConfig editor;
    HtmlKnowledgeBase kb(html, editor);
    kb.RebuildAllowed();
    MemoryTextControl control(std::move(page.text));
    CHtmlColourer colourer(kb, ColourMode::Tags);
    colourer.ColourWholeControl(control);
    const std::string tip = HoverHelp(kb).TextAt(control, offset, KnownStartBefore(colourer, offset));
    if (tip.empty())
        return 1;
    out << tip << '\n';
    return out ? 0 : 1;
}

} // namespace
} // namespace velto::tool
