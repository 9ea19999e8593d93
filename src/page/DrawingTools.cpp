// The drawing tools: a rectangle dragged out with a tool becomes a new page
// object of the tool's kind.
#include <QPointer>

#include "objects/Cursors.h"
#include "page/CalendarPanel32.h"
#include "persist/ClassInfo.h"

namespace {

// The class each tool creates; empty for the pointer.
QByteArray classOfTool(TLPanelState state)
{
    switch (state) {
    case psLabel:
        return "TGPLabel";
    case psImage:
        return "TGImage";
    case psRichLabel:
        return "TGPRichBaseLabel";
    case psSuperText:
        return "TGSuperText";
    case psFlatCalendar:
        return "TGFlatCalendar";
    case psPointing:
        break;
    }
    return {};
}

} // namespace

void TCalendarPanel32::ToolRectDone(const QRect& rect)
{
    // One object at a time: the new object's dialog runs its own event loop,
    // in which another rectangle could arrive.
    if (creatingObject_)
        return;
    creatingObject_ = true;
    QPointer<TCalendarPanel32> self(this);
    struct Release {
        QPointer<TCalendarPanel32>& page;
        ~Release()
        {
            if (page)
                page->creatingObject_ = false;
        }
    } release{self};

    QRect area = rect;
    if (area.width() < 25)
        area.setWidth(50);
    if (area.height() < 15)
        area.setHeight(15);

    const QByteArray className = classOfTool(panelState_);
    if (className.isEmpty())
        return;
    const TClassInfo* info = FindClass(className);
    TComponent* created = info && info->create ? info->create(Owner(), this) : nullptr;
    auto* object = dynamic_cast<TGGraphicControl*>(created);
    if (!object) {
        // A kind this program cannot make: leave the tool rather than keep it.
        delete created;
        EndTool();
        return;
    }
    object->Loaded();
    object->CreatedByTool(*this, area, [self] {
        if (self)
            self->EndTool();
    });
}

void TCalendarPanel32::EndTool()
{
    SetPageCursor(this, crDefault);
    SetPanelState(psPointing);
    if (OnToolEnded)
        OnToolEnded(this);
}
