// The Report Problem command's model: the contact fields and description kept in the
// "Problem Report" settings, the proposed report file name, and saving the report.
#pragma once

#include "core/support/ReportText.h"

#include <string>

namespace velto {

class FileChooser;
class Profile;
class Prompter;

// Where the report's facts come from; the platform gathers them once a file is chosen.
class ReportFactsSource {
public:
    virtual ~ReportFactsSource() = default;
    [[nodiscard]] virtual SystemFacts Gather() = 0;
    // Brackets the gathering and writing, so the platform can show a wait cursor.
    virtual void Busy(bool /*busy*/) {}
};

inline constexpr const char* ReportSavedMessage =
    "Report Saved.\n\nThe report includes information about your computer system in addition to any "
    "information you may have typed into the dialog.\n\nPlease examine the saved file with a text editor "
    "before sending it.";
inline constexpr const char* CannotOpenReportMessage = "Can't open report file for writing.";
inline constexpr const char* ReportSaveFailedMessage = "Failed to save report to file.";

class CProblemReport {
public:
    explicit CProblemReport(Profile& settings) : settings_(settings) {}

    // The contact fields and description saved last time (the detail level is not kept).
    [[nodiscard]] ReportContact Load() const;
    void Store(const ReportContact& contact);

    // "prep%02d.txt" with "NextReport" (1 to 9999, else 1) and the "LastPath" folder.
    [[nodiscard]] int NextNumber() const;
    [[nodiscard]] std::string ProposedName() const;
    [[nodiscard]] std::string LastFolder() const;

    enum class Outcome { Saved, Cancelled, CannotOpen };
    // Asks for the file name and writes the report there; a failed write says so and asks
    // again. Once saved, stores the fields, the folder and the next number and says so.
    Outcome Save(const ReportContact& contact, FileChooser& chooser, Prompter& prompter,
                 ReportFactsSource& facts);

private:
    Profile& settings_;
};

} // namespace velto
