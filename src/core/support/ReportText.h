// The problem report's text: titled sections of aligned label and value lines, each line
// ending in CR LF whatever the platform, since the report is read by its maker anywhere.
#pragma once

#include "core/support/SystemFacts.h"

#include <cstdint>
#include <string>

namespace velto {

// What the user typed into the problem report dialog.
struct ReportContact {
    std::string title;
    std::string firstName;
    std::string lastName;
    std::string postalAddress; // several lines
    std::string tel;
    std::string fax;
    std::string email;
    std::string description; // several lines
    ReportDetail detail = ReportDetail::Concise;
};

// A heading line: " TITLE " centred in fill characters, 78 wide with "#" (level 1), 70
// with "=" (level 2), 60 with "-" (level 3); an odd fill character goes to the right.
[[nodiscard]] std::string ReportHeading(int level, const std::string& title);

// "%luM" from 2 MB up, "%luK" from 2 KB up, else "%lu bytes".
[[nodiscard]] std::string ReportSize(std::uint64_t bytes);

// The time since the system started in whole days, hours or minutes: "1 day(s) ago".
[[nodiscard]] std::string LastBootText(std::uint64_t minutes);

// The whole report written to reportPath.
[[nodiscard]] std::string BuildReport(const ReportContact& contact, const SystemFacts& facts,
                                      const std::string& reportPath);

} // namespace velto
