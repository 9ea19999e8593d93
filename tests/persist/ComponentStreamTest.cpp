// Component records: which properties are written and how, byte for byte, and
// how records are read back into existing and new objects.
#include <gtest/gtest.h>

#include <QBuffer>

#include "StreamBytes.h"
#include "StreamTestClasses.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"

using namespace streamtest;

namespace {
QByteArray writeRoot(TComponent& component)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TObjectWriter writer(buffer);
    writer.WriteRootComponent(component);
    writer.FlushBuffer();
    return buffer.data();
}

template <class F>
QString failure(F&& f)
{
    try {
        f();
    } catch (const EFilerError& error) {
        return error.Message();
    }
    return {};
}

struct Input {
    explicit Input(const QByteArray& bytes)
    {
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
    }
    QBuffer buffer;
    TObjectReader reader{buffer};
};

// An item with a value in every property that differs from a fresh one.
void fill(TTestItem& item, TComponent* link)
{
    item.SetName(QStringLiteral("Item1"));
    item.SetTag(7);
    item.SetWidth(300);
    item.SetColor(TColors::clGray);
    item.SetVisible(false);
    item.SetMode(tsFalse);
    item.SetOptions((1u << opOne) | (1u << opThree));
    item.SetRatio(2.5);
    item.SetCaption(QStringLiteral("Hello"));
    item.SetInitial('Z');
    item.SetSecret(42);
    item.Font()->SetName(QStringLiteral("Arial"));
    item.Font()->SetHeight(-16);
    item.Font()->SetStyleBits(TFont::fsBold);
    item.Font()->SetColor(TColors::clRed);
    item.Picture()->SetStretch(true);
    item.Picture()->data = "PIC";
    item.SetLink(link);
    item.methods = {QStringLiteral("ItemClick")};
    item.SetOnClick(QStringLiteral("ItemClick"), &item);
    item.notes = "N1";
}
} // namespace

TEST(ComponentStream, RecordHoldsPropertiesInDeclarationOrderByTheWritingRules)
{
    TTestOwner owner;
    auto* other = new TTestBase(&owner);
    other->SetName(QStringLiteral("Other"));
    auto* item = new TTestItem(&owner);
    fill(*item, other);

    const QByteArray expected = StreamBytes()
        .signature().str("TTestItem").str("Item1")
        .prop("Tag").i8(7)                         // Count holds its default: absent
        .prop("Width").i16(300)                    // no default: always written
        .prop("Color").ident("clGray")
        .prop("Visible").False()
        .prop("Mode").False()                      // a Boolean-like enumeration name
        .prop("Options").set({"opOne", "opThree"})
        .prop("Flags").set({})                     // no default: written even when empty
        .prop("Ratio").raw({5, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0x40})
        .prop("Caption").string("Hello")           // Scale is 0: absent
        .prop("Initial").string("Z")               // Secret is not stored now
        .prop("Font.Color").ident("clRed")
        .prop("Font.Height").i8(-16)               // Font.Size is never stored
        .prop("Font.Name").string("Arial")
        .prop("Font.Style").set({"fsBold"})
        .prop("Picture.Stretch").True()
        .prop("Picture.Data").binary("PIC")        // a nested object's custom data follows it
        .prop("Link").ident("Other")
        .prop("OnClick").ident("ItemClick")
        .prop("Notes").binary("N1")                // the root's custom data comes last
        .end().end();
    EXPECT_EQ(writeRoot(*item).toHex(' '), expected.toHex(' '));

    // Stored conditions, the nil name, unnamed colours in the shortest
    // encoding, and references and events that cannot be named.
    item->showSecret = true;
    item->SetMode(TTriState(3));
    item->SetColor(0x123456);
    item->Font()->SetColor(100);
    item->SetLink(new TTestBase(&owner));      // has no name
    item->SetOnClick(QStringLiteral("Elsewhere"), &owner);
    const QByteArray variant = writeRoot(*item);
    EXPECT_TRUE(variant.contains(StreamBytes().prop("Color").i32(0x123456).prop("Visible").bytes()));
    EXPECT_TRUE(variant.contains(StreamBytes().prop("Mode").nil().bytes()));
    EXPECT_TRUE(variant.contains(StreamBytes().prop("Initial").string("Z").prop("Secret").i8(42).bytes()));
    EXPECT_TRUE(variant.contains(StreamBytes().prop("Font.Color").i8(100).bytes()));
    EXPECT_FALSE(variant.contains("Link"));
    EXPECT_FALSE(variant.contains("OnClick"));
}

