#pragma once
#include <QList>
#include <QString>

#include "persist/Persistent.h"

// A named, owned persistent object. Every component has at most one owner,
// which frees it; the owner lists its components and finds them by name.
// The owner is not the visual parent: page objects are owned by the main
// window and are children of the page.
class TComponent : public TPersistent {
public:
    enum State : unsigned {
        csLoading = 1u << 0,    // being loaded; Loaded() clears it
        csReading = 1u << 1,    // its properties are being read from a stream
        csDesigning = 1u << 2,  // never set by this program; kept for the rules that name it
        csDestroying = 1u << 3,
    };

    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const QList<TComponent*>& Components() const { return components_; }
    int ComponentCount() const { return int(components_.size()); }

    // Finds an owned component by name, without regard to case; null when none.
    TComponent* FindComponent(const QString& name) const;

    const QString& Name() const { return name_; }
    // Renames without any uniqueness check (the stream reader and the naming
    // rules of each caller decide names). Subclasses mirror it to objectName.
    virtual void SetName(const QString& name);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    unsigned ComponentState() const { return state_; }
    bool HasState(State s) const { return (state_ & s) != 0; }
    void SetState(unsigned flags) { state_ |= flags; }
    void ClearState(unsigned flags) { state_ &= ~flags; }
    bool IsLoading() const { return HasState(csLoading) || HasState(csReading); }

    // Runs after the stream reader has read all properties: clears csLoading.
    virtual void Loaded();

    // Moves this component to another owner (or none).
    void ChangeOwner(TComponent* newOwner);

    // The root's table of named methods, used for event properties: the name a
    // handler is known by, and whether a name can be resolved. The base has no
    // named methods.
    virtual bool HasMethod(const QString& name) const;

    // The published-property table of TComponent itself (Tag).
    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

private:
    void insertComponent(TComponent* component);
    void removeComponent(TComponent* component);

    TComponent* owner_ = nullptr;
    QList<TComponent*> components_;
    QString name_;
    int tag_ = 0;
    unsigned state_ = 0;
};
