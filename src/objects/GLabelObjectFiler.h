#pragma once
// TGLabelObjectFiler: the object clipboard and Clone on the object stream.
// The clipboard file holds one list of root records, one per object; reading
// creates each record's registered class, names it "Component" + the first
// free number and drops records that are no page objects.
#include "objects/ObjectFiler.h"

class QIODevice;
class TComponent;
class QWidget;

class TGLabelObjectFiler : public TGObjectFiler {
public:
    // Writes through a temporary file: a failed write keeps the previous
    // clipboard instead of leaving half a list.
    void WriteObjects(const QList<TGGraphicControl*>& objects, const QString& path) override;
    QList<TGGraphicControl*> ReadObjects(TGBasePanel& page, const QString& path) override;
    TGGraphicControl* Duplicate(TGGraphicControl& object) override;

    // The list of root records on a device, and reading one back as new
    // objects of `owner` on `parent`, each moved by `offset` pixels right and
    // down and named "Component" + the first free number (or, for tools that
    // show a file as it is, by the names stored). Objects read before a
    // failure are handed to `read` and stay.
    static void WriteList(QIODevice& device, const QList<TGGraphicControl*>& objects);
    static void ReadList(QIODevice& device, TComponent* owner, QWidget* parent, int offset,
                         QList<TGGraphicControl*>& read, bool keepStoredNames = false);
};

// The program's filer, installed once (InstallPageObjectKinds).
TGLabelObjectFiler& ProgramObjectFiler();
