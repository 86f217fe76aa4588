// velto-tool colour-runs [--count] FILE: the style runs the colouring gives a whole file.
#include "ColourRuns.h"
#include "MappedInput.h"
#include "PageInput.h"

#include "core/encoding/PageDecoding.h"
#include "RunTallyControl.h"
#include "ToolCommand.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/CHtmlColourer.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"

#include <array>
#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"colour-runs", "[--count] FILE",
     "colour the whole file as the Options sample is coloured (default settings and version "
     "selection) and print each run of one class as \"START END CLASS\" (byte offsets, END "
     "exclusive); with --count, the number of runs of each class instead",
     Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool count = !args.empty() && args[0] == "--count";
    if (args.size() != (count ? 2u : 1u) || args.back().starts_with("--"))
        return UsageError("colour-runs", err);
    MappedInput input;
    if (!input.Open(args.back(), err))
        return 1;
    // Coloured as the editor holds the page: a page that is not UTF-8 is decoded first.
    const DecodedPage page = ChosenEncoding() ? DecodePageAs(input.Bytes(), *ChosenEncoding())
                                              : DecodePage(input.Bytes(), Windows1252Encoding());
    const std::string_view text = page.Text(input.Bytes());

    CHtmlConfig htmlConfig;
    const CEditorConfig editorConfig;
    HtmlKnowledgeBase kb(htmlConfig, editorConfig);
    kb.RebuildAllowed();
    const AppearanceSettings appearance;
    // The runs are taken as the colouring hands them over; no style is stored.
    std::array<std::size_t, AppearanceClassCount> runs{};
    RunTallyControl control(text, [&](std::size_t start, std::size_t end, std::uint8_t style) {
        if (count) {
            if (style < runs.size())
                ++runs[style];
        } else {
            PrintRun(start, end, style, out);
        }
    });
    CHtmlColourer(kb, appearance.Mode()).ColourWholeControl(control);
    control.Finish();
    if (count)
        for (std::size_t i = 0; i < runs.size(); ++i)
            out << AppearanceClasses[i].name << ' ' << runs[i] << '\n';
    return out ? 0 : 1;
}

} // namespace
} // namespace velto::tool
