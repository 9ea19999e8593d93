#pragma once
// A small class hierarchy that uses every kind of published property, for the
// object stream's tests, fuzz target and benchmark. Header-only so the fuzz
// target and the benchmark can include it too.
#include <QByteArray>
#include <QString>

#include "persist/ClassInfo.h"
#include "persist/Color.h"
#include "persist/Component.h"
#include "persist/FilerError.h"
#include "persist/Font.h"

namespace streamtest {

// An enumeration whose first names spell like Booleans: the stream writes
// those as the false and true tags.
enum TTriState { tsFalse, tsTrue, tsMaybe };
inline const TEnumNames& TriStateNames()
{
    static const TEnumNames names = {"False", "True", "tsMaybe", "nil"};
    return names;
}

enum TOption { opOne, opTwo, opThree };
inline const TEnumNames& OptionNames()
{
    static const TEnumNames names = {"opOne", "opTwo", "opThree"};
    return names;
}

// A nested object with its own property and custom data "Data" (like a picture).
class TTestPicture : public TPersistent {
public:
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value) { stretch_ = value; }
    QByteArray data;

    QList<TCustomData> DefineProperties() override
    {
        TCustomData entry;
        entry.name = "Data";
        entry.hasData = [this] { return !data.isEmpty(); };
        entry.write = [this] { return data; };
        entry.read = [this](const QByteArray& bytes) {
            if (bytes.startsWith("BAD"))
                throw EFilerError(EFilerError::InvalidPropertyValue);
            data = bytes;
        };
        return {entry};
    }

    static const TClassInfo& StaticClassInfo()
    {
        static const TClassInfo info = TClassInfoBuilder<TTestPicture>("TTestPicture")
            .boolean("Stretch", &TTestPicture::Stretch, &TTestPicture::SetStretch).defaultValue(0)
            .build();
        return info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

private:
    bool stretch_ = false;
};

class TTestBase : public TComponent {
public:
    explicit TTestBase(TComponent* owner = nullptr) : TComponent(owner) {}

    int Count() const { return count_; }
    void SetCount(int value) { count_ = value; }
    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    TTriState Mode() const { return mode_; }
    void SetMode(TTriState value) { mode_ = value; }

    // What the reader did to the component, for the tests to look at.
    int loadedCalls = 0;
    unsigned stateSeenBySetter = 0;
    void Loaded() override
    {
        TComponent::Loaded();
        ++loadedCalls;
    }

    static const TClassInfo& StaticClassInfo()
    {
        static const TClassInfo info = TClassInfoBuilder<TTestBase>("TTestBase", &TComponent::StaticClassInfo())
            .integer("Count", &TTestBase::Count, &TTestBase::SetCount).defaultValue(0)
            .integer("Width", &TTestBase::Width, &TTestBase::SetWidth)
            .integer("Color", &TTestBase::Color, &TTestBase::SetColor).defaultValue(TColors::clWindow).idents(ColorIdents())
            .boolean("Visible", &TTestBase::Visible, &TTestBase::SetVisible).defaultValue(1)
            .enumeration("Mode", &TTestBase::Mode, &TTestBase::SetMode, TriStateNames()).defaultValue(tsMaybe)
            .factory([](TComponent* owner, QWidget*) { return new TTestBase(owner); })
            .build();
        return info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

private:
    int count_ = 0;
    int width_ = 10;
    TColor color_ = TColors::clWindow;
    bool visible_ = true;
    TTriState mode_ = tsMaybe;
};

class TTestItem : public TTestBase {
public:
    explicit TTestItem(TComponent* owner = nullptr) : TTestBase(owner) {}

    unsigned Options() const { return options_; }
    void SetOptions(unsigned value) { options_ = value; }
    unsigned Flags() const { return flags_; }
    void SetFlags(unsigned value) { flags_ = value; }
    double Ratio() const { return ratio_; }
    void SetRatio(double value) { ratio_ = value; }
    float Scale() const { return scale_; }
    void SetScale(float value) { scale_ = value; }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value)
    {
        caption_ = value;
        stateSeenBySetter = ComponentState();
    }
    int Initial() const { return initial_; }
    void SetInitial(int value) { initial_ = value; }
    int Secret() const { return secret_; }
    void SetSecret(int value) { secret_ = value; }
    TFont* Font() { return &font_; }
    TTestPicture* Picture() { return &picture_; }
    TComponent* Link() const { return link_; }
    void SetLink(TComponent* value) { link_ = value; }
    QString OnClick() const { return onClick_; }
    void SetOnClick(const QString& method, TComponent* root)
    {
        onClick_ = method;
        onClickRoot_ = root;
    }
    TComponent* OnClickRoot() const { return onClickRoot_; }

    bool showSecret = false;
    QByteArray notes;
    QStringList methods;   // the named methods this component offers as a root

    bool HasMethod(const QString& name) const override { return methods.contains(name); }

    QList<TCustomData> DefineProperties() override
    {
        TCustomData entry;
        entry.name = "Notes";
        entry.hasData = [this] { return !notes.isEmpty(); };
        entry.write = [this] { return notes; };
        entry.read = [this](const QByteArray& bytes) { notes = bytes; };
        return {entry};
    }

    static const TClassInfo& StaticClassInfo()
    {
        static const TClassInfo info = TClassInfoBuilder<TTestItem>("TTestItem", &TTestBase::StaticClassInfo())
            .set("Options", &TTestItem::Options, &TTestItem::SetOptions, OptionNames()).defaultValue(1 << opOne)
            .set("Flags", &TTestItem::Flags, &TTestItem::SetFlags, OptionNames())
            .real("Ratio", &TTestItem::Ratio, &TTestItem::SetRatio)
            .real("Scale", &TTestItem::Scale, &TTestItem::SetScale)
            .string("Caption", &TTestItem::Caption, &TTestItem::SetCaption)
            .character("Initial", &TTestItem::Initial, &TTestItem::SetInitial).defaultValue('A')
            .integer("Secret", &TTestItem::Secret, &TTestItem::SetSecret).storedWhen([](const TTestItem& item) { return item.showSecret; })
            .object("Font", &TTestItem::Font)
            .object("Picture", &TTestItem::Picture)
            .reference("Link", &TTestItem::Link, &TTestItem::SetLink)
            .event("OnClick", &TTestItem::OnClick, &TTestItem::SetOnClick)
            .factory([](TComponent* owner, QWidget*) { return new TTestItem(owner); })
            .build();
        return info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

private:
    unsigned options_ = 1u << opOne;
    unsigned flags_ = 0;
    double ratio_ = 1.0;
    float scale_ = 0;
    QString caption_;
    int initial_ = 'A';
    int secret_ = 0;
    TFont font_;
    TTestPicture picture_;
    TComponent* link_ = nullptr;
    QString onClick_;
    TComponent* onClickRoot_ = nullptr;
};

// An owner that offers named methods to the components read into it.
class TTestOwner : public TComponent {
public:
    QStringList methods;
    bool HasMethod(const QString& name) const override { return methods.contains(name); }
};

inline void RegisterStreamTestClasses()
{
    RegisterClass(TTestBase::StaticClassInfo());
    RegisterClass(TTestItem::StaticClassInfo());
}

} // namespace streamtest
