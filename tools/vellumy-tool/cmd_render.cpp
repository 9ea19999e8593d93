// vellumy-tool render: the calendar page as the window shows it (the page
// with its page objects), saved as a PNG image.
#include <QFileInfo>
#include <QImage>
#include <QStringList>
#include <QTextDocument>
#include <cstdio>

#include "PageOptions.h"
#include "ToolCommand.h"
#include "ToolPage.h"
#include "page/CalendarPanel32.h"
#include "platform/ScreenMetrics.h"
#include "richtext/WPRtfText.h"

namespace {

struct RenderOptions {
    PageOptions page;
    QString file;
    QString output;
    int zoomPercent = 100;
    std::optional<QString> border;
    std::optional<QString> title;
    QString cellText;
};

RenderOptions parse(const QStringList& args)
{
    RenderOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (ParsePageOption(args, i, o.page))
            continue;
        if (option == QLatin1String("-o"))
            o.output = TakeOptionValue(args, i);
        else if (option == QLatin1String("--zoom"))
            o.zoomPercent = IntOptionValue(option, TakeOptionValue(args, i), 10, 400);
        else if (option == QLatin1String("--border"))
            o.border = TakeOptionValue(args, i);
        else if (option == QLatin1String("--title"))
            o.title = TakeOptionValue(args, i);
        else if (option == QLatin1String("--cell-text"))
            o.cellText = TakeOptionValue(args, i);
        else
            TakeDocumentArgument(option, o.file);
    }
    if (o.output.isEmpty())
        throw UsageError{QStringLiteral("-o OUT.png is required")};
    return o;
}

// A new calendar, then what the options ask for.
void applyOptions(TCalendarPanel32& page, const RenderOptions& o)
{
    ApplyPageOptions(page, o.page);
    if (o.title)
        page.SetUserTitle(*o.title);
    if (o.border)
        page.SetWMFBorderFile(*o.border);
}

// The text in every cell that shows a day (every row of a planner).
void fillCells(TCalendarPanel32& page, const QString& text)
{
    page.DrawPage();
    QTextDocument document;
    document.setPlainText(text);
    TWPRtfText rtf;
    rtf.SetDocument(document);
    for (int i = 1; i <= DayCellCount; ++i) {
        const DayCellInfo& cell = page.MainDrawParams().Cell(i);
        if (!cell.TextRect.IsZero() && (cell.DayNumber > 0 || page.PlannerMode()))
            page.SetCellText(i, rtf);
    }
}

int run(const QStringList& arguments)
{
    RenderOptions o;
    try {
        o = parse(arguments);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "vellumy-tool render: %s\n", qPrintable(error.message));
        return ToolBadUsage;
    }

    SetScreenPPIForTesting(o.page.ppi);
    ToolPage opened;
    if (o.file.isEmpty()) {
        opened = NewToolPage();
    } else {
        if (!OpenToolPage("render", o.file, opened))
            return ToolFailed;
        // The window shows the page without the objects it could not read.
        if (!opened.objectListError.isEmpty())
            std::fprintf(stderr, "vellumy-tool render: the page objects of %s could not all be read (%s)\n",
                         qPrintable(o.file), qPrintable(opened.objectListError));
    }
    TCalendarPanel32* page = opened.page;
    applyOptions(*page, o);
    if (o.border && page->WMFBorderFile() != *o.border)
        std::fprintf(stderr, "vellumy-tool render: no readable border picture '%s' for this orientation in %s\n",
                     qPrintable(*o.border), qPrintable(QFileInfo(page->BorderFilePath(*o.border)).path()));
    if (!o.cellText.isEmpty())
        fillCells(*page, o.cellText);
    if (o.zoomPercent != 100)
        page->SetZoom(float(o.zoomPercent) / 100.0f);

    // One image pixel per page pixel, whatever scale the environment gives
    // the toolkit's screen.
    QImage image(page->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!image.isNull())
        page->render(&image);
    if (image.isNull() || !image.save(o.output, "PNG")) {
        std::fprintf(stderr, "vellumy-tool render: cannot write '%s'\n", qPrintable(o.output));
        return ToolFailed;
    }
    return ToolOk;
}

const QByteArray usage = QByteArray("[FILE] -o OUT.png [--zoom PERCENT] [--border NAME] [--title TEXT] "
                                    "[--cell-text TEXT] ")
    + PageOptionsUsage + ": the page as the window shows it, as a PNG image";
ToolCommandRegistration reg({"render", usage.constData(), &run});

} // namespace
