// The rich-text box: laid out through the master control on its unzoomed
// page, edited in its dialog, its menu entries, its stored form and print.
#include <QAction>
#include <QBuffer>
#include <QFileInfo>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include "KindsKit.h"
#include "objects/kinds/GPRichBaseLabel.h"
#include "objects/kinds/HeadlessOwner.h"
#include "objects/kinds/KindDialogs.h"
#include "objects/kinds/RichTextLabelEditor.h"
#include "page/CalendarPanel32.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"
#include "print/PdfDevice.h"
#include "print/ReportPrinter.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

using namespace vellumy::test;

namespace {

TWPRtfText plainText(const QString& text)
{
    TWPRichText editor;
    editor.AppendParagraph(text);
    TWPRtfStorage storage;
    editor.SaveToStorage(storage);
    return storage.RtfText();
}

QAction* menuEntry(TGGraphicControl& object, const char* name)
{
    return object.PopupMenu()->findChild<QAction*>(QString::fromLatin1(name));
}

struct RichTextBoxTest : ::testing::Test {
    KindsForm form;
    TGPRichBaseLabel* box = nullptr;

    void SetUp() override
    {
        box = new TGPRichBaseLabel(&form, form.page);
        form.page->AttachObject(box);
        box->Loaded();
        box->SetBounds(40, 60, 190, 33);
    }
};

} // namespace

