// The drawing tools through the real main window: each tool draws its object
// from a dragged rectangle and its dialog is answered; the document is saved,
// the program closed and started again on it, and every object comes back;
// the printed page carries the objects' words where they stand.
#include <QComboBox>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolButton>

#include "MainTestSupport.h"
#include "app/PrintCommands.h"
#include <QLineEdit>

#include "objects/kinds/FlatCalendarEditor.h"
#include "objects/kinds/GImage.h"
#include "objects/kinds/GImageBrowser.h"
#include "objects/kinds/GSuperText.h"
#include "objects/kinds/SuperTextProperties.h"
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

// The sizes of the images a PDF holds, as "WxH" (pdfimages -list).
QStringList pdfImageSizes(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    if (!process.waitForFinished(30000))
        return {};
    QStringList sizes;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        if (columns.size() > 4)
            sizes.append(columns[3] + QLatin1Char('x') + columns[4]);
    }
    return sizes;
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

    // A picture: the browser follows; a small bitmap made here is chosen.
    QImage bitmap(40, 30, QImage::Format_RGB32);
    bitmap.fill(Qt::darkCyan);
    QDir(dir.path()).mkdir(QStringLiteral("pictures"));
    ASSERT_TRUE(bitmap.save(dir.filePath(QStringLiteral("pictures/tile.bmp")), "BMP"));
    WhenModal<TGImageBrowser>([&](TGImageBrowser& browser) {
        browser.SetFolder(dir.filePath(QStringLiteral("pictures")));
        browser.FileList()->setCurrentRow(0);
        browser.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    drawWith(window, "DrawImageButton", QRect(250, 30, 120, 90));
    EXPECT_EQ(page.PanelState(), psPointing);

    // SuperText: its properties dialog follows, the text and a shadow set there.
    WhenModal<TSuperTextProperties>([](TSuperTextProperties& dialog) {
        auto* caption = dialog.findChild<QLineEdit*>(QStringLiteral("CaptionText"));
        caption->selectAll();
        QTest::keyClicks(caption, QStringLiteral("Summer"));
        dialog.findChild<QSpinBox*>(QStringLiteral("ShadowDepthSpinner"))->setValue(3);
        auto* orientation = dialog.findChild<QComboBox*>(QStringLiteral("ShadowOrientationCombo"));
        orientation->setCurrentIndex(sdDownRight);
        emit orientation->activated(sdDownRight);
        dialog.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    drawWith(window, "DrawSuperText", QRect(60, 280, 300, 90));
    EXPECT_EQ(page.PanelState(), psPointing);
    EXPECT_TRUE(window.findChild<QToolButton*>(QStringLiteral("Pointerbutton"))->isChecked());
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
    const QList<TGImage*> pictures = objectsOf<TGImage>(reopened);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0]->BoundsRect(), QRect(250, 30, 120, 90));
    EXPECT_EQ(pictures[0]->Picture()->Kind(), TPictureKind::Bitmap);
    EXPECT_EQ(pictures[0]->Picture()->Width(), 40);
    EXPECT_TRUE(pictures[0]->Stretch());
    const QList<TGSuperText*> superTexts = objectsOf<TGSuperText>(reopened);
    ASSERT_EQ(superTexts.size(), 1);
    EXPECT_EQ(superTexts[0]->BoundsRect(), QRect(60, 280, 300, 90));
    EXPECT_EQ(superTexts[0]->Caption(), QStringLiteral("Summer"));
    EXPECT_EQ(superTexts[0]->ShadowDepth(), 3);
    EXPECT_EQ(superTexts[0]->ShadowOrientation(), sdDownRight);
    EXPECT_EQ(superTexts[0]->BorderStyle(), bsSingle);
    EXPECT_FALSE(superTexts[0]->ControlTransparent());
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
    // SuperText prints its shadow as text and its face as outlines.
    EXPECT_TRUE(wordsInside(words, inches(superTexts[0]->BoundsRect())).contains(QStringLiteral("Summer")));
    EXPECT_TRUE(pdfImageSizes(pdf).contains(QStringLiteral("40x30"))) << pdfImageSizes(pdf).join(' ').toStdString();

    const QString output = qEnvironmentVariable("VELLUMY_TEST_OUTPUT");
    if (!output.isEmpty())
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                                                       QStringLiteral("-singlefile"), pdf,
                                                       output + QStringLiteral("/floating-objects-printed")});
}

// A tool whose object cannot be made (here the rich-text box without its
// master) shows why, leaves no object, does not mark the document, and hands
// back the pointer tool.
TEST_F(FloatingObjectsTest, AFailedCreationLeavesThePageAndTheDocumentAsTheyWere)
{
    QTemporaryDir dir;
    TCalendarMain& window = start();
    newCalendar(window, 0, false, 1998, 3);
    nextSave = dir.filePath(QStringLiteral("saved.QXF"));
    choose(window, "mnuSaveAs");
    TCalendarPanel32& page = *window.CalendarPanel();
    ASSERT_FALSE(window.Modified());
    window.MasterRichText()->setObjectName(QStringLiteral("Elsewhere"));
    drawWith(window, "DrawRichText", QRect(100, 100, 190, 40));
    EXPECT_EQ(boxes.lastText(), QStringLiteral("No master rich text object found"));
    EXPECT_TRUE(objectsOf<TGPRichBaseLabel>(page).isEmpty());
    EXPECT_FALSE(window.Modified());
    EXPECT_EQ(page.PanelState(), psPointing);
    EXPECT_TRUE(window.findChild<QToolButton*>(QStringLiteral("Pointerbutton"))->isChecked());
}
