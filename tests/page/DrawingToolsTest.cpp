// The drawing tools: a tool's rectangle becomes an object of the tool's class,
// made through the class registry and finished by the object's own steps.
#include <gtest/gtest.h>

#include <QPointer>

#include "objects/GGraphicControl.h"
#include "page/CalendarPanel32.h"
#include "page/PageObjectClasses.h"
#include "persist/ClassInfo.h"

namespace {

// Stands in for a kind: records its tool steps, and can try a second tool
// rectangle while it is being made (as a dialog's event loop could).
class ToolMadeObject : public TGGraphicControl {
public:
    using TGGraphicControl::TGGraphicControl;
    static inline QList<QRect> placedRects;
    static inline bool nestAnotherRectangle = false;

    void CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool) override
    {
        placedRects.append(rect);
        TGGraphicControl::CreatedByTool(page, rect, endTool);
        if (nestAnotherRectangle)
            page.ToolRectDone(QRect(0, 0, 100, 100));
    }
    static const TClassInfo& StaticClassInfo()
    {
        static const TClassInfo info =
            TClassInfoBuilder<ToolMadeObject>("TGFlatCalendar", &TGGraphicControl::StaticClassInfo())
                .factory([](TComponent* owner, QWidget* parent) -> TComponent* {
                    return new ToolMadeObject(owner, parent);
                })
                .build();
        return info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

struct DrawingTools : ::testing::Test {
    void SetUp() override
    {
        AnnouncePageObjectClass(ToolMadeObject::StaticClassInfo());
        page = std::make_unique<TCalendarPanel32>(&owner);
        page->OnToolEnded = [this](QObject*) { ++toolEnds; };
        ToolMadeObject::placedRects.clear();
        ToolMadeObject::nestAnotherRectangle = false;
    }
    // Draws one rectangle with the floating calendar tool; the object made.
    TGGraphicControl* draw(const QRect& rect)
    {
        page->SetPanelState(psFlatCalendar);
        const int before = page->PageObjects().size();
        page->ToolRectDone(rect);
        const QList<TGGraphicControl*> objects = page->PageObjects();
        return objects.size() > before ? objects.last() : nullptr;
    }

    TComponent owner;
    std::unique_ptr<TCalendarPanel32> page;
    int toolEnds = 0;
};

} // namespace

TEST_F(DrawingTools, SmallRectanglesGrowAndEachToolMakesOneObjectThenPointsAgain)
{
    ASSERT_NE(FindClass("TGFlatCalendar"), nullptr);

    TGGraphicControl* tiny = draw(QRect(30, 40, 10, 10));
    ASSERT_NE(tiny, nullptr);
    EXPECT_EQ(tiny->BoundsRect(), QRect(30, 40, 50, 15));
    EXPECT_EQ(tiny->Owner(), &owner);
    EXPECT_EQ(tiny->Name(), QStringLiteral("Special1"));
    EXPECT_NE(tiny->PopupMenu(), nullptr) << "Loaded runs before the tool steps";
    EXPECT_EQ(page->PanelState(), psPointing);
    EXPECT_TRUE(page->Pointing());
    EXPECT_EQ(toolEnds, 1);

    // Width below 25 becomes 50 (not 25); height below 15 becomes 15.
    EXPECT_EQ(draw(QRect(0, 0, 24, 40))->BoundsRect(), QRect(0, 0, 50, 40));
    EXPECT_EQ(draw(QRect(0, 0, 25, 14))->BoundsRect(), QRect(0, 0, 25, 15));
    EXPECT_EQ(ToolMadeObject::placedRects,
              (QList<QRect>{QRect(30, 40, 50, 15), QRect(0, 0, 50, 40), QRect(0, 0, 25, 15)}));
}

TEST_F(DrawingTools, ARectangleWhileAnObjectIsBeingMadeMakesNothing)
{
    ToolMadeObject::nestAnotherRectangle = true;
    ASSERT_NE(draw(QRect(5, 5, 60, 30)), nullptr);
    EXPECT_EQ(page->PageObjects().size(), 1);
    EXPECT_FALSE(page->IsCreatingObject());

    // Afterwards the next rectangle is taken again.
    ToolMadeObject::nestAnotherRectangle = false;
    EXPECT_NE(draw(QRect(5, 50, 60, 30)), nullptr);
}

TEST_F(DrawingTools, AToolWhoseKindIsNotRegisteredEndsWithoutAnObject)
{
    page->SetPanelState(psRichLabel);
    page->ToolRectDone(QRect(0, 0, 80, 40));
    EXPECT_TRUE(page->PageObjects().isEmpty());
    EXPECT_EQ(page->PanelState(), psPointing);

    // Only the page-object class names are taken.
    static const TClassInfo stranger = TClassInfoBuilder<ToolMadeObject>("TStranger").build();
    AnnouncePageObjectClass(stranger);
    RegisterPageObjectClasses();
    EXPECT_EQ(FindClass("TStranger"), nullptr);
}
