// The picture object end to end: sizing and the document-modified rule,
// painting, printing of each picture kind, documents that keep every picture
// byte for byte (and both options off), and the image browser.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QPixmap>
#include <QTimer>
#include <memory>

#include "TestSupport.h"
#include "objects/kinds/GImage.h"
#include "objects/kinds/GImageBrowser.h"
#include "objects/kinds/PageObjectKinds.h"
#include "page/CalendarPanel32.h"
#include "persist/ClassInfo.h"
#include "platform/WmfPicture.h"
#include "print/FakePrintDevice.h"
#include "print/PdfDevice.h"
#include "print/ReportPrinter.h"

using vellumy::test::CountPixels;
using vellumy::test::DataPath;
using vellumy::test::MessageBoxScript;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage filled(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class PictureObject : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPageObjectKinds();
        page = new TCalendarPanel32(&owner);
        page->resize(816, 1056);
        page->LabelChangedEvent = [this](QObject*) { ++changes; };
    }

    TGImage* addImage(QRect rect = QRect(40, 50, 120, 90))
    {
        auto* image = new TGImage(&owner, page);
        image->Loaded();
        page->Place(image, rect);
        return image;
    }

    QList<TRecordedOp> print(TGImage& image)
    {
        auto device = std::make_unique<TFakePrintDevice>(300);
        TFakePrintDevice* fake = device.get();
        TReportPrinter report(std::move(device));
        report.SetShowStatus(false);
        report.OnPrint = [&](TReportPrinter& r) { image.PrintTo(r, 0.5, 0.25); };
        EXPECT_TRUE(report.Execute());
        return fake->Sheets().value(0).ops;
    }

    TComponent owner;
    TCalendarPanel32* page = nullptr;
    int changes = 0;
};

// Runs `act` on the image browser once it is shown modally.
void whenBrowserOpens(std::function<void(TGImageBrowser&)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* browser = qobject_cast<TGImageBrowser*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*browser);
        }
    });
    poll->start(5);
}

int count(const QList<TRecordedOp>& ops, TRecordedOp::Kind kind)
{
    return int(std::count_if(ops.begin(), ops.end(), [kind](const TRecordedOp& op) { return op.kind == kind; }));
}

} // namespace

TEST_F(PictureObject, AutoSizeAtZoomStretchAndWhatMarksTheDocumentModified)
{
    TGImage* image = addImage();
    image->SetZoomFactor(0.75f);
    TPicture picture;
    picture.SetBitmap(filled(64, 48, Qt::red));
    image->SetPicture(picture);
    EXPECT_EQ(image->size(), QSize(120, 90)); // Stretch: the user's size stays

    changes = 0;
    image->PopupOpening();
    image->AutoSizeMenuItem()->trigger();
    EXPECT_EQ(image->size(), QSize(48, 36));
    EXPECT_TRUE(image->AutoSize());
    EXPECT_FALSE(image->Stretch());
    EXPECT_GE(changes, 1);

    changes = 0;
    image->StretchMenuItem()->trigger();
    EXPECT_EQ(changes, 0) << "Stretch to Fit does not mark the document modified";
    EXPECT_TRUE(image->Stretch());
    EXPECT_FALSE(image->AutoSize());
    EXPECT_EQ(image->size(), QSize(48, 36));
    image->SetBounds(40, 50, 200, 30); // and the user may size it again
    EXPECT_EQ(image->size(), QSize(200, 30));

    changes = 0;
    image->BorderMenuItem()->trigger();
    EXPECT_EQ(image->BorderStyle(), bsSingle);
    EXPECT_EQ(changes, 1);
    image->PopupOpening();
    EXPECT_TRUE(image->BorderMenuItem()->isChecked());
    EXPECT_TRUE(image->StretchMenuItem()->isChecked());
    EXPECT_FALSE(image->AutoSizeMenuItem()->isChecked());
}

