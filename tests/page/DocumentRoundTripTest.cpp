// Saving a page and loading it into another gives the same page back.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "DocumentTestSupport.h"
#include "TestSupport.h"
#include "page/CalendarPanel32.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"
#include "richtext/WPRtfStorage.h"

using namespace doctest;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Page {
    Page()
    {
        TDocTestShape::Register();
        page = new TCalendarPanel32(&owner);
    }
    TComponent owner;
    TCalendarPanel32* page;
};

// Every stored value away from what a new page holds.
void styleEverything(TCalendarPanel32& p)
{
    p.SetCalendarLayout(loFC6Before6AfterLS);
    p.SetPaperSizeA4(true);
    p.SetLeftMarginInch(0.34f);
    p.SetTopMarginInch(1.5f);
    p.SetRightMarginInch(0.46f);
    p.SetBottomMarginInch(1.01f);
    p.SetCalendarLineLayout(llHeadersAndCells);
    p.SetCalendarBorder(cbBottom);       // no longer what the preset gave
    p.SetMiniCalendarLineLayout(mllMinimal);
    p.SetMiniHeadersBorder(cbAll);
    p.SetMiniCalBorder(cbTopBottom);
    p.SetMiniCellBorder(cbTop);
    for (int m = 1; m <= 12; ++m)
        p.SetMonthName(m, QStringLiteral("Mes %1 ñ").arg(m));
    for (int d = 1; d <= 7; ++d)
        p.SetDayName(d, QStringLiteral("Día %1").arg(d));
    p.SetTitleBGColor(TColors::clBtnFace);
    p.TitleFont() = TFont("Arial", 33, TFont::fsItalic | TFont::fsStrikeOut, 0x00ABCDEF);
    p.SetTitleShowYear(false);
    p.HeadersFont() = TFont("Courier New", 11, TFont::fsUnderline, TColors::clHighlight);
    p.SetHeadersBorder(cbTop);
    p.SetHeadersStyle(dsFirstChar);
    p.SetHeadersBGColor(0x00010203);
    p.CellFont() = TFont("Liberation Sans", 18, 0, TColors::clRed);
    p.SetCellBorder(cbNone);
    p.SetMiniCalBGColor(TColors::clAqua);
    p.SetMiniShowYear(false);
    p.MiniTitleFont() = TFont("Arial", 10, TFont::fsBold | TFont::fsItalic, TColors::clNone);
    p.MiniHeadersFont() = TFont("Arial", 4, TFont::fsStrikeOut, TColors::clTeal);
    p.SetMiniHeadersBGColor(TColors::clMaroon);
    p.SetMiniHeadersStyle(dsWhole);
    p.MiniCellFont() = TFont("Times New Roman", 72, TFont::fsBold, TColors::clBlack);
    p.SetNumberPosition(cnpCenter);
    p.SetStartOfWeek(2);
    p.SetMainCalDay(29);
    p.SetMainCalMonth(2);
    p.SetMainCalYear(2028);
    p.SetDayStartTime(QTime(7, 30, 45));
    p.SetUserTitle(QString(300, QLatin1Char('T')));   // a long string
}

void expectSameFont(const TFont& a, const TFont& b)
{
    EXPECT_EQ(a, b) << a.Name().toStdString() << " / " << b.Name().toStdString();
}

