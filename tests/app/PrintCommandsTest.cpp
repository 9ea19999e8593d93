// The printing commands through the main window on a fake printer: the
// start-up check, the margin question, copies made by the driver or drawn,
// zoom and flags restored (also when drawing fails), the document's modified
// state, the completion messages.
#include <QScrollArea>
#include <QToolButton>
#include <stdexcept>

#include "MainTestSupport.h"
#include "app/PrintCommands.h"
#include "objects/GGraphicControl.h"
#include "persist/ClassInfo.h"
#include "print/FakePrintDevice.h"
#include "richtext/WPRichText.h"

using namespace vellumy::test;

namespace {

const QString Completed = QStringLiteral("Print job completed and sent to printer!");

// Stands in for the SuperText kind when that kind is not part of the build:
// the page recognises it by its registered class name.
class StandInSuperText : public TGGraphicControl {
public:
    using TGGraphicControl::TGGraphicControl;
    static const TClassInfo& StaticClassInfo()
    {
        static const TClassInfo info =
            TClassInfoBuilder<StandInSuperText>("TGSuperText", &TGGraphicControl::StaticClassInfo()).build();
        return info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

// A page object whose printing fails.
class FailingObject : public TGGraphicControl {
public:
    using TGGraphicControl::TGGraphicControl;
    void PrintTo(TReportPrinter&, double, double) override { throw std::runtime_error("out of paper"); }
};

int count(const TRecordedSheet& sheet, const QString& text)
{
    return int(sheet.Texts().count(text));
}

} // namespace

class PrintCommandsTest : public MainWindowTest {
protected:
    // The program's start with the commands on a fake printer; `prepare`
    // sets the printer up before the start-up check sees it.
    TCalendarMain& startWithPrinter(const std::function<void(TFakePrintDevice&)>& prepare = {})
    {
        return start([&](TCalendarMain& window) {
            auto device = std::make_unique<TFakePrintDevice>(100);
            fake = device.get();
            if (prepare)
                prepare(*fake);
            commands = TPrintCommands::Install(window, std::move(device));
            commands->ReportPrinter1().SetShowStatus(false);
        });
    }
    TCalendarMain& startWithMonth(bool landscape = false)
    {
        TCalendarMain& window = startWithPrinter();
        newCalendar(window, 0, landscape, 1997, 12);
        window.SetModified(false);
        boxes.clear();
        return window;
    }
    void setMargins(TCalendarMain& window, float inches)
    {
        TCalendarPanel32& page = *window.CalendarPanel();
        page.SetLeftMarginInch(inches);
        page.SetTopMarginInch(inches);
        page.SetRightMarginInch(inches);
        page.SetBottomMarginInch(inches);
    }

    TFakePrintDevice* fake = nullptr;
    TPrintCommands* commands = nullptr;
};

TEST_F(PrintCommandsTest, StartUpCheckNamesWhatIsMissing)
{
    TCalendarMain& none = startWithPrinter([](TFakePrintDevice& device) {
        device.printers.clear();
        device.defaultPrinter.clear();
    });
    EXPECT_FALSE(none.PrinterAvailable());
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(),
              QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations"));
    EXPECT_EQ(boxes.shown().first().caption, QStringLiteral("Information"));
    quit(none);

    boxes.clear();
    TCalendarMain& noDefault = startWithPrinter([](TFakePrintDevice& device) { device.defaultPrinter.clear(); });
    EXPECT_FALSE(noDefault.PrinterAvailable());
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("There is no default printer selected.\r\nUnable to perform "
                                               "printer related operations"));
    // Printing stays off, setup stays on once there is a page.
    newCalendar(noDefault, 0, false, 1997, 12);
    EXPECT_FALSE(item(noDefault, "mnuPrintCalendar")->isEnabled());
    EXPECT_FALSE(noDefault.findChild<QToolButton*>(QStringLiteral("PrintBtn"))->isEnabled());
    EXPECT_TRUE(item(noDefault, "mnuPrintSetup")->isEnabled());
    quit(noDefault);

    boxes.clear();
    TCalendarMain& ready = startWithPrinter();
    EXPECT_TRUE(ready.PrinterAvailable());
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(PrintCommandsTest, MarginQuestionComparesHundredthsAgainstTheMargins)
{
    TCalendarMain& window = startWithMonth();
    fake->unprintable = QMarginsF(0.25, 0.25, 0.25, 0.25);

    // Equal is fine: no question, one job, the completion message.
    setMargins(window, 0.25f);
    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(fake->jobsEnded, 1);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), Completed);
    EXPECT_EQ(boxes.shown().first().kind, ShownMessage::Information);

