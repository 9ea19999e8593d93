#pragma once
// The page a command works on, made and read the way the program does it.
#include <QString>

class TComponent;
class TCalendarPanel32;

struct ToolPage {
    TComponent* owner = nullptr;       // owns the page and the page objects read
    TCalendarPanel32* page = nullptr;
    QString objectListError;           // set when the page objects could not all be read
};

// A page with the settings of a new calendar. Never destroyed: a page's
// destructor empties the program folder's object clipboard, which belongs to
// a running program.
ToolPage NewToolPage();

// A .QXS style sheet or, for any other name, a .QXF document.
bool IsStyleSheetPath(const QString& path);

// Reads PATH into a new page as the program opens it (a style sheet when
// `styleSheets` allows and the name says so). On failure says why on stderr,
// in the program's words for a damaged file, and returns false.
bool OpenToolPage(const char* command, const QString& path, ToolPage& opened, bool styleSheets = false);