void expectSamePage(const TCalendarPanel32& a, const TCalendarPanel32& b)
{
    EXPECT_TRUE(a.SameStyle(b));
    EXPECT_EQ(a.PaperSizeA4(), b.PaperSizeA4());
    EXPECT_EQ(a.CalendarOrientation(), b.CalendarOrientation());
    EXPECT_EQ(a.CalendarLayout(), b.CalendarLayout());
    EXPECT_EQ(a.LeftMarginInch(), b.LeftMarginInch());
    EXPECT_EQ(a.TopMarginInch(), b.TopMarginInch());
    EXPECT_EQ(a.RightMarginInch(), b.RightMarginInch());
    EXPECT_EQ(a.BottomMarginInch(), b.BottomMarginInch());
    EXPECT_EQ(a.CalendarLineLayout(), b.CalendarLineLayout());
    EXPECT_EQ(a.MiniCalendarLineLayout(), b.MiniCalendarLineLayout());
    EXPECT_EQ(a.CalendarBorder(), b.CalendarBorder());
    EXPECT_EQ(a.HeadersBorder(), b.HeadersBorder());
    EXPECT_EQ(a.CellBorder(), b.CellBorder());
    EXPECT_EQ(a.MiniCalBorder(), b.MiniCalBorder());
    EXPECT_EQ(a.MiniHeadersBorder(), b.MiniHeadersBorder());
    EXPECT_EQ(a.MiniCellBorder(), b.MiniCellBorder());
    EXPECT_EQ(a.MonthNames(), b.MonthNames());
    EXPECT_EQ(a.DayNames(), b.DayNames());
    EXPECT_EQ(a.TitleBGColor(), b.TitleBGColor());
    EXPECT_EQ(a.HeadersBGColor(), b.HeadersBGColor());
    EXPECT_EQ(a.MiniCalBGColor(), b.MiniCalBGColor());
    EXPECT_EQ(a.MiniHeadersBGColor(), b.MiniHeadersBGColor());
    expectSameFont(a.TitleFont(), b.TitleFont());
    expectSameFont(a.HeadersFont(), b.HeadersFont());
    expectSameFont(a.CellFont(), b.CellFont());
    expectSameFont(a.MiniTitleFont(), b.MiniTitleFont());
    expectSameFont(a.MiniHeadersFont(), b.MiniHeadersFont());
    expectSameFont(a.MiniCellFont(), b.MiniCellFont());
    EXPECT_EQ(a.TitleShowYear(), b.TitleShowYear());
    EXPECT_EQ(a.MiniShowYear(), b.MiniShowYear());
    EXPECT_EQ(a.HeadersStyle(), b.HeadersStyle());
    EXPECT_EQ(a.MiniHeadersStyle(), b.MiniHeadersStyle());
    EXPECT_EQ(a.NumberPosition(), b.NumberPosition());
    EXPECT_EQ(a.StartOfWeek(), b.StartOfWeek());
    EXPECT_EQ(a.MainCalDay(), b.MainCalDay());
    EXPECT_EQ(a.MainCalMonth(), b.MainCalMonth());
    EXPECT_EQ(a.MainCalYear(), b.MainCalYear());
    EXPECT_EQ(a.UserTitle(), b.UserTitle());
    EXPECT_EQ(a.WMFBorderFile(), b.WMFBorderFile());
    EXPECT_EQ(a.PageWidthPx(), b.PageWidthPx());
    EXPECT_EQ(a.MainCalRect(), b.MainCalRect());
}

} // namespace

