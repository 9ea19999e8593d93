// vellumy-tool layout: the page geometry of one layout as JSON, for checking
// the layout engine from scripts.
#include <QStringList>
#include <cstdio>
#include <algorithm>

#include "PageOptions.h"
#include "ToolCommand.h"
#include "page/CalendarPanel32.h"
#include "platform/ScreenMetrics.h"

namespace {

// The layout command's defaults: a page as constructed, in January 1997.
struct Options {
    int layout = loFullCalendar;
    int month = 1;
    int year = 1997;
    int day = 0;
    bool a4 = false;
    float margins[4] = {0.25f, 0.25f, 0.25f, 0.25f};
    int startOfWeek = 1;
    TCalendarNumberPosition numberPosition = cnpUpperRight;
    int ppi = 96;
};

Options parse(const QStringList& args)
{
    PageOptions page;
    for (int i = 0; i < args.size(); ++i) {
        if (!ParsePageOption(args, i, page))
            throw UsageError{QStringLiteral("unknown option '%1'").arg(args[i])};
    }
    Options o;
    o.layout = page.layout.value_or(o.layout);
    o.month = page.month.value_or(o.month);
    o.year = page.year.value_or(o.year);
    o.day = page.day.value_or(o.day);
    o.a4 = page.a4;
    if (page.margins)
        std::copy(page.margins->begin(), page.margins->end(), o.margins);
    o.startOfWeek = page.startOfWeek.value_or(o.startOfWeek);
    o.numberPosition = page.numberPosition.value_or(o.numberPosition);
    o.ppi = page.ppi;
    return o;
}

QString rect(const PixelRect& r)
{
    return QStringLiteral("[%1, %2, %3, %4]").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

QString boolean(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString cellJson(int index, const DayCellInfo& cell)
{
    return QStringLiteral("{\"index\": %1, \"rect\": %2, \"day\": %3, \"textRect\": %4}")
        .arg(index).arg(rect(cell.CellRect)).arg(cell.DayNumber).arg(rect(cell.TextRect));
}

// The page as the options describe it. Settings go in before the layout so
// that a mini-only layout keeps the main rectangle of that very page.
TCalendarPanel32* buildPage(const Options& o)
{
    // Never destroyed: a page's destructor empties the program folder's object
    // clipboard, which belongs to the running application.
    auto* page = new TCalendarPanel32(nullptr);
    page->SetPaperSizeA4(o.a4);
    page->SetLeftMarginInch(o.margins[0]);
    page->SetTopMarginInch(o.margins[1]);
    page->SetRightMarginInch(o.margins[2]);
    page->SetBottomMarginInch(o.margins[3]);
    page->SetStartOfWeek(o.startOfWeek);
    page->SetNumberPosition(o.numberPosition);
    page->SetMainCalDay(o.day);
    page->SetMainCalMonth(o.month);
    page->SetMainCalYear(o.year);
    page->SetCalendarLayout(TCalendarLayout(o.layout));
    return page;
}

QString gridJson(TCalendarPanel32& page)
{
    const TCalendarLayout layout = page.CalendarLayout();
    if (IsMiniOnlyLayout(layout))
        return QStringLiteral("null");
    // Drawing the page fills the cell records of its main grid or planner.
    page.grab();
    const CalDrawParams& params = page.MainDrawParams();
    const int cellCount = IsPlannerLayout(layout) ? PlannerRowCount(layout) + 1 : DayCellCount;
    QStringList cells;
    for (int i = 1; i <= cellCount; ++i)
        cells.append(QStringLiteral("      ") + cellJson(i, params.Cell(i)));
    return QStringLiteral("{\n    \"titleRect\": %1,\n    \"headersRect\": %2,\n    \"cells\": [\n%3\n    ]\n  }")
        .arg(rect(params.TitleRect), rect(params.HeadersRect), cells.join(QStringLiteral(",\n")));
}

int run(const QStringList& arguments)
{
    Options o;
    try {
        o = parse(arguments);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "vellumy-tool layout: %s\n", qPrintable(error.message));
        return ToolBadUsage;
    }

    // The page measures in screen pixels; the tool's screen is the one asked for.
    SetScreenPPIForTesting(o.ppi);
    TCalendarPanel32& pageObject = *buildPage(o);
    const PageLayoutResults& page = pageObject.LayoutResults();

    QStringList minis;
    if (page.ShowMiniCals) {
        for (int j = 1; j <= page.MiniCalCount; ++j)
            minis.append(QStringLiteral("    {\"rect\": %1, \"month\": %2, \"year\": %3}")
                             .arg(rect(page.MiniCalRect(j))).arg(page.MiniCalMonth(j).month)
                             .arg(page.MiniCalMonth(j).year));
    }
    const QString json =
        QStringLiteral("{\n  \"orientation\": \"%1\",\n  \"page\": [%2, %3],\n  \"pageRect\": %4,\n"
                       "  \"showMainGrid\": %5,\n  \"showMiniCals\": %6,\n  \"plannerMode\": %7,\n"
                       "  \"mainCalRect\": %8,\n  \"minis\": [%9],\n  \"grid\": %10\n}\n")
            .arg(QString::fromLatin1(CalendarOrientationNames()[page.CalendarOrientation]))
            .arg(page.PageWidthPx)
            .arg(page.PageHeightPx)
            .arg(rect(page.PageRect))
            .arg(boolean(page.ShowMainGrid), boolean(page.ShowMiniCals), boolean(page.PlannerMode))
            .arg(page.MainCalRect ? rect(*page.MainCalRect) : QStringLiteral("null"))
            .arg(minis.isEmpty() ? QString() : QStringLiteral("\n") + minis.join(QStringLiteral(",\n")) + QStringLiteral("\n  "))
            .arg(gridJson(pageObject));
    std::fputs(json.toUtf8().constData(), stdout);
    return ToolOk;
}

const QByteArray usage = QByteArray(PageOptionsUsage) + ": page geometry as JSON";
ToolCommandRegistration reg({"layout", usage.constData(), &run});

} // namespace
