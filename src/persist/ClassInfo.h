#pragma once
// Published-property tables and the class registry.
//
// Each persisted class describes its published properties once, in declaration
// order, in a static TClassInfo whose parent is the base class's table; the
// object stream writes and reads objects only through these tables. A table is
// built with TClassInfoBuilder:
//
//   const TClassInfo& TFont::StaticClassInfo() {
//       static const TClassInfo info = TClassInfoBuilder<TFont>("TFont")
//           .integer("Color", &TFont::Color, &TFont::SetColor).noDefault().idents(ColorIdents())
//           .integer("Size", &TFont::Size, &TFont::SetSize).notStored()
//           .set("Style", &TFont::StyleBits, &TFont::SetStyleBits, FontStyleNames()).noDefault()
//           .build();
//       return info;
//   }
//
// How the object stream (ObjectWriter.h, ObjectReader.h) uses a table:
// - Writing takes the properties in AllProperties() order and skips those whose
//   stored condition is false. Ordinal kinds are skipped when they equal their
//   declared default (a property without one is always written), reals when
//   0, strings when empty (unless writtenWhenEmpty), references when empty or unnamed, events when the
//   handler has no name among the root's methods (TComponent::HasMethod).
//   An Object property writes the nested object's own properties under
//   "Name.", then its custom data (TPersistent::DefineProperties).
// - Reading finds a property by name (a dotted path descends through Object
//   properties) and calls its setter while the component has csLoading and
//   csReading set (TComponent::IsLoading()), so setters can skip notifications
//   and repainting; Loaded() runs once the record is complete.
// - A custom data entry is read as one binary value and handed to its read
//   function, which may throw EFilerError (FilerError.h) for data it refuses.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "persist/Persistent.h"

class TComponent;
class QWidget;

enum class TPropertyKind {
    Integer,      // integers, colours, cursors, subranges (shortest int encoding)
    Char,         // one character, written as a string of length 1
    Enumeration,  // identifier from the enumeration's name table
    Boolean,      // the false and true tags
    Set,          // bit i = member with ordinal i (0..31)
    Real,         // extended tag; written only when not 0
    String,       // string or long string; written only when not empty
    Reference,    // identifier: the name of another component
    Object,       // nested persistent object, written under a dotted path
    Event,        // identifier: a method name of the reading root
};

// Names of an enumeration's or a set's members, by ordinal.
using TEnumNames = QList<QByteArray>;

// Integer values that have names (the colour table): written as identifiers.
struct TIntIdent {
    qint64 value;
    QByteArray name;
};
using TIntIdents = QList<TIntIdent>;

struct TPropertyInfo {
    QByteArray name;
    TPropertyKind kind = TPropertyKind::Integer;

    // Ordinal kinds (Integer, Char, Enumeration, Boolean, Set): the declared
    // default; a property without one is always written (when stored).
    std::optional<qint64> defaultValue;
    // Stored condition; empty means always stored.
    std::function<bool(const TPersistent&)> stored;
    // String: written also when empty (a text the user cleared must not come
    // back as the constructor's text).
    bool writeWhenEmpty = false;

    const TEnumNames* enumNames = nullptr;   // Enumeration, Set
    const TIntIdents* intIdents = nullptr;   // Integer with named values

    std::function<qint64(const TPersistent&)> getOrdinal;
    std::function<void(TPersistent&, qint64)> setOrdinal;
    std::function<double(const TPersistent&)> getReal;
    std::function<void(TPersistent&, double)> setReal;
    std::function<QString(const TPersistent&)> getString;
    std::function<void(TPersistent&, const QString&)> setString;
    std::function<TPersistent*(TPersistent&)> getObject;           // Object
    std::function<TComponent*(const TPersistent&)> getReference;   // Reference
    std::function<void(TPersistent&, TComponent*)> setReference;
    // Event: the handler's method name (empty when none or unnamed), and
    // binding a handler by name (the reader has checked the root knows it).
    std::function<QString(const TPersistent&)> getMethodName;
    std::function<void(TPersistent&, const QString&, TComponent* root)> setMethod;

    bool isStored(const TPersistent& object) const { return !stored || stored(object); }
};

class TClassInfo {
public:
    using Factory = std::function<TComponent*(TComponent* owner, QWidget* parent)>;

    QByteArray className;
    const TClassInfo* parent = nullptr;      // base class's table; its properties come first
    QList<TPropertyInfo> ownProperties;      // declared by this class, in order
    Factory create;                          // set for classes the stream can create

    // All published properties: oldest ancestor's first. Collected once, on
    // first use: describe a class completely before its table is used.
    const QList<const TPropertyInfo*>& AllProperties() const;
    // Exact name first, then without regard to case; null when none.
    const TPropertyInfo* FindProperty(QByteArrayView name) const;
    bool InheritsFrom(const TClassInfo& other) const;

private:
    // A copy starts without the collected list: it would point into the original.
    struct PropertyCache {
        PropertyCache() = default;
        PropertyCache(const PropertyCache&) {}
        PropertyCache& operator=(const PropertyCache&)
        {
            built = false;
            all.clear();
            return *this;
        }
        bool built = false;
        QList<const TPropertyInfo*> all;
    };
    mutable PropertyCache cache_;
};

// The class registry: reading a record creates the class its name gives.
// Registering a class again has no effect.
void RegisterClass(const TClassInfo& info);
// Exact name first, then without regard to case; null when not registered.
const TClassInfo* FindClass(const QByteArray& className);

// Builds a TClassInfo for class C from member-function pointers.
template <class C>
class TClassInfoBuilder {
public:
    explicit TClassInfoBuilder(const char* className, const TClassInfo* parent = nullptr)
    {
        info_.className = className;
        info_.parent = parent;
    }

