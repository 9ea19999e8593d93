#include <QPixmap>

#include "SuperTextKit.h"
#include "objects/kinds/PageObjectKinds.h"
#include "objects/kinds/SuperTextProperties.h"
#include "page/CalendarPanel32.h"

using namespace supertext;

// Four SuperTexts on a calendar page, one per surface, drawn by the page's own
// paint: each face shows what its surface says over the page.
TEST(SuperTextPage, EachSurfaceShowsOnThePage)
{
    auto* page = new TCalendarPanel32(nullptr);
    std::unique_ptr<TCalendarPanel32> owner(page);
    page->ResetToDefaults();
    page->SetMainCalMonth(6);
    page->SetMainCalYear(2027);
    page->SetCalendarLayout(loFullCalendar);
    page->UpdatePageLayout(true);

    QList<TGSuperText*> objects;
    const QList<std::pair<TSurfaceType, QString>> surfaces{
        {stNormal, QStringLiteral("Normal")},
        {stBrushTransparent, QStringLiteral("Clear")},
        {stBrushImage, QStringLiteral("Texture")},
        {stGradientFill, QStringLiteral("Gradient")}};
    for (int i = 0; i < surfaces.size(); ++i) {
        auto* object = new TGSuperText(nullptr, page);
        object->SetCaption(surfaces[i].second);
        object->SetSurfaceType(surfaces[i].first);
        if (surfaces[i].first == stBrushImage)
            object->SetImage(TSuperTextProperties::DefaultTexture());
        object->SetFont(TFont(QStringLiteral("Arial"), 40, TFont::fsBold, TColors::clRed));
        object->SetOutlineColor(TColors::clNavy);
        object->SetOutlineWidth(2);
        object->SetShadowDepth(3);
        object->SetShadowcolor(TColors::clSilver);
        object->FitToText();
        object->move(30 + (i % 2) * 330, 200 + (i / 2) * 110);
        object->show();
        objects.append(object);
    }
    objects[0]->SetControlTransparent(false);
    objects[0]->SetBGColor(TColors::clAqua);
    objects[0]->SetBorderStyle(bsSingle);

    const QImage shot = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
    vellumy::test::SaveForInspection(shot, QStringLiteral("supertext-surfaces.png"));
    const auto count = [&](TGSuperText* object, QColor colour) {
        return vellumy::test::CountPixels(shot, object->geometry(), colour);
    };
    EXPECT_GT(count(objects[0], Qt::red), 300);      // the font colour fills "Normal"
    EXPECT_GT(count(objects[0], Qt::cyan), 1000);    // over its opaque background
    EXPECT_EQ(count(objects[1], Qt::red), 0);        // "Clear" has no face...
    EXPECT_GT(count(objects[1], QColor(0, 0, 128)), 200);  // ...only its outline
    EXPECT_EQ(count(objects[2], Qt::red), 0);
    const QImage texture = TSuperTextProperties::DefaultTexture();
    EXPECT_GT(count(objects[2], texture.pixelColor(0, 0)), 0);
    // Blue letters on the left of "Gradient", turning yellow to the right.
    const auto countWhere = [&](TGSuperText* object, auto test) {
        int n = 0;
        const QRect r = object->geometry();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += test(shot.pixelColor(x, y)) ? 1 : 0;
        return n;
    };
    EXPECT_GT(countWhere(objects[3], [](QColor c) { return c.blue() > 200 && c.red() < 60; }), 100);
    EXPECT_GT(countWhere(objects[3], [](QColor c) { return c.red() > 150 && c.green() > 150 && c.blue() < 110; }), 20);
    for (TGSuperText* object : objects)
        EXPECT_GT(count(object, QColor(192, 192, 192)), 50) << object->Caption().toStdString();  // shadows
}

// The SuperText tool: the rectangle becomes a framed, opaque SuperText, the
// pointer tool comes back, and the properties dialog opens on the new object.
TEST(SuperTextPage, ToolCreatesAFramedObjectAndOpensItsProperties)
{
    InstallPageObjectKinds();
    auto* page = new TCalendarPanel32(nullptr);
    std::unique_ptr<TCalendarPanel32> owner(page);
    page->ResetToDefaults();
    page->UpdatePageLayout(true);
    int dialogs = 0;
    TLPanelState stateInDialog = psSuperText;
    TSuperTextProperties::SetExecForTesting([&](TSuperTextProperties& dialog) {
        ++dialogs;
        stateInDialog = page->PanelState();
        EXPECT_EQ(dialog.Sample()->BorderStyle(), bsSingle);
        dialog.Sample()->SetCaption(QStringLiteral("July"));
        return int(QDialog::Accepted);
    });
    page->SetPanelState(psSuperText);
    page->ToolRectDone(QRect(40, 50, 300, 90));
    TSuperTextProperties::SetExecForTesting({});

    const QList<TGSuperText*> made = page->findChildren<TGSuperText*>();
    ASSERT_EQ(made.size(), 1);
    TGSuperText* object = made.first();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(stateInDialog, psPointing);
    EXPECT_EQ(page->PanelState(), psPointing);
    EXPECT_EQ(object->BorderStyle(), bsSingle);
    EXPECT_FALSE(object->ControlTransparent());
    EXPECT_EQ(object->BGColor(), TColors::clWhite);
    EXPECT_EQ(object->Caption(), "July");
    EXPECT_EQ(object->geometry(), QRect(40, 50, 300, 90));
    EXPECT_NE(object->PopupMenu(), nullptr);
}
