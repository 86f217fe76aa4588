// velto-tool report [--level concise|standard|detailed] OUT: a problem report about this
// computer with empty contact fields, as the Report Problem command writes it.
#include "ToolCommand.h"

#include "core/platform/ReplaceFile.h"
#include "core/support/CProblemReport.h"
#include "core/support/LinuxFacts.h"
#include "core/support/ReportText.h"
#include "ui/platform/QtProfile.h"

#include <filesystem>
#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{{"report", "[--level concise|standard|detailed] OUT",
                           "write a problem report about this computer (standard detail by default) "
                           "with empty contact fields to OUT",
                           Run}};

std::optional<ReportDetail> DetailNamed(const std::string& name) {
    if (name == "concise")
        return ReportDetail::Concise;
    if (name == "standard")
        return ReportDetail::Standard;
    if (name == "detailed")
        return ReportDetail::Detailed;
    return std::nullopt;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ReportContact contact;
    contact.detail = ReportDetail::Standard;
    std::string path;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--level" && i + 1 < args.size()) {
            const std::optional<ReportDetail> detail = DetailNamed(args[++i]);
            if (!detail) {
                err << "velto-tool: unknown level \"" << args[i] << "\": concise, standard or detailed\n";
                return 2;
            }
            contact.detail = *detail;
        } else if (path.empty() && !args[i].empty() && args[i][0] != '-') {
            path = args[i];
        } else {
            return UsageError("report", err);
        }
    }
    if (path.empty())
        return UsageError("report", err);

    std::error_code ec;
    FactsRequest request;
    request.productVersion = VELTO_VERSION;
    request.executable = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    request.settingsPath = QtProfile().FileName().toStdString();
    request.qtPlatform = "none (velto-tool has no window)";
    request.qtVersion = std::string(qVersion()) + " (built with " QT_VERSION_STR ")";
    request.currentFolder = std::filesystem::current_path(ec).string();
    const std::string absolute = std::filesystem::absolute(path, ec).string();
    std::string error;
    switch (ReplaceFileContents(absolute, BuildReport(contact, GatherSystemFacts(request), absolute), error)) {
    case ReplaceResult::Written:
        out << absolute << '\n';
        return 0;
    case ReplaceResult::CannotCreate:
        err << "velto-tool: " << CannotOpenReportMessage << " (" << error << ")\n";
        return 1;
    case ReplaceResult::WriteFailed:
        err << "velto-tool: " << ReportSaveFailedMessage << " (" << error << ")\n";
        return 1;
    }
    return 1;
}

} // namespace
} // namespace velto::tool
