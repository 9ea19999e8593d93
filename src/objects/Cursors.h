#pragma once
// The application's cursor table. Page objects store cursors by these numbers
// (the Cursor property), and the page switches the application-wide cursor
// between them while the user points, grabs and drags.
#include <QCursor>

enum TGCursorId : int {
    crDefault = 0,
    crHandGrab = 6,      // our grabbing hand, "HANDGRAB"
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crHandPoint = -10,   // our pointing hand, "HANDPOINT" (replaces the up arrow)
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
};

// The cursor of a table number; unknown numbers give the arrow.
QCursor CursorFor(int id);

// The two hand cursors drawn for this program, by resource name ("HANDGRAB",
// "HANDPOINT"); the arrow for any other name.
QCursor ResourceCursor(const char* name);

class QWidget;

// The cursor of the page's tools, grabs and drags, set on the page itself:
// the page and the objects on it show it, other windows keep theirs, and the
// application's override stack stays for the busy cursor alone. crDefault
// gives the page its own cursor back.
void SetPageCursor(QWidget* page, int id);
// The cursor number last set on a page.
int PageCursor();