TEST(ComponentStream, FreshFontWritesStyleAndHeightButNeverSize)
{
    TTestItem item;
    const QByteArray bytes = writeRoot(item);
    const QByteArray fontEntries = StreamBytes()
        .prop("Font.Color").ident("clWindowText")
        .prop("Font.Height").i8(-11)
        .prop("Font.Name").string("MS Sans Serif")
        .prop("Font.Style").set({});
    EXPECT_TRUE(bytes.contains(fontEntries)) << bytes.toHex(' ').constData();
    EXPECT_FALSE(bytes.contains("Size"));
    // Everything else of a fresh item holds its default.
    const QByteArray expected = StreamBytes().signature().str("TTestItem").str("")
        .prop("Width").i8(10).prop("Flags").set({}).prop("Ratio").raw({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})
        .raw(fontEntries).end().end();
    EXPECT_EQ(bytes.toHex(' '), expected.toHex(' '));
}

TEST(ComponentStream, RecordReadsBackIntoAnExistingObject)
{
    TTestOwner source;
    auto* other = new TTestBase(&source);
    other->SetName(QStringLiteral("Other"));
    auto* item = new TTestItem(&source);
    fill(*item, other);
    item->SetScale(0.1f);
    item->SetCaption(QString(300, QLatin1Char('c')));
    const QByteArray bytes = writeRoot(*item);

    TTestOwner target;
    auto* targetOther = new TTestBase(&target);
    targetOther->SetName(QStringLiteral("Other"));
    auto* copy = new TTestItem(&target);
    copy->methods = {QStringLiteral("ItemClick")};
    Input in(bytes);
    in.reader.ReadRootComponent(*copy);
    EXPECT_TRUE(in.reader.AtEnd());

    EXPECT_EQ(copy->Name(), QStringLiteral("Item1"));
    EXPECT_EQ(copy->Tag(), 7);
    EXPECT_EQ(copy->Width(), 300);
    EXPECT_EQ(copy->Color(), TColors::clGray);
    EXPECT_FALSE(copy->Visible());
    EXPECT_EQ(copy->Mode(), tsFalse);
    EXPECT_EQ(copy->Options(), (1u << opOne) | (1u << opThree));
    EXPECT_EQ(copy->Ratio(), 2.5);
    EXPECT_EQ(copy->Scale(), 0.1f);
    EXPECT_EQ(copy->Caption(), item->Caption());
    EXPECT_EQ(copy->Initial(), 'Z');
    EXPECT_EQ(copy->Secret(), 0);
    EXPECT_TRUE(*copy->Font() == *item->Font());
    EXPECT_TRUE(copy->Picture()->Stretch());
    EXPECT_EQ(copy->Picture()->data, QByteArray("PIC"));
    EXPECT_EQ(copy->Link(), targetOther);                  // resolved by name in the new surroundings
    EXPECT_EQ(copy->OnClick(), QStringLiteral("ItemClick"));
    EXPECT_EQ(copy->OnClickRoot(), copy);
    EXPECT_EQ(copy->notes, QByteArray("N1"));

    // Setters ran in the loading state; Loaded() ran once, after it.
    EXPECT_EQ(copy->stateSeenBySetter, unsigned(TComponent::csLoading | TComponent::csReading));
    EXPECT_EQ(copy->loadedCalls, 1);
    EXPECT_EQ(copy->ComponentState(), 0u);

    // Writing the copy gives the same bytes again.
    copy->showSecret = false;
    EXPECT_EQ(writeRoot(*copy), bytes);
}

TEST(ComponentStream, RealZeroIsNotWrittenSoReadingKeepsTheConstructorValue)
{
    TTestItem item;
    item.SetRatio(0);
    const QByteArray bytes = writeRoot(item);
    EXPECT_FALSE(bytes.contains("Ratio"));
    TTestItem copy;
    copy.SetRatio(7.5);   // as a constructor might have set it
    Input in(bytes);
    in.reader.ReadRootComponent(copy);
    EXPECT_EQ(copy.Ratio(), 7.5);
}

TEST(ComponentStream, StoredNameTakenByAnotherComponentGetsANumberedSuffix)
{
    TTestOwner owner;
    auto* first = new TTestBase(&owner);
    first->SetName(QStringLiteral("Item1"));
    auto* second = new TTestBase(&owner);
    second->SetName(QStringLiteral("item1_1"));   // names compare without regard to case
    auto* reader1 = new TTestBase(&owner);
    auto* reader2 = new TTestBase(&owner);
    const QByteArray record = StreamBytes().signature().str("TTestBase").str("Item1").end().end();

    Input a(record);
    a.reader.ReadRootComponent(*reader1);
    EXPECT_EQ(reader1->Name(), QStringLiteral("Item1_2"));
    Input b(record);
    b.reader.ReadRootComponent(*reader2);
    EXPECT_EQ(reader2->Name(), QStringLiteral("Item1_3"));
    Input c(record);
    c.reader.ReadRootComponent(*first);   // its own name is no clash
    EXPECT_EQ(first->Name(), QStringLiteral("Item1"));

    // Empty names stay empty; a caller's naming hook has the last word.
    Input d(StreamBytes().signature().str("TTestBase").str("").end().end());
    d.reader.ReadRootComponent(*reader1);
    EXPECT_EQ(reader1->Name(), QString());
    Input e(record);
    e.reader.OnSetName = [](TComponent&, const QString& stored) { return stored + QStringLiteral("X"); };
    e.reader.ReadRootComponent(*reader2);
    EXPECT_EQ(reader2->Name(), QStringLiteral("Item1X"));
}