TEST_F(RichTextBoxTest, TextWrapsAtTheUnzoomedWidthAndTheEditorShowsTheSamePage)
{
    ASSERT_EQ(box->Master(), form.master);
    box->SetZoomFactor(0.5f);
    box->SetRTFText(plainText(QStringLiteral("Dentist at four")));
    EXPECT_EQ(box->PageTwips(), QSize(5700, 990));
    box->grab();
    EXPECT_EQ(form.master->Zoom(), 50);
    EXPECT_EQ(form.master->PageWidth(), 5700);
    EXPECT_EQ(form.master->PageHeight(), 990);

    QSize panel;
    int pageWidth = 0, zoom = 0;
    QList<int> zoomSteps;
    AnswerNextDialog<TRichTextLabelEditor>([&](TRichTextLabelEditor& editor) {
        editor.Activate();
        panel = editor.Panel()->size();
        pageWidth = editor.Editor()->PageWidth();
        zoom = editor.Zoom();
        EXPECT_EQ(editor.Editor()->PlainText(), QStringLiteral("Dentist at four"));
        QTextCursor end = editor.Editor()->textCursor();
        end.movePosition(QTextCursor::End);
        editor.Editor()->setTextCursor(end);
        QTest::keyClicks(editor.Editor(), QStringLiteral(" sharp"));
        editor.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    const int before = form.changes;
    box->EditCommand();
    EXPECT_EQ(panel, QSize(191, 34));
    EXPECT_EQ(pageWidth, 5700);
    EXPECT_EQ(zoom, 50);
    EXPECT_EQ(box->Storage().RtfText().ToDocument()->toPlainText(), QStringLiteral("Dentist at four sharp"));
    EXPECT_EQ(form.changes, before + 1);

    // Cancel keeps the text.
    AnswerNextDialog<TRichTextLabelEditor>([&](TRichTextLabelEditor& editor) {
        QTest::keyClicks(editor.Editor(), QStringLiteral("xyz"));
        editor.reject();
    });
    box->EditCommand();
    EXPECT_EQ(box->Storage().RtfText().ToDocument()->toPlainText(), QStringLiteral("Dentist at four sharp"));
}

TEST_F(RichTextBoxTest, EditorZoomStepsByTenBetweenFiftyAndAHundred)
{
    TRichTextLabelEditor editor;
    editor.SetPanelSize(QSize(191, 34));
    editor.SetZoom(95);
    editor.Activate();
    editor.ZoomIn();
    EXPECT_EQ(editor.Zoom(), 105);
    editor.ZoomIn();
    EXPECT_EQ(editor.Zoom(), 105);
    EXPECT_EQ(editor.Panel()->size(), QSize(211, 38));  // Round(105 x 191 / 95), Round(105 x 34 / 95)
    editor.SetZoom(60);
    editor.findChild<QAction*>(QStringLiteral("ZoomOutButton"))->trigger();
    EXPECT_EQ(editor.Zoom(), 50);
    editor.ZoomOut();
    EXPECT_EQ(editor.Zoom(), 50);
    EXPECT_EQ(editor.Panel()->size(), QSize(101, 18));
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Rich Text Editor"));
    editor.SetPanelSize(QSize(191, 34));
    editor.Editor()->LoadFromStorage(TWPRtfStorage());
    editor.SetZoom(100);
    editor.resize(601, 343);
    SaveForInspection(editor.grab().toImage(), QStringLiteral("rich-text-editor.png"));
}

TEST_F(RichTextBoxTest, MenuEntriesAndWhatMarksTheDocumentChanged)
{
    const QColor green(0, 200, 0);
    const auto paintOnGreen = [&] {
        QImage image(box->size(), QImage::Format_RGB32);
        image.fill(green);
        QPainter painter(&image);
        box->PaintText(painter);
        return image;
    };
    const QRect inside(3, 3, 100, 20);
    EXPECT_TRUE(box->Transparent());
    EXPECT_EQ(CountPixels(paintOnGreen(), inside, green), inside.width() * inside.height());

    int changes = form.changes;
    menuEntry(*box, "Transparent")->trigger();
    EXPECT_FALSE(box->Transparent());
    EXPECT_EQ(form.changes, changes);
    menuEntry(*box, "Transparent")->trigger();
    box->PopupOpening();
    EXPECT_TRUE(menuEntry(*box, "Transparent")->isChecked());
    EXPECT_TRUE(menuEntry(*box, "Border")->isChecked());

    menuEntry(*box, "Border")->trigger();
    EXPECT_EQ(box->BorderStyle(), bsNone);
    EXPECT_GT(form.changes, changes);

    changes = form.changes;
    SetKindColorChooserForTesting([](TColor& color) {
        color = 0x00FFFF;  // yellow
        return true;
    });
    menuEntry(*box, "BackgroundColor")->trigger();
    SetKindColorChooserForTesting({});
    EXPECT_FALSE(box->Transparent());
    EXPECT_EQ(box->BGColor(), 0x00FFFFu);
    EXPECT_GT(form.changes, changes);
    EXPECT_EQ(CountPixels(paintOnGreen(), inside, QColor(255, 255, 0)), inside.width() * inside.height());
    ASSERT_TRUE(box->DoubleClickAction);
}

TEST_F(RichTextBoxTest, StoredBoxNeedsAMasterToComeBack)
{
    box->SetRTFText(plainText(QStringLiteral("Anniversary")));
    box->SetTransparent(false);
    box->SetBGColor(0xFFCCCC);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TObjectWriter writer(buffer);
    writer.WriteListBegin();
    writer.WriteRootComponent(*box);
    writer.WriteListEnd();
    writer.FlushBuffer();
    RegisterClass(TGPRichBaseLabel::StaticClassInfo());

    KindsForm withMaster;
    buffer.seek(0);
    TObjectReader reader(buffer);
    reader.ReadListBegin();
    QList<TGPRichBaseLabel*> read;
    reader.ReadComponents(&withMaster, withMaster.page,
                          [&](TComponent* c) { read.append(dynamic_cast<TGPRichBaseLabel*>(c)); });
    ASSERT_EQ(read.size(), 1);
    ASSERT_TRUE(read[0]);
    EXPECT_EQ(read[0]->Storage().RtfText().ToDocument()->toPlainText(), QStringLiteral("Anniversary"));
    EXPECT_EQ(read[0]->BGColor(), 0xFFCCCCu);
    EXPECT_FALSE(read[0]->Transparent());
    EXPECT_EQ(read[0]->BorderStyle(), bsSingle);
    EXPECT_EQ(withMaster.changes, 0);

    KindsForm withoutMaster(false);
    buffer.seek(0);
    TObjectReader failing(buffer);
    failing.ReadListBegin();
    try {
        failing.ReadComponents(&withoutMaster, withoutMaster.page);
        ADD_FAILURE() << "read without a master";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "No master rich text object found");
    }
}

TEST_F(RichTextBoxTest, PrintsItsWordsAsTextInsideTheBox)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("box.pdf"));
    box->SetBounds(192, 96, 192, 48);  // two inches in, one down: 2 x 0.5 inches
    box->SetRTFText(plainText(QStringLiteral("Quarterly review meeting in the big hall")));
    {
        TReportPrinter report(std::make_unique<TPdfDevice>(file));
        report.SetShowStatus(false);
        report.OnPrint = [&](TReportPrinter& r) { form.page->PrintObjects(r, 0.25, 0.25); };
        ASSERT_TRUE(report.Execute());
    }
    const QRectF area(2.25, 1.25, 2, 0.5);
    QStringList inside;
    for (const PdfWord& word : PdfWords(file))
        if (area.contains(word.inches))
            inside.append(word.text);
    EXPECT_EQ(inside.join(' '), QStringLiteral("Quarterly review meeting in the big hall"));
}

