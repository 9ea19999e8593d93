// The drawing tools through the real main window: each tool draws its object
// from a dragged rectangle and its dialog is answered; the document is saved,
// the program closed and started again on it, and every object comes back;
// the printed page carries the objects' words where they stand.
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolButton>

#include "MainTestSupport.h"
#include "app/PrintCommands.h"
#include <QLineEdit>

#include "objects/kinds/FlatCalendarEditor.h"
#include "objects/kinds/GPLabel.h"
#include "objects/kinds/GetLabelText.h"
#include "objects/kinds/GFlatCalendar.h"
#include "objects/kinds/GPRichBaseLabel.h"
#include "objects/kinds/RichTextLabelEditor.h"
#include "print/PdfDevice.h"
#include "print/ReportPrinter.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

using namespace vellumy::test;

namespace {

template <class T>
QList<T*> objectsOf(const TCalendarPanel32& page)
{
    QList<T*> found;
    for (TGGraphicControl* object : page.PageObjects())
        if (auto* typed = dynamic_cast<T*>(object))
            found.append(typed);
    return found;
}

struct Word {
    QString text;
    QRectF inches;
};

QList<Word> pdfWords(const QString& pdf)
{
    QList<Word> words;
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return words;
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) / 72,
                                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) / 72)});
    }
    return words;
}

QStringList wordsInside(const QList<Word>& words, const QRectF& inches)
{
    QStringList inside;
    for (const Word& w : words)
        if (inches.contains(w.inches.center()))
            inside.append(w.text);
    return inside;
}

} // namespace

class FloatingObjectsTest : public MainWindowTest {
protected:
    // Presses a tool button and drags its rectangle on the page.
    void drawWith(TCalendarMain& window, const char* tool, const QRect& rect)
    {
        window.findChild<QToolButton*>(QString::fromLatin1(tool))->click();
        TCalendarPanel32& page = *window.CalendarPanel();
        QTest::mousePress(&page, Qt::LeftButton, Qt::NoModifier, rect.topLeft());
        QTest::mouseMove(&page, rect.center());
        QTest::mouseMove(&page, rect.topLeft() + QPoint(rect.width(), rect.height()));
        QTest::mouseRelease(&page, Qt::LeftButton, Qt::NoModifier, rect.topLeft() + QPoint(rect.width(), rect.height()));
        QCoreApplication::processEvents();
        activate(window);
    }
};