TEST(ComponentStream, ErrorHookSkipsEachBadPropertyAndReadingGoesOn)
{
    const QByteArray bytes = StreamBytes()
        .signature().str("TTestItem").str("Bad")
        .prop("Width").string("wide")                 // wrong kind: skipped
        .prop("Nope").list().i8(1).end()              // unknown property: its list skipped
        .prop("Tag.X").i8(1)                          // through a non-object
        .prop("Missing.X").i8(1)                      // through nothing
        .prop("Mode").ident("tsWhat")                 // unknown name
        .prop("Options").set({"opOne", "opNine"})     // unknown member
        .prop("Picture.Data").binary("BAD data")      // refused by its owner
        .prop("Initial").string("ab")                 // not one character
        .prop("Color").ident("clNoSuch")
        .prop("Font").i8(3)                           // a value for an object
        .prop("OnClick").ident("Unknown")             // no such method
        .prop("Count").i8(5)                          // fine
        .end().end();
    const QStringList expected = {
        "Invalid property value", "Property does not exist", "Invalid property path",
        "Property does not exist", "Invalid property value", "Invalid property value",
        "Invalid property value", "Invalid property value", "Invalid property value",
        "Invalid property value", "Invalid property value"};

    TTestItem item;
    QStringList messages;
    Input in(bytes);
    in.reader.OnError = [&](const QString& message) {
        messages << message;
        return true;
    };
    in.reader.ReadRootComponent(item);
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(item.Count(), 5);
    EXPECT_EQ(item.Width(), 10);
    EXPECT_EQ(item.Options(), 1u << opOne);
    EXPECT_TRUE(in.reader.AtEnd());
    EXPECT_EQ(item.loadedCalls, 1);

    // Unhandled, the first error stops the read and leaves no reading state behind.
    TTestItem other;
    Input again(bytes);
    int calls = 0;
    again.reader.OnError = [&](const QString&) { return ++calls < 3; };
    EXPECT_EQ(failure([&] { again.reader.ReadRootComponent(other); }), QStringLiteral("Invalid property path"));
    EXPECT_EQ(other.ComponentState(), 0u);
    EXPECT_EQ(other.loadedCalls, 0);
}

TEST(ComponentStream, PrefixBytesAndChildRecordsAreAccepted)
{
    RegisterStreamTestClasses();
    const QByteArray bytes = StreamBytes()
        .signature().raw({0xF2}).i8(3).str("TTestItem").str("Parent")
        .prop("Count").i8(1).end()
        .raw({0xF1}).str("TTestBase").str("Kid").prop("Count").i8(2).end()       // a new child
            .raw({0xF0}).str("TTestBase").str("Grandchild").end().end()
        .end()
        .str("TTestBase").str("Existing").prop("Count").i8(4).end().end()        // read into the one there
        .end();
    TTestOwner owner;
    auto* parent = new TTestItem(&owner);
    auto* existing = new TTestBase(parent);
    existing->SetName(QStringLiteral("Existing"));
    Input in(bytes);
    in.reader.ReadRootComponent(*parent);
    EXPECT_TRUE(in.reader.AtEnd());
    EXPECT_EQ(parent->Count(), 1);
    auto* kid = dynamic_cast<TTestBase*>(parent->FindComponent(QStringLiteral("Kid")));
    auto* grandchild = dynamic_cast<TTestBase*>(parent->FindComponent(QStringLiteral("Grandchild")));
    ASSERT_TRUE(kid && grandchild);
    EXPECT_EQ(kid->Count(), 2);
    EXPECT_EQ(existing->Count(), 4);
    EXPECT_EQ(parent->ComponentCount(), 3);
    for (TTestBase* c : {static_cast<TTestBase*>(parent), kid, grandchild, existing}) {
        EXPECT_EQ(c->loadedCalls, 1) << c->Name().toStdString();
        EXPECT_EQ(c->ComponentState(), 0u);
    }

    const QByteArray unknownChild = StreamBytes().signature().str("TTestItem").str("P").end()
        .str("TFoo").str("Kid").end().end().end();
    TTestItem lone;
    Input bad(unknownChild);
    EXPECT_EQ(failure([&] { bad.reader.ReadRootComponent(lone); }), QStringLiteral("Class TFoo not found"));

    Input notARecord(StreamBytes().raw(QByteArray("TPF1")).str("TTestItem").str("").end().end());
    EXPECT_EQ(failure([&] { notARecord.reader.ReadRootComponent(lone); }), QStringLiteral("Invalid stream format"));
}

