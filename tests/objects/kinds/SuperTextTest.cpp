#include <QBuffer>
#include <QFile>
#include <QPainter>

#include "SuperTextKit.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"

using namespace supertext;

namespace {

QByteArray writeRecord(TComponent& component)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TObjectWriter writer(buffer);
    writer.WriteRootComponent(component);
    writer.FlushBuffer();
    return buffer.data();
}

QImage checker(QColor a, QColor b)
{
    QImage texture(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            texture.setPixelColor(x, y, (x / 4 + y / 4) % 2 ? a : b);
    return texture;
}

} // namespace

TEST_F(SuperTextTest, NewObjectDefaultsAndWhatIsStored)
{
    EXPECT_EQ(object->size(), QSize(142, 33));
    EXPECT_EQ(object->Caption(), "Text");
    EXPECT_EQ(object->Font().Name(), "Arial");
    EXPECT_EQ(object->Font().Size(), 48);
    EXPECT_TRUE(object->Font().HasStyle(TFont::fsBold));
    EXPECT_EQ(object->SurfaceType(), stGradientFill);
    EXPECT_EQ(object->FillDirection(), gdRight);
    EXPECT_EQ(object->GradientFromColor(), TColors::clBlue);
    EXPECT_EQ(object->GradientToColor(), TColors::clYellow);
    EXPECT_TRUE(object->ControlTransparent());
    EXPECT_EQ(object->GradientBitmap().size(), object->size());

    // The shadow's three properties are left out while they hold their defaults.
    QByteArray record = writeRecord(*object);
    EXPECT_FALSE(record.contains("ShadowDepth"));
    EXPECT_FALSE(record.contains("ShadowOrientation"));
    EXPECT_FALSE(record.contains("Shadowcolor"));
    EXPECT_TRUE(record.contains("GradientFromColor"));
    EXPECT_FALSE(record.contains("Image.Data"));

    // A changed object comes back from its record as it was, texture included.
    RegisterClass(TGSuperText::StaticClassInfo());
    object->SetSurfaceType(stBrushImage);
    object->SetImage(checker(Qt::red, Qt::green));
    object->SetShadowDepth(4);
    object->SetShadowOrientation(sdLeft);
    object->SetShadowcolor(0x123456);
    object->SetCaption(QStringLiteral("May"));
    object->SetOutlineStyle(psDashDot);
    object->SetOutlineWidth(3);
    object->SetLastBitmapFileNameandPath(QStringLiteral("/tmp/wood.bmp"));
    record = writeRecord(*object);
    EXPECT_TRUE(record.contains("Image.Data"));

    QBuffer input;
    input.setData(QByteArray(1, char(1)) + record + QByteArray(1, char(0)));
    input.open(QIODevice::ReadOnly);
    TObjectReader reader(input);
    reader.ReadListBegin();
    TGSuperText* copy = nullptr;
    QWidget host2;
    reader.ReadComponents(nullptr, &host2, [&](TComponent* c) { copy = dynamic_cast<TGSuperText*>(c); });
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Caption(), "May");
    EXPECT_EQ(copy->SurfaceType(), stBrushImage);
    EXPECT_EQ(copy->ShadowDepth(), 4);
    EXPECT_EQ(copy->ShadowOrientation(), sdLeft);
    EXPECT_EQ(copy->Shadowcolor(), 0x123456);
    EXPECT_EQ(copy->OutlineStyle(), psDashDot);
    EXPECT_EQ(copy->OutlineWidth(), 3);
    EXPECT_EQ(copy->LastBitmapFileNameandPath(), "/tmp/wood.bmp");
    EXPECT_EQ(copy->Font().Name(), "Arial");
    EXPECT_EQ(copy->Image().convertToFormat(QImage::Format_RGB32), object->Image().convertToFormat(QImage::Format_RGB32));
    delete copy;
}

TEST_F(SuperTextTest, TextIsCutFromItsEndAndAnEmptyFitShowsACrossedFrame)
{
    object->SetControlTransparent(false);
    object->SetCaption(QStringLiteral("September"));
    object->SetBounds(0, 0, 120, 80);
    object->Layout();
    const QString fitted = object->FittedText();
    EXPECT_FALSE(fitted.isEmpty());
    EXPECT_LT(fitted.size(), 9);
    EXPECT_TRUE(QStringLiteral("September").startsWith(fitted));
    EXPECT_EQ(object->Height(), 80);  // an opaque object keeps its height

    // Too narrow for the first letter: a black frame and both diagonals.
    object->SetBounds(0, 0, 30, 80);
    const QImage image = render();
    EXPECT_TRUE(object->FittedText().isEmpty());
    EXPECT_EQ(image.pixelColor(15, 20), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(0, 40), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(29, 40), QColor(Qt::black));
    int diagonal = 0;
    for (int y = 10; y < 70; ++y)
        diagonal += image.pixelColor(y * 30 / 80, y) == QColor(Qt::black) ? 1 : 0;
    EXPECT_GT(diagonal, 50);

    // A bare object is held between f and 1.2 f high.
    object->SetControlTransparent(true);
    object->SetCaption(QStringLiteral("A"));
    object->SetBounds(0, 0, 200, 300);
    object->Layout();
    const int f = object->MainBox().height();
    EXPECT_EQ(object->Height(), int(1.2 * f));
}

