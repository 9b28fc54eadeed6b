#pragma once

namespace gv {

// A local date and time as the clock reads it. weekday counts from Sunday = 0.
struct LocalTime {
    int year = 1900;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 1;
    int millisecond = 0;  // within the second: the clock plans to the boundary of the next

    bool operator==(const LocalTime&) const = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// 1 for 1 January.
int DayOfYear(const LocalTime& t);
// Sunday = 0, proleptic Gregorian calendar.
int WeekdayOf(int year, int month, int day);
// A LocalTime with its weekday filled in.
LocalTime MakeLocalTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// The same instant moved on by whole seconds (seconds may be large; stays valid across months
// and years). Used by the simulated clocks of tests and benchmarks.
LocalTime AddSeconds(const LocalTime& t, long long seconds);

}  // namespace gv
