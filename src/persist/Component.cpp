#include "persist/Component.h"

#include "persist/ClassInfo.h"

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->insertComponent(this);
}

TComponent::~TComponent()
{
    state_ |= csDestroying;
    // Owned components go first, last created first; each unlinks itself.
    while (!components_.isEmpty())
        delete components_.last();
    if (owner_)
        owner_->removeComponent(this);
}

TComponent* TComponent::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent* component : components_) {
        if (component->name_.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    }
    return nullptr;
}

void TComponent::SetName(const QString& name)
{
    name_ = name;
}

void TComponent::Loaded()
{
    state_ &= ~unsigned(csLoading);
}

void TComponent::ChangeOwner(TComponent* newOwner)
{
    if (owner_ == newOwner)
        return;
    if (owner_)
        owner_->removeComponent(this);
    if (newOwner)
        newOwner->insertComponent(this);
}

bool TComponent::HasMethod(const QString&) const
{
    return false;
}

void TComponent::insertComponent(TComponent* component)
{
    components_.append(component);
    component->owner_ = this;
}

void TComponent::removeComponent(TComponent* component)
{
    // Owned components are mostly freed last first: search from the end.
    const qsizetype at = components_.lastIndexOf(component);
    if (at >= 0)
        components_.removeAt(at);
    component->owner_ = nullptr;
}

const TClassInfo& TComponent::StaticClassInfo()
{
    // Tag has the declared default 0. The instance name is the record's own
    // field, not a property entry.
    static const TClassInfo info = TClassInfoBuilder<TComponent>("TComponent")
        .integer("Tag", &TComponent::Tag, &TComponent::SetTag).defaultValue(0)
        .build();
    return info;
}
