// The floating mini calendar: its calendar arithmetic as drawn, its names,
// shadow and lines, its stored form, its properties dialog, and its print.
#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QDate>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "KindsKit.h"
#include "objects/kinds/FlatCalendarEditor.h"
#include "objects/kinds/GFlatCalendar.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"
#include "platform/HelpViewer.h"
#include "print/PdfDevice.h"
#include "print/RecordingSurface.h"
#include "print/ReportPrinter.h"

using namespace vellumy::test;

namespace {

// The calls of one DrawCalendar, in pixels (a 96-dpi surface).
TRecordedSheet record(TGFlatCalendar& calendar)
{
    TRecordingSurface surface(QSizeF(8.5, 11), 96);
    {
        QPainter painter(&surface);
        calendar.DrawCalendar(painter);
    }
    return surface.Sheets().value(0);
}

QRectF textBox(const TRecordedSheet& sheet, const QString& text)
{
    for (const TRecordedOp& op : sheet.ops)
        if (op.kind == TRecordedOp::Text && op.text == text)
            return op.bounds;
    return {};
}

// Heights of the horizontal lines drawn, top to bottom.
QList<int> horizontalLines(const TRecordedSheet& sheet)
{
    QList<int> ys;
    for (const TRecordedOp& op : sheet.ops)
        if (op.kind == TRecordedOp::Line && op.line.y1() == op.line.y2())
            ys.append(qRound(op.line.y1()));
    std::sort(ys.begin(), ys.end());
    return ys;
}

struct FlatCalendarTest : ::testing::Test {
    KindsForm form;
    TGFlatCalendar* calendar = nullptr;

    void SetUp() override
    {
        calendar = new TGFlatCalendar(&form, form.page);
        calendar->SetBounds(10, 20, 280, 224);
        form.page->AttachObject(calendar);
        calendar->Loaded();
        calendar->SetMonth(1);
        calendar->SetYear(2000);  // January 2000 begins on a Saturday and has 31 days
    }
};

} // namespace

TEST_F(FlatCalendarTest, MonthsAreLaidOutInSixWeekRowsFromTheWeekStart)
{
    EXPECT_EQ(TGFlatCalendar::DaysInMonth(2000, 2), 29);
    EXPECT_EQ(TGFlatCalendar::DaysInMonth(1900, 2), 28);
    EXPECT_EQ(TGFlatCalendar::DaysInMonth(2023, 4), 30);
    // The weekday arithmetic agrees with Qt's calendar over four centuries.
    for (QDate d(1801, 1, 1); d.year() < 2201; d = d.addDays(37))
        ASSERT_EQ(FlatDayOfWeek(d.year(), d.month(), d.day()), d.dayOfWeek() % 7 + 1) << d.toString().toStdString();

    const auto column = [](const QRectF& box, const QRectF& sunday) { return qRound((box.center().x() - sunday.center().x()) / 39); };
    TRecordedSheet sheet = record(*calendar);
    const QRectF sun = textBox(sheet, QStringLiteral("S"));
    const QRectF one = textBox(sheet, QStringLiteral("1"));
    const QRectF last = textBox(sheet, QStringLiteral("31"));
    ASSERT_FALSE(one.isNull());
    ASSERT_FALSE(last.isNull());
    EXPECT_EQ(FlatFirstColumn(2000, 1, 1), 7);
    EXPECT_EQ(column(one, sun), 6);   // Saturday, the last column
    EXPECT_EQ(column(last, sun), 1);  // Monday of the sixth week row
    const double rowHeight = textBox(sheet, QStringLiteral("8")).center().y() - one.center().y();
    EXPECT_NEAR(last.center().y() - one.center().y(), 5 * rowHeight, 1.0);

    calendar->SetStartOfWeek(2);
    sheet = record(*calendar);
    EXPECT_EQ(column(textBox(sheet, QStringLiteral("1")), textBox(sheet, QStringLiteral("M"))), 5);

    // Only the Februaries of leap years draw a 29th.
    calendar->SetMonth(2);
    EXPECT_FALSE(textBox(record(*calendar), QStringLiteral("29")).isNull());
    calendar->SetYear(1900);
    EXPECT_TRUE(textBox(record(*calendar), QStringLiteral("29")).isNull());
}

