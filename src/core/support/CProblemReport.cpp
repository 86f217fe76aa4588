// The Report Problem command's settings and the saving of a report.
#include "core/support/CProblemReport.h"

#include "core/platform/FileChooser.h"
#include "core/platform/Profile.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReplaceFile.h"
#include "core/support/MultiLineSetting.h"

#include <cstdio>
#include <filesystem>

namespace velto {

namespace {

constexpr std::string_view Section = "Problem Report";
constexpr int LastNumber = 9999;

struct SingleLineField {
    const char* key;
    std::string ReportContact::*field;
};
constexpr SingleLineField SingleLineFields[] = {
    {"Title", &ReportContact::title}, {"FirstName", &ReportContact::firstName},
    {"LastName", &ReportContact::lastName}, {"Tel", &ReportContact::tel},
    {"Fax", &ReportContact::fax}, {"Email", &ReportContact::email},
};

} // namespace

ReportContact CProblemReport::Load() const {
    ReportContact contact;
    for (const SingleLineField& f : SingleLineFields)
        contact.*f.field = settings_.GetString(Section, f.key, "");
    contact.postalAddress = ReadMultiLine(settings_, Section, "PostalAddress");
    contact.description = ReadMultiLine(settings_, Section, "D");
    return contact;
}

void CProblemReport::Store(const ReportContact& contact) {
    for (const SingleLineField& f : SingleLineFields)
        settings_.WriteString(Section, f.key, contact.*f.field);
    WriteMultiLine(settings_, Section, "PostalAddress", contact.postalAddress);
    WriteMultiLine(settings_, Section, "D", contact.description);
}

int CProblemReport::NextNumber() const {
    const int n = settings_.GetInt(Section, "NextReport", 1);
    return n >= 1 && n <= LastNumber ? n : 1;
}

std::string CProblemReport::ProposedName() const {
    char name[32];
    std::snprintf(name, sizeof name, "prep%02d.txt", NextNumber());
    return name;
}

std::string CProblemReport::LastFolder() const {
    return settings_.GetString(Section, "LastPath", "");
}

CProblemReport::Outcome CProblemReport::Save(const ReportContact& contact, FileChooser& chooser,
                                             Prompter& prompter, ReportFactsSource& facts) {
    const int number = NextNumber();
    FileDialogRequest request;
    request.title = "Choose A Report File Name";
    request.save = true;
    request.overwritePrompt = true;
    request.filter = "Report (*.txt)|*.txt||";
    request.defaultExtension = "txt";
    request.fileName = ProposedName();
    request.initialFolder = LastFolder();
    for (;;) {
        const std::optional<std::string> path = chooser.ChooseFile(request);
        if (!path)
            return Outcome::Cancelled;
        facts.Busy(true);
        std::string error;
        const ReplaceResult result = ReplaceFileContents(*path, BuildReport(contact, facts.Gather(), *path), error);
        facts.Busy(false);
        if (result == ReplaceResult::CannotCreate) {
            prompter.Message(CannotOpenReportMessage, Prompter::Kind::Warning);
            return Outcome::CannotOpen;
        }
        if (result == ReplaceResult::WriteFailed) {
            prompter.Message(ReportSaveFailedMessage, Prompter::Kind::Warning);
            const std::filesystem::path chosen(*path);
            request.fileName = chosen.filename().string();
            request.initialFolder = chosen.parent_path().string();
            continue;
        }
        Store(contact);
        settings_.WriteString(Section, "LastPath", std::filesystem::path(*path).parent_path().string());
        settings_.WriteInt(Section, "NextReport", number >= LastNumber ? 1 : number + 1);
        prompter.Message(ReportSavedMessage, Prompter::Kind::Information);
        return Outcome::Saved;
    }
}

} // namespace velto
