#include "time/date_locale.h"

namespace gv {

// Both locales are built once, on first use, and never change afterwards, so references to them
// stay valid for the life of the program.

const DateLocale& JapaneseLocale() {
    static const DateLocale locale{
        {"日", "月", "火", "水", "木", "金", "土"},
        {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"},
        {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
        {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
        "/",
        ":",
        "午前",
        "午後",
        "yyyy/MM/dd",
        "yyyy'年'M'月'd'日'",
        "H:mm:ss",
    };
    return locale;
}

const DateLocale& EnglishLocale() {
    static const DateLocale locale{
        {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
        {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"},
        "/",
        ":",
        "AM",
        "PM",
        "M/d/yyyy",
        "dddd, MMMM d, yyyy",
        "h:mm:ss tt",
    };
    return locale;
}

}  // namespace gv
