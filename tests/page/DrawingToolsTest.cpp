// The drawing tools: a tool's rectangle becomes an object of the tool's class,
// made through the class registry and finished by the object's own steps.
#include <gtest/gtest.h>

#include <QPointer>
#include <stdexcept>

#include "objects/GGraphicControl.h"
#include "page/CalendarPanel32.h"
#include "page/PageObjectClasses.h"
#include "persist/ClassInfo.h"
#include "TestSupport.h"

namespace {

// Stands in for a kind: records its tool steps, can try a second tool
// rectangle while it is being made (as a dialog's event loop could), and can
// fail in its Loaded or after it was placed (a missing master, a dialog's error).
class ToolMadeObject : public TGGraphicControl {
public:
    using TGGraphicControl::TGGraphicControl;
    static inline QList<QRect> placedRects;
    static inline bool nestAnotherRectangle = false;
    enum Failure { None, InLoaded, AfterPlacing };
    static inline Failure failure = None;

    void Loaded() override
    {
        TGGraphicControl::Loaded();
        if (failure == InLoaded)
            throw std::runtime_error("No master rich text object found");
    }
    void CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool) override
    {
        placedRects.append(rect);
        TGGraphicControl::CreatedByTool(page, rect, endTool);
        if (nestAnotherRectangle)
            page.ToolRectDone(QRect(0, 0, 100, 100));
        if (failure == AfterPlacing)
            throw std::runtime_error("Error reading the picture");
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
        page->LabelChangedEvent = [this](QObject*) { ++changes; };
        ToolMadeObject::placedRects.clear();
        ToolMadeObject::nestAnotherRectangle = false;
        ToolMadeObject::failure = ToolMadeObject::None;
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
    int changes = 0;
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
    EXPECT_EQ(changes, 1) << "the page's changes while making it arrive once it stands";

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

// A creation that fails, before or after the object was placed, says why in
// the error box, leaves no object and no change behind, and ends the tool.
TEST_F(DrawingTools, AFailedCreationLeavesNothingAndEndsTheTool)
{
    vellumy::test::MessageBoxScript boxes;
    for (const auto failure : {ToolMadeObject::InLoaded, ToolMadeObject::AfterPlacing}) {
        ToolMadeObject::failure = failure;
        toolEnds = 0;
        EXPECT_EQ(draw(QRect(5, 5, 60, 30)), nullptr);
        EXPECT_TRUE(page->PageObjects().isEmpty());
        EXPECT_EQ(owner.Components().size(), 1) << "only the page is left";
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(page->PanelState(), psPointing);
        EXPECT_GE(toolEnds, 1);
        EXPECT_FALSE(page->IsCreatingObject());
    }
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("No master rich text object found"));
    EXPECT_EQ(boxes.shown()[1].text, QStringLiteral("Error reading the picture"));

    // The next rectangle makes its object again.
    ToolMadeObject::failure = ToolMadeObject::None;
    EXPECT_NE(draw(QRect(5, 5, 60, 30)), nullptr);
    EXPECT_EQ(changes, 1);
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
