// Text labels: layout, rotation, the 3D copies, stored properties, the menu.
#include "LabelKit.h"

#include <QBuffer>
#include <QPainter>

#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"

namespace {

// Where the pixels of one colour lie, on average; (-1, -1) when there are none.
QPointF centroid(const QImage& image, const std::function<bool(QColor)>& isColour)
{
    double x = 0, y = 0;
    int n = 0;
    for (int row = 0; row < image.height(); ++row)
        for (int col = 0; col < image.width(); ++col)
            if (isColour(image.pixelColor(col, row))) {
                x += col;
                y += row;
                ++n;
            }
    return n ? QPointF(x / n, y / n) : QPointF(-1, -1);
}

bool reddish(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
bool bluish(QColor c) { return c.blue() > 180 && c.red() < 90 && c.green() < 90; }
bool blackish(QColor c) { return c.red() < 70 && c.green() < 70 && c.blue() < 70; }

QByteArray written(TGBaseLabel& label)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TObjectWriter writer(buffer);
    writer.WriteRootComponent(label);
    writer.FlushBuffer();
    return buffer.data();
}

} // namespace

TEST_F(LabelTest, LayoutOffsetsBandsAndSizeRules)
{
    TGPLabel* label = addLabel(QStringLiteral("Calendar"), QRect(10, 10, 142, 33));
    label->SetDirectionShadow(sdDownRight);
    label->SetDepthShadow(3);
    label->SetDirectionHighlight(hdUpLeft);
    label->SetDepthHighlight(2);
    label->RecalcLayout();
    const auto& box = label->Boxes();
    EXPECT_EQ(box.origin, QPoint(2, 2));
    EXPECT_EQ(box.band, box.textHeight + 3 + 2);
    EXPECT_EQ(box.highlightAt, box.mainAt - QPoint(2, 2));
    EXPECT_EQ(box.shadowAt, box.mainAt + QPoint(3, 3));
    // Across the text the label is held between l and 1.2 l.
    EXPECT_GE(label->Height(), box.band);
    EXPECT_LE(label->Height(), int(1.2 * box.band));

    // An empty caption still measures one space.
    label->SetCaption(QString());
    label->SetWidth(5);
    label->RecalcLayout();
    EXPECT_GT(label->Boxes().textWidth, 0);
    EXPECT_EQ(label->Width(), label->Boxes().textWidth);

    // Turning swaps the bounds before the layout; alignment is for upright text.
    TGPLabel* turned = addLabel(QStringLiteral("Turned"), QRect(200, 10, 142, 33));
    turned->SetAlignment(taCenter);
    turned->SetAngle(90);
    EXPECT_EQ(turned->BoundsRect(), QRect(200, 10, 33, 142));
    EXPECT_EQ(turned->Alignment(), taLeftJustify);
    turned->RecalcLayout();
    const QPoint before = turned->Boxes().mainAt;
    turned->SetAlignment(taCenter);
    turned->RecalcLayout();
    EXPECT_EQ(turned->Boxes().mainAt, before);
    turned->SetAngle(45);
    EXPECT_EQ(turned->Angle(), 90);

    // At 180 degrees a label wider than twice its text is narrowed to that.
    TGPLabel* upsideDown = addLabel(QStringLiteral("Up"), QRect(10, 300, 900, 33));
    upsideDown->SetAngle(180);
    upsideDown->RecalcLayout();
    EXPECT_EQ(upsideDown->Width(), 2 * upsideDown->Boxes().textWidth);
}