TEST_F(FlatCalendarTest, NamesComeFromTheLanguageTablesAsStored)
{
    calendar->SetLanguage(fclGerman);
    calendar->SetDayNameStyle(fdsThreeChars);
    QStringList headers;
    for (const QString& text : record(*calendar).Texts())
        if (text.size() == 3 && text[0].isLetter())
            headers.append(text);
    EXPECT_EQ(headers, (QStringList{"Son", "Mon", "Die", "Mit", "Don", "Fre", "Sam"}));

    calendar->SetDayNameStyle(fdsWhole);
    EXPECT_TRUE(record(*calendar).Texts().contains(QStringLiteral("Freitag ")));
    EXPECT_EQ(calendar->NameTable()[2], QStringLiteral("M\u00e4rz"));

    calendar->SetLanguage(fclFrench);
    calendar->SetYear(1998);
    calendar->SetShowYear(true);
    const QStringList texts = record(*calendar).Texts();
    EXPECT_EQ(texts.value(0), QStringLiteral("Janvier 1998"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Dimanche")));
}

TEST_F(FlatCalendarTest, ShadowFallsByTheZoomedDepthUnlessTransparent)
{
    const QColor red(255, 0, 0);
    calendar->SetShadowColor(0x0000FF);
    calendar->SetShadowDepth(5);
    calendar->SetCalTransparent(true);
    EXPECT_EQ(calendar->CalendarRect(), QRect(0, 0, 280, 224));
    QImage image = calendar->grab().toImage();
    EXPECT_EQ(CountPixels(image, image.rect(), red), 0);

    calendar->SetCalTransparent(false);
    calendar->SetZoomFactor(0.5f);
    calendar->SetShadowDepth(4);
    calendar->SetShadowPosition(fcpUpperLeft);
    EXPECT_EQ(calendar->CalendarRect(), QRect(QPoint(2, 2), QPoint(279, 223)));
    image = calendar->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), red);
    EXPECT_EQ(image.pixelColor(1, 100), red);
    EXPECT_EQ(image.pixelColor(279, 223), QColor(Qt::black));  // the outline's corner, no shadow there
    EXPECT_EQ(CountPixels(image, QRect(2, 2, 278, 222), red), 0);

    calendar->SetShadowDepth(11);  // refused
    EXPECT_EQ(calendar->ShadowDepth(), 4);
    calendar->SetShadowDepth(-2);  // kept, draws none
    EXPECT_EQ(calendar->ShadowDepth(), -2);
    EXPECT_EQ(calendar->CalendarRect(), QRect(0, 0, 280, 224));
    calendar->SetStartOfWeek(3);
    EXPECT_EQ(calendar->StartOfWeek(), 1);
    calendar->SetMonth(13);
    EXPECT_EQ(calendar->Month(), 1);
}

TEST_F(FlatCalendarTest, CellBordersTopAndBottomDrawSixLinesEach)
{
    calendar->SetCalendarBorderStyle(fcbNone);
    calendar->SetDayNameBorderStyle(fcbNone);
    calendar->SetCellBorderStyle(fcbTop);
    const TRecordedSheet topSheet = record(*calendar);
    const QList<int> top = horizontalLines(topSheet);
    calendar->SetCellBorderStyle(fcbBottom);
    const QList<int> bottom = horizontalLines(record(*calendar));
    ASSERT_EQ(top.size(), 6);
    ASSERT_EQ(bottom.size(), 6);
    // Top: the grid's top and above each later week; bottom: under each week,
    // the last on the calendar's bottom row.
    EXPECT_EQ(top.mid(1), bottom.mid(0, 5));
    EXPECT_EQ(bottom.last(), 223);
    EXPECT_LT(top.first(), textBox(topSheet, QStringLiteral("1")).top());
    EXPECT_GT(bottom.first(), textBox(topSheet, QStringLiteral("1")).center().y());

    calendar->SetCellBorderStyle(fcbAll);
    const TRecordedSheet all = record(*calendar);
    EXPECT_EQ(horizontalLines(all).size(), 7);
    EXPECT_EQ(all.Count(TRecordedOp::Line), 7 + 8);
}

TEST_F(FlatCalendarTest, StoredFormKeepsEverySettingAndFontChangesNotify)
{
    calendar->SetStartOfWeek(2);
    calendar->SetLanguage(fclSpanish);
    calendar->SetShadowDepth(3);
    calendar->SetShadowPosition(fcpLowerLeft);
    calendar->SetCellBorderStyle(fcbTopBottom);
    calendar->SetDayNameStyle(fdsWhole);
    calendar->SetTitleBGcolor(0x00FFFF);
    calendar->SetCalTransparent(true);
    calendar->SetShowYear(true);
    calendar->SetCellFont(TFont(QStringLiteral("Liberation Serif"), 11, TFont::fsBold, 0x0000FF));

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TObjectWriter writer(buffer);
    writer.WriteRootComponent(*calendar);
    writer.FlushBuffer();
    buffer.seek(0);
    KindsForm other;
    TGFlatCalendar copy(&other, other.page);
    TObjectReader reader(buffer);
    reader.ReadRootComponent(copy);

    EXPECT_EQ(copy.Month(), 1);
    EXPECT_EQ(copy.Year(), 2000);
    EXPECT_EQ(copy.StartOfWeek(), 2);
    EXPECT_EQ(copy.Language(), fclSpanish);
    EXPECT_EQ(copy.ShadowDepth(), 3);
    EXPECT_EQ(copy.ShadowPosition(), fcpLowerLeft);
    EXPECT_EQ(copy.CellBorderStyle(), fcbTopBottom);
    EXPECT_EQ(copy.DayNameStyle(), fdsWhole);
    EXPECT_EQ(copy.TitleBGcolor(), 0x00FFFFu);
    EXPECT_TRUE(copy.CalTransparent());
    EXPECT_TRUE(copy.ShowYear());
    EXPECT_TRUE(copy.CellFont() == calendar->CellFont());
    EXPECT_TRUE(copy.TitleFont() == TFont(QStringLiteral("Arial"), 8));
    EXPECT_EQ(copy.BoundsRect(), calendar->BoundsRect());
    EXPECT_EQ(other.changes, 0);

    // A font's attribute notifies the page; the other setters only repaint.
    const int before = form.changes;
    calendar->SetYear(2001);
    calendar->SetBackgroundcolor(0x00FF00);
    EXPECT_EQ(form.changes, before);
    TFont changed = calendar->TitleFont();
    changed.SetStyleBits(TFont::fsItalic);
    calendar->SetTitleFont(changed);
    EXPECT_EQ(form.changes, before + 1);
}