TEST_F(SuperTextTest, SurfaceRulesDropTheTextureAndKeepLettersVisible)
{
    object->SetOutlineStyle(psClear);
    object->SetSurfaceType(stBrushTransparent);
    EXPECT_EQ(object->OutlineStyle(), psSolid);

    object->SetSurfaceType(stBrushImage);
    object->SetImage(checker(Qt::red, Qt::green));
    object->SetSurfaceType(stNormal);
    object->SetSurfaceType(stBrushImage);
    EXPECT_TRUE(object->Image().isNull());

    // A copy from an object without a texture surface has no texture either.
    object->SetImage(checker(Qt::red, Qt::green));
    TGSuperText other(nullptr, host.get());
    other.SetImage(checker(Qt::blue, Qt::blue));
    other.SetCaption(QStringLiteral("Copy"));
    other.SetShadowDepth(3);
    other.SetBounds(0, 0, 300, 90);
    object->AssignFrom(other);
    EXPECT_EQ(object->SurfaceType(), stGradientFill);
    EXPECT_TRUE(object->Image().isNull());
    EXPECT_EQ(object->Caption(), "Copy");
    EXPECT_EQ(object->ShadowDepth(), 3);
    EXPECT_EQ(object->size(), QSize(300, 90));

    // Transparent surface with no outline: only the background is drawn.
    object->SetSurfaceType(stBrushTransparent);
    object->SetOutlineWidth(0);
    object->SetShadowDepth(0);
    object->SetControlTransparent(false);
    object->SetBGColor(TColors::clWhite);
    const QImage image = render();
    EXPECT_EQ(vellumy::test::CountPixels(image, image.rect(), Qt::white), image.width() * image.height());
}

TEST_F(SuperTextTest, GradientBandsRunBetweenTheColoursInTheirDirection)
{
    object->SetBounds(0, 0, 300, 100);
    object->SetFillDirection(gdUp);
    const QImage& up = object->GradientBitmap();
    ASSERT_EQ(up.size(), QSize(300, 100));
    EXPECT_EQ(up.pixel(150, 0), ToQColor(object->GradientToColor()).rgb());
    EXPECT_EQ(up.pixel(150, 99), ToQColor(object->GradientFromColor()).rgb());
    EXPECT_EQ(up.pixel(150, 1), qRgb(252, 252, 3));  // row 1 is band 3 of the strip rule
    EXPECT_EQ(up.pixelColor(0, 50), up.pixelColor(299, 50));

    object->SetFillDirection(gdRight);
    object->SetGradientFromColor(0x000000);
    object->SetGradientToColor(0xFFFFFF);
    const QImage& right = object->GradientBitmap();
    EXPECT_EQ(right.pixel(0, 50), qRgb(0, 0, 0));
    EXPECT_EQ(right.pixel(299, 50), qRgb(255, 255, 255));
    // x = 150 starts band 128 (MulDiv(128, 300, 256) = 150): grey 128.
    EXPECT_EQ(right.pixel(150, 10), qRgb(128, 128, 128));
    EXPECT_EQ(TGSuperText::GradientBandColor(Qt::black, Qt::white, 1), QColor(1, 1, 1));
}

TEST_F(SuperTextTest, FaceShowsGradientTextureAndOutlineWhereTheLettersAre)
{
    object->SetCaption(QStringLiteral("HH"));
    object->SetOutlineStyle(psClear);
    ASSERT_TRUE(object->FitToText());
    QImage image = render();
    QList<QPoint> points = inside();
    ASSERT_GT(points.size(), 50);
    // Blue at the letters' left end, turning yellow toward their right end.
    const QColor left = image.pixelColor(points.first());
    const QColor right = image.pixelColor(points.last());
    EXPECT_GT(left.blue(), 200);
    EXPECT_LT(left.red(), 60);
    EXPECT_GT(right.red(), 150);
    EXPECT_LT(right.blue(), 100);
    for (const QPoint& p : points)
        ASSERT_EQ(image.pixel(p), object->GradientBitmap().pixel(p)) << p.x() << "," << p.y();
    // Outside the letters the page shows through.
    EXPECT_EQ(image.pixelColor(1, 1), PageColour);

    object->SetSurfaceType(stBrushImage);
    object->SetImage(checker(Qt::red, Qt::green));
    image = render();
    int red = 0;
    int green = 0;
    for (const QPoint& p : inside()) {
        const QColor c = image.pixelColor(p);
        red += c == QColor(Qt::red);
        green += c == QColor(Qt::green);
        ASSERT_TRUE(c == QColor(Qt::red) || c == QColor(Qt::green));
    }
    EXPECT_GT(red, 20);
    EXPECT_GT(green, 20);
    EXPECT_EQ(image.pixelColor(1, 1), PageColour);
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), PageColour);

    // The outline pen draws the letters' edge: scanning a row into the first
    // letter meets the outline colour before the face.
    object->SetOutlineStyle(psSolid);
    object->SetOutlineColor(TColors::clRed);
    object->SetOutlineWidth(2);
    object->SetSurfaceType(stNormal);
    image = render();
    const int row = points.first().y();
    int x = 0;
    while (x < image.width() && image.pixelColor(x, row) == PageColour)
        ++x;
    ASSERT_LT(x, image.width());
    EXPECT_EQ(image.pixelColor(x, row), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(points.first()), QColor(Qt::black));  // the font colour inside
}