    // Integer-like: getter returns any integral type, setter takes it.
    template <class G, class S>
    TClassInfoBuilder& integer(const char* name, G getter, S setter)
    {
        return ordinal(name, TPropertyKind::Integer, getter, setter);
    }
    template <class G, class S>
    TClassInfoBuilder& character(const char* name, G getter, S setter)
    {
        return ordinal(name, TPropertyKind::Char, getter, setter);
    }
    template <class G, class S>
    TClassInfoBuilder& enumeration(const char* name, G getter, S setter, const TEnumNames& names)
    {
        ordinal(name, TPropertyKind::Enumeration, getter, setter);
        last().enumNames = &names;
        return *this;
    }
    template <class G, class S>
    TClassInfoBuilder& boolean(const char* name, G getter, S setter)
    {
        return ordinal(name, TPropertyKind::Boolean, getter, setter);
    }
    // Set: getter/setter exchange the member bitmask (bit i = ordinal i).
    template <class G, class S>
    TClassInfoBuilder& set(const char* name, G getter, S setter, const TEnumNames& names)
    {
        ordinal(name, TPropertyKind::Set, getter, setter);
        last().enumNames = &names;
        return *this;
    }
    template <class G, class S>
    TClassInfoBuilder& real(const char* name, G getter, S setter)
    {
        TPropertyInfo p = make(name, TPropertyKind::Real);
        p.getReal = [getter](const TPersistent& o) { return double((cast(o).*getter)()); };
        p.setReal = [setter](TPersistent& o, double v) { call(o, setter, v); };
        return add(std::move(p));
    }
    template <class G, class S>
    TClassInfoBuilder& string(const char* name, G getter, S setter)
    {
        TPropertyInfo p = make(name, TPropertyKind::String);
        p.getString = [getter](const TPersistent& o) { return QString((cast(o).*getter)()); };
        p.setString = [setter](TPersistent& o, const QString& v) { (cast(o).*setter)(v); };
        return add(std::move(p));
    }
    // Nested object: the getter returns the owned object (never null).
    template <class G>
    TClassInfoBuilder& object(const char* name, G getter)
    {
        TPropertyInfo p = make(name, TPropertyKind::Object);
        p.getObject = [getter](TPersistent& o) -> TPersistent* { return (cast(o).*getter)(); };
        return add(std::move(p));
    }
    template <class G, class S>
    TClassInfoBuilder& reference(const char* name, G getter, S setter)
    {
        TPropertyInfo p = make(name, TPropertyKind::Reference);
        p.getReference = [getter](const TPersistent& o) -> TComponent* { return (cast(o).*getter)(); };
        p.setReference = [setter](TPersistent& o, TComponent* v) { (cast(o).*setter)(v); };
        return add(std::move(p));
    }
    // Event: getter returns the handler's method name, setter binds by name.
    template <class G, class S>
    TClassInfoBuilder& event(const char* name, G getter, S setter)
    {
        TPropertyInfo p = make(name, TPropertyKind::Event);
        p.getMethodName = [getter](const TPersistent& o) { return QString((cast(o).*getter)()); };
        p.setMethod = [setter](TPersistent& o, const QString& method, TComponent* root) {
            (cast(o).*setter)(method, root);
        };
        return add(std::move(p));
    }

    // Modifiers of the property added last.
    TClassInfoBuilder& defaultValue(qint64 value) { last().defaultValue = value; return *this; }
    TClassInfoBuilder& noDefault() { last().defaultValue.reset(); return *this; }
    TClassInfoBuilder& notStored() { last().stored = [](const TPersistent&) { return false; }; return *this; }
    TClassInfoBuilder& writtenWhenEmpty() { last().writeWhenEmpty = true; return *this; }
    template <class F>
    TClassInfoBuilder& storedWhen(F condition)
    {
        last().stored = [condition](const TPersistent& o) { return bool(condition(cast(o))); };
        return *this;
    }
    TClassInfoBuilder& idents(const TIntIdents& table) { last().intIdents = &table; return *this; }

    // Classes the stream may create: new C(owner, parent) or new C(owner).
    template <class F>
    TClassInfoBuilder& factory(F create) { info_.create = create; return *this; }

    TClassInfo build() { return info_; }

private:
    static const C& cast(const TPersistent& o) { return static_cast<const C&>(o); }
    static C& cast(TPersistent& o) { return static_cast<C&>(o); }

    template <class S, class V>
    static void call(TPersistent& o, S setter, V value)
    {
        using Arg = std::decay_t<typename SetterArg<S>::type>;
        (cast(o).*setter)(static_cast<Arg>(value));
    }
    template <class S> struct SetterArg;
    template <class R, class K, class A> struct SetterArg<R (K::*)(A)> { using type = A; };
    template <class R, class K, class A> struct SetterArg<R (K::*)(A) noexcept> { using type = A; };

    template <class G, class S>
    TClassInfoBuilder& ordinal(const char* name, TPropertyKind kind, G getter, S setter)
    {
        TPropertyInfo p = make(name, kind);
        p.getOrdinal = [getter](const TPersistent& o) { return qint64((cast(o).*getter)()); };
        p.setOrdinal = [setter](TPersistent& o, qint64 v) { call(o, setter, v); };
        // Ordinal properties default to "no default" (always written); declare one
        // with defaultValue().
        return add(std::move(p));
    }

    static TPropertyInfo make(const char* name, TPropertyKind kind)
    {
        TPropertyInfo p;
        p.name = name;
        p.kind = kind;
        return p;
    }
    TClassInfoBuilder& add(TPropertyInfo p)
    {
        info_.ownProperties.append(std::move(p));
        return *this;
    }
    TPropertyInfo& last() { return info_.ownProperties.last(); }

    TClassInfo info_;
};
