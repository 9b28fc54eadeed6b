#include "time/local_time.h"

namespace gv {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int DayOfYear(const LocalTime& t) {
    int days = t.day;
    for (int m = 1; m < t.month && m <= 12; ++m) days += DaysInMonth(t.year, m);
    return days;
}

namespace {

// Days since 1970-01-01 (civil calendar, valid for any year).
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

}  // namespace

int WeekdayOf(int year, int month, int day) {
    long long days = DaysFromCivil(year, month, day);
    long long w = (days + 4) % 7;  // 1970-01-01 was a Thursday
    return static_cast<int>(w < 0 ? w + 7 : w);
}

LocalTime MakeLocalTime(int year, int month, int day, int hour, int minute, int second) {
    return LocalTime{year, month, day, hour, minute, second, WeekdayOf(year, month, day)};
}

LocalTime AddSeconds(const LocalTime& t, long long seconds) {
    long long total = DaysFromCivil(t.year, t.month, t.day) * 86400LL + t.hour * 3600LL +
                      t.minute * 60LL + t.second + seconds;
    long long days = total >= 0 ? total / 86400 : (total - 86399) / 86400;
    long long rest = total - days * 86400;
    LocalTime r;
    CivilFromDays(days, r.year, r.month, r.day);
    r.hour = static_cast<int>(rest / 3600);
    r.minute = static_cast<int>(rest / 60 % 60);
    r.second = static_cast<int>(rest % 60);
    r.weekday = WeekdayOf(r.year, r.month, r.day);
    return r;
}

}  // namespace gv
