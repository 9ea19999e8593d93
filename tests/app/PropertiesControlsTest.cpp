// The properties dialog's controls acting on the example page: week start,
// fonts and colours, styles, names, margins, zoom and the starting time.
#include <QCheckBox>
#include <QFontDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include "PropertiesKit.h"
#include "TestSupport.h"
#include "app/FontColorDialog.h"
#include "app/ColorSwatchButton.h"
#include "app/LanguageNames.h"
#include "app/SetTimeDialog.h"

using namespace props;

TEST(PropertiesControls, WeekStartStylesAndShowYearReachTheExample)
{
    auto dialog = openDialog(loFC6Before6After);
    TCalendarPanel32& e = dialog->ExampleCalendar();
    showTab(*dialog, 1);
    click(*dialog, "MondayRadio");
    EXPECT_EQ(e.StartOfWeek(), 2);
    click(*dialog, "SundayRadio");
    EXPECT_EQ(e.StartOfWeek(), 1);

    showTab(*dialog, 4);
    chooseItem(*dialog, "CalHeaderStyleCombo", 2);
    EXPECT_EQ(e.HeadersStyle(), dsWhole);
    chooseItem(*dialog, "MiniHeadersStyleCombo", 1);
    EXPECT_EQ(e.MiniHeadersStyle(), dsThreeChars);

    showTab(*dialog, 5);
    chooseItem(*dialog, "CalendarLineLayoutCombo", 2);
    EXPECT_EQ(e.CalendarLineLayout(), llCellsOnly);
    EXPECT_EQ(e.CalendarBorder(), cbNone);
    chooseItem(*dialog, "MiniCalendarLineLayoutCombo", 2);
    EXPECT_EQ(e.MiniCalendarLineLayout(), mllMinimal);
    EXPECT_EQ(e.MiniHeadersBorder(), cbTop);

    showTab(*dialog, 2);
    click(*dialog, "TitleShowYearCheck");
    EXPECT_FALSE(e.TitleShowYear());
    showTab(*dialog, 3);
    click(*dialog, "MiniShowYearCheck");
    EXPECT_FALSE(e.MiniShowYear());
}

TEST(PropertiesControls, FontAndColourButtonsGiveTheExampleWhatWasChosen)
{
    QList<QString> offered;
    Choosers choosers({.font =
                           [&](TFont& font) {
                               offered.append(font.Name() + QString::number(font.Size()));
                               font.SetName(QStringLiteral("Liberation Sans"));
                               font.SetSize(11);
                               font.SetStyleBits(TFont::fsItalic);
                               font.SetColor(TColors::clNavy);
                               return true;
                           },
                       .color =
                           [](TColor& color) {
                               color = color == TColors::clWhite ? TColors::clYellow : TColors::clAqua;
                               return true;
                           }});
    auto dialog = openDialog(loFC12After);
    TCalendarPanel32& e = dialog->ExampleCalendar();
    showTab(*dialog, 2);
    for (const char* name : {"TitleFontButton", "HeadersFontButton", "CellFontButton"})
        click(*dialog, name);
    showTab(*dialog, 3);
    for (const char* name : {"MiniTitleFontButton", "MiniHeadersFontButton", "MiniCellFontButton"})
        click(*dialog, name);
    EXPECT_EQ(offered.first(), QStringLiteral("Times New Roman26")) << "the dialog starts from the example's font";
    ASSERT_EQ(offered.size(), 6);
    for (const TFont* font : {&e.TitleFont(), &e.HeadersFont(), &e.CellFont(), &e.MiniTitleFont(),
                              &e.MiniHeadersFont(), &e.MiniCellFont()}) {
        EXPECT_EQ(font->Name(), QStringLiteral("Liberation Sans"));
        EXPECT_EQ(font->StyleBits(), unsigned(TFont::fsItalic));
        EXPECT_EQ(font->Color(), TColors::clNavy) << "the font's colour is chosen with it";
    }

    showTab(*dialog, 2);
    click(*dialog, "TitleColorButton");
    click(*dialog, "HeadersColorButton");
    showTab(*dialog, 3);
    click(*dialog, "MiniHeadersColorButton");
    click(*dialog, "MiniCalColorButton");
    EXPECT_EQ(e.TitleBGColor(), TColors::clYellow);
    EXPECT_EQ(e.HeadersBGColor(), TColors::clYellow);
    EXPECT_EQ(e.MiniHeadersBGColor(), TColors::clYellow);
    EXPECT_EQ(e.MiniCalBGColor(), TColors::clYellow);
    EXPECT_EQ(find<TColorSwatchButton>(*dialog, "MiniCalColorButton")->Color(), TColors::clYellow);
}

