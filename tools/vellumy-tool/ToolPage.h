#pragma once
// The page a command works on, made and read the way the program does it.
#include <QList>
#include <QString>

class TComponent;
class TCalendarPanel32;
class TGGraphicControl;

struct ToolPage {
    TComponent* owner = nullptr;       // owns the page and the page objects read, and holds
                                       // the master rich-text control
    TCalendarPanel32* page = nullptr;
    QString objectListError;           // set when the page objects could not all be read
};

// A page with the settings of a new calendar. Never destroyed: the program
// ends with it.
ToolPage NewToolPage();

// A .QXS style sheet or, for any other name, a .QXF document.
bool IsStyleSheetPath(const QString& path);

// Reads PATH into a new page as the program opens it (a style sheet when
// `styleSheets` allows and the name says so). On failure says why on stderr,
// in the program's words for a damaged file, and returns false.
bool OpenToolPage(const char* command, const QString& path, ToolPage& opened, bool styleSheets = false);

// An object clipboard file (a list of root records, as Cut and Copy write it)
// rather than a document: told by its first bytes.
bool IsClipboardFile(const QString& path);

// Reads the page objects of a clipboard file onto a new page, at the
// positions and under the names stored. A list cut by an error keeps the objects before it and
// names the error in opened.objectListError. False (said on stderr) when the
// file cannot be read at all.
bool OpenToolClipboard(const char* command, const QString& path, ToolPage& opened,
                       QList<TGGraphicControl*>& objects);
