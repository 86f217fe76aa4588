// velto-tool popup FILE OFFSET [--versions LIST]: the right-click menu of the tag at a byte
// offset; velto-tool popup-run FILE OFFSET ID [ANSWER]: the text after one of its commands.
#include "PageInput.h"
#include "ToolCommand.h"

#include "core/assist/InsertableUrl.h"
#include "core/colours/ColourText.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAttBase.h"
#include "core/platform/MemoryTextControl.h"
#include "core/tagassist/AttributeValueRules.h"
#include "core/tagassist/HMAttPopup.h"
#include "core/tagassist/HtmlElementEd.h"
#include "core/tagassist/TagAssistant.h"

#include <charconv>
#include <filesystem>
#include <ostream>

namespace velto::tool {
namespace {

int RunPopup(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunPopupCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar popup{
    {"popup", "FILE OFFSET [--versions LIST]",
     "print the menu a right click at byte OFFSET of the file builds, one item a line indented "
     "by submenu, as \"ID<TAB>TEXT\" (\" [x]\" after a checked item, \"-\" for a separator); "
     "default settings, or only the versions named (comma separated); exit status 1 when no "
     "tag is there",
     RunPopup}};
const Registrar popupRun{
    {"popup-run", "FILE OFFSET ID [ANSWER]",
     "print the file's text after the popup command ID ran on the tag at byte OFFSET; ANSWER "
     "stands for what a dialog asks (a value, a colour, a file path); without it the dialog "
     "is cancelled",
     RunPopupCommand}};

// Answers the dialogs with the one answer of the command line and reports the rest.
class ScriptedAssistant final : public TagAssistant {
public:
    ScriptedAssistant(std::optional<std::string> answer, std::string folder, std::ostream& err)
        : answer_(std::move(answer)), folder_(std::move(folder)), err_(err) {}

    std::optional<ValueAnswer> AskValue(const ValueRequest& request) override {
        if (!answer_)
            return std::nullopt;
        ValueAnswer a;
        a.value = *answer_;
        // A file chosen for a URL goes in as the file dialog would put it.
        std::error_code ec;
        if (request.attribute->IsUrlValued() && std::filesystem::is_regular_file(a.value, ec))
            a.value = MakeInsertableUrl(
                a.value, request.documentFolder,
                request.attribute->KnowledgeBase().EditorConfig().insertRelativeFilePaths);
        if (const std::optional<std::string> refusal =
                RefuseTypedValue(*request.attribute, a.value)) {
            Message(*refusal);
            refused = true;
            return std::nullopt;
        }
        return a;
    }
    std::optional<ColourRef> ChooseColour(ColourRef) override {
        if (!answer_)
            return std::nullopt;
        const ColourRef colour = ColourFromText(*answer_, true);
        if (colour == NoColour) {
            Message("Warning - invalid colour value set: '" + *answer_ + "'");
            refused = true;
            return std::nullopt;
        }
        return colour;
    }
    void Message(const std::string& text) override { err_ << "velto-tool: " << text << '\n'; }
    bool OpenDocument(const std::string& path) override {
        err_ << "velto-tool: opens as a document: " << path << '\n';
        return true;
    }
    DesktopOpen OpenWithDesktop(const std::string& path) override {
        err_ << "velto-tool: hands to the desktop: " << path << '\n';
        return DesktopOpen::Opened;
    }

    bool refused = false;

private:
    std::optional<std::string> answer_;
    std::string folder_;
    std::ostream& err_;
};

struct Loaded {
    CHtmlConfig html;
    CEditorConfig editor;
    std::unique_ptr<HtmlKnowledgeBase> kb;
    std::unique_ptr<MemoryTextControl> control;
    std::unique_ptr<HtmlElementEd> tag;
    std::string folder;
    DocumentEncoding encoding;
};

// Reads the file and finds the tag at the offset; the exit status on failure.
std::optional<int> Load(const std::string& path, const std::string& offsetText,
                        const std::string* versions, Loaded& l, std::ostream& err) {
    if (versions && !SelectVersions(l.html, *versions, err))
        return 2;
    PageAtOffset page;
    if (const int status = ReadPageAtOffset(path, offsetText, page, err))
        return status;
    l.encoding = page.encoding;
    const int offset = page.offset;
    l.kb = std::make_unique<HtmlKnowledgeBase>(l.html, l.editor);
    l.kb->RebuildAllowed();
    l.control = std::make_unique<MemoryTextControl>(std::move(page.text));
    l.control->SetSelection({offset, offset});
    l.tag = std::make_unique<HtmlElementEd>(*l.kb, *l.control);
    if (!l.tag->FindTagAtCaret()) {
        err << "velto-tool: no tag at offset " << offset << '\n';
        return 1;
    }
    std::error_code ec;
    l.folder = DocumentFolder(std::filesystem::absolute(path, ec).string());
    return std::nullopt;
}

int RunPopup(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool versions = args.size() == 4 && args[2] == "--versions";
    if (args.size() != 2 && !versions)
        return UsageError("popup", err);
    Loaded l;
    if (const std::optional<int> status =
            Load(args[0], args[1], versions ? &args[3] : nullptr, l, err))
        return *status;
    MenuModel menu;
    HMAttPopup(*l.kb, *l.tag, {nullptr, l.folder, false}).BuildMenu(menu);
    menu.Print(out);
    return out ? 0 : 1;
}

int RunPopupCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3 && args.size() != 4)
        return UsageError("popup-run", err);
    int id = 0;
    const std::string& idText = args[2];
    const auto [end, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (ec != std::errc() || end != idText.data() + idText.size()) {
        err << "velto-tool: the command id must be a whole number, not '" << idText << "'\n";
        return 2;
    }
    Loaded l;
    if (const std::optional<int> status = Load(args[0], args[1], nullptr, l, err))
        return *status;
    HMAttPopup popup(*l.kb, *l.tag, {nullptr, l.folder, false});
    MenuModel menu;
    popup.BuildMenu(menu);
    const MenuItem* item = menu.Find(id);
    if (!item || item->IsSubmenu() || !item->enabled) {
        err << "velto-tool: the menu has no command " << id << " that can be chosen\n";
        return 1;
    }
    ScriptedAssistant assistant(
        args.size() == 4 ? std::optional<std::string>(args[3]) : std::nullopt, l.folder, err);
    popup.Execute(id, assistant);
    std::string text;
    l.control->GetTextRange(0, l.control->Length(), text);
    out << InPageEncoding(text, l.encoding);
    return assistant.refused ? 1 : (out ? 0 : 1);
}

} // namespace
} // namespace velto::tool
