// velto-tool colour-edits FILE EDITS: a file's colouring after edits made one by one, as
// an editor view colours them.
#include "ColourRuns.h"
#include "ToolCommand.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/ColourSchedule.h"
#include "core/config/EditorConfig.h"
#include "core/config/GeneralConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"

#include <charconv>
#include <ostream>
#include <sstream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"colour-edits", "FILE EDITS",
     "open FILE as the editor does, make the edits of the file EDITS one after another, each "
     "coloured as the editor colours a change (\"insert OFFSET TEXT\" with \\n, \\t and \\\\ "
     "escapes, or \"delete OFFSET LENGTH\", one a line), let the background finish and print "
     "the runs as colour-runs does",
     Run}};

struct Edit {
    int offset = 0;
    int length = 0;   // deleted
    std::string text; // inserted
};

bool ParseNumber(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            return false;
        }
    }
    return true;
}

// One edit a line; blank lines are skipped. False, said on err, at the first bad line.
bool ParseEdits(const std::string& text, std::vector<Edit>& edits, std::ostream& err) {
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const std::string_view view = line;
        const std::size_t verbEnd = view.find(' ');
        const std::string_view verb = view.substr(0, verbEnd);
        const std::string_view rest =
            verbEnd == std::string_view::npos ? "" : view.substr(verbEnd + 1);
        const std::size_t offsetEnd = rest.find(' ');
        Edit edit;
        bool ok = ParseNumber(rest.substr(0, offsetEnd), edit.offset) &&
                  offsetEnd != std::string_view::npos;
        if (ok && verb == "insert")
            ok = Unescape(rest.substr(offsetEnd + 1), edit.text);
        else if (ok && verb == "delete")
            ok = ParseNumber(rest.substr(offsetEnd + 1), edit.length);
        else
            ok = false;
        if (!ok) {
            err << "velto-tool: line " << number << " of the edits is not \"insert OFFSET TEXT\" "
                << "or \"delete OFFSET LENGTH\": " << line << '\n';
            return false;
        }
        edits.push_back(std::move(edit));
    }
    return true;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || args[0].starts_with("--"))
        return UsageError("colour-edits", err);
    std::string page;
    std::string editText;
    std::vector<Edit> edits;
    if (!ReadInputFile(args[0], page, err) || !ReadInputFile(args[1], editText, err) ||
        !ParseEdits(editText, edits, err))
        return 1;

    CHtmlConfig htmlConfig;
    const CEditorConfig editorConfig;
    HtmlKnowledgeBase kb(htmlConfig, editorConfig);
    kb.RebuildAllowed();
    const AppearanceSettings appearance;
    const CGeneralConfig general;
    MemoryTextControl control(std::move(page));
    ColourSchedule schedule(control, kb, appearance, general);
    unsigned long tick = 0;
    const auto finish = [&] {
        while (schedule.WantsIdle())
            schedule.IdleStep(++tick);
    };
    schedule.ViewReady();
    finish();
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const Edit& e = edits[i];
        if (e.offset > control.Length() || e.length > control.Length() - e.offset) {
            err << "velto-tool: edit " << i + 1 << " reaches past the end of the text ("
                << control.Length() << " bytes then)\n";
            return 1;
        }
        control.ReplaceRange(e.offset, e.offset + e.length, e.text);
        schedule.TextChanged(e.offset, e.offset + static_cast<int>(e.text.size()));
    }
    finish();
    PrintRuns(control.Styles(), out);
    return out ? 0 : 1;
}

} // namespace
} // namespace velto::tool
