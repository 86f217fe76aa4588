// Dates and times written in fixed English forms, whatever the user's locale: the tips
// file's time stamp is compared with a stored text, and a problem report is read by its
// maker, so neither may change with the language the desktop runs in.
#pragma once

#include <ctime>
#include <string>

namespace velto {

// The 24-character calendar form of asctime, without its line end:
// "Mon Dec  7 09:32:02 2026".
[[nodiscard]] std::string CalendarTimeText(const std::tm& time);

// The report's date: "07 December 2026 at 09:32 AM".
[[nodiscard]] std::string ReportDateText(const std::tm& time);

// The local time of a moment, as localtime_r gives it (all zero when it cannot).
[[nodiscard]] std::tm LocalTime(std::time_t moment);

} // namespace velto