TEST_F(FlatCalendarTest, PropertiesDialogEditsASampleOfTheUnzoomedSize)
{
    QList<int> topics;
    SetHelpHandlerForTesting([&](int topic) { topics.append(topic); });
    calendar->SetZoomFactor(0.5f);
    calendar->SetLanguage(fclItalian);
    QSize sampleSize;
    int yearMin = 0, yearMax = 0;
    AnswerNextDialog<TFlatCalendarEditor>([&](TFlatCalendarEditor& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Floating Calendar Properties"));
        sampleSize = editor.Sample()->size();
        auto* spinner = editor.findChild<QSpinBox*>(QStringLiteral("YearSpinner"));
        yearMin = spinner->minimum();
        yearMax = spinner->maximum();
        EXPECT_EQ(editor.findChild<QComboBox*>(QStringLiteral("LanguageCombo"))->currentIndex(), int(fclItalian));
        editor.findChild<QComboBox*>(QStringLiteral("LanguageCombo"))->setCurrentIndex(fclGerman);
        EXPECT_EQ(editor.Sample()->Language(), fclGerman);  // at once
        spinner->setValue(2024);
        editor.findChild<QComboBox*>(QStringLiteral("CellBorderCombo"))->setCurrentIndex(fcbAll);
        editor.findChild<QSpinBox*>(QStringLiteral("DepthSpinner"))->setValue(6);
        editor.findChild<QPushButton*>(QStringLiteral("HelpButton"))->click();
        SaveForInspection(editor.grab().toImage(), QStringLiteral("flat-calendar-editor.png"));
        // No caption is cut, whatever the desktop's font.
        for (const QLabel* label : editor.findChildren<QLabel*>())
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        for (const QComboBox* box : editor.findChildren<QComboBox*>())
            EXPECT_GE(box->width(), box->minimumSizeHint().width()) << box->objectName().toStdString();
        editor.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    const int before = form.changes;
    calendar->PropertiesCommand();
    SetHelpHandlerForTesting({});
    EXPECT_EQ(sampleSize, QSize(560, 448));
    EXPECT_EQ(yearMin, 1950);
    EXPECT_EQ(yearMax, 2500);
    EXPECT_EQ(topics, QList<int>{40015});
    EXPECT_EQ(calendar->Language(), fclGerman);
    EXPECT_EQ(calendar->Year(), 2024);
    EXPECT_EQ(calendar->CellBorderStyle(), fcbAll);
    EXPECT_EQ(calendar->ShadowDepth(), 6);
    EXPECT_EQ(calendar->size(), QSize(280, 224));
    EXPECT_GT(form.changes, before);

    AnswerNextDialog<TFlatCalendarEditor>([](TFlatCalendarEditor& editor) {
        editor.findChild<QComboBox*>(QStringLiteral("MonthCombo"))->setCurrentIndex(6);
        editor.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    calendar->PropertiesCommand();
    EXPECT_EQ(calendar->Month(), 1);
}

TEST_F(FlatCalendarTest, PrintsDayNumbersAsTextWhereItStands)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("calendar.pdf"));
    calendar->SetBounds(96, 192, 288, 240);  // one inch in, two down: 3 x 2.5 inches
    calendar->SetShadowDepth(4);
    {
        TReportPrinter report(std::make_unique<TPdfDevice>(file));
        report.SetShowStatus(false);
        report.OnPrint = [&](TReportPrinter& r) { form.page->PrintObjects(r, 0.5, 0.25); };
        ASSERT_TRUE(report.Execute());
    }
    const QRectF area(1.5, 2.25, 3, 2.5);
    QStringList inside;
    for (const PdfWord& word : PdfWords(file))
        if (area.contains(word.inches))
            inside.append(word.text);
    for (const char* expected : {"January", "1", "15", "31", "S", "W"})
        EXPECT_TRUE(inside.contains(QLatin1String(expected))) << expected << " " << inside.join(' ').toStdString();
}
