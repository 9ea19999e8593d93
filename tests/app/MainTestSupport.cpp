#include "MainTestSupport.h"

#include <QCalendarWidget>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include "app/CalendarProperties.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

namespace vellumy::test {

void MainWindowTest::newCalendar(TCalendarMain& window, int layoutRow, bool landscape, int year, int month)
{
    WhenModal<TCalendarProperties>([=](TCalendarProperties& dialog) {
        dialog.findChild<QListWidget*>(QStringLiteral("LayoutList"))->setCurrentRow(layoutRow);
        const char* orientation = landscape ? "LandscapeRadio" : "PortraitRadio";
        if (auto* radio = dialog.findChild<QRadioButton*>(QString::fromLatin1(orientation)); radio && radio->isEnabled())
            radio->click();
        dialog.findChild<QCalendarWidget*>(QStringLiteral("Calendar"))->setSelectedDate(QDate(year, month, 1));
        dialog.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    choose(window, "New1");
}

void MainWindowTest::clickCell(TCalendarMain& window, int cell)
{
    activate(window);
    TCalendarPanel32& page = *window.CalendarPanel();
    // The cell records come from the last drawing of the page.
    page.repaint();
    if (page.MainDrawParams().Cell(cell).TextRect.IsZero())
        page.DrawPage();
    const PixelRect text = page.MainDrawParams().Cell(cell).TextRect;
    ASSERT_FALSE(text.IsZero()) << "cell " << cell << " has no text area";
    QTest::mouseClick(&page, Qt::LeftButton, Qt::NoModifier,
                      QPoint((text.left + text.right) / 2, (text.top + text.bottom) / 2));
    QCoreApplication::processEvents();
}

void MainWindowTest::typeIntoEditor(TCalendarMain& window, const QString& text)
{
    QTest::keyClicks(window.CellEditor(), text);
}

QString MainWindowTest::cellText(const TCalendarMain& window, int cell)
{
    return window.CalendarPanel()->CellTexts(cell)->RtfText().ToDocument()->toPlainText().trimmed();
}

} // namespace vellumy::test
