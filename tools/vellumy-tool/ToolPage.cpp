#include "ToolPage.h"

#include <QFileInfo>
#include <cstdio>

#include "page/CalendarPanel32.h"
#include "persist/FilerError.h"

ToolPage NewToolPage()
{
    ToolPage made;
    made.owner = new TComponent;
    made.page = new TCalendarPanel32(made.owner);
    made.page->ResetToDefaults();
    return made;
}

bool IsStyleSheetPath(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("QXS"), Qt::CaseInsensitive) == 0;
}

bool OpenToolPage(const char* command, const QString& path, ToolPage& opened, bool styleSheets)
{
    // A missing or unreadable file is not a damaged one: say which it is.
    const QFileInfo file(path);
    if (!file.exists()) {
        std::fprintf(stderr, "vellumy-tool %s: no such file: %s\n", command, qPrintable(path));
        return false;
    }
    if (!file.isFile() || !file.isReadable()) {
        std::fprintf(stderr, "vellumy-tool %s: cannot read %s\n", command, qPrintable(path));
        return false;
    }
    opened = NewToolPage();
    try {
        if (styleSheets && IsStyleSheetPath(path)) {
            opened.page->LoadStyleSheet(path);
        } else {
            opened.page->SetUserTitle(QString());
            opened.page->LoadDocument(path, opened.owner, &opened.objectListError);
            opened.page->AttachAll();
        }
    } catch (const EFilerError&) {
        std::fprintf(stderr, "Unable to open %s. Possibly\ncorrupted, possibly not a Calendar file\n",
                     qPrintable(path));
        return false;
    }
    return true;
}
