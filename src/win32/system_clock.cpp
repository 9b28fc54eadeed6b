#include "win32/system_clock.h"

#include "win32/text_convert.h"

namespace gv::win32 {

LocalTime SystemClock::Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    LocalTime time;
    time.year = now.wYear;
    time.month = now.wMonth;
    time.day = now.wDay;
    time.hour = now.wHour;
    time.minute = now.wMinute;
    time.second = now.wSecond;
    time.weekday = now.wDayOfWeek;
    time.millisecond = now.wMilliseconds;
    return time;
}

std::int64_t SystemClock::MonotonicMs() { return static_cast<std::int64_t>(GetTickCount64()); }

void SystemClock::Sleep(std::int32_t milliseconds) {
    if (milliseconds > 0) ::Sleep(static_cast<DWORD>(milliseconds));
}

void WindowTimer::SetInterval(std::int32_t milliseconds) {
    // The timer stays one timer: a new interval replaces the old one and restarts its period.
    if (milliseconds <= 0) {
        KillTimer(window_, id_);
        return;
    }
    SetTimer(window_, id_, static_cast<UINT>(milliseconds), nullptr);
}

namespace {

std::string LocaleText(LCTYPE item) {
    wchar_t text[128] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text, 128);
    if (length <= 1) return {};
    return Narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1)));
}

}  // namespace

DateLocale LoadUserLocale() {
    // The system numbers weekday names from Monday; the patterns count from Sunday.
    static constexpr LCTYPE kDayNames[7] = {LOCALE_SDAYNAME7, LOCALE_SDAYNAME1, LOCALE_SDAYNAME2,
                                            LOCALE_SDAYNAME3, LOCALE_SDAYNAME4, LOCALE_SDAYNAME5,
                                            LOCALE_SDAYNAME6};
    static constexpr LCTYPE kDayAbbrevs[7] = {LOCALE_SABBREVDAYNAME7, LOCALE_SABBREVDAYNAME1,
                                              LOCALE_SABBREVDAYNAME2, LOCALE_SABBREVDAYNAME3,
                                              LOCALE_SABBREVDAYNAME4, LOCALE_SABBREVDAYNAME5,
                                              LOCALE_SABBREVDAYNAME6};
    static constexpr LCTYPE kMonthNames[12] = {
        LOCALE_SMONTHNAME1, LOCALE_SMONTHNAME2,  LOCALE_SMONTHNAME3,  LOCALE_SMONTHNAME4,
        LOCALE_SMONTHNAME5, LOCALE_SMONTHNAME6,  LOCALE_SMONTHNAME7,  LOCALE_SMONTHNAME8,
        LOCALE_SMONTHNAME9, LOCALE_SMONTHNAME10, LOCALE_SMONTHNAME11, LOCALE_SMONTHNAME12};
    static constexpr LCTYPE kMonthAbbrevs[12] = {
        LOCALE_SABBREVMONTHNAME1,  LOCALE_SABBREVMONTHNAME2,  LOCALE_SABBREVMONTHNAME3,
        LOCALE_SABBREVMONTHNAME4,  LOCALE_SABBREVMONTHNAME5,  LOCALE_SABBREVMONTHNAME6,
        LOCALE_SABBREVMONTHNAME7,  LOCALE_SABBREVMONTHNAME8,  LOCALE_SABBREVMONTHNAME9,
        LOCALE_SABBREVMONTHNAME10, LOCALE_SABBREVMONTHNAME11, LOCALE_SABBREVMONTHNAME12};

    DateLocale locale;
    for (int i = 0; i < 7; ++i) {
        locale.dayFull[static_cast<std::size_t>(i)] = LocaleText(kDayNames[i]);
        locale.dayAbbrev[static_cast<std::size_t>(i)] = LocaleText(kDayAbbrevs[i]);
    }
    for (int i = 0; i < 12; ++i) {
        locale.monthFull[static_cast<std::size_t>(i)] = LocaleText(kMonthNames[i]);
        locale.monthAbbrev[static_cast<std::size_t>(i)] = LocaleText(kMonthAbbrevs[i]);
    }
    locale.dateSeparator = LocaleText(LOCALE_SDATE);
    locale.timeSeparator = LocaleText(LOCALE_STIME);
    locale.morning = LocaleText(LOCALE_S1159);
    locale.afternoon = LocaleText(LOCALE_S2359);
    locale.shortDatePicture = LocaleText(LOCALE_SSHORTDATE);
    locale.longDatePicture = LocaleText(LOCALE_SLONGDATE);
    locale.timePicture = LocaleText(LOCALE_STIMEFORMAT);
    return locale;
}

}  // namespace gv::win32
