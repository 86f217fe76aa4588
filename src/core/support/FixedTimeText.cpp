// Dates and times written in fixed English forms.
#include "core/support/FixedTimeText.h"

#include <cstdio>

namespace velto {

namespace {
constexpr const char* WeekDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                    "Thursday", "Friday", "Saturday"};
constexpr const char* Months[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};

// A field out of its range (a hand-made or corrupt value) is brought into it rather than
// read past a table.
int InRange(int value, int count) {
    return value >= 0 && value < count ? value : 0;
}

std::string Abbreviated(const char* name) {
    return std::string(name, 3);
}
} // namespace

std::string CalendarTimeText(const std::tm& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %2d %02d:%02d:%02d %d",
                  Abbreviated(WeekDays[InRange(time.tm_wday, 7)]).c_str(),
                  Abbreviated(Months[InRange(time.tm_mon, 12)]).c_str(), time.tm_mday, time.tm_hour,
                  time.tm_min, time.tm_sec, time.tm_year + 1900);
    return text;
}

std::string ReportDateText(const std::tm& time) {
    // The 12-hour clock of "%I:%M %p": midnight and noon are 12.
    const int hour12 = time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12;
    char text[64];
    std::snprintf(text, sizeof text, "%02d %s %d at %02d:%02d %s", time.tm_mday,
                  Months[InRange(time.tm_mon, 12)], time.tm_year + 1900, hour12, time.tm_min,
                  time.tm_hour < 12 ? "AM" : "PM");
    return text;
}

std::tm LocalTime(std::time_t moment) {
    std::tm local{};
    if (!localtime_r(&moment, &local))
        return std::tm{};
    return local;
}

} // namespace velto
