#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include "objects/Cursors.h"
#include "page/CalendarPanel32.h"
#include "platform/ProgramFolder.h"

namespace {

std::unique_ptr<TCalendarPanel32> newPage()
{
    return std::make_unique<TCalendarPanel32>(nullptr);
}

void fontIs(const TFont& font, const char* name, int size, unsigned style, TColor color)
{
    EXPECT_EQ(font.Name(), QString::fromLatin1(name));
    EXPECT_EQ(font.Size(), size);
    EXPECT_EQ(font.StyleBits(), style);
    EXPECT_EQ(font.Color(), color);
}

// A program folder of its own with a Borders folder, restored afterwards.
class BorderFolder {
public:
    BorderFolder()
    {
        QDir(dir_.path()).mkdir(QStringLiteral("Borders"));
        SetProgramFolderForTesting(dir_.path());
    }
    ~BorderFolder() { SetProgramFolderForTesting(vellumy::test::DefaultProgramFolder()); }
    void add(const QString& fileName)
    {
        QFile file(dir_.path() + QStringLiteral("/Borders/") + fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not read by the page itself");
    }

private:
    QTemporaryDir dir_;
};

} // namespace

TEST(CalendarPanel32, ANewPageHoldsTheCreationValues)
{
    auto page = newPage();
    EXPECT_EQ(page->CalendarOrientation(), coPortrait);
    EXPECT_EQ(page->CalendarLayout(), loFullCalendar);
    EXPECT_EQ(page->CalendarLineLayout(), llFull);
    EXPECT_EQ(page->MiniCalendarLineLayout(), mllFull);
    EXPECT_EQ(page->TitleBGColor(), TColors::clWhite);
    fontIs(page->TitleFont(), "Times New Roman", 26, TFont::fsBold, TColors::clWindowText);
    fontIs(page->HeadersFont(), "Times New Roman", 16, TFont::fsBold, TColors::clWindowText);
    fontIs(page->CellFont(), "Times New Roman", 16, TFont::fsBold, TColors::clWindowText);
    fontIs(page->MiniTitleFont(), "Times New Roman", 6, TFont::fsBold, TColors::clWindowText);
    fontIs(page->MiniHeadersFont(), "Times New Roman", 8, 0, TColors::clWhite);
    fontIs(page->MiniCellFont(), "Times New Roman", 6, 0, TColors::clWindowText);
    EXPECT_EQ(page->LeftMarginInch(), 0.25f);
    EXPECT_EQ(page->BottomMarginInch(), 0.25f);
    EXPECT_EQ(page->MiniCalBorder(), cbAll);
    EXPECT_EQ(page->MiniHeadersBorder(), cbBottom);
    EXPECT_EQ(page->MiniCellBorder(), cbNone);
    EXPECT_TRUE(page->MiniShowYear());
    EXPECT_EQ(page->MainCalDay(), 0);
    EXPECT_EQ(page->MainCalMonth(), 1);
    EXPECT_EQ(page->MainCalYear(), 1997);
    EXPECT_EQ(page->StartOfWeek(), 1);
    EXPECT_EQ(page->CalendarBorder(), cbAll);
    EXPECT_EQ(page->HeadersBorder(), cbAll);
    EXPECT_EQ(page->CellBorder(), cbAll);
    EXPECT_TRUE(page->TitleShowYear());
    EXPECT_EQ(page->HeadersStyle(), dsThreeChars);
    EXPECT_EQ(page->MiniHeadersStyle(), dsFirstChar);
    EXPECT_EQ(page->NumberPosition(), cnpUpperRight);
    EXPECT_TRUE(page->UserTitle().isEmpty());
    EXPECT_EQ(page->PanelState(), psPointing);
    EXPECT_TRUE(page->Pointing());
    EXPECT_TRUE(page->WMFBorderFile().isEmpty());
    EXPECT_FALSE(page->PaperSizeA4());
    EXPECT_EQ(page->DayStartTime(), QTime(8, 0));
    EXPECT_EQ(page->MonthNames()[0], "January");
    EXPECT_EQ(page->DayNames()[6], "Saturday");

    EXPECT_TRUE(page->ShowMainGrid());
    EXPECT_FALSE(page->ShowMiniCals());
    EXPECT_FALSE(page->PlannerMode());
    EXPECT_EQ(page->PageWidthPx(), 816);
    EXPECT_EQ(page->PageHeightPx(), 1056);
    EXPECT_EQ(page->MainCalRect(), (PixelRect{26, 26, 790, 1030}));
    EXPECT_EQ(page->size(), QSize(816, 1056));
}

TEST(CalendarPanel32, LineLayoutsApplyOnlyWhenTheyChange)
{
    auto page = newPage();
    page->SetCalendarLineLayout(llHeadersAndCells);
    EXPECT_EQ(page->CalendarBorder(), cbNone);
    EXPECT_EQ(page->HeadersBorder(), cbAll);
    EXPECT_EQ(page->CellBorder(), cbAll);
    page->SetCellBorder(cbTopBottom);
    page->SetCalendarLineLayout(llHeadersAndCells);
    EXPECT_EQ(page->CellBorder(), cbTopBottom);
    page->SetCalendarLineLayout(llCellsOnly);
    EXPECT_EQ(page->HeadersBorder(), cbNone);
    EXPECT_EQ(page->CellBorder(), cbAll);

    page->SetMiniCalendarLineLayout(mllMinimal);
    EXPECT_EQ(page->MiniCalBorder(), cbNone);
    EXPECT_EQ(page->MiniCellBorder(), cbNone);
    EXPECT_EQ(page->MiniHeadersBorder(), cbTop);
    page->SetMiniCalBorder(cbAll);
    page->SetMiniCalendarLineLayout(mllMinimal);
    EXPECT_EQ(page->MiniCalBorder(), cbAll);
    page->SetMiniCalendarLineLayout(mllFull);
    EXPECT_EQ(page->MiniHeadersBorder(), cbAll);
    EXPECT_EQ(page->MiniCellBorder(), cbAll);

    // Ordinals from outside the type change nothing.
    page->SetCellBorder(TCalBorderStyle(9));
    page->SetCalendarLineLayout(TCalendarLineLayout(-1));
    EXPECT_EQ(page->CellBorder(), cbAll);
    EXPECT_EQ(page->CalendarLineLayout(), llCellsOnly);
}

TEST(CalendarPanel32, TheLayoutDecidesOrientationAndPageSize)
{
    auto page = newPage();
    page->SetCalendarOrientation(coLandscape);
    EXPECT_EQ(page->CalendarOrientation(), coPortrait);
    EXPECT_EQ(page->PageWidthPx(), 816);

    page->SetCalendarLayout(LOFullCalendarLS);
    EXPECT_EQ(page->CalendarOrientation(), coLandscape);
    EXPECT_EQ(page->PageWidthPx(), 1056);
    EXPECT_EQ(page->PageHeightPx(), 816);
    EXPECT_EQ(page->size(), QSize(1056, 816));

    page->SetPaperSizeA4(true);
    EXPECT_EQ(page->size(), QSize(1122, 794));
    page->SetZoom(0.5f);
    page->SetLeftMarginInch(1.0f);
    EXPECT_EQ(page->size(), QSize(561, 397));
    EXPECT_EQ(page->MainCalRect().left, 98);   // unzoomed

    page->SetCalendarLayout(TCalendarLayout(22));
    EXPECT_EQ(page->CalendarLayout(), LOFullCalendarLS);
}

TEST(CalendarPanel32, DateSettersMoveTheMiniMonths)
{
    auto page = newPage();
    page->SetCalendarLayout(loFCMinisInTitle);
    EXPECT_EQ(page->MiniCalMonth(1), (MonthYear{12, 1996}));
    page->SetMainCalMonth(12);
    page->SetMainCalYear(2001);
    EXPECT_EQ(page->MiniCalMonth(1), (MonthYear{11, 2001}));
    EXPECT_EQ(page->MiniCalMonth(2), (MonthYear{1, 2002}));
    page->SetMainCalMonth(13);
    page->SetMainCalMonth(0);
    EXPECT_EQ(page->MainCalMonth(), 12);
    EXPECT_EQ(page->MiniCalMonth(61), (MonthYear{0, 0}));

    page->SetTopMarginInch(1.0f);
    EXPECT_EQ(page->MiniCalRect(1).top, 96 + 2 + 12);
    EXPECT_EQ(page->PageRect().top, 96);
}

TEST(CalendarPanel32, NamesAndFonts)
{
    auto page = newPage();
    QString name = QStringLiteral("unchanged");
    page->GetMonthName(13, name);
    page->GetMonthName(0, name);
    page->GetDayName(8, name);
    EXPECT_EQ(name, "unchanged");
    page->SetMonthName(1, QStringLiteral("Janvier"));
    page->SetMonthName(13, QStringLiteral("Nope"));
    page->SetDayName(7, QStringLiteral("Samedi"));
    page->SetDayName(0, QStringLiteral("Nope"));
    page->GetMonthName(1, name);
    EXPECT_EQ(name, "Janvier");
    page->GetDayName(7, name);
    EXPECT_EQ(name, "Samedi");
    page->GetMonthName(12, name);
    EXPECT_EQ(name, "December");

    TFont arial(QStringLiteral("Arial"), 30, TFont::fsItalic, TColors::clRed);
    page->SetTitleFont(&arial);
    page->SetTitleFont(nullptr);
    fontIs(page->TitleFont(), "Arial", 30, TFont::fsItalic, TColors::clRed);
    // Changing the page's font object afterwards does not touch the source.
    page->TitleFont().SetSize(12);
    EXPECT_EQ(arial.Size(), 30);
}

TEST(CalendarPanel32, FontChangesRepaintThePage)
{
    auto page = newPage();
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    page->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;
    page->CellFont().SetColor(TColors::clBlue);
    QTRY_VERIFY(counter.paints > 0);
    page->removeEventFilter(&counter);
}

TEST(CalendarPanel32, ResetToDefaultsGivesTheNewCalendarSettings)
{
    auto page = newPage();
    page->SetMonthName(3, QStringLiteral("Mars"));
    page->SetPaperSizeA4(true);
    page->SetUserTitle(QStringLiteral("Mine"));
    page->SetHeadersStyle(dsWhole);
    page->SetNumberPosition(cnpCenter);
    page->SetStartOfWeek(2);
    page->SetMiniHeadersStyle(dsWhole);
    page->SetTitleShowYear(false);
    page->SetDayStartTime(QTime(6, 0));
    page->SetCellBorder(cbNone);
    TFont courier(QStringLiteral("Courier New"), 20);
    page->SetCellFont(&courier);

    page->ResetToDefaults();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(page->CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(page->CalendarOrientation(), coLandscape);
    EXPECT_FALSE(page->PaperSizeA4());
    EXPECT_EQ(page->PageWidthPx(), 1056);
    EXPECT_TRUE(page->UserTitle().isEmpty());
    EXPECT_EQ(page->StartOfWeek(), 1);
    EXPECT_EQ(page->MonthNames()[2], "March");
    EXPECT_EQ(page->MainCalDay(), today.day());
    EXPECT_EQ(page->MainCalMonth(), today.month());
    EXPECT_EQ(page->MainCalYear(), today.year());
    EXPECT_EQ(page->LeftMarginInch(), 0.5f);
    EXPECT_EQ(page->TopMarginInch(), 0.5f);
    EXPECT_EQ(page->RightMarginInch(), 0.5f);
    EXPECT_EQ(page->BottomMarginInch(), 0.5f);
    EXPECT_EQ(page->DayStartTime(), QTime(8, 0));
    EXPECT_EQ(page->MiniHeadersStyle(), dsFirstChar);
    EXPECT_TRUE(page->TitleShowYear());
    // The mini line layout went from mllFull to mllBoxed.
    EXPECT_EQ(page->MiniCalendarLineLayout(), mllBoxed);
    EXPECT_EQ(page->MiniCalBorder(), cbAll);
    EXPECT_EQ(page->MiniCellBorder(), cbNone);
    EXPECT_EQ(page->MiniHeadersBorder(), cbTopBottom);
    // llFull was already set: the hand-set cell border stays.
    EXPECT_EQ(page->CellBorder(), cbNone);
    // Mini fonts follow the layout (10, 8, 8); the mini headers turn black.
    EXPECT_EQ(page->MiniTitleFont().Size(), 10);
    EXPECT_EQ(page->MiniHeadersFont().Size(), 8);
    EXPECT_EQ(page->MiniCellFont().Size(), 8);
    EXPECT_EQ(page->MiniHeadersFont().Color(), TColors::clBlack);
    // Untouched: headers style, number position, the other fonts.
    EXPECT_EQ(page->HeadersStyle(), dsWhole);
    EXPECT_EQ(page->NumberPosition(), cnpCenter);
    EXPECT_EQ(page->CellFont().Name(), "Courier New");
    EXPECT_EQ(page->MiniCalCount(), 2);
}

TEST(CalendarPanel32, AssignStyleCopiesTheLookAndSameStyleComparesIt)
{
    auto source = newPage();
    auto target = newPage();
    EXPECT_TRUE(target->SameStyle(*source));

    source->SetCalendarLayout(loFC12AfterLS);
    source->SetPaperSizeA4(true);
    source->SetStartOfWeek(2);
    source->SetMonthName(5, QStringLiteral("Mai"));
    source->SetMainCalDay(17);
    source->SetMainCalMonth(5);
    source->SetMainCalYear(2003);
    TFont arial(QStringLiteral("Arial"), 20, TFont::fsItalic, TColors::clNavy);
    source->SetHeadersFont(&arial);
    source->SetMiniCalBGColor(TColors::clYellow);
    source->SetMiniHeadersStyle(dsThreeChars);
    source->SetMiniShowYear(false);
    source->SetRightMarginInch(1.25f);
    source->SetDayStartTime(QTime(7, 30));
    source->SetCalendarLineLayout(llCellsOnly);
    source->SetMiniCalendarLineLayout(mllMinimal);
    source->SetUserTitle(QStringLiteral("Our year"));
    source->SetNumberPosition(cnpCenter);
    source->SetCellBorder(cbBottom);
    EXPECT_FALSE(target->SameStyle(*source));

    target->AssignStyle(*source);
    EXPECT_TRUE(target->SameStyle(*source));
    EXPECT_TRUE(source->SameStyle(*target));
    EXPECT_EQ(target->CalendarOrientation(), coLandscape);
    EXPECT_EQ(target->MiniCalCount(), 12);
    EXPECT_EQ(target->MiniCalMonth(1), (MonthYear{6, 2003}));
    EXPECT_EQ(target->LayoutResults().MainCalRect, source->LayoutResults().MainCalRect);
    EXPECT_EQ(target->MonthNames()[4], "Mai");
    EXPECT_EQ(target->HeadersFont().Name(), "Arial");
    // Borders follow the line layouts; the number position stays the target's.
    EXPECT_EQ(target->CellBorder(), cbAll);
    EXPECT_EQ(target->HeadersBorder(), cbNone);
    EXPECT_EQ(target->MiniHeadersBorder(), cbTop);
    EXPECT_EQ(target->NumberPosition(), cnpUpperRight);

    // Font sizes do not count; a name's case does.
    target->HeadersFont().SetSize(9);
    EXPECT_TRUE(target->SameStyle(*source));
    target->HeadersFont().SetStyleBits(0);
    EXPECT_FALSE(target->SameStyle(*source));
    target->HeadersFont().SetStyleBits(TFont::fsItalic);
    target->SetMonthName(5, QStringLiteral("mai"));
    EXPECT_FALSE(target->SameStyle(*source));
}

TEST(CalendarPanel32, ToolsKindsAndDayCellUse)
{
    auto page = newPage();
    page->SetPanelState(psLabel);
    EXPECT_FALSE(page->Pointing());
    EXPECT_EQ(PageCursor(), crDrag);
    page->SetPanelState(psPointing);
    EXPECT_TRUE(page->Pointing());
    EXPECT_EQ(PageCursor(), crDefault);

    const int kinds[CalendarLayoutCount] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5};
    for (int l = 0; l < CalendarLayoutCount; ++l) {
        page->SetCalendarLayout(TCalendarLayout(l));
        EXPECT_EQ(page->LayoutKind(), kinds[l]) << l;
        EXPECT_EQ(page->UsesDayCells(), kinds[l] != 1) << l;
    }
    page->SetCalendarLayout(loWeek);
    page->hide();
    EXPECT_FALSE(page->UsesDayCells());
}

TEST(CalendarPanel32, BorderPicturesComeFromTheBordersFolderByOrientation)
{
    BorderFolder folder;
    folder.add(QStringLiteral("Holly.wpo"));
    folder.add(QStringLiteral("holly.wls"));
    folder.add(QStringLiteral("Stars.wpo"));
    QStringList loaded;
    bool loaderSucceeds = true;
    auto page = newPage();
    page->BorderPictureLoader = [&](const QString& path) {
        loaded.append(QFileInfo(path).fileName());
        return loaderSucceeds;
    };
    const PixelRect pageRect = page->PageRect();
    const PixelRect plain = page->MainCalRect();

    page->SetWMFBorderFile(QStringLiteral("Missing"));
    EXPECT_TRUE(page->WMFBorderFile().isEmpty());
    EXPECT_TRUE(loaded.isEmpty());

    page->SetWMFBorderFile(QStringLiteral("Holly"));
    EXPECT_EQ(page->WMFBorderFile(), "Holly");
    EXPECT_EQ(loaded, QStringList{"Holly.wpo"});
    // 0.47 inch more margin all round: 45 pixels.
    EXPECT_EQ(page->PageRect(), pageRect);
    EXPECT_EQ(page->MainCalRect(), (PixelRect{plain.left + 45, plain.top + 45, plain.right - 45, plain.bottom - 45}));

    // A landscape layout loads the landscape picture of the same name.
    page->SetCalendarLayout(LOFullCalendarLS);
    EXPECT_EQ(loaded.last(), "holly.wls");
    EXPECT_EQ(page->WMFBorderFile(), "Holly");

    // No landscape file: the earlier name and picture stay.
    page->SetWMFBorderFile(QStringLiteral("Stars"));
    EXPECT_EQ(page->WMFBorderFile(), "Holly");
    // Names never reach outside the Borders folder.
    page->SetCalendarLayout(loFullCalendar);
    const int loads = loaded.size();
    page->SetWMFBorderFile(QStringLiteral("../Borders/Stars"));
    EXPECT_EQ(page->WMFBorderFile(), "Holly");
    EXPECT_EQ(loaded.size(), loads);

    loaderSucceeds = false;
    page->SetWMFBorderFile(QStringLiteral("Stars"));
    EXPECT_TRUE(page->WMFBorderFile().isEmpty());
    EXPECT_EQ(page->MainCalRect(), plain);

    loaderSucceeds = true;
    page->SetWMFBorderFile(QStringLiteral("Stars"));
    page->SetWMFBorderFile(QString());
    EXPECT_TRUE(page->WMFBorderFile().isEmpty());
    EXPECT_EQ(loaded.last(), QString());
}

TEST(CalendarPanel32, DrawingRecordsAndClicksFollowTheLastDrawing)
{
    auto page = newPage();
    page->SetMainCalMonth(3);   // March 1997 starts on a Saturday
    page->grab();
    const CalDrawParams& main = page->MainDrawParams();
    EXPECT_EQ(main.Rect, page->MainCalRect());
    EXPECT_EQ(main.MinTitleHeight, 144);
    EXPECT_EQ(main.Cell(7).DayNumber, 1);
    EXPECT_FALSE(main.Cell(7).TextRect.IsZero());

    int clickedIndex = 0, clickedDay = -1, headerClicks = 0, daysAreaClicks = 0, plainClicks = 0;
    page->ClickedInCellEvent = [&](QObject*, const QFont& font, PixelRect&, TWPRtfStorage*&, int day, int index,
                                   PixelRect&) {
        clickedIndex = index;
        clickedDay = day;
        EXPECT_EQ(font.pixelSize(), 21);
    };
    page->OnClickedHeader = [&](QObject*) { ++headerClicks; };
    page->OnClickedDaysArea = [&](QObject*) { ++daysAreaClicks; };
    page->OnClick = [&](QObject*) { ++plainClicks; };

    const PixelRect cell = main.Cell(9).CellRect;
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(cell.left + 5, cell.top + 5));
    EXPECT_EQ(clickedIndex, 9);
    EXPECT_EQ(clickedDay, 3);
    EXPECT_EQ(plainClicks, 0);

    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(400, main.TitleRect.top + 10));
    EXPECT_EQ(headerClicks, 1);
    EXPECT_EQ(plainClicks, 1);
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(400, main.HeadersRect.top + 5));
    EXPECT_EQ(daysAreaClicks, 1);
    EXPECT_EQ(plainClicks, 2);

    // Centred numbers leave no text area in any cell.
    page->SetNumberPosition(cnpCenter);
    page->grab();
    for (int i = 1; i <= DayCellCount; ++i)
        EXPECT_TRUE(page->MainDrawParams().Cell(i).TextRect.IsZero()) << i;

    // A mini-only page raises OnClick, never the cell event.
    page->SetCalendarLayout(loMC12Month);
    page->grab();
    clickedIndex = 0;
    QTest::mouseClick(page.get(), Qt::LeftButton, {}, QPoint(cell.left + 5, cell.top + 5));
    EXPECT_EQ(clickedIndex, 0);
    EXPECT_EQ(plainClicks, 3);
    EXPECT_EQ(page->MiniDrawParams().Rect, page->MiniCalRect(12));
    EXPECT_EQ(page->MiniDrawParams().NumberPosition, cnpCenter);

    // Records are in zoomed pixels.
    page->SetCalendarLayout(loFullCalendar);
    page->SetZoom(0.5f);
    page->grab();
    EXPECT_EQ(page->MainDrawParams().Rect, ZoomedRect(page->MainCalRect(), 0.5f));
    EXPECT_EQ(page->MainDrawParams().CellFont.Size, 8);
}

