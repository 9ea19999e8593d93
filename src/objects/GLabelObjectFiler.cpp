#include "objects/GLabelObjectFiler.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

#include "objects/GBasePanel.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"

namespace {

constexpr int PasteOffset = 15;
constexpr int LastComponentNumber = 1000;

// "Component" + the smallest number 0..1000 that no component of the owner
// (or, without an owner, no sibling object) bears.
QString freeComponentName(const TComponent& component, TComponent* owner, QWidget* parent)
{
    const auto taken = [&](const QString& name) {
        if (owner) {
            const TComponent* found = owner->FindComponent(name);
            return found && found != &component;
        }
        if (!parent)
            return false;
        for (QObject* child : parent->children()) {
            auto* sibling = qobject_cast<TGGraphicControl*>(child);
            if (sibling && sibling != dynamic_cast<const TGGraphicControl*>(&component)
                && sibling->Name().compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    for (int n = 0; n <= LastComponentNumber; ++n) {
        const QString name = QStringLiteral("Component") + QString::number(n);
        if (!taken(name))
            return name;
    }
    return QString();
}

} // namespace

void TGLabelObjectFiler::WriteList(QIODevice& device, const QList<TGGraphicControl*>& objects)
{
    TObjectWriter writer(device);
    writer.WriteListBegin();
    for (TGGraphicControl* object : objects)
        writer.WriteRootComponent(*object);
    writer.WriteListEnd();
    writer.FlushBuffer();
}

void TGLabelObjectFiler::ReadList(QIODevice& device, TComponent* owner, QWidget* parent, int offset,
                                  QList<TGGraphicControl*>& read, bool keepStoredNames)
{
    TObjectReader reader(device);
    reader.IgnoreMissingMethods = true;
    reader.OnSetName = [owner, parent, keepStoredNames](TComponent& component, const QString& stored) {
        return keepStoredNames ? stored : freeComponentName(component, owner, parent);
    };
    reader.ReadListBegin();
    reader.ReadComponents(owner, parent, [&](TComponent* component) {
        auto* object = dynamic_cast<TGGraphicControl*>(component);
        if (!object) {
            // Only page objects belong on a page.
            delete component;
            return;
        }
        if (offset != 0)
            object->SetBounds(object->Left() + offset, object->Top() + offset, object->Width(), object->Height());
        object->show();
        read.append(object);
    });
}

void TGLabelObjectFiler::WriteObjects(const QList<TGGraphicControl*>& objects, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EFilerError(EFilerError::WriteError);
    WriteList(file, objects);
    if (!file.commit())
        throw EFilerError(EFilerError::WriteError);
}

QList<TGGraphicControl*> TGLabelObjectFiler::ReadObjects(TGBasePanel& page, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFilerError(EFilerError::ReadError);
    QList<TGGraphicControl*> read;
    ReadList(file, page.Owner(), &page, PasteOffset, read);
    return read;
}

TGGraphicControl* TGLabelObjectFiler::Duplicate(TGGraphicControl& object)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    WriteList(buffer, {&object});
    buffer.seek(0);
    QList<TGGraphicControl*> read;
    ReadList(buffer, object.Owner(), object.parentWidget(), 0, read);
    return read.value(0);
}

TGLabelObjectFiler& ProgramObjectFiler()
{
    static TGLabelObjectFiler filer;
    return filer;
}
