// vellumy-tool layout: the page geometry of one layout as JSON, for checking
// the layout engine from scripts.
#include <QStringList>
#include <cstdio>
#include <optional>

#include "ToolCommand.h"
#include "page/CalendarTypes.h"
#include "page/GridLayout.h"
#include "page/PageLayout.h"
#include "persist/Font.h"
#include "platform/RegionalSettings.h"
#include "platform/Rounding.h"

namespace {

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

// Throws the one-line message for a bad option.
struct UsageError {
    QString message;
};

int intValue(const QString& option, const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        throw UsageError{QStringLiteral("%1 needs a whole number from %2 to %3, not '%4'")
                             .arg(option).arg(low).arg(high).arg(text)};
    return value;
}

Options parse(const QStringList& args)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--a4")) {
            o.a4 = true;
            continue;
        }
        static const QStringList withValue = {"--layout", "--month", "--year", "--day", "--margins",
                                              "--start-of-week", "--number-position", "--ppi"};
        if (!withValue.contains(option))
            throw UsageError{QStringLiteral("unknown option '%1'").arg(option)};
        if (i + 1 >= args.size())
            throw UsageError{QStringLiteral("%1 needs a value").arg(option)};
        const QString value = args[++i];
        if (option == QLatin1String("--layout"))
            o.layout = intValue(option, value, 0, CalendarLayoutCount - 1);
        else if (option == QLatin1String("--month"))
            o.month = intValue(option, value, 1, 12);
        else if (option == QLatin1String("--year"))
            o.year = intValue(option, value, 1, 9999);
        else if (option == QLatin1String("--day"))
            o.day = intValue(option, value, 1, 31);
        else if (option == QLatin1String("--start-of-week"))
            o.startOfWeek = intValue(option, value, 1, 2);
        else if (option == QLatin1String("--ppi"))
            o.ppi = intValue(option, value, 24, 600);
        else if (option == QLatin1String("--number-position")) {
            if (value == QLatin1String("center"))
                o.numberPosition = cnpCenter;
            else if (value == QLatin1String("upper-right"))
                o.numberPosition = cnpUpperRight;
            else
                throw UsageError{QStringLiteral("--number-position is center or upper-right, not '%1'").arg(value)};
        } else if (option == QLatin1String("--margins")) {
            const QStringList parts = value.split(QLatin1Char(','));
            if (parts.size() != 4)
                throw UsageError{QStringLiteral("--margins needs four inches L,T,R,B, not '%1'").arg(value)};
            for (int k = 0; k < 4; ++k) {
                bool ok = false;
                const float inches = parts[k].toFloat(&ok);
                if (!ok || !(inches >= 0.0f && inches <= 3.0f))
                    throw UsageError{QStringLiteral("--margins: each margin is 0 to 3 inches, not '%1'").arg(parts[k])};
                o.margins[k] = inches;
            }
        }
    }
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

CalDrawParams mainDrawParams(const Options& o, const PageLayoutResults& page)
{
    CalDrawParams params;
    params.MinTitleHeight = roundHalfEven(o.ppi * 1.5);
    params.Month = o.month;
    params.Year = o.year;
    params.Day = o.day;
    params.Rect = page.MainCalRect.value_or(PixelRect{});
    params.NumberPosition = o.numberPosition;
    params.StartOfWeek = o.startOfWeek;
    const QString times = QStringLiteral("Times New Roman");
    params.TitleFont = CalFontParams::FromFont(TFont(times, 26, TFont::fsBold), 1.0f);
    params.HeadersFont = CalFontParams::FromFont(TFont(times, 16, TFont::fsBold), 1.0f);
    params.CellFont = CalFontParams::FromFont(TFont(times, 16, TFont::fsBold), 1.0f);
    for (int m = 1; m <= 12; ++m)
        params.MonthNames[m - 1] = LongMonthName(m);
    for (int d = 1; d <= 7; ++d)
        params.DayNames[d - 1] = LongDayName(d);
    params.PlannerStartTime = QTime(8, 0);
    return params;
}

QString gridJson(const Options& o, const PageLayoutResults& page)
{
    const auto layout = TCalendarLayout(o.layout);
    if (IsMiniOnlyLayout(layout))
        return QStringLiteral("null");
    CalDrawParams params = mainDrawParams(o, page);
    int cellCount = DayCellCount;
    if (layout == loWeek || layout == lo2Week) {
        params.PlannerDayCount = PlannerRowCount(layout);
        LayOutWeekPlanner(params, QString());
        cellCount = params.PlannerDayCount + 1;
    } else if (layout == loDay10 || layout == loDay15) {
        params.PlannerHourCount = PlannerRowCount(layout);
        LayOutDayPlanner(params, QString());
        cellCount = params.PlannerHourCount + 1;
    } else {
        LayOutMonthGrid(params, QString());
    }
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

    PageLayoutInput input;
    input.PaperSizeA4 = o.a4;
    input.CalendarLayout = TCalendarLayout(o.layout);
    input.LeftMarginInch = o.margins[0];
    input.TopMarginInch = o.margins[1];
    input.RightMarginInch = o.margins[2];
    input.BottomMarginInch = o.margins[3];
    input.MainCalMonth = o.month;
    input.MainCalYear = o.year;
    input.PPI = o.ppi;
    const PageLayoutResults page = UpdatePageLayout(input, PageLayoutResults{});

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
            .arg(gridJson(o, page));
    std::fputs(json.toUtf8().constData(), stdout);
    return ToolOk;
}

ToolCommandRegistration reg({"layout",
                             "[--layout 0-21] [--month M] [--year Y] [--day D] [--a4] [--margins L,T,R,B] "
                             "[--start-of-week 1|2] [--number-position center|upper-right] [--ppi N]: "
                             "page geometry as JSON",
                             &run});

} // namespace