TEST(ComponentStream, SequenceOfRecordsCreatesRegisteredObjectsUnderNewNames)
{
    RegisterStreamTestClasses();
    TTestOwner source;
    auto* a = new TTestItem(&source);
    fill(*a, nullptr);   // its handler "ItemClick" is one of its own named methods
    auto* b = new TTestBase(&source);
    b->SetName(QStringLiteral("Label1"));
    b->SetCount(9);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        TObjectWriter writer(buffer);
        writer.WriteListBegin();
        for (TComponent* c : source.Components())
            writer.WriteRootComponent(*c);
        writer.WriteListEnd();
        writer.WriteInteger(77);
    }
    const QByteArray bytes = buffer.data();
    ASSERT_TRUE(bytes.contains("ItemClick"));

    TTestOwner target;
    target.methods = {QStringLiteral("OwnerClick")};
    auto* occupied = new TTestBase(&target);
    occupied->SetName(QStringLiteral("Component0"));
    QList<TComponent*> handed;
    Input in(bytes);
    in.reader.OnSetName = [&](TComponent&, const QString&) {
        for (int n = 0; n <= 1000; ++n) {
            const QString name = QStringLiteral("Component%1").arg(n);
            if (!target.FindComponent(name))
                return name;
        }
        return QString();
    };
    in.reader.IgnoreMissingMethods = true;   // "ItemClick" is not the owner's
    in.reader.ReadListBegin();
    in.reader.ReadComponents(&target, nullptr, [&](TComponent* c) {
        EXPECT_EQ(c->ComponentState(), 0u);
        handed << c;
    });
    EXPECT_EQ(in.reader.ReadInteger(), 77);   // the list end was consumed

    ASSERT_EQ(handed.size(), 2);
    auto* item = dynamic_cast<TTestItem*>(handed[0]);
    auto* base = dynamic_cast<TTestBase*>(handed[1]);
    ASSERT_TRUE(item && base);
    EXPECT_FALSE(dynamic_cast<TTestItem*>(base));
    EXPECT_EQ(item->Name(), QStringLiteral("Component1"));
    EXPECT_EQ(base->Name(), QStringLiteral("Component2"));
    EXPECT_EQ(item->Owner(), &target);
    EXPECT_EQ(item->Caption(), QStringLiteral("Hello"));
    EXPECT_EQ(item->OnClick(), QString());
    EXPECT_EQ(base->Count(), 9);
    EXPECT_EQ(item->loadedCalls, 1);

    // Without the option an unknown method is an error; a handler the owner
    // has is bound with the owner as its root.
    const QByteArray withEvent = StreamBytes().signature().str("TTestItem").str("E")
        .prop("OnClick").ident("OwnerClick").end().end().end();
    Input bound(withEvent);
    TComponent* created = nullptr;
    bound.reader.ReadComponents(&target, nullptr, [&](TComponent* c) { created = c; });
    auto* withHandler = dynamic_cast<TTestItem*>(created);
    ASSERT_TRUE(withHandler);
    EXPECT_EQ(withHandler->OnClickRoot(), &target);
    TTestOwner strict;
    Input unknown(bytes);
    unknown.reader.ReadListBegin();
    EXPECT_EQ(failure([&] { unknown.reader.ReadComponents(&strict, nullptr); }),
              QStringLiteral("Invalid property value"));
    EXPECT_EQ(strict.ComponentCount(), 0);   // the object that failed is gone
}

TEST(ComponentStream, FailedSequenceKeepsTheObjectsReadBeforeTheFailure)
{
    RegisterStreamTestClasses();
    const QByteArray good = StreamBytes().signature().str("TTestBase").str("A").prop("Count").i8(1).end().end();
    TTestOwner owner;
    int handed = 0;

    Input cut(StreamBytes().raw(good).raw(good).bytes().chopped(3));
    EXPECT_EQ(failure([&] { cut.reader.ReadComponents(&owner, nullptr, [&](TComponent*) { ++handed; }); }),
              QStringLiteral("Stream read error"));
    EXPECT_EQ(handed, 1);
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components().first()->Name(), QStringLiteral("A"));

    Input foreign(StreamBytes().raw(good).signature().str("TFoo").str("B").end().end().end());
    EXPECT_EQ(failure([&] { foreign.reader.ReadComponents(&owner, nullptr); }), QStringLiteral("Class TFoo not found"));
    ASSERT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components().last()->Name(), QStringLiteral("A_1"));   // default naming keeps names apart
}
