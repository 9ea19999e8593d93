// The container's commands: the page popup menu and its enabling, the page
// and object menu commands, and the object clipboard (copy, cut, paste, clone).
#include "objects/GBasePanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <algorithm>
#include <exception>

#include "objects/FontChooser.h"
#include "objects/GHandle.h"
#include "objects/ObjectFiler.h"
#include "objects/Popups.h"
#include "objects/XorOverlay.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

namespace {

// Shows what went wrong in a command that the object stream aborted.
void reportFailure(const std::exception& error)
{
    ShowInfo(QString::fromLocal8Bit(error.what()));
}

struct PageMenuEntry {
    const char* caption;  // "-" is a separator
    TGPageCommand command;
};

constexpr PageMenuEntry pageMenuEntries[] = {
    {"Bring To Front", TGPageCommand::BringToFront},
    {"Send To Back", TGPageCommand::SendToBack},
    {"-", TGPageCommand::Font},
    {"Cut", TGPageCommand::Cut},
    {"Copy", TGPageCommand::Copy},
    {"Paste", TGPageCommand::Paste},
    {"-", TGPageCommand::Font},
    {"Delete", TGPageCommand::Delete},
    {"-", TGPageCommand::Font},
    {"Align Left", TGPageCommand::AlignLeft},
    {"Align Right", TGPageCommand::AlignRight},
    {"Align Tops", TGPageCommand::AlignTops},
    {"Align Bottoms", TGPageCommand::AlignBottoms},
    {"-", TGPageCommand::Font},
    {"Center Vertically", TGPageCommand::CenterVertically},
    {"Center Horizontally", TGPageCommand::CenterHorizontally},
    {"-", TGPageCommand::Font},
    {"Lock All", TGPageCommand::LockAll},
    {"Unlock All", TGPageCommand::UnlockAll},
    {"-", TGPageCommand::Font},
    {"Mark All Selectable", TGPageCommand::MarkAllSelectable},
    {"Mark All Unselectable", TGPageCommand::MarkAllUnselectable},
    {"Select All", TGPageCommand::SelectAll},
    {"-", TGPageCommand::Font},
    {"Font", TGPageCommand::Font},
};

} // namespace

void TGBasePanel::buildPageMenu()
{
    pageMenu_ = new QMenu(this);
    pageMenu_->setObjectName(QStringLiteral("PageMenu"));
    pageActions_.resize(int(TGPageCommand::Font) + 1);
    for (const PageMenuEntry& entry : pageMenuEntries) {
        const QString caption = QString::fromLatin1(entry.caption);
        if (caption == QLatin1String("-")) {
            pageMenu_->addSeparator();
            continue;
        }
        QAction* action = pageMenu_->addAction(caption);
        action->setObjectName(QString(caption).remove(QLatin1Char(' ')));
        const TGPageCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { PageCommand(command); });
        pageActions_[int(command)] = action;
    }
    connect(pageMenu_, &QMenu::aboutToShow, this, &TGBasePanel::EnablePageMenu);
}

int TGBasePanel::childControlCount() const
{
    int count = 0;
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow() && widget != overlay_)
            ++count;
    }
    return count;
}

void TGBasePanel::EnablePageMenu()
{
    const bool selected = frame_->SelectionCount() > 0;
    const auto enable = [this](TGPageCommand command, bool on) {
        if (QAction* action = pageActions_.value(int(command)))
            action->setEnabled(on);
    };
    for (TGPageCommand command :
         {TGPageCommand::BringToFront, TGPageCommand::SendToBack, TGPageCommand::Cut, TGPageCommand::Copy,
          TGPageCommand::Delete, TGPageCommand::AlignLeft, TGPageCommand::AlignRight, TGPageCommand::AlignTops,
          TGPageCommand::AlignBottoms, TGPageCommand::CenterVertically, TGPageCommand::CenterHorizontally,
          TGPageCommand::Font})
        enable(command, selected);
    enable(TGPageCommand::Paste, QFile::exists(clipboardFile_));
    const bool hasChildren = childControlCount() > 1;
    enable(TGPageCommand::LockAll, hasChildren);
    enable(TGPageCommand::UnlockAll, hasChildren);
    enable(TGPageCommand::MarkAllSelectable, true);
    enable(TGPageCommand::MarkAllUnselectable, true);
    enable(TGPageCommand::SelectAll, true);
}

