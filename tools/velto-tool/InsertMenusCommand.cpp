// velto-tool insert-menus [--versions LIST] [--lower]: the HTML insert menus as built;
// velto-tool insert TEXTFILE START END ID [--versions LIST] [--lower]: the text after one
// of their commands ran on the selection START..END.
#include "ToolCommand.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"
#include "core/tagassist/CHtmlInsertMenus.h"

#include <charconv>
#include <memory>
#include <ostream>

namespace velto::tool {
namespace {

int RunInsertMenus(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunInsert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar insertMenus{
    {"insert-menus", "[--versions LIST] [--lower]",
     "print the four HTML insert menus as built, one item a line indented by submenu, as "
     "\"ID<TAB>LABEL<TAB>PROMPT\" (a tab within a label written \\t, \"-\" for a separator, 0 for "
     "a submenu's id); default settings, or only the versions named (comma separated); --lower "
     "sets the option to insert HTML in lower case",
     RunInsertMenus}};
const Registrar insert{
    {"insert", "TEXTFILE START END ID [--versions LIST] [--lower]",
     "print the file's text after the insert menu command ID ran with the bytes START..END "
     "selected (START = END: the caret there); the menus built as insert-menus builds them",
     RunInsert}};

// The settings of the options after the positional arguments; false on a bad option.
struct Settings {
    CHtmlConfig html;
    CEditorConfig editor;
    std::unique_ptr<HtmlKnowledgeBase> kb;
    CHtmlInsertMenus menus;
};

bool ApplyOptions(const std::vector<std::string>& options, Settings& s, std::ostream& err) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i] == "--lower") {
            s.editor.insertHtmlLowerCase = true;
        } else if (options[i] == "--versions" && i + 1 < options.size()) {
            if (!SelectVersions(s.html, options[++i], err))
                return false;
        } else {
            return false;
        }
    }
    s.kb = std::make_unique<HtmlKnowledgeBase>(s.html, s.editor);
    s.kb->RebuildAllowed();
    s.menus.Build(*s.kb);
    return true;
}

std::string Shown(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\t' ? std::string("\\t") : std::string(1, c);
    return out;
}

void Print(const MenuModel& menu, int depth, std::ostream& out) {
    for (const MenuItem& item : menu.Items()) {
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ');
        if (item.IsSeparator()) {
            out << "-\n";
            continue;
        }
        out << item.id << '\t' << Shown(item.text) << '\t' << item.prompt << '\n';
        if (item.IsSubmenu())
            Print(item.submenu, depth + 1, out);
    }
}

int RunInsertMenus(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Settings s;
    if (!ApplyOptions(args, s, err))
        return UsageError("insert-menus", err);
    Print(s.menus.Menus(), 0, out);
    return out ? 0 : 1;
}

int RunInsert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 4)
        return UsageError("insert", err);
    const std::optional<long long> startArg = ParseOffset(args[1], err);
    const std::optional<long long> endArg = ParseOffset(args[2], err);
    if (!startArg || !endArg)
        return 2;
    int id = 0;
    const std::string& idText = args[3];
    const auto [idEnd, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (ec != std::errc() || idEnd != idText.data() + idText.size()) {
        err << "velto-tool: the command id must be a whole number, not '" << idText << "'\n";
        return 2;
    }
    Settings s;
    if (!ApplyOptions({args.begin() + 4, args.end()}, s, err))
        return UsageError("insert", err);
    std::string bytes;
    if (!ReadInputFile(args[0], bytes, err))
        return 1;
    const std::optional<int> start = OffsetInFile(*startArg, bytes.size(), args[0], err);
    const std::optional<int> end =
        start ? OffsetInFile(*endArg, bytes.size(), args[0], err) : std::nullopt;
    if (!start || !end)
        return 1;
    MemoryTextControl control(std::move(bytes));
    control.SetSelection({*start, *end});
    if (!s.menus.Execute(id, control)) {
        err << "velto-tool: the insert menus have no command " << id << '\n';
        return 1;
    }
    out << control.Text();
    return out ? 0 : 1;
}

} // namespace
} // namespace velto::tool