TEST(PropertiesControls, CancelledFontAndColourDialogsChangeNothing)
{
    Choosers choosers({.font = [](TFont& font) { font.SetSize(40); return false; },
                       .color = [](TColor&) { return false; }});
    auto dialog = openDialog();
    TCalendarPanel32& e = dialog->ExampleCalendar();
    click(*dialog, "TitleFontButton");
    click(*dialog, "TitleColorButton");
    EXPECT_EQ(e.TitleFont().Size(), 26);
    EXPECT_EQ(e.TitleBGColor(), TColors::clWhite);
}

TEST(PropertiesControls, LeavingANameMemoStoresTheLinesTypedOnly)
{
    auto dialog = openDialog();
    TCalendarPanel32& e = dialog->ExampleCalendar();
    showTab(*dialog, 7);
    auto* months = find<QPlainTextEdit>(*dialog, "MonthNamesMemo");
    auto* days = find<QPlainTextEdit>(*dialog, "DayNamesMemo");
    EXPECT_EQ(months->toPlainText().split('\n').size(), 12);
    EXPECT_EQ(days->toPlainText().split('\n').first(), QStringLiteral("Sunday"));

    months->setFocus();
    months->selectAll();
    QTest::keyClick(months, Qt::Key_Delete);
    typeLines(months, {"Jan", "Feb", "Mar", "Apr", "Mai"});
    EXPECT_EQ(e.MonthNames()[0], QStringLiteral("January")) << "nothing is stored while typing";
    days->setFocus();  // leaving the month memo
    const QStringList wanted = {"Jan", "Feb", "Mar", "Apr", "Mai", "June", "July", "August", "September",
                                "October", "November", "December"};
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(e.MonthNames()[m], wanted[m]) << "month " << m + 1;

    // Day memo: the first line retyped; OK by keyboard still stores it.
    QTest::keyClick(days, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(days, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClicks(days, QStringLiteral("Sun"));
    QTest::keyClick(days, Qt::Key_O, Qt::AltModifier);
    // A shortcut presses its button visibly, clicking it a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->result() == QDialog::Accepted; }));
    EXPECT_EQ(e.DayNames()[0], QStringLiteral("Sun"));
    EXPECT_EQ(e.DayNames()[1], QStringLiteral("Monday"));
}

TEST(PropertiesControls, LanguageButtonsFillBothMemosAndTheExample)
{
    auto dialog = openDialog();
    TCalendarPanel32& e = dialog->ExampleCalendar();
    showTab(*dialog, 7);
    click(*dialog, "GermanButton");
    EXPECT_EQ(e.DayNames()[5], QStringLiteral("Freitag ")) << "stored with its blank";
    EXPECT_EQ(e.MonthNames()[2], QStringLiteral("M\u00E4rz"));
    EXPECT_TRUE(find<QPlainTextEdit>(*dialog, "MonthNamesMemo")->toPlainText().startsWith("Januar\nFebruar\nM\u00E4rz"));
    click(*dialog, "FrenchButton");
    EXPECT_EQ(e.MonthNames()[7], QStringLiteral("Ao\u00FBt"));
    EXPECT_EQ(e.DayNames()[0], QStringLiteral("Dimanche"));
    click(*dialog, "ItalianButton");
    EXPECT_EQ(e.DayNames()[3], QStringLiteral("Mercoled\u00EC"));
    click(*dialog, "SpanishButton");
    EXPECT_EQ(e.DayNames()[6], QStringLiteral("S\u00E1bado"));
    EXPECT_EQ(e.MonthNames()[11], QStringLiteral("Diciembre"));

    auto* months = find<QPlainTextEdit>(*dialog, "MonthNamesMemo");
    months->document()->setModified(true);
    click(*dialog, "EnglishButton");
    EXPECT_FALSE(months->document()->isModified());
    EXPECT_EQ(find<QPlainTextEdit>(*dialog, "DayNamesMemo")->toPlainText(),
              QStringLiteral("Sunday\nMonday\nTuesday\nWednesday\nThursday\nFriday\nSaturday"));
    const LanguageNameTable& english = LanguageNames(TCalendarLanguage::English);
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(e.MonthNames()[m], english.months[m]);
}

TEST(PropertiesControls, MarginBoxesShowTheNearestChoiceAndKeepMarginsWhenUnitsSwitch)
{
    auto dialog = std::make_unique<TCalendarProperties>();
    TCalendarPanel32& e = dialog->ExampleCalendar();
    e.SetLeftMarginInch(0.6f);
    e.SetTopMarginInch(2.0f);
    e.SetRightMarginInch(0.25f);
    e.SetBottomMarginInch(1.25f);
    dialog->show();
    auto* left = find<QComboBox>(*dialog, "LeftMarginInchcombo");
    auto* top = find<QComboBox>(*dialog, "TopMarginInchcombo");
    auto* right = find<QComboBox>(*dialog, "RightMarginInchcombo");
    auto* bottom = find<QComboBox>(*dialog, "BottomMarginInchcombo");
    EXPECT_EQ(left->currentText(), QStringLiteral("\u00BD Inch"));
    EXPECT_EQ(top->currentText(), QStringLiteral("1\u00BD Inch"));
    EXPECT_EQ(right->currentText(), QStringLiteral("\u00BC Inch"));
    EXPECT_EQ(bottom->currentText(), QStringLiteral("1\u00BC Inch"));
    EXPECT_EQ(e.LeftMarginInch(), 0.6f) << "showing a margin does not round it";

    showTab(*dialog, 8);
    click(*dialog, "UseMillimetersRadio");
    EXPECT_EQ(left->currentText(), QStringLiteral("13 mm"));
    EXPECT_EQ(top->currentText(), QStringLiteral("38 mm"));
    EXPECT_EQ(right->itemText(0), QStringLiteral("6 mm"));
    EXPECT_EQ(right->itemText(5), QStringLiteral("38 mm"));
    EXPECT_EQ(e.LeftMarginInch(), 0.6f);
    EXPECT_EQ(e.TopMarginInch(), 2.0f);

    chooseItem(*dialog, "RightMarginInchcombo", 3);
    EXPECT_EQ(e.RightMarginInch(), 1.0f);
    chooseItem(*dialog, "BottomMarginInchcombo", 0);
    EXPECT_EQ(e.BottomMarginInch(), 0.25f);

    click(*dialog, "UseInchesRadio");
    EXPECT_EQ(right->currentText(), QStringLiteral("1 Inch"));
    EXPECT_EQ(left->itemText(2), QStringLiteral("\u00BE Inch"));
    EXPECT_EQ(e.RightMarginInch(), 1.0f);
    EXPECT_EQ(e.LeftMarginInch(), 0.6f);
}

TEST(PropertiesControls, ZoomStepsByTenthsBetweenItsLimits)
{
    auto dialog = openDialog(loFullCalendar, 0.3f);
    TCalendarPanel32& e = dialog->ExampleCalendar();
    auto* label = find<QLabel>(*dialog, "ZoomLabel");
    EXPECT_EQ(label->text(), QStringLiteral("30%"));
    const int width30 = e.width();
    click(*dialog, "ZoomOutButton");
    EXPECT_NEAR(e.ZoomFactor(), 0.2, 1e-6);
    EXPECT_EQ(label->text(), QStringLiteral("20%"));
    EXPECT_LT(e.width(), width30);
    click(*dialog, "ZoomOutButton");
    EXPECT_NEAR(e.ZoomFactor(), 0.2, 1e-6) << "0.2 is the smallest step";
    EXPECT_EQ(label->text(), QStringLiteral("20%"));

    auto large = openDialog(loFullCalendar, 0.95f);
    auto* largeLabel = find<QLabel>(*large, "ZoomLabel");
    EXPECT_EQ(largeLabel->text(), QStringLiteral("95%"));
    click(*large, "ZoomInButton");
    EXPECT_NEAR(large->ExampleCalendar().ZoomFactor(), 1.05, 1e-6);
    EXPECT_EQ(largeLabel->text(), QStringLiteral("105%"));
    click(*large, "ZoomInButton");
    EXPECT_NEAR(large->ExampleCalendar().ZoomFactor(), 1.05, 1e-6);
}

TEST(PropertiesControls, StartingTimeComesFromTheTimeDialog)
{
    auto dialog = openDialog(loDay10);
    TCalendarPanel32& e = dialog->ExampleCalendar();
    auto* label = find<QLabel>(*dialog, "TimeLabel");
    EXPECT_EQ(label->text(), QStringLiteral("8:00 AM"));
    showTab(*dialog, 6);

    QString captionSeen;
    auto answer = [&](bool accept, const char* hour, const char* minute) {
        QTimer::singleShot(0, [&captionSeen, accept, hour, minute] {
            auto* timeDialog = qobject_cast<TSetTimeDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(timeDialog);
            captionSeen = timeDialog->windowTitle();
            click(*timeDialog, hour);
            click(*timeDialog, minute);
            click(*timeDialog, accept ? "OkButton" : "CancelButton");
        });
        click(*dialog, "StartTimeButton");
    };
    answer(true, "Hour19", "Minute45");
    EXPECT_EQ(captionSeen, QStringLiteral("Set Time As: 08:00 AM")) << "the dialog opens on the label's time";
    EXPECT_EQ(label->text(), QStringLiteral("7:45 PM"));
    EXPECT_EQ(e.DayStartTime(), QTime(19, 45));

    answer(false, "Hour6", "Minute0");
    EXPECT_EQ(e.DayStartTime(), QTime(19, 45)) << "Cancel keeps the time";
    EXPECT_EQ(label->text(), QStringLiteral("7:45 PM"));
}

TEST(PropertiesControls, TheFontDialogReturnsTheChosenFontWithItsColour)
{
    Choosers choosers({.color = [](TColor& color) { color = TColors::clMaroon; return true; }});
    TFontColorDialog dialog(TFont(QStringLiteral("Liberation Serif"), 16, TFont::fsBold, TColors::clWhite));
    dialog.show();
    auto* chooser = dialog.findChild<QFontDialog*>(QStringLiteral("FontChooser"));
    ASSERT_TRUE(chooser);
    EXPECT_EQ(chooser->currentFont().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(dialog.ChosenFont().Color(), TColors::clWhite) << "the colour is kept unless chosen";

    QFont other(QStringLiteral("Liberation Sans"));
    other.setPointSize(12);
    other.setItalic(true);
    other.setUnderline(true);
    chooser->setCurrentFont(other);
    QTest::mouseClick(dialog.findChild<TColorSwatchButton*>(QStringLiteral("FontColorButton")), Qt::LeftButton);
    const TFont chosen = dialog.ChosenFont();
    EXPECT_EQ(chosen.Name(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(chosen.Size(), 12);
    EXPECT_EQ(chosen.StyleBits(), unsigned(TFont::fsItalic | TFont::fsUnderline));
    EXPECT_EQ(chosen.Color(), TColors::clMaroon);
    vellumy::test::SaveForInspection(dialog.grab().toImage(), QStringLiteral("properties-font-dialog.png"));
}
