#pragma once
// The month and day names of the five languages the properties dialog offers.
#include <QString>
#include <array>

enum class TCalendarLanguage { English, French, German, Italian, Spanish };

struct LanguageNameTable {
    std::array<QString, 12> months;  // January first
    std::array<QString, 7> days;     // Sunday first
};

// The names exactly as stored into a page (the German Friday ends in a blank,
// and documents made with it carry that blank).
const LanguageNameTable& LanguageNames(TCalendarLanguage language);
