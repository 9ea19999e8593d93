// Feeds arbitrary bytes to the object stream reader. The first byte picks
// what is read: plain values by the reader for their kind or skipped one by
// one, the stream listing, root
// records into an existing object (with and without the error hook), or a
// sequence of records creating registered objects. A record that reads
// cleanly must write back to bytes that read and write to the same bytes.
#include <QBuffer>
#include <QString>
#include <QTextStream>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "../tests/persist/StreamTestClasses.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"
#include "persist/StreamDumper.h"

using namespace streamtest;

namespace {
// An owner like the ones records are read into: named components to clash
// with and to refer to, and named methods for events.
struct Surroundings {
    TTestOwner owner;
    TTestItem* item;
    Surroundings()
    {
        owner.methods = {QStringLiteral("OwnerClick")};
        auto* other = new TTestBase(&owner);
        other->SetName(QStringLiteral("Other"));
        auto* component0 = new TTestBase(&owner);
        component0->SetName(QStringLiteral("Component0"));
        item = new TTestItem(&owner);
        item->methods = {QStringLiteral("ItemClick")};
    }
};

QByteArray writeRoot(TComponent& component)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TObjectWriter writer(buffer);
    writer.WriteRootComponent(component);
    writer.FlushBuffer();
    return buffer.data();
}

// Reading what was written and writing it again gives the same bytes.
void checkRoundTrip(TTestItem& item)
{
    if (item.ComponentCount() != 0)
        return;   // children are not written, references to them would not resolve
    const QByteArray first = writeRoot(item);
    Surroundings again;
    // Zero reals and empty strings are not written, so reading leaves what
    // the object held before: start from those.
    again.item->SetRatio(0);
    again.item->Font()->SetName(QString());
    QBuffer buffer;
    buffer.setData(first);
    buffer.open(QIODevice::ReadOnly);
    TObjectReader reader(buffer);
    try {
        reader.ReadRootComponent(*again.item);
    } catch (const EFilerError&) {
        std::abort();   // our own output must read back
    }
    if (writeRoot(*again.item) != first)
        std::abort();
}

void readRoots(QIODevice& device, bool handleErrors)
{
    Surroundings place;
    TObjectReader reader(device);
    if (handleErrors)
        reader.OnError = [](const QString&) { return true; };
    while (!reader.AtEnd()) {
        reader.ReadRootComponent(*place.item);
        checkRoundTrip(*place.item);
    }
}

// Each value read by the typed reader for its tag, as documents do.
void readPlainValues(QIODevice& device)
{
    Surroundings place;
    TObjectReader reader(device);
    for (int i = 0; !reader.AtEnd(); ++i) {
        if (reader.AtSignature()) {
            reader.ReadRootComponent(*place.item);
            continue;
        }
        switch (reader.NextValue()) {
        case vaNull: reader.ReadListEnd(); break;
        case vaList: reader.ReadListBegin(); break;
        case vaInt8:
        case vaInt16:
        case vaInt32:
            if (i % 2)
                reader.ReadInteger();
            else
                reader.ReadFloat();
            break;
        case vaExtended: reader.ReadFloat(); break;
        case vaString:
        case vaLString: reader.ReadString(); break;
        case vaIdent:
        case vaNil: reader.ReadIdent(); break;
        case vaFalse:
        case vaTrue: reader.ReadBoolean(); break;
        case vaBinary: reader.ReadBinary(); break;
        case vaSet: reader.ReadSet(); break;
        default:
            if (reader.EndOfList())
                std::abort();
            reader.SkipValue();
        }
    }
}

void readSequence(QIODevice& device, bool ignoreMethods)
{
    Surroundings place;
    TObjectReader reader(device);
    reader.IgnoreMissingMethods = ignoreMethods;
    reader.OnSetName = [&](TComponent&, const QString& stored) {
        for (int n = 0; n <= 1000; ++n) {
            const QString name = QStringLiteral("Component%1").arg(n);
            if (!place.owner.FindComponent(name))
                return name;
        }
        return stored;
    };
    int handed = 0;
    reader.ReadComponents(&place.owner, nullptr, [&](TComponent*) { ++handed; });
    if (handed > 0 && place.owner.ComponentCount() < 3 + handed)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool registered = (RegisterStreamTestClasses(), true);
    (void)registered;
    if (size < 1)
        return 0;
    const int mode = data[0] % 7;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    buffer.open(QIODevice::ReadOnly);
    try {
        switch (mode) {
        case 0: {
            TObjectReader reader(buffer);
            while (!reader.AtEnd())
                reader.SkipValue();
            break;
        }
        case 6:
            readPlainValues(buffer);
            break;
        case 1: {
            QString text;
            QTextStream out(&text);
            TStreamDumper::Dump(buffer, out);
            break;
        }
        case 2:
        case 3:
            readRoots(buffer, mode == 3);
            break;
        case 4:
        case 5:
            readSequence(buffer, mode == 5);
            break;
        }
    } catch (const EFilerError& error) {
        if (error.Message().isEmpty())
            std::abort();
    }
    return 0;
}