TEST(DocumentRoundTrip, EveryPropertyCellAndObjectComesBack)
{
    QTemporaryDir dir;
    const QString first = dir.filePath("first.QXF");
    const QString second = dir.filePath("second.QXF");

    Page a;
    styleEverything(*a.page);
    QByteArray rtf[43];
    for (int i = 1; i <= 42; i += (i % 5 == 0 ? 2 : 1)) {   // a few cells stay empty
        rtf[i] = rtfText("Cell " + QByteArray::number(i) + " \\b bold\\b0  \\'e9t\\'e9");
        a.page->CellTexts(i)->SetRtfText(TWPRtfText(rtf[i]));
    }
    auto* back = new TDocTestShape(&a.owner, a.page);
    back->SetName("Special1");
    back->SetBounds(12, 34, 56, 78);
    back->SetCaption("back");
    back->SetLevel(-40000);
    back->SetTag(17);
    back->SetHint("a hint");
    back->SetLocked(true);
    auto* front = new TDocTestShape(&a.owner, a.page);
    front->SetName("Special2");
    front->SetBounds(-5, 600, 1, 2);
    front->SetUnselectable(true);
    front->SetCaption(QString(400, QLatin1Char('c')));
    back->raise();   // z-order: front below back now

    QString error;
    ASSERT_TRUE(a.page->SaveDocument(first, &error)) << error.toStdString();

    Page b;
    b.page->LoadDocument(first, &b.owner);
    // The seconds of the start time are not kept.
    EXPECT_EQ(b.page->DayStartTime(), QTime(7, 30));
    a.page->SetDayStartTime(QTime(7, 30));
    expectSamePage(*a.page, *b.page);
    for (int i = 1; i <= 42; ++i)
        EXPECT_EQ(b.page->CellTexts(i)->RtfText().RtfBytes(), rtf[i]) << i;

    const QList<TGGraphicControl*> objects = b.page->PageObjects();
    ASSERT_EQ(objects.size(), 2);
    auto* readFront = dynamic_cast<TDocTestShape*>(objects[0]);
    auto* readBack = dynamic_cast<TDocTestShape*>(objects[1]);
    ASSERT_TRUE(readFront && readBack);
    EXPECT_EQ(readFront->Name(), "Component0");
    EXPECT_EQ(readBack->Name(), "Component1");
    EXPECT_EQ(readFront->Caption(), front->Caption());
    EXPECT_EQ(readFront->BoundsRect(), QRect(-5, 600, 1, 2));
    EXPECT_TRUE(readFront->Unselectable());
    EXPECT_FALSE(readFront->Locked());
    EXPECT_EQ(readBack->BoundsRect(), QRect(12, 34, 56, 78));
    EXPECT_EQ(readBack->Caption(), "back");
    EXPECT_EQ(readBack->Level(), -40000);
    EXPECT_EQ(readBack->Tag(), 17);
    EXPECT_EQ(readBack->Hint(), "a hint");
    EXPECT_TRUE(readBack->Locked());

    // Written again, the page comes back byte for byte (the objects' names
    // change once, on the first load).
    ASSERT_TRUE(b.page->SaveDocument(second));
    Page c;
    c.page->LoadDocument(second, &c.owner);
    const QString third = dir.filePath("third.QXF");
    ASSERT_TRUE(c.page->SaveDocument(third));
    EXPECT_EQ(readAll(second), readAll(third));
}

TEST(DocumentRoundTrip, MarginsAreWholeHundredthsAndTimesWholeMinutes)
{
    Page a;
    a.page->SetLeftMarginInch(0.333f);
    a.page->SetTopMarginInch(0.345f);    // the float is just below 0.345: 34
    a.page->SetRightMarginInch(0.125f);  // 12.5: ties go to the even 12
    a.page->SetBottomMarginInch(1.5f);
    a.page->SetDayStartTime(QTime(7, 30, 45));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        TObjectWriter writer(buffer);
        a.page->WriteDocument(writer);
    }
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    TObjectReader reader(buffer);
    reader.ReadListBegin();
    EXPECT_EQ(reader.ReadInteger(), 4);   // version
    EXPECT_EQ(reader.ReadInteger(), 1);   // document
    reader.ReadInteger();
    reader.ReadInteger();
    EXPECT_EQ(reader.ReadInteger(), 33);
    EXPECT_EQ(reader.ReadInteger(), 34);
    EXPECT_EQ(reader.ReadInteger(), 12);
    EXPECT_EQ(reader.ReadInteger(), 150);

    buffer.seek(0);
    Page b;
    TObjectReader again(buffer);
    b.page->ReadDocument(again, &b.owner);
    EXPECT_EQ(b.page->LeftMarginInch(), 0.33f);
    EXPECT_EQ(b.page->RightMarginInch(), 0.12f);
    EXPECT_EQ(b.page->DayStartTime(), QTime(7, 30));
}