TEST_F(SuperTextTest, ShadowOnlyWithDepthAndDirection)
{
    object->SetCaption(QStringLiteral("I"));
    object->SetSurfaceType(stBrushTransparent);
    object->SetOutlineWidth(0);
    object->SetShadowcolor(TColors::clRed);
    object->SetBounds(0, 0, 100, 100);
    const auto shadowPixels = [&] { const QImage i = render(); return vellumy::test::CountPixels(i, i.rect(), Qt::red); };
    EXPECT_EQ(shadowPixels(), 0);  // depth 0
    object->SetShadowDepth(6);
    EXPECT_GT(shadowPixels(), 100);
    EXPECT_EQ(object->ScaledShadowOffset(), QPoint(6, 6));
    object->SetShadowOrientation(sdNone);
    EXPECT_EQ(shadowPixels(), 0);

    // A shadow to the left moves the text right by its depth.
    object->SetShadowOrientation(sdLeft);
    object->Layout();
    EXPECT_EQ(object->MainBox().left(), 6 + 5);
    EXPECT_EQ(object->ShadowBox().left(), 5);
}

TEST_F(SuperTextTest, ZoomScalesTextAndTinyTilesDrawNothing)
{
    object->SetSurfaceType(stBrushImage);
    object->SetImage(checker(Qt::red, Qt::green));
    object->SetBounds(0, 0, 200, 80);
    object->Layout();
    const int fullHeight = object->MainBox().height();
    object->SetZoom(0.5f);
    object->Layout();
    EXPECT_LT(object->MainBox().height(), fullHeight * 2 / 3);

    // At 1 % the 8-pixel tile is 0 pixels wide: painting ends without a face.
    object->SetZoom(0.01f);
    object->SetBounds(0, 0, 200, 80);
    QImage image = render();
    EXPECT_EQ(vellumy::test::CountPixels(image, image.rect(), Qt::red), 0);
    QPainter painter(&image);
    object->TileBitmap(painter, object->Image());
    EXPECT_EQ(vellumy::test::CountPixels(image, image.rect(), Qt::red), 0);

    // At 50 % the 8-pixel tiles are 4 pixels and repeat over the whole area.
    object->SetZoom(0.5f);
    object->SetBounds(0, 0, 200, 80);
    object->TileBitmap(painter, object->Image());
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(2, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(4, 0), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(199, 79), image.pixelColor(3, 3));
}

// Damaged records (cut anywhere, or with bytes changed) are refused or read,
// and whatever is read lays out, paints and keeps a sane texture.
TEST_F(SuperTextTest, DamagedRecordsNeverBreakTheObject)
{
    QFile seed(vellumy::test::DataPath(QStringLiteral("fuzz-seeds/supertext_record/texture-shadow")));
    ASSERT_TRUE(seed.open(QIODevice::ReadOnly));
    const QByteArray record = seed.readAll();
    QList<QByteArray> damaged;
    for (qsizetype cut = 0; cut < record.size(); cut += 7)
        damaged.append(record.left(cut));
    for (qsizetype at = 4; at < record.size(); at += 13) {
        QByteArray changed = record;
        changed[at] = char(changed[at] ^ 0x5A);
        damaged.append(changed);
    }
    int read = 0;
    for (const QByteArray& bytes : damaged) {
        QBuffer input;
        input.setData(bytes);
        input.open(QIODevice::ReadOnly);
        TGSuperText target(nullptr, host.get());
        try {
            TObjectReader reader(input);
            reader.ReadRootComponent(target);
            ++read;
        } catch (const EFilerError&) {
            continue;
        }
        target.SetBounds(0, 0, qBound(1, target.Width(), 300), qBound(1, target.Height(), 150));
        QImage image(target.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        target.PaintTo(painter);
        EXPECT_TRUE(target.Image().isNull() || target.Image().width() * qint64(target.Image().height()) <= 40'000'000);
    }
    EXPECT_GT(read, 10);  // the changed bytes that still make a record were read
}