TEST_F(PictureObject, PaintsEmptyAsAFramedBoxAndPrintsEachKindItsWay)
{
    TGImage* image = addImage(QRect(10, 10, 96, 48));
    QImage shot = image->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(95, 47), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(48, 24), QColor(Qt::white));

    // Empty: only the border (none without one).
    EXPECT_TRUE(print(*image).isEmpty());
    image->SetBorderStyle(bsSingle);
    QList<TRecordedOp> ops = print(*image);
    ASSERT_EQ(ops.size(), 1);
    EXPECT_EQ(ops[0].kind, TRecordedOp::Rectangle);
    EXPECT_NEAR(ops[0].bounds.left(), (10 / 96.0 + 0.5) * 300, 2);
    EXPECT_NEAR(ops[0].bounds.width(), 1.0 * 300, 2);

    // A bitmap goes to the printer whole, at its own resolution.
    TPicture picture;
    picture.SetBitmap(filled(640, 320, Qt::blue));
    image->SetPicture(picture);
    ops = print(*image);
    ASSERT_EQ(count(ops, TRecordedOp::Image), 1);
    EXPECT_EQ(ops[0].imageSize, QSize(640, 320));
    EXPECT_NEAR(ops[0].bounds.height(), 0.5 * 300, 2);
    shot = image->grab().toImage();
    EXPECT_EQ(shot.pixelColor(48, 24), QColor(Qt::blue));

    // A metafile is drawn as vectors; an icon is not printed.
    ASSERT_TRUE(image->Picture()->LoadFromFile(DataPath("wmf/shapes.wmf")));
    ops = print(*image);
    EXPECT_EQ(count(ops, TRecordedOp::Image), 0);
    EXPECT_GT(ops.size(), 3);
    ASSERT_TRUE(image->Picture()->LoadFromFile(DataPath("pictures/ico-mask.ico")));
    EXPECT_EQ(image->Picture()->Kind(), TPictureKind::Icon);
    ops = print(*image);
    ASSERT_EQ(ops.size(), 1);
    EXPECT_EQ(ops[0].kind, TRecordedOp::Rectangle);
}

