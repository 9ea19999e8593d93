#include "ToolPage.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "objects/GLabelObjectFiler.h"
#include "objects/kinds/HeadlessOwner.h"
#include "page/CalendarPanel32.h"
#include "persist/FilerError.h"

ToolPage NewToolPage()
{
    ToolPage made;
    made.owner = new THeadlessOwner;
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

bool IsClipboardFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A list begin, then a root record's signature or at once the list's end;
    // a document's list starts with its format version, an integer.
    const QByteArray start = file.read(5);
    return start.size() >= 2 && start[0] == '\x01' && (start.mid(1) == "TPF0" || start.mid(1) == QByteArray(1, '\0'));
}

bool OpenToolClipboard(const char* command, const QString& path, ToolPage& opened,
                       QList<TGGraphicControl*>& objects)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vellumy-tool %s: cannot read %s\n", command, qPrintable(path));
        return false;
    }
    opened = NewToolPage();
    try {
        TGLabelObjectFiler::ReadList(file, opened.owner, opened.page, 0, objects, true);
    } catch (const std::exception& error) {
        opened.objectListError = QString::fromUtf8(error.what());
    }
    opened.page->AttachAll();
    return true;
}