TEST(StyleSheetRoundTrip, StyleTravelsAloneAndLeavesTheRestOfThePage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("look.QXS");
    Page a;
    styleEverything(*a.page);
    a.page->CellTexts(1)->SetRtfText(TWPRtfText(rtfText("not in a style sheet")));
    ASSERT_TRUE(a.page->SaveStyleSheet(path));

    Page b;
    b.page->SetMainCalMonth(11);
    b.page->SetMainCalYear(1999);
    b.page->SetMainCalDay(3);
    b.page->SetStartOfWeek(1);
    b.page->SetDayStartTime(QTime(6, 0));
    b.page->SetUserTitle("own title");
    b.page->CellTexts(4)->SetRtfText(TWPRtfText(rtfText("four")));
    new TDocTestShape(&b.owner, b.page);
    b.page->LoadStyleSheet(path);

    EXPECT_EQ(b.page->CalendarLayout(), loFC6Before6AfterLS);
    EXPECT_EQ(b.page->CalendarBorder(), cbBottom);
    EXPECT_EQ(b.page->MiniCellBorder(), cbTop);
    EXPECT_EQ(b.page->MonthNames(), a.page->MonthNames());
    expectSameFont(b.page->MiniCellFont(), a.page->MiniCellFont());
    EXPECT_EQ(b.page->NumberPosition(), cnpCenter);
    EXPECT_EQ(b.page->PageWidthPx(), a.page->PageWidthPx());
    // Not part of the look.
    EXPECT_EQ(b.page->MainCalMonth(), 11);
    EXPECT_EQ(b.page->MainCalYear(), 1999);
    EXPECT_EQ(b.page->MainCalDay(), 3);
    EXPECT_EQ(b.page->StartOfWeek(), 1);
    EXPECT_EQ(b.page->DayStartTime(), QTime(6, 0));
    EXPECT_EQ(b.page->UserTitle(), "own title");
    EXPECT_EQ(b.page->CellTexts(4)->RtfText().RtfBytes(), rtfText("four"));
    EXPECT_TRUE(b.page->CellTexts(1)->IsEmpty());
    EXPECT_EQ(b.page->PageObjects().size(), 1);

    // The sheet is the style block and the border name only.
    const QByteArray bytes = readAll(path);
    EXPECT_EQ(bytes.indexOf("TPF0"), -1);
    EXPECT_EQ(bytes.indexOf("own title"), -1);
}

TEST(DocumentRoundTrip, ALoadedDocumentDrawsWithItsStyleAndTexts)
{
    Page p;
    p.page->ResetToDefaults();
    p.page->LoadDocument(vellumy::test::DataPath("documents/Sample.QXF"), &p.owner);
    // Centred numbers leave no room for text: put them in the corner.
    p.page->SetNumberPosition(cnpUpperRight);
    const QImage image = p.page->DrawPage();
    vellumy::test::SaveForInspection(image, "document-sample.png");
    ASSERT_EQ(image.size(), QSize(1122, 794));   // A4 landscape
    // The title band in the document's colour $00C0FFEE (blue C0, green FF, red EE).
    const PixelRect title = p.page->MainDrawParams().TitleRect;
    ASSERT_GT(title.Width(), 0);
    EXPECT_GT(vellumy::test::CountPixels(image, title.ToQRect(), QColor(0xEE, 0xFF, 0xC0)), title.Width() * 10);
    // Cell 17 (Wednesday the 16th of July 2031, weeks from Monday) holds
    // "Cafe au lait": ink inside its text rectangle; cell 18 has no text.
    const auto ink = [&](int cell) {
        const QRect r = p.page->MainDrawParams().Cell(cell).TextRect.ToQRect();
        return r.width() * r.height() - vellumy::test::CountPixels(image, r, Qt::white);
    };
    EXPECT_EQ(p.page->GetCellDay(17), 16);
    EXPECT_GT(ink(17), 20);
    EXPECT_EQ(ink(18), 0);
}