TEST_F(LabelTest, ShadowAndHighlightLandWhereTheTurnedOffsetsSay)
{
    struct Expect {
        int angle;
        QPoint shadowSign, highlightSign;
    };
    // Shadow down-right 3 and highlight up-left 2, turned with the text.
    const Expect cases[] = {{0, {1, 1}, {-1, -1}},
                            {90, {1, -1}, {-1, 1}},
                            {180, {-1, -1}, {1, 1}},
                            {270, {-1, 1}, {1, -1}}};
    QImage sheet(4 * 140, 200, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter sheetPainter(&sheet);
    int column = 0;
    for (const Expect& e : cases) {
        TGPLabel* label = addLabel(QStringLiteral("HHH"), QRect(0, 0, 50, 20));
        label->Font().SetSize(28);
        label->Font().SetStyleBits(TFont::fsBold);
        label->SetDirectionShadow(sdDownRight);
        label->SetDepthShadow(3);
        label->SetcolorShadow(TColors::clRed);
        label->SetDirectionHighlight(hdUpLeft);
        label->SetDepthHighlight(2);
        label->SetcolorHighlight(TColors::clBlue);
        label->AutoSizeToText();
        label->SetAngle(e.angle);
        const QImage image = render(*label);
        sheetPainter.drawImage(column++ * 140, 0, image);
        const QPointF main = centroid(image, blackish);
        const QPointF shadow = centroid(image, reddish) - main;
        const QPointF highlight = centroid(image, bluish) - main;
        ASSERT_NE(main, QPointF(-1, -1)) << e.angle;
        EXPECT_GT(shadow.x() * e.shadowSign.x(), 0.5) << "angle " << e.angle;
        EXPECT_GT(shadow.y() * e.shadowSign.y(), 0.5) << "angle " << e.angle;
        EXPECT_GT(highlight.x() * e.highlightSign.x(), 0.3) << "angle " << e.angle;
        EXPECT_GT(highlight.y() * e.highlightSign.y(), 0.3) << "angle " << e.angle;
    }
    sheetPainter.end();
    vellumy::test::SaveForInspection(sheet, QStringLiteral("label-angles.png"));
}

TEST_F(LabelTest, StoredPropertiesSkipDefaultsKeepAnEmptyCaptionAndReadBack)
{
    TGPLabel* label = addLabel(QStringLiteral("x"), QRect(5, 6, 70, 30));
    const QByteArray plain = written(*label);
    for (const char* left : {"DepthHighlight", "DepthShadow", "DirectionHighlight", "DirectionShadow",
                             "colorHighlight", "colorShadow", "Angle", "Alignment"})
        EXPECT_FALSE(plain.contains(left)) << left;
    for (const char* kept : {"Caption", "Font.Name", "Transparent", "BackColor", "BorderStyle", "Locked"})
        EXPECT_TRUE(plain.contains(kept)) << kept;

    // A cleared caption stays cleared; the other values come back as set.
    label->SetCaption(QString());
    label->SetDepthShadow(4);
    label->SetcolorHighlight(TColors::clRed);
    label->SetAngle(270);
    label->SetTransparent(false);
    label->SetBackColor(0x123456);
    TComponent otherOwner;
    TGPLabel* read = nullptr;
    const auto readBack = [&](const QByteArray& record) {
        QByteArray list = "\x01" + record + QByteArray(1, '\0');
        QBuffer listBuffer(&list);
        listBuffer.open(QIODevice::ReadOnly);
        TObjectReader reader(listBuffer);
        reader.ReadListBegin();
        reader.ReadComponents(&otherOwner, nullptr, [&](TComponent* c) { read = dynamic_cast<TGPLabel*>(c); });
    };
    readBack(written(*label));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Caption(), QString());
    EXPECT_EQ(read->DepthShadow(), 4);
    EXPECT_EQ(read->colorHighlight(), TColors::clRed);
    EXPECT_EQ(read->Angle(), 270);
    EXPECT_FALSE(read->Transparent());
    EXPECT_EQ(read->BackColor(), 0x123456);
    EXPECT_EQ(read->BoundsRect(), label->BoundsRect()) << "read bounds are kept as stored";

    // A record without a caption reads as a new label's "Text".
    QByteArray noCaption = written(*addLabel(QStringLiteral("gone"), QRect(0, 0, 60, 30)));
    const int at = noCaption.indexOf("\x07" "Caption");
    ASSERT_GT(at, 0);
    noCaption.remove(at, 1 + 7 + 1 + 1 + 4);  // name, string tag, length, "gone"
    readBack(noCaption);
    EXPECT_EQ(read->Caption(), QStringLiteral("Text"));
}

TEST_F(LabelTest, MenuEntriesBackgroundTransparencyBorderAndRotation)
{
    TGPLabel* label = addLabel(QStringLiteral("Menu"), QRect(20, 20, 100, 30));
    QStringList captions;
    for (QAction* action : label->PopupMenu()->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions.mid(12).join(QLatin1Char('|')),
              QStringLiteral("-|Font|3D Effects|Alignment|Transparent|Background Color|Border|-|Text|-|Rotation"));

    SetKindColorChooserForTesting([](TColor& color) {
        color = TColors::clYellow;
        return true;
    });
    changes = 0;
    menuEntry(label, "BackgroundColor")->trigger();
    EXPECT_FALSE(label->Transparent());
    EXPECT_EQ(label->BackColor(), TColors::clYellow);
    EXPECT_GT(changes, 0);
    menuEntry(label, "Transparent")->trigger();
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->BackColor(), TColors::clYellow);
    EXPECT_TRUE(menuEntry(label, "Transparent")->isChecked());

    menuEntry(label, "Border")->trigger();
    EXPECT_EQ(label->BorderStyle(), bsSingle);
    menuEntry(label, "180Degrees")->trigger();
    EXPECT_EQ(label->Angle(), 180);
    emit label->PopupMenu()->aboutToShow();
    EXPECT_TRUE(menuEntry(label, "180Degrees")->isChecked());
    EXPECT_FALSE(menuEntry(label, "NoRotation")->isChecked());
    EXPECT_TRUE(menuEntry(label, "Border")->isChecked());
    EXPECT_TRUE(menuEntry(label, "Left")->isChecked());
}
