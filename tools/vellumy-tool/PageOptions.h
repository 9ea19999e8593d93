#pragma once
// The page options shared by the commands that build a calendar page
// (layout, render): which layout, date, paper, margins, week start, number
// position and screen resolution. An option not given stays empty, so each
// command decides its own defaults.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "page/CalendarTypes.h"

class TCalendarPanel32;

struct PageOptions {
    std::optional<int> layout;
    std::optional<int> month;
    std::optional<int> year;
    std::optional<int> day;
    bool a4 = false;
    std::optional<std::array<float, 4>> margins;   // left, top, right, bottom
    std::optional<int> startOfWeek;
    std::optional<TCalendarNumberPosition> numberPosition;
    int ppi = 96;
};

// Sets on the page what the options give; a layout given is chosen as the
// properties dialog chooses it, with the mini font sizes of that layout.
void ApplyPageOptions(TCalendarPanel32& page, const PageOptions& options);

// A bad option; its message is one line.
struct UsageError {
    QString message;
};

// The usage text of the page options.
extern const char* const PageOptionsUsage;

// Takes the page option at args[i] (and its value, advancing i) into
// `options`; false when args[i] is no page option. Throws UsageError for a
// page option with a missing or bad value.
bool ParsePageOption(const QStringList& args, int& i, PageOptions& options);

// The value that follows the option at args[i]; advances i. Throws UsageError
// when the option is the last argument.
QString TakeOptionValue(const QStringList& args, int& i);

// A word that is no option names the command's one document: taken into
// `file`. Throws UsageError for an unknown option or a second document.
void TakeDocumentArgument(const QString& word, QString& file);

// A whole number option value within low..high (throws UsageError).
int IntOptionValue(const QString& option, const QString& text, int low, int high);