TEST(CalendarPanel32, PublishedPropertiesInDeclarationOrder)
{
    const TClassInfo& info = TCalendarPanel32::StaticClassInfo();
    EXPECT_EQ(info.parent, &TGBasePanel::StaticClassInfo());
    QList<QByteArray> names;
    for (const TPropertyInfo& property : info.ownProperties)
        names.append(property.name);
    const QList<QByteArray> expected = {
        "CalendarOrientation", "CalendarLayout", "CalendarLineLayout", "MiniCalendarLineLayout",
        "ClickedInCellEvent", "TitleBGColor", "TitleFont", "HeadersFont", "CellFont", "LeftMarginInch",
        "TopMarginInch", "RightMarginInch", "BottomMarginInch", "MiniCalBorder", "MiniHeadersBorder",
        "MiniCellBorder", "MiniShowYear", "MiniHeadersBGColor", "MiniCalBGColor", "MiniTitleFont",
        "MiniHeadersFont", "MiniCellFont", "MainCalDay", "MainCalMonth", "MainCalYear", "StartOfWeek",
        "CalendarBorder", "TitleShowYear", "HeadersBorder", "HeadersStyle", "MiniHeadersStyle",
        "HeadersBGColor", "NumberPosition", "CellBorder", "UserTitle", "OnDblClick", "OnClick",
        "OnClickedHeader", "OnClickedDaysArea", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove",
        "OnMouseUp", "OnKeyDown", "OnKeyPress", "OnKeyUp", "PanelState", "WMFBorderFile"};
    EXPECT_EQ(names, expected);

    // The table reaches the page through its setters.
    auto page = newPage();
    info.FindProperty("CalendarLayout")->setOrdinal(*page, loMC60MonthLS);
    EXPECT_EQ(page->MiniCalCount(), 60);
    info.FindProperty("LeftMarginInch")->setReal(*page, 1.0);
    EXPECT_EQ(page->LeftMarginInch(), 1.0f);
    TPersistent* font = info.FindProperty("MiniCellFont")->getObject(*page);
    EXPECT_EQ(font, &page->MiniCellFont());
}

namespace {
// Stands in for the SuperText kind, which lives in a later layer and is
// recognised by its registered class name.
class FakeSuperText : public TGGraphicControl {
public:
    using TGGraphicControl::TGGraphicControl;
    static const TClassInfo& StaticClassInfo()
    {
        static const TClassInfo info =
            TClassInfoBuilder<FakeSuperText>("TGSuperText", &TGGraphicControl::StaticClassInfo()).build();
        return info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
} // namespace

TEST(CalendarPanel32, HasSuperTextLooksAtThePageObjects)
{
    auto page = newPage();
    EXPECT_FALSE(page->HasSuperText());
    auto* plain = new TGGraphicControl(nullptr, page.get());
    EXPECT_FALSE(page->HasSuperText());
    RegisterClass(FakeSuperText::StaticClassInfo());
    EXPECT_FALSE(page->HasSuperText());
    auto* superText = new FakeSuperText(nullptr, page.get());
    EXPECT_TRUE(page->HasSuperText());
    delete superText;
    delete plain;
    EXPECT_FALSE(page->HasSuperText());
}