// The command-line tool has a master control of its own: it reads, prints and
// resaves a document holding a box, the box's words printed inside the box.
TEST_F(RichTextBoxTest, TheCommandLineToolReadsPrintsAndResavesDocumentsWithABox)
{
    const QString tool = QStringLiteral(VELLUMY_BIN_DIR "/vellumy-tool");
    if (!QFileInfo::exists(tool) || !HavePdfToText())
        GTEST_SKIP() << "needs vellumy-tool and pdftotext";
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("box.QXF"));
    const QString sentence = QStringLiteral("Quarterly review meeting in the big hall");
    {
        THeadlessOwner owner;
        auto* page = new TCalendarPanel32(&owner);
        page->ResetToDefaults();
        auto* saved = new TGPRichBaseLabel(&owner, page);
        saved->Loaded();
        page->Place(saved, QRect(192, 96, 192, 48));
        saved->SetRTFText(plainText(sentence));
        ASSERT_TRUE(page->SaveDocument(document));
    }
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.start(tool, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
        return process.readAllStandardOutput();
    };

    const auto objects = [&](const QString& file) {
        const QJsonObject info = QJsonDocument::fromJson(run({QStringLiteral("info"), file})).object();
        EXPECT_FALSE(info.contains(QStringLiteral("objectsError")))
            << info[QStringLiteral("objectsError")].toString().toStdString();
        return info[QStringLiteral("objects")].toArray();
    };
    const QJsonArray stored = objects(document);
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0][QStringLiteral("RTFText")].toString(), sentence);

    const QString pdf = dir.filePath(QStringLiteral("box.pdf"));
    run({QStringLiteral("print"), document, QStringLiteral("-o"), pdf});
    QStringList printed;
    QRectF extent;
    for (const PdfWord& word : PdfWords(pdf)) {
        if (!sentence.split(QLatin1Char(' ')).contains(word.text))
            continue;
        printed.append(word.text);
        extent = extent.isNull() ? word.inches : extent.united(word.inches);
    }
    EXPECT_EQ(printed.join(QLatin1Char(' ')), sentence);
    EXPECT_LE(extent.width(), 2.0) << "wrapped at the box's two inches";
    EXPECT_LE(extent.height(), 0.5);

    const QString resaved = dir.filePath(QStringLiteral("again.QXF"));
    run({QStringLiteral("resave"), document, resaved});
    EXPECT_EQ(objects(resaved), stored);
}
