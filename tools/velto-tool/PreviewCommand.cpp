// velto-tool preview-file DOC [options] and velto-tool previewers: the preview file that
// Refresh Preview writes, and the previewer profiles as the settings give them.
#include "PageInput.h"
#include "ToolCommand.h"

#include "core/config/GeneralConfig.h"
#include "core/platform/MemoryProfile.h"
#include "core/platform/MemoryTextControl.h"
#include "core/platform/Prompter.h"
#include "core/preview/CCleanupList.h"
#include "core/preview/CPreviewConfig.h"
#include "core/preview/CPreviewDriver.h"
#include "core/preview/CommandLine.h"
#include "ui/platform/QtProfile.h"

#include <algorithm>
#include <climits>
#include <ostream>

namespace velto::tool {
namespace {

int RunPreviewFile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunPreviewers(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar previewFile{
    {"preview-file", "DOC [--profile NAME] [--scroll] [--first-line N]",
     "write the preview file of DOC beside it as Refresh Preview does (the settings' profile, "
     "preview file names and scrolling, unless the options say otherwise; N the first visible "
     "line, 0 by default) and print the address handed to the browser",
     RunPreviewFile}};
const Registrar previewers{
    {"previewers", "",
     "print the previewer profiles as the settings give them, one a line: "
     "\"NAME<TAB>PREVIEWER<TAB>DELAY<TAB>FLAGS\", the current one marked with \"*\" before it, "
     "then \"Keep Velto In Front: 0|1\"",
     RunPreviewers}};

// Messages go to the error stream; questions are answered No.
class StreamPrompter final : public Prompter {
public:
    explicit StreamPrompter(std::ostream& err) : err_(err) {}
    void Message(const std::string& text, Kind) override { err_ << text << '\n'; }
    bool AskYesNo(const std::string& text) override {
        err_ << text << '\n';
        return false;
    }
    Answer AskYesNoCancel(const std::string& text) override {
        err_ << text << '\n';
        return Answer::Cancel;
    }

private:
    std::ostream& err_;
};

// The browser is never reached: the tool only writes the file.
class NoBrowser final : public BrowserPort {
public:
    bool Start(const std::string&, const std::vector<std::string>&) override { return false; }
    bool OpenWithDesktop(const std::string&) override { return false; }
    void KeepEditorInFront(int) override {}
};

bool OnPath(const std::string& program) {
    return FindProgram(program).has_value();
}

int RunPreviewFile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return UsageError("preview-file", err);
    QtProfile settings;
    CGeneralConfig general;
    general.Load(settings);
    PreviewerProfiles profiles;
    profiles.Initialise(settings, OnPath);
    int firstLine = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--scroll") {
            general.scrollPreview = 1;
        } else if (args[i] == "--profile" && i + 1 < args.size()) {
            const CPreviewConfig* named = PreviewerProfiles::FindByName(profiles.List(), args[++i]);
            if (!named) {
                err << "velto-tool: no previewer profile \"" << args[i] << "\"\n";
                return 2;
            }
            profiles.Select(named);
        } else if (args[i] == "--first-line" && i + 1 < args.size()) {
            const std::optional<long long> n = ParseOffset(args[++i], err);
            if (!n)
                return 2;
            firstLine = static_cast<int>(std::min<long long>(*n, INT_MAX));
        } else {
            return UsageError("preview-file", err);
        }
    }
    std::string text;
    DocumentEncoding encoding;
    if (!ReadPageFile(args[0], text, encoding, err))
        return 1;
    MemoryTextControl control(std::move(text));
    control.SetVisibleLines(firstLine, 1);
    // The tool's preview files are the caller's to delete: none is listed for clean-up.
    MemoryProfile scratch;
    StreamPrompter prompter(err);
    CCleanupList cleanup(scratch, prompter);
    NoBrowser browser;
    CPreviewDriver driver(profiles, cleanup, general, settings, prompter, browser);
    // The editor previews a document by its full path: so does the tool, however the
    // document was named on the command line.
    const std::string path = AbsolutePath(args[0]);
    const std::optional<std::string> url = driver.WritePreview(control, path, &encoding);
    if (!url)
        return 1;
    out << *url << '\n';
    return 0;
}

int RunPreviewers(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty())
        return UsageError("previewers", err);
    QtProfile settings;
    PreviewerProfiles profiles;
    profiles.Initialise(settings, OnPath);
    const CPreviewConfig* current = profiles.Current();
    for (const CPreviewConfig& p : profiles.List()) {
        std::string flags;
        const auto flag = [&flags](bool on, const char* name) {
            if (on)
                flags += (flags.empty() ? "" : ",") + std::string(name);
        };
        flag(p.NeedBaseURL, "NeedBaseURL");
        flag(p.NeedDefaultTitle, "NeedDefaultTitle");
        flag(p.WindowActivateSelf, "WindowActivateSelf");
        flag(p.ProvideFragment, "ProvideFragment");
        out << (&p == current ? "*" : "") << p.Profile << '\t'
            << (p.UsesDesktopBrowser() ? "(desktop browser)" : p.Previewer) << '\t'
            << p.DelayOnAppStart << '\t' << flags << '\n';
    }
    out << "Keep Velto In Front: " << (profiles.KeepInFront() ? 1 : 0) << '\n';
    return 0;
}

} // namespace
} // namespace velto::tool
