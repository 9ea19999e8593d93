// vellumy-tool resave: reads a calendar document or style sheet into a page
// as the program opens it and writes it out again (by OUT's extension: .QXS a
// style sheet, anything else a document); an object clipboard file is written
// back as a clipboard file. An untouched file comes out byte for byte as it
// went in.
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "ToolCommand.h"
#include "ToolPage.h"
#include "objects/GLabelObjectFiler.h"
#include "page/CalendarPanel32.h"

namespace {

int run(const QStringList& arguments)
{
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: vellumy-tool resave IN OUT\n");
        return ToolBadUsage;
    }
    const QString& in = arguments[0];
    const QString& out = arguments[1];

    // A clipboard file comes out as one again, the objects where they were.
    if (IsClipboardFile(in)) {
        ToolPage clipboard;
        QList<TGGraphicControl*> objects;
        if (!OpenToolClipboard("resave", in, clipboard, objects))
            return ToolFailed;
        if (!clipboard.objectListError.isEmpty()) {
            std::fprintf(stderr, "vellumy-tool resave: the objects of %s could not all be read (%s); %s was not written\n",
                         qPrintable(in), qPrintable(clipboard.objectListError), qPrintable(out));
            return ToolFailed;
        }
        try {
            ProgramObjectFiler().WriteObjects(objects, out);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "Unable to save %s\n%s\n", qPrintable(out), error.what());
            return ToolFailed;
        }
        return ToolOk;
    }

    ToolPage opened;
    if (!OpenToolPage("resave", in, opened, true))
        return ToolFailed;
    TCalendarPanel32* page = opened.page;
    const QString& objectListError = opened.objectListError;
    // The program carries on without the objects it could not read; writing
    // the page now would lose them for good.
    if (!objectListError.isEmpty()) {
        std::fprintf(stderr,
                     "vellumy-tool resave: the page objects of %s could not all be read (%s); %s was not written\n",
                     qPrintable(in), qPrintable(objectListError), qPrintable(out));
        return ToolFailed;
    }

    QString error;
    const bool saved = IsStyleSheetPath(out) ? page->SaveStyleSheet(out, &error) : page->SaveDocument(out, &error);
    if (!saved) {
        std::fprintf(stderr, "Unable to save %s\n%s\n", qPrintable(out), qPrintable(error));
        return ToolFailed;
    }
    return ToolOk;
}

ToolCommandRegistration reg({"resave", "IN OUT: read a .QXF/.QXS or an object clipboard file and write it again", &run});

} // namespace
