#pragma once

#include <array>
#include <string>

namespace gv {

// What the date-pattern formatter needs of a locale, as plain data in UTF-8. The short date,
// long date and time formats are kept as the locale's own pictures in the Windows picture
// language (d dd ddd dddd, M MM MMM MMMM, y yy yyyy, g gg, h hh H HH, m mm, s ss, t tt,
// 'quoted text'), so the Windows layer can copy them from the system unchanged and tests can
// supply fixed ones.
struct DateLocale {
    std::array<std::string, 7> dayAbbrev;  // Sunday first
    std::array<std::string, 7> dayFull;
    std::array<std::string, 12> monthAbbrev;  // January first
    std::array<std::string, 12> monthFull;
    std::string dateSeparator;
    std::string timeSeparator;
    std::string morning;    // the locale's AM string
    std::string afternoon;  // the locale's PM string
    std::string shortDatePicture;
    std::string longDatePicture;
    std::string timePicture;
};

// Fixed locales, for the tests, fuzzers and tools that must give the same text on any machine.
const DateLocale& JapaneseLocale();
const DateLocale& EnglishLocale();

}  // namespace gv
