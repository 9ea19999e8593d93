#include "app/LanguageNames.h"

namespace {

LanguageNameTable table(std::array<const char16_t*, 12> months, std::array<const char16_t*, 7> days)
{
    LanguageNameTable result;
    for (size_t i = 0; i < months.size(); ++i)
        result.months[i] = QString::fromUtf16(months[i]);
    for (size_t i = 0; i < days.size(); ++i)
        result.days[i] = QString::fromUtf16(days[i]);
    return result;
}

} // namespace

const LanguageNameTable& LanguageNames(TCalendarLanguage language)
{
    static const LanguageNameTable english = table(
        {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
         u"October", u"November", u"December"},
        {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"});
    static const LanguageNameTable french = table(
        {u"Janvier", u"F\u00E9vrier", u"Mars", u"Avril", u"Mai", u"Juin", u"Juillet", u"Ao\u00FBt", u"Septembre",
         u"Octobre", u"Novembre", u"D\u00E9cembre"},
        {u"Dimanche", u"Lundi", u"Mardi", u"Mercredi", u"Jeudi", u"Vendredi", u"Samedi"});
    static const LanguageNameTable german = table(
        {u"Januar", u"Februar", u"M\u00E4rz", u"April", u"Mai", u"Juni", u"Juli", u"August", u"September",
         u"Oktober", u"November", u"Dezember"},
        {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag ", u"Samstag"});
    static const LanguageNameTable italian = table(
        {u"Gennaio", u"Febbraio", u"Marzo", u"Aprile", u"Maggio", u"Giugno", u"Luglio", u"Agosto", u"Settembre",
         u"Ottobre", u"Novembre", u"Dicembre"},
        {u"Domenica", u"Luned\u00EC", u"Marted\u00EC", u"Mercoled\u00EC", u"Gioved\u00EC", u"Venerd\u00EC",
         u"Sabato"});
    static const LanguageNameTable spanish = table(
        {u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio", u"Julio", u"Agosto", u"Septiembre",
         u"Octubre", u"Noviembre", u"Diciembre"},
        {u"Domingo", u"Lunes", u"Martes", u"Mi\u00E9rcoles", u"Jueves", u"Viernes", u"S\u00E1bado"});
    switch (language) {
    case TCalendarLanguage::French: return french;
    case TCalendarLanguage::German: return german;
    case TCalendarLanguage::Italian: return italian;
    case TCalendarLanguage::Spanish: return spanish;
    case TCalendarLanguage::English: break;
    }
    return english;
}
