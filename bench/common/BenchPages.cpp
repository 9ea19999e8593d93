#include "BenchPages.h"

#include "page/CalendarPanel32.h"
#include "richtext/WPRtfText.h"

TCalendarPanel32* NewBenchPage(TCalendarLayout layout)
{
    auto* page = new TCalendarPanel32(nullptr);
    page->ResetToDefaults();
    page->SetMainCalMonth(3);
    page->SetMainCalYear(1997);
    page->SetCalendarLayout(layout);
    page->UpdatePageLayout(true);
    return page;
}

TCalendarPanel32* MonthWithCellTexts()
{
    TCalendarPanel32* page = NewBenchPage(loFullCalendar);
    for (int i = 1; i <= DayCellCount; ++i) {
        const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
                               "\\f0\\fs20 Dentist \\b at " + QByteArray::number(i) + "\\b0 , then "
                               "\\f1\\i the long weekly meeting\\i0\\par Call home\\par}";
        page->SetCellText(i, TWPRtfText(rtf));
    }
    return page;
}
