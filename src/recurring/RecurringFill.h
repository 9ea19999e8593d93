#pragma once
// Filling the page's day cells with recurring dates: which entries are
// offered for the months the cells show, the dated texts the chosen ones
// give, and how one text is added to a cell.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "page/CalendarDates.h"

class TCalendarPanel32;
class TWPRichText;

struct DatedText {
    QDate date;
    QString text;
    bool operator==(const DatedText&) const = default;
};

// The lines that apply to at least one of the months, in their order.
QStringList FillCandidates(const QStringList& lines, const QList<MonthYear>& months);
// For each line in order, the dates it falls on in the months, ascending,
// with the text it puts.
QList<DatedText> FillPlacements(const QStringList& chosen, const QList<MonthYear>& months);

// Appends `text` as a new paragraph to the text of cell `cell`, written with
// the writing attributes the editor has after loading the cell's text, and
// stores the result in the cell. The editor is left holding the new text.
void AppendParagraphToCell(TCalendarPanel32& page, int cell, TWPRichText& editor, const QString& text);

// Fills the page from `chosen` without asking: every text goes to the cell
// showing its date, through `editor` (a hidden one will do). Returns the
// number of texts put.
int FillPageWith(TCalendarPanel32& page, TWPRichText& editor, const QStringList& chosen);
