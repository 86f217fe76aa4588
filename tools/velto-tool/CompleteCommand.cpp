// velto-tool complete FILE OFFSET [--versions LIST]: what completion offers with the caret
// at a byte offset, one item a line.
#include "PageInput.h"
#include "ToolCommand.h"

#include "core/assist/InsertableUrl.h"
#include "core/colouring/CHtmlColourer.h"
#include "core/completion/Completer.h"
#include "core/completion/KnownStart.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"

#include <ostream>

namespace velto::tool {
namespace {

int RunComplete(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar complete{
    {"complete", "FILE OFFSET [--versions LIST]",
     "print what completion offers with the caret at byte OFFSET of the file, in the order the "
     "list shows it, one item a line as \"TEXT<TAB>KIND<TAB>DESCRIPTION\" (KIND element, "
     "attribute, value, file, colour or reference); default settings, or only the versions "
     "named (comma separated); files are those beside FILE; exit status 1 when nothing is "
     "offered there",
     RunComplete}};

// A description on one line, without the tabs that separate the fields.
std::string Field(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

int RunComplete(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool versions = args.size() == 4 && args[2] == "--versions";
    if (args.size() != 2 && !versions)
        return UsageError("complete", err);
    CHtmlConfig html;
    CEditorConfig editor;
    if (versions && !SelectVersions(html, args[3], err))
        return 2;
    PageAtOffset page;
    if (const int status = ReadPageAtOffset(args[0], args[1], page, err))
        return status;
    const int offset = page.offset;
    HtmlKnowledgeBase kb(html, editor);
    kb.RebuildAllowed();
    MemoryTextControl control(std::move(page.text));
    // The editor knows where scripts and comments are from its colouring; so does the tool.
    CHtmlColourer colourer(kb, ColourMode::Tags);
    colourer.ColourWholeControl(control);
    ContextFinder finder(kb);
    const CompletionContext context = finder.Find(control, offset, KnownStartBefore(colourer, offset));
    const CompletionSources sources{nullptr, DocumentFolder(AbsolutePath(args[0]))};
    const std::vector<CompletionItem> items = Completer(kb).Items(context, sources);
    for (const CompletionItem& item : items)
        out << Field(item.text) << '\t' << KindName(item.kind) << '\t' << Field(item.description) << '\n';
    if (!out)
        return 1;
    return items.empty() ? 1 : 0;
}

} // namespace
} // namespace velto::tool
