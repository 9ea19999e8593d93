#pragma once
// The object clipboard's hand-off to the object stream. Cut, Copy, Paste and
// Clone write page objects as root records of the object stream and read them
// back as new objects; the page runs the commands (selection, naming of the
// clipboard file, change notifications) and a filer does the stream work.
// One filer serves the whole program; without one, the commands that need
// the stream do nothing.
//
// Filer operations report failures by throwing (the stream's errors); the
// command then stops and shows the error's text.
#include <QList>
#include <QString>

class TGBasePanel;
class TGGraphicControl;

class TGObjectFiler {
public:
    virtual ~TGObjectFiler() = default;

    // Writes the objects, in this order, as one list of root records into the
    // file, which is created anew.
    virtual void WriteObjects(const QList<TGGraphicControl*>& objects, const QString& path) = 0;
    // Reads the file's list of root records into new objects on the page (owner:
    // the page's owner), each named "Component" + the first free number, moved
    // 15 pixels right and down and Loaded; returns them in reading order.
    virtual QList<TGGraphicControl*> ReadObjects(TGBasePanel& page, const QString& path) = 0;
    // Duplicates the object through a memory stream with the same owner and
    // parent, named "Component" + the first free number, not offset, Loaded.
    virtual TGGraphicControl* Duplicate(TGGraphicControl& object) = 0;
};

// The program's filer (not owned); null removes it.
void SetObjectFiler(TGObjectFiler* filer);
TGObjectFiler* ObjectFiler();