TEST_F(FloatingObjectsTest, ToolsDrawObjectsThatComeBackAndPrintWhereTheyStand)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    const QString document = dir.filePath(QStringLiteral("objects.QXF"));
    TCalendarMain& window = start([&](TCalendarMain& w) {
        TPrintCommands::Install(w, std::make_unique<TPdfDevice>(pdf))->ReportPrinter1().SetShowStatus(false);
    });
    newCalendar(window, 0, false, 1998, 3);
    TCalendarPanel32& page = *window.CalendarPanel();
    page.SetZoom(1.0f);

    // Rich text: the editor opens at once; the words typed are the box's.
    WhenModal<TRichTextLabelEditor>([](TRichTextLabelEditor& editor) {
        editor.Activate();
        QTest::keyClicks(editor.Editor(), QStringLiteral("Quarterly review in hall"));
        editor.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    drawWith(window, "DrawRichText", QRect(420, 40, 190, 40));
    EXPECT_EQ(page.PanelState(), psPointing);
    EXPECT_TRUE(window.findChild<QToolButton*>(QStringLiteral("Pointerbutton"))->isChecked());

    // A text label: its text dialog follows.
    WhenModal<TGetLabelText>([](TGetLabelText& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("LabelText"))->setText(QStringLiteral("Holidays"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    drawWith(window, "DrawLabelButton", QRect(60, 60, 120, 30));
    EXPECT_EQ(page.PanelState(), psPointing);

    // Two floating calendars, one turned French with a shadow in its dialog.
    drawWith(window, "PSpeedButton1", QRect(40, 500, 240, 190));
    drawWith(window, "PSpeedButton1", QRect(400, 500, 240, 190));
    ASSERT_EQ(objectsOf<TGFlatCalendar>(page).size(), 2);
    TGFlatCalendar* french = objectsOf<TGFlatCalendar>(page)[1];
    WhenModal<TFlatCalendarEditor>([](TFlatCalendarEditor& editor) {
        editor.findChild<QComboBox*>(QStringLiteral("LanguageCombo"))->setCurrentIndex(fclFrench);
        editor.findChild<QComboBox*>(QStringLiteral("MonthCombo"))->setCurrentIndex(2);
        editor.findChild<QSpinBox*>(QStringLiteral("YearSpinner"))->setValue(1998);
        editor.findChild<QSpinBox*>(QStringLiteral("DepthSpinner"))->setValue(5);
        editor.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    french->PropertiesCommand();
    TGFlatCalendar* english = objectsOf<TGFlatCalendar>(page)[0];
    english->SetMonth(3);
    english->SetYear(1998);
    english->SetShowYear(true);
    EXPECT_TRUE(window.Modified());
    SaveForInspection(page.grab().toImage(), QStringLiteral("floating-objects-page.png"));

    nextSave = document;
    choose(window, "mnuSaveAs");
    ASSERT_TRUE(QFile::exists(document));
    quit(window);

    // Started again, the program opens the document it had last. Its print
    // command writes a PDF (a file is no installed printer: the menu entry
    // stays off, the command itself runs).
    TPrintCommands* printing = nullptr;
    TCalendarMain& again = start([&](TCalendarMain& w) {
        printing = TPrintCommands::Install(w, std::make_unique<TPdfDevice>(pdf));
        printing->ReportPrinter1().SetShowStatus(false);
    });
    TCalendarPanel32& reopened = *again.CalendarPanel();
    reopened.SetZoom(1.0f);
    const QList<TGPRichBaseLabel*> boxes = objectsOf<TGPRichBaseLabel>(reopened);
    const QList<TGFlatCalendar*> calendars = objectsOf<TGFlatCalendar>(reopened);
    ASSERT_EQ(boxes.size(), 1);
    const QList<TGPLabel*> labels = objectsOf<TGPLabel>(reopened);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->Caption(), QStringLiteral("Holidays"));
    ASSERT_EQ(calendars.size(), 2);
    EXPECT_EQ(boxes[0]->BoundsRect(), QRect(420, 40, 190, 40));
    EXPECT_FALSE(boxes[0]->Transparent());
    EXPECT_EQ(boxes[0]->BorderStyle(), bsSingle);
    EXPECT_EQ(boxes[0]->Storage().RtfText().ToDocument()->toPlainText(), QStringLiteral("Quarterly review in hall"));
    EXPECT_EQ(calendars[1]->Language(), fclFrench);
    EXPECT_EQ(calendars[1]->ShadowDepth(), 5);
    EXPECT_EQ(calendars[1]->Month(), 3);
    EXPECT_EQ(calendars[0]->BoundsRect(), QRect(40, 500, 240, 190));
    EXPECT_TRUE(calendars[0]->ShowYear());
    EXPECT_FALSE(again.Modified());

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    printing->Print();
    ASSERT_TRUE(QFile::exists(pdf));
    const QList<Word> words = pdfWords(pdf);
    const auto inches = [](const QRect& r) { return QRectF(r.x() / 96.0, r.y() / 96.0, r.width() / 96.0, r.height() / 96.0); };
    EXPECT_EQ(wordsInside(words, inches(boxes[0]->BoundsRect())).join(' '), QStringLiteral("Quarterly review in hall"));
    EXPECT_EQ(wordsInside(words, inches(labels[0]->BoundsRect())), QStringList{"Holidays"});
    const QStringList english1998 = wordsInside(words, inches(calendars[0]->BoundsRect()));
    const QStringList french1998 = wordsInside(words, inches(calendars[1]->BoundsRect()));
    for (const char* day : {"1", "15", "31", "March", "1998"})
        EXPECT_TRUE(english1998.contains(QLatin1String(day))) << day << ": " << english1998.join(' ').toStdString();
    for (const char* day : {"1", "15", "31", "Mars"})
        EXPECT_TRUE(french1998.contains(QLatin1String(day))) << day << ": " << french1998.join(' ').toStdString();

    const QString output = qEnvironmentVariable("VELLUMY_TEST_OUTPUT");
    if (!output.isEmpty())
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                                                       QStringLiteral("-singlefile"), pdf,
                                                       output + QStringLiteral("/floating-objects-printed")});
}