void TGBasePanel::PageCommand(TGPageCommand command)
{
    const QList<TGGraphicControl*> selected = frame_->Selection();
    switch (command) {
    case TGPageCommand::BringToFront:
        if (selected.isEmpty())
            return;
        frame_->BringSelectionToFront();
        NotifyChange();
        break;
    case TGPageCommand::SendToBack:
        if (selected.isEmpty())
            return;
        frame_->SendSelectionToBack();
        frame_->ClearSelection();
        NotifyChange();
        break;
    case TGPageCommand::Cut:
        CutSelection();
        break;
    case TGPageCommand::Copy:
        CopySelection();
        break;
    case TGPageCommand::Paste:
        PasteObjects();
        break;
    case TGPageCommand::Delete:
        DeleteSelection();
        break;
    case TGPageCommand::AlignLeft:
    case TGPageCommand::AlignTops: {
        if (selected.isEmpty())
            return;
        NotifyChange();
        const bool horizontal = command == TGPageCommand::AlignLeft;
        int m = horizontal ? selected.first()->Left() : selected.first()->Top();
        for (const TGGraphicControl* object : selected)
            m = std::min(m, horizontal ? object->Left() : object->Top());
        m = std::min(m, horizontal ? width() : height());
        for (TGGraphicControl* object : selected)
            horizontal ? object->SetLeft(m) : object->SetTop(m);
        update();
        break;
    }
    case TGPageCommand::AlignRight:
    case TGPageCommand::AlignBottoms: {
        if (selected.isEmpty())
            return;
        NotifyChange();
        const bool horizontal = command == TGPageCommand::AlignRight;
        int m = 0;
        for (const TGGraphicControl* object : selected)
            m = std::max(m, horizontal ? object->Left() + object->Width() : object->Top() + object->Height());
        for (TGGraphicControl* object : selected)
            horizontal ? object->SetLeft(m - object->Width()) : object->SetTop(m - object->Height());
        update();
        break;
    }
    case TGPageCommand::CenterVertically:
    case TGPageCommand::CenterHorizontally:
        if (selected.isEmpty())
            return;
        for (TGGraphicControl* object : selected) {
            if (command == TGPageCommand::CenterVertically)
                object->CenterVertically();
            else
                object->CenterHorizontally();
        }
        update();
        break;
    case TGPageCommand::LockAll:
        for (TGGraphicControl* object : PageObjects())
            if (!object->Locked())
                object->SetLocked(true);
        break;
    case TGPageCommand::UnlockAll:
        for (TGGraphicControl* object : PageObjects())
            if (object->Locked())
                object->SetLocked(false);
        break;
    case TGPageCommand::MarkAllSelectable:
        for (TGGraphicControl* object : PageObjects())
            object->SetUnselectable(false);
        break;
    case TGPageCommand::MarkAllUnselectable:
        for (TGGraphicControl* object : PageObjects())
            object->SetUnselectable(true);
        break;
    case TGPageCommand::SelectAll: {
        const QList<TGGraphicControl*> objects = PageObjects();
        if (children().isEmpty())
            return;
        frame_->ClearSelection();
        for (TGGraphicControl* object : objects)
            frame_->Select(object);
        break;
    }
    case TGPageCommand::Font:
        FontCommand();
        break;
    }
}

void TGBasePanel::ObjectCommand(TGGraphicControl& object, TGObjectCommand command)
{
    // The clipboard entries act on the whole selection when the object is in it.
    const auto clipboardCommand = [this, &object](TGObjectCommand which) {
        if (frame_->IndexOfSelected(&object) >= 0) {
            if (which == TGObjectCommand::Cut)
                CutSelection();
            else if (which == TGObjectCommand::Copy)
                CopySelection();
            else
                DeleteSelection();
            return;
        }
        if (which == TGObjectCommand::Cut || which == TGObjectCommand::Copy) {
            TGObjectFiler* filer = ObjectFiler();
            if (!filer)
                return;
            try {
                filer->WriteObjects({&object}, clipboardFile_);
            } catch (const std::exception& error) {
                reportFailure(error);
                return;
            }
            if (which == TGObjectCommand::Copy)
                return;
        }
        NotifyChange();
        frame_->Deselect(&object);
        delete &object;
    };

    switch (command) {
    case TGObjectCommand::BringToFront:
        object.NotifyChange();
        BringObjectToFront(object);
        break;
    case TGObjectCommand::SendToBack:
        object.NotifyChange();
        object.lower();
        frame_->ClearSelection();
        break;
    case TGObjectCommand::Cut:
        object.NotifyChange();
        clipboardCommand(command);
        break;
    case TGObjectCommand::Copy:
        clipboardCommand(command);
        break;
    case TGObjectCommand::Delete:
        object.NotifyChange();
        clipboardCommand(command);
        break;
    case TGObjectCommand::Clone:
        CloneObject(object);
        break;
    case TGObjectCommand::Locked:
        object.SetLocked(!object.Locked());
        if (QAction* item = object.LockedMenuItem())
            item->setChecked(object.Locked());
        object.NotifyChange();
        break;
    case TGObjectCommand::Unselectable:
        object.SetUnselectable(true);
        object.NotifyChange();
        break;
    case TGObjectCommand::CenterVertically:
        object.CenterVertically();
        break;
    case TGObjectCommand::CenterHorizontally:
        object.CenterHorizontally();
        break;
    }
}

