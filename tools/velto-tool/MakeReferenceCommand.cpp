// velto-tool make-reference OUTDIR: writes the editor's HTML reference set, made from the
// knowledge base, into a folder (the build puts it into the data folder's references).
#include "ToolCommand.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/reference/ReferenceGenerator.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{{"make-reference", "OUTDIR",
                           "write the HTML reference made from the knowledge base into OUTDIR: \"" +
                               std::string(GeneratedReferenceName) + ".cfg\", \"" +
                               std::string(ReferenceLoadingPage) +
                               "\" and the folder of pages with their index files",
                           Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty())
        return UsageError("make-reference", err);
    // Every version stays selected: the reference describes them all.
    CHtmlConfig htmlConfig;
    const CEditorConfig editorConfig;
    const HtmlKnowledgeBase kb(htmlConfig, editorConfig);
    const std::vector<ReferenceFile> files = MakeReferenceFiles(kb);
    std::string error;
    if (!WriteReferenceFiles(files, args[0], error)) {
        err << "velto-tool: " << error << '\n';
        return 1;
    }
    out << "Wrote " << files.size() << " files of the " << GeneratedReferenceName << " ("
        << kb.Elements().size() << " elements) to " << args[0] << '\n';
    return out ? 0 : 1;
}

} // namespace
} // namespace velto::tool