TEST_F(PictureObject, AHighDensityScreenGetsThePictureAtItsOwnPixels)
{
    // A 200 x 100 checkerboard of single pixels shown at 100 x 50: one pixel
    // per pixel can only show it grey, two device pixels per pixel show it whole.
    QImage board(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            board.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    TGImage* image = addImage(QRect(10, 10, 100, 50));
    TPicture picture;
    picture.SetBitmap(board);
    image->SetPicture(picture);

    QPixmap dense(200, 100);
    dense.setDevicePixelRatio(2);
    image->render(&dense);
    const QImage shown = dense.toImage();
    EXPECT_EQ(shown.pixelColor(40, 20), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(41, 20), QColor(Qt::white));

    const QColor grey = image->grab().toImage().pixelColor(20, 10);
    EXPECT_GT(grey.red(), 60);
    EXPECT_LT(grey.red(), 200);
}

TEST_F(PictureObject, DocumentsKeepEveryPictureByteForByteAndBothOptionsOff)
{
    QTemporaryDir dir;
    const QByteArray bmp = readAll(DataPath("pictures/bmp-4.bmp"));
    const QByteArray wmf = readAll(DataPath("wmf/shapes.wmf"));
    const QByteArray ico = readAll(DataPath("pictures/ico-mask.ico"));
    // An enhanced metafile: a header our player cannot draw, kept all the same.
    QByteArray emf(120, '\x11');
    qToLittleEndian<quint32>(1, emf.data());
    qToLittleEndian<quint32>(0x464D4520, emf.data() + 40);
    {
        QFile f(dir.filePath("clip.emf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(emf);
    }
    const QStringList files{DataPath("pictures/bmp-4.bmp"), DataPath("wmf/shapes.wmf"),
                            DataPath("pictures/ico-mask.ico"), dir.filePath("clip.emf")};
    for (const QString& file : files) {
        TGImage* image = addImage();
        ASSERT_TRUE(image->Picture()->LoadFromFile(file)) << file.toStdString();
    }
    // Neither stretched nor auto-sized, as the browser may leave a picture.
    TGImage* neither = addImage();
    ASSERT_TRUE(neither->LoadPictureFile(DataPath("pictures/pcx-8.pcx"), false, false));
    EXPECT_FALSE(neither->Stretch());
    EXPECT_FALSE(neither->AutoSize());

    const QString first = dir.filePath("first.qxf");
    const QString second = dir.filePath("second.qxf");
    ASSERT_TRUE(page->SaveDocument(first));
    // Read objects are renamed as pasted ones are; after that, saving what
    // was read gives the same bytes again.
    TComponent otherOwner;
    TCalendarPanel32 other(&otherOwner);
    other.LoadDocument(first, &otherOwner);
    ASSERT_TRUE(other.SaveDocument(second));
    TComponent againOwner;
    TCalendarPanel32 again(&againOwner);
    again.LoadDocument(second, &againOwner);
    ASSERT_TRUE(again.SaveDocument(dir.filePath("third.qxf")));
    EXPECT_EQ(readAll(second), readAll(dir.filePath("third.qxf")));
    EXPECT_EQ(readAll(first).size(), readAll(second).size() - 10); // "SpecialN" became "ComponentN-1"

    const QList<TGImage*> read = other.findChildren<TGImage*>();
    ASSERT_EQ(read.size(), 5);
    QList<QByteArray> stored;
    for (TGImage* image : read)
        stored << image->Picture()->StreamData();
    EXPECT_TRUE(stored.contains(QByteArray("\x07TBitmap") + bmp));
    EXPECT_TRUE(stored.contains(QByteArray("\x09TMetafile") + wmf));
    EXPECT_TRUE(stored.contains(QByteArray("\x05TIcon") + ico));
    EXPECT_TRUE(stored.contains(QByteArray("\x09TMetafile") + emf));
    int neitherCount = 0;
    for (TGImage* image : read)
        neitherCount += !image->Stretch() && !image->AutoSize();
    EXPECT_EQ(neitherCount, 1);

    // A record holding only "Stretch False" (no AutoSize entry) reads auto-sized.
    QByteArray onlyStretch = readAll(first);
    const QByteArray autoSizeFalse = QByteArray("\x08" "AutoSize") + char(8);
    ASSERT_EQ(onlyStretch.count(autoSizeFalse), 1);
    onlyStretch.replace(autoSizeFalse, QByteArray());
    {
        QFile f(dir.filePath("old.qxf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(onlyStretch);
    }
    TComponent thirdOwner;
    TCalendarPanel32 third(&thirdOwner);
    third.LoadDocument(dir.filePath("old.qxf"), &thirdOwner);
    int autoSized = 0;
    for (TGImage* image : third.findChildren<TGImage*>())
        autoSized += image->AutoSize() && !image->Stretch();
    EXPECT_EQ(autoSized, 1);
}

TEST_F(PictureObject, BrowserListsPicturesWithoutRegardToCaseAndLoadsThePreview)
{
    QTemporaryDir dir;
    for (const char* name : {"photo.jpg", "PHOTO.JPG", "scan.pcx", "notes.txt", "broken.bmp", "broken.pcx", "mark.ico"})
        QFile::copy(name == QByteArray("photo.jpg") || name == QByteArray("PHOTO.JPG") ? DataPath("pictures/jpg.jpg")
                    : name == QByteArray("scan.pcx")                                  ? DataPath("pictures/pcx-24.pcx")
                    : name == QByteArray("mark.ico")                                  ? DataPath("pictures/ico-mask.ico")
                                                                                      : DataPath("pictures/make-fixtures.sh"),
                    dir.filePath(name));
    QDir(dir.path()).mkdir("Sub");
    MessageBoxScript boxes;

    TGImage* image = addImage();
    bool inspected = false;
    whenBrowserOpens([&](TGImageBrowser& opened) {
        TGImageBrowser* browser = &opened;
        EXPECT_EQ(browser->windowTitle(), QStringLiteral("Load Image File "));
        EXPECT_TRUE(browser->StretchBox()->isChecked());
        browser->SetFolder(dir.path());
        QStringList listed;
        for (int i = 0; i < browser->FileList()->count(); ++i)
            listed << browser->FileList()->item(i)->text();
        EXPECT_EQ(listed, (QStringList{"broken.bmp", "broken.pcx", "mark.ico", "photo.jpg", "PHOTO.JPG", "scan.pcx"}));
        EXPECT_EQ(browser->FolderList()->findItems("Sub", Qt::MatchExactly).size(), 1);

        browser->FileList()->setCurrentRow(listed.indexOf("broken.pcx"));
        EXPECT_TRUE(browser->Preview().IsEmpty());
        EXPECT_TRUE(boxes.shown().isEmpty()) << "only BMP and WMF failures are reported";
        browser->FileList()->setCurrentRow(listed.indexOf("broken.bmp"));
        EXPECT_TRUE(browser->Preview().IsEmpty());
        ASSERT_EQ(boxes.shown().size(), 1);
        EXPECT_EQ(boxes.lastText(), QStringLiteral("Error loading file!"));

        browser->FileList()->setCurrentRow(listed.indexOf("mark.ico"));
        EXPECT_EQ(browser->Preview().Kind(), TPictureKind::Bitmap) << "an icon becomes a bitmap of its size";
        EXPECT_EQ(browser->Preview().Width(), 37);
        browser->FileList()->setCurrentRow(listed.indexOf("scan.pcx"));
        EXPECT_EQ(browser->Preview().Width(), 37);
        browser->AutoSizeBox()->click();
        EXPECT_FALSE(browser->StretchBox()->isChecked());
        browser->AutoSizeBox()->click(); // both off
        EXPECT_FALSE(browser->AutoSizeBox()->isChecked());
        inspected = true;
        browser->accept();
    });
    changes = 0;
    image->LoadCommand();
    ASSERT_TRUE(inspected);
    EXPECT_EQ(image->Picture()->Width(), 37);
    EXPECT_EQ(image->Picture()->Kind(), TPictureKind::Bitmap);
    EXPECT_FALSE(image->Stretch());
    EXPECT_FALSE(image->AutoSize());
    EXPECT_GE(changes, 1);

    // Cancel leaves the object as it was.
    whenBrowserOpens([](TGImageBrowser& browser) { browser.reject(); });
    image->LoadCommand();
    EXPECT_EQ(image->Picture()->Width(), 37);
}

TEST_F(PictureObject, ThePictureToolMakesAnEmptyPictureAndOpensTheBrowser)
{
    page->SetPanelState(psImage);
    bool browserOpened = false;
    whenBrowserOpens([&](TGImageBrowser& browser) {
        browserOpened = true;
        EXPECT_EQ(page->PanelState(), psPointing) << "the tool has ended before the browser opens";
        browser.reject();
    });
    page->ToolRectDone(QRect(30, 40, 10, 10));
    EXPECT_TRUE(browserOpened);
    const QList<TGImage*> made = page->findChildren<TGImage*>();
    ASSERT_EQ(made.size(), 1);
    EXPECT_EQ(made[0]->geometry(), QRect(30, 40, 50, 15));
    EXPECT_TRUE(made[0]->Picture()->IsEmpty()); // Cancel leaves it empty
    EXPECT_TRUE(made[0]->Stretch());
}

TEST_F(PictureObject, APrintedPdfHoldsTheBitmapAsAnImageAndTheMetafileAsVectors)
{
    if (QStandardPaths::findExecutable("pdfimages").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir dir;
    TPicture photo;
    photo.SetBitmap(filled(640, 320, Qt::blue));
    addImage(QRect(96, 96, 192, 96))->SetPicture(photo);
    TGImage* clip = addImage(QRect(96, 288, 288, 192));
    ASSERT_TRUE(clip->Picture()->LoadFromFile(DataPath("wmf/shapes.wmf")));
    const QString pdf = dir.filePath("pictures.pdf");
    {
        TReportPrinter report(std::make_unique<TPdfDevice>(pdf));
        report.SetShowStatus(false);
        report.OnPrint = [&](TReportPrinter& r) { page->PrintObjects(r, 0, 0); };
        ASSERT_TRUE(report.Execute());
    }
    QProcess images;
    images.start("pdfimages", {"-list", pdf});
    ASSERT_TRUE(images.waitForFinished());
    const QStringList rows = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3) << "a header, a rule and the one bitmap:\n" << rows.join('\n').toStdString();
    EXPECT_TRUE(rows[2].simplified().contains(" 640 320 ")) << rows[2].toStdString();

    // The metafile's shapes are on the page, drawn without any image.
    QProcess render;
    render.start("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, dir.filePath("page")});
    ASSERT_TRUE(render.waitForFinished());
    const QImage shown(dir.filePath("page.png"));
    ASSERT_FALSE(shown.isNull());
    int blue = 0;
    for (int y = 120; y < 180; ++y)
        for (int x = 100; x < 280; ++x)
            blue += qBlue(shown.pixel(x, y)) > 200 && qRed(shown.pixel(x, y)) < 60;
    EXPECT_GT(blue, 5000);
    int coloured = 0;
    for (int y = 288; y < 480; ++y)
        for (int x = 96; x < 384; ++x)
            coloured += shown.pixelColor(x, y).saturation() > 80;
    EXPECT_GT(coloured, 2000);
}