void TGBasePanel::BringObjectToFront(TGGraphicControl& object)
{
    object.raise();
    frame_->raise();
    if (overlay_->isVisible())
        overlay_->raise();
}

void TGBasePanel::CopySelection()
{
    TGObjectFiler* filer = ObjectFiler();
    if (frame_->SelectionCount() == 0 || !filer)
        return;
    try {
        filer->WriteObjects(frame_->Selection(), clipboardFile_);
    } catch (const std::exception& error) {
        reportFailure(error);
    }
}

void TGBasePanel::CutSelection()
{
    TGObjectFiler* filer = ObjectFiler();
    // Without the stream a cut would only destroy: do nothing then.
    if (frame_->SelectionCount() == 0 || !filer)
        return;
    try {
        filer->WriteObjects(frame_->Selection(), clipboardFile_);
    } catch (const std::exception& error) {
        reportFailure(error);
        return;
    }
    DeleteSelection();
}

void TGBasePanel::DeleteSelection()
{
    for (int i = frame_->SelectionCount() - 1; i >= 0; --i) {
        TGGraphicControl* object = frame_->SelectedObject(i);
        if (!object)
            continue;
        frame_->Deselect(object);
        delete object;
        NotifyChange();
    }
}

void TGBasePanel::PasteObjects()
{
    const qint64 now = MillisecondsSinceStart();
    // A held Ctrl+V pastes once a second at most.
    if (lastPasteTime_ != 0 && now - lastPasteTime_ < 1000)
        return;
    if (lastPasteTime_ == 0)
        lastPasteTime_ = now;
    QPointer<TGBasePanel> self(this);
    TGObjectFiler* filer = ObjectFiler();
    QString failure;
    if (filer && QFile::exists(clipboardFile_)) {
        try {
            filer->ReadObjects(*this, clipboardFile_);
        } catch (const std::exception& error) {
            failure = QString::fromLocal8Bit(error.what());
        }
    }
    // Objects read before a failure stay on the page: they must work too.
    AttachAll();
    NotifyChange();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!self)
        return;
    lastPasteTime_ = now;
    if (!failure.isEmpty())
        ShowInfo(failure);
}

void TGBasePanel::CloneObject(TGGraphicControl& object)
{
    TGObjectFiler* filer = ObjectFiler();
    if (!filer)
        return;
    QPointer<TGGraphicControl> source(&object);
    QWidget* parent = object.parentWidget();
    try {
        filer->Duplicate(object);
    } catch (const std::exception& error) {
        reportFailure(error);
        return;
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!source || !parent)
        return;
    // The clone: the last child of the same class that is not the source.
    TGGraphicControl* clone = nullptr;
    const QObjectList siblings = parent->children();
    for (auto it = siblings.crbegin(); it != siblings.crend(); ++it) {
        auto* candidate = qobject_cast<TGGraphicControl*>(*it);
        if (candidate && candidate != source
            && qstrcmp(candidate->metaObject()->className(), source->metaObject()->className()) == 0) {
            clone = candidate;
            break;
        }
    }
    if (!clone)
        return;
    clone->SetTop(source->Top() + 25);
    if (auto* page = qobject_cast<TGBasePanel*>(parent)) {
        page->BringObjectToFront(*clone);
        page->CloneHook();
        if (page->frame_->IndexOfSelected(source) >= 0) {
            page->frame_->Deselect(source);
            page->frame_->Select(clone);
        }
        page->AttachAll();
    } else {
        clone->raise();
    }
    source->NotifyChange();
}

void TGBasePanel::FontCommand()
{
    if (frame_->SelectionCount() == 0)
        return;
    TFont chosen(font_);
    if (ChooseFont(chosen, this)) {
        for (TGGraphicControl* object : frame_->Selection())
            object->ApplyFont(chosen);
    }
    update();
}

// Published properties --------------------------------------------------------