    // Inside the unprintable area on every edge: four lines; No prints nothing.
    boxes.clear();
    setMargins(window, 0.2f);
    boxes.answer(false);
    choose(window, "mnuPrintCalendar");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().kind, ShownMessage::Question);
    EXPECT_EQ(boxes.shown().first().caption, QStringLiteral("Margin Warning"));
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Margin Warning:\r"
                                               "\rLeft Margin is possibly outside of Printer printable area"
                                               "\rTop Margin is possibly outside of Printer printable area"
                                               "\rRight Margin is possibly outside of Printer printable area"
                                               "\rBottom Margin is possibly outside of Printer printable area"
                                               "\r\rPrint anyways?"));
    EXPECT_EQ(fake->jobsBegun, 1);
    EXPECT_FALSE(window.Modified());

    // Yes prints anyway.
    boxes.clear();
    boxes.answer(true);
    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(fake->jobsEnded, 2);
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(boxes.lastText(), Completed);

    // Widths are cut to hundredths: 0.259 is 0.25; only the edges beyond
    // their margin are named.
    boxes.clear();
    setMargins(window, 0.25f);
    fake->unprintable = QMarginsF(0.259, 0.2599, 0.26, 0.25);
    boxes.answer(false);
    choose(window, "mnuPrintCalendar");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Margin Warning:\r"
                                               "\rRight Margin is possibly outside of Printer printable area"
                                               "\r\rPrint anyways?"));
    EXPECT_DOUBLE_EQ(TPrintCommands::CutToHundredths(0.259), 0.25);
    EXPECT_DOUBLE_EQ(TPrintCommands::CutToHundredths(0.29), 0.29);
    EXPECT_DOUBLE_EQ(TPrintCommands::CutToHundredths(0.0), 0.0);
}

TEST_F(PrintCommandsTest, CopiesAreDrawnUnlessTheDriverMakesThem)
{
    TCalendarMain& window = startWithMonth();
    int setupCopies = 3;
    fake->setupDialog = [&](TFakePrintDevice& device) {
        device.SetCopies(setupCopies);
        return true;
    };

    // A driver that makes one copy: three drawings, two sheet breaks.
    fake->maxCopies = 1;
    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(commands->PrintCopies(), 3);
    ASSERT_EQ(fake->Sheets().size(), 3);
    for (const TRecordedSheet& sheet : fake->Sheets())
        EXPECT_EQ(count(sheet, QStringLiteral("December 1997")), 1);
    EXPECT_EQ(fake->jobTitle, QStringLiteral("ReportPrinter Report"));

    // A driver that makes them: drawn once, the job asks for three.
    fake->maxCopies = 3;
    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(commands->PrintCopies(), 1);
    EXPECT_EQ(fake->jobCopies, 3);
    EXPECT_EQ(fake->Sheets().size(), 1);

    // Settings without a usable count print one copy.
    setupCopies = 0;
    fake->maxCopies = 1;
    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(commands->PrintCopies(), 1);
    EXPECT_EQ(fake->Sheets().size(), 1);
    EXPECT_EQ(fake->jobsEnded, 3);
    EXPECT_EQ(boxes.shown().size(), 3);
}

TEST_F(PrintCommandsTest, PrintsAtFullSizeAndRestoresTheZoomAndFlags)
{
    TCalendarMain& window = startWithMonth();
    choose(window, "mnuPrintCalendar");
    ASSERT_EQ(fake->Sheets().size(), 1);
    const QStringList atFullSize = fake->Sheets().first().Texts();
    QRectF titleAtFullSize;
    for (const TRecordedOp& op : fake->Sheets().first().ops) {
        if (op.text == QStringLiteral("December 1997"))
            titleAtFullSize = op.bounds;
    }

    TCalendarPanel32& page = *window.CalendarPanel();
    while (page.ZoomFactor() > 0.65f)
        window.ZoomOutClick();
    ASSERT_FLOAT_EQ(page.ZoomFactor(), 0.6f);
    const QSize shown = page.size();

    // What the page is like while the job draws it.
    float zoomWhileDrawing = 0;
    bool printingWhileDrawing = false;
    bool suspendedWhileDrawing = false;
    QString status;
    auto event = commands->ReportPrinter1().OnPrint;
    commands->ReportPrinter1().OnPrint = [&](TReportPrinter& report) {
        event(report);
        status = report.StatusText();
    };
    commands->ReportPrinter1().OnBeforePrint = [&](TReportPrinter&) {};
    struct Watch : TGGraphicControl {
        using TGGraphicControl::TGGraphicControl;
        std::function<void()> seen;
        void PrintTo(TReportPrinter&, double, double) override { seen(); }
    };
    auto* watch = new Watch(nullptr, &page);
    watch->seen = [&] {
        zoomWhileDrawing = page.ZoomFactor();
        printingWhileDrawing = page.Printing();
        suspendedWhileDrawing = page.PaintingSuspended();
    };
    choose(window, "mnuPrintCalendar");
    EXPECT_FLOAT_EQ(zoomWhileDrawing, 1.0f);
    EXPECT_TRUE(printingWhileDrawing);
    EXPECT_TRUE(suspendedWhileDrawing);
    EXPECT_EQ(status, QStringLiteral("Printing page 1"));
    ASSERT_EQ(fake->Sheets().size(), 1);
    EXPECT_EQ(fake->Sheets().first().Texts(), atFullSize);
    for (const TRecordedOp& op : fake->Sheets().first().ops) {
        if (op.text == QStringLiteral("December 1997")) {
            EXPECT_EQ(op.bounds, titleAtFullSize);
        }
    }

    EXPECT_FLOAT_EQ(page.ZoomFactor(), 0.6f);
    EXPECT_EQ(page.size(), shown);
    EXPECT_FALSE(page.Printing());
    EXPECT_FALSE(page.PaintingSuspended());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window.ScrollBox()->updatesEnabled());
    delete watch;
}

