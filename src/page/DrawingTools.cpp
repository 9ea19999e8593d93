// The drawing tools: a rectangle dragged out with a tool becomes a new page
// object of the tool's kind.
#include <QPointer>
#include <exception>
#include <utility>

#include "objects/Cursors.h"
#include "objects/GHandle.h"
#include "page/CalendarPanel32.h"
#include "persist/ClassInfo.h"
#include "platform/MessageBoxes.h"

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

    // The page's changes are held back while the object is made and passed
    // on once it stands: a creation that fails leaves the document unmarked.
    bool changed = false;
    TGNotifyEvent changeHandler = std::exchange(LabelChangedEvent, [&changed](QObject*) { changed = true; });
    QPointer<TGGraphicControl> object;
    QString failure;
    bool made = false;
    try {
        const TClassInfo* info = FindClass(className);
        TComponent* created = info && info->create ? info->create(Owner(), this) : nullptr;
        object = dynamic_cast<TGGraphicControl*>(created);
        if (!object) {
            delete created;
        } else {
            object->Loaded();
            object->CreatedByTool(*this, area, [self] {
                if (self)
                    self->EndTool();
            });
            made = true;
        }
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    if (!self)
        return;
    LabelChangedEvent = std::move(changeHandler);
    if (made) {
        if (changed)
            NotifyChange();
        return;
    }
    // A kind this program cannot make, or one whose creation failed: no
    // half-made object stays, and the tool ends as after a creation.
    if (object) {
        SelectionFrame()->Deselect(object);
        delete object;
    }
    EndTool();
    if (!failure.isEmpty())
        ShowInfo(failure);
}

void TCalendarPanel32::EndTool()
{
    SetPageCursor(this, crDefault);
    SetPanelState(psPointing);
    if (OnToolEnded)
        OnToolEnded(this);
}
