// The tip's time stamp and the report's date keep their English forms under a German time
// locale (made by the build in the folder LOCPATH names), where strftime would not.
#include "core/support/FixedTimeText.h"
#include "core/fakes/TestFiles.h"
#include "core/support/ReportText.h"
#include "core/support/TipsFile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <regex>
#include <string>

#include <sys/stat.h>
#include <utime.h>

using namespace velto;
using namespace velto::test;

namespace {
// The program runs with the user's LC_TIME (Qt sets every category from the environment),
// here a German one, in UTC so that a moment has one known local time.
class GermanTime : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        oldTz_ = tz ? std::optional<std::string>(tz) : std::nullopt;
        setenv("TZ", "UTC", 1);
        tzset();
        ASSERT_TRUE(std::setlocale(LC_TIME, "de_DE.UTF-8"))
            << "no German LC_TIME in LOCPATH="
            << (std::getenv("LOCPATH") ? std::getenv("LOCPATH") : "(unset)");
    }
    void TearDown() override {
        std::setlocale(LC_TIME, "C");
        if (oldTz_)
            setenv("TZ", oldTz_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    // What strftime makes of the pattern in the current locale.
    static std::string Strftime(const char* pattern, std::time_t moment) {
        std::tm tm = LocalTime(moment);
        char text[128];
        return std::strftime(text, sizeof text, pattern, &tm) ? std::string(text) : std::string();
    }

private:
    std::optional<std::string> oldTz_;
};

// 2026-12-07 09:32:02 and 21:05:09 UTC, a Monday; 1970-01-01 00:00:00, a Thursday.
constexpr std::time_t Morning = 1796635922;
constexpr std::time_t Evening = Morning + 11 * 3600 + 33 * 60 + 7;
} // namespace

TEST_F(GermanTime, TheLocaleIsGermanForStrftime) {
    // Without this the tests below could not tell fixed forms from the locale's.
    EXPECT_EQ(Strftime("%B", Morning), "Dezember");
    EXPECT_EQ(Strftime("%a", Morning), "Mo");
}

TEST_F(GermanTime, TheCalendarFormIsAsctimesInEnglish) {
    EXPECT_EQ(CalendarTimeText(LocalTime(Morning)), "Mon Dec  7 09:32:02 2026");
    EXPECT_EQ(CalendarTimeText(LocalTime(Evening)), "Mon Dec  7 21:05:09 2026");
    EXPECT_EQ(CalendarTimeText(LocalTime(0)), "Thu Jan  1 00:00:00 1970");
    EXPECT_EQ(CalendarTimeText(LocalTime(Morning + 10 * 86400)), "Thu Dec 17 09:32:02 2026");
    // A corrupt record names no day or month past the tables.
    std::tm odd = LocalTime(Morning);
    odd.tm_wday = 9;
    odd.tm_mon = -1;
    EXPECT_EQ(CalendarTimeText(odd).size(), 24u);

    TempDir dir;
    const std::string tips = dir.Write("tips.txt", "A tip.\n").string();
    const utimbuf times{Morning, Morning};
    ASSERT_EQ(utime(tips.c_str(), &times), 0);
    EXPECT_EQ(CTipsFile::TimeStamp(tips), "Mon Dec  7 09:32:02 2026");
}

TEST_F(GermanTime, TheReportDateUsesEnglishMonthsAndATwelveHourClock) {
    EXPECT_EQ(ReportDateText(LocalTime(Morning)), "07 December 2026 at 09:32 AM");
    EXPECT_EQ(ReportDateText(LocalTime(Evening)), "07 December 2026 at 09:05 PM");
    EXPECT_EQ(ReportDateText(LocalTime(0)), "01 January 1970 at 12:00 AM");
    EXPECT_EQ(ReportDateText(LocalTime(12 * 3600)), "01 January 1970 at 12:00 PM");

    SystemFacts facts;
    facts.now = Morning;
    const std::string report = BuildReport(ReportContact{}, facts, "/tmp/prep01.txt");
    EXPECT_NE(report.find("Date       : 07 December 2026 at 09:32 AM\r\n"), std::string::npos)
        << report;
}