TEST_F(PrintCommandsTest, AFailedDrawingRestoresThePageAndIsNotReportedAsDone)
{
    TCalendarMain& window = startWithMonth();
    window.ZoomOutClick();
    TCalendarPanel32& page = *window.CalendarPanel();
    const float zoom = page.ZoomFactor();
    window.SetModified(true);
    auto* failing = new FailingObject(nullptr, &page);

    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(fake->jobsAborted, 1);
    EXPECT_EQ(fake->jobsEnded, 0);
    EXPECT_FLOAT_EQ(page.ZoomFactor(), zoom);
    EXPECT_FALSE(page.Printing());
    EXPECT_FALSE(page.PaintingSuspended());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window.Modified());
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("The print job could not be completed."));
    delete failing;
}

TEST_F(PrintCommandsTest, ModifiedStaysAsItWasAndTheEditedCellPrints)
{
    TCalendarMain& window = startWithMonth();
    choose(window, "mnuPrintCalendar");
    EXPECT_FALSE(window.Modified());

    // A cell being edited is written back and printed; the changes stay unsaved.
    clickCell(window, 10);
    typeIntoEditor(window, QStringLiteral("Dentist"));
    ASSERT_TRUE(window.Modified());
    choose(window, "mnuPrintCalendar");
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(cellText(window, 10), QStringLiteral("Dentist"));
    ASSERT_EQ(fake->Sheets().size(), 1);
    EXPECT_EQ(count(fake->Sheets().first(), QStringLiteral("Dentist")), 1);
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("Savebutton"))->isVisible());

    // Cancelling the setup dialog leaves no trace.
    boxes.clear();
    fake->setupDialog = [](TFakePrintDevice&) { return false; };
    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(fake->jobsBegun, 2);
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_TRUE(window.Modified());

    // Print Setup only shows the dialog.
    const int dialogs = fake->setupDialogCalls;
    choose(window, "mnuPrintSetup");
    EXPECT_EQ(fake->setupDialogCalls, dialogs + 1);
    EXPECT_EQ(fake->jobsBegun, 2);
}

TEST_F(PrintCommandsTest, JobFollowsThePageOrientation)
{
    TCalendarMain& window = startWithMonth(true);
    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(fake->jobOrientation, poLandscape);
    EXPECT_EQ(fake->Surface().PaperInches(), QSizeF(11, 8.5));

    newCalendar(window, 0, false, 1997, 12);
    choose(window, "mnuPrintCalendar");
    EXPECT_EQ(fake->jobOrientation, poPortrait);
    EXPECT_EQ(fake->Surface().PaperInches(), QSizeF(8.5, 11));
}

TEST_F(PrintCommandsTest, NoPrinterAnyMoreShowsTheEnginesMessageOnly)
{
    TCalendarMain& window = startWithMonth();
    fake->printers.clear();
    window.SetModified(true);
    choose(window, "mnuPrintCalendar");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("No printers are defined, aborting print job."));
    EXPECT_EQ(fake->jobsBegun, 0);
    EXPECT_FALSE(commands->PrintDone());
    EXPECT_TRUE(window.Modified());
}

TEST_F(PrintCommandsTest, SuperTextAddsThePatienceNote)
{
    TCalendarMain& window = startWithMonth();
    TCalendarPanel32& page = *window.CalendarPanel();
    const TClassInfo* registered = FindClass("TGSuperText");
    if (!registered || !registered->create)
        RegisterClass(StandInSuperText::StaticClassInfo());
    registered = FindClass("TGSuperText");
    ASSERT_NE(registered, nullptr);
    QWidget* superText = registered->create
                             ? dynamic_cast<QWidget*>(registered->create(nullptr, &page))
                             : new StandInSuperText(nullptr, &page);
    ASSERT_NE(superText, nullptr);
    ASSERT_TRUE(page.HasSuperText());

    choose(window, "mnuPrintCalendar");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.lastText(), QStringLiteral("Print job completed and sent to printer!\r\rNote: this design "
                                               "contains complex shapes or text.\rPlease be patient while the "
                                               "printer produces its\routput..."));
    delete superText;
}
