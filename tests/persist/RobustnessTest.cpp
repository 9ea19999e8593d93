// Damaged input: whatever the bytes, the reader ends with one of its fixed
// messages (or succeeds), without crashing, hanging or allocating for lengths
// the input cannot hold.
#include <gtest/gtest.h>

#include <QBuffer>
#include <cstring>
#include <memory>
#include <random>

#include "StreamBytes.h"
#include "StreamTestClasses.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"

using namespace streamtest;

namespace {
const QStringList& fixedMessages()
{
    static const QStringList messages = {
        "Invalid stream format", "Invalid property value", "Class TFoo not found", "Property does not exist",
        "Invalid property path", "Stream read error", "Stream write error"};
    return messages;
}

bool isFixedMessage(const QString& message)
{
    return fixedMessages().contains(message) || (message.startsWith(QLatin1String("Class "))
                                                 && message.endsWith(QLatin1String(" not found")));
}

// A pipe-like device: no size, no seeking.
class PipeDevice : public QIODevice {
public:
    explicit PipeDevice(QByteArray data) : data_(std::move(data)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* out, qint64 max) override
    {
        const qint64 n = qMin<qint64>(max, data_.size() - at_);
        std::memcpy(out, data_.constData() + at_, size_t(n));
        at_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 at_ = 0;
};

// A document-like stream: plain values, records read into existing objects,
// then a list of records that create objects.
QByteArray documentBytes()
{
    RegisterStreamTestClasses();
    TTestOwner owner;
    auto* link = new TTestBase(&owner);
    link->SetName(QStringLiteral("Other"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TObjectWriter writer(buffer);
    writer.WriteListBegin();
    writer.WriteInteger(4);
    writer.WriteString(QStringLiteral("January"));
    writer.WriteFloat(0.25);
    writer.WriteBoolean(true);
    for (int i = 0; i < 3; ++i) {
        TTestItem item(&owner);
        item.SetName(QStringLiteral("Cell%1").arg(i));
        item.SetCaption(QString(i * 200, QLatin1Char('t')));
        item.SetRatio(i);
        item.SetLink(link);
        item.Picture()->data = QByteArray(i * 700, 'p');
        item.notes = "n";
        writer.WriteRootComponent(item);
    }
    writer.WriteString(QStringLiteral("Title"));
    writer.WriteListEnd();
    writer.WriteListBegin();
    for (int i = 0; i < 2; ++i) {
        TTestItem item(&owner);
        item.SetName(QStringLiteral("Label%1").arg(i));
        item.SetOptions(7);
        item.Font()->SetStyleBits(TFont::fsItalic);
        writer.WriteRootComponent(item);
    }
    writer.WriteListEnd();
    writer.FlushBuffer();
    return buffer.data();
}

void readDocument(QIODevice& device, bool handleErrors)
{
    TTestOwner owner;
    TObjectReader reader(device);
    if (handleErrors)
        reader.OnError = [](const QString&) { return true; };
    reader.ReadListBegin();
    reader.ReadInteger();
    reader.ReadString();
    reader.ReadFloat();
    reader.ReadBoolean();
    for (int i = 0; i < 3; ++i) {
        TTestItem cell(&owner);
        reader.ReadRootComponent(cell);
    }
    reader.ReadString();
    reader.ReadListEnd();
    reader.ReadListBegin();
    reader.ReadComponents(&owner, nullptr);
    if (!reader.AtEnd())
        throw EFilerError(EFilerError::InvalidStreamFormat);
}

// The message the document read ends with; empty on success. Anything but an
// EFilerError fails the test.
QString readDocumentMessage(const QByteArray& bytes, bool sequential, bool handleErrors)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    PipeDevice pipe(bytes);
    try {
        readDocument(sequential ? static_cast<QIODevice&>(pipe) : buffer, handleErrors);
    } catch (const EFilerError& error) {
        return error.Message();
    } catch (const std::exception& error) {
        ADD_FAILURE() << "unexpected exception: " << error.what();
        return QStringLiteral("?");
    }
    return {};
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
} // namespace

TEST(StreamRobustness, EveryTruncationIsAReadError)
{
    const QByteArray bytes = documentBytes();
    ASSERT_GT(bytes.size(), 2000);
    ASSERT_EQ(readDocumentMessage(bytes, false, false), QString());
    ASSERT_EQ(readDocumentMessage(bytes, true, false), QString());
    for (int cut = 0; cut < bytes.size(); ++cut) {
        const QByteArray part = bytes.left(cut);
        ASSERT_EQ(readDocumentMessage(part, false, false), QStringLiteral("Stream read error")) << "cut at " << cut;
        ASSERT_EQ(readDocumentMessage(part, true, true), QStringLiteral("Stream read error")) << "cut at " << cut;
    }
}

TEST(StreamRobustness, DamagedBytesEndInAFixedMessage)
{
    const QByteArray bytes = documentBytes();
    const char replacements[] = {'\x00', '\x01', '\x07', '\x0A', '\x0E', '\x7F', '\xF2', '\xFF'};
    for (int at = 0; at < bytes.size(); ++at) {
        for (char replacement : replacements) {
            QByteArray damaged = bytes;
            if (damaged[at] == replacement)
                continue;
            damaged[at] = replacement;
            for (bool handle : {false, true}) {
                const QString message = readDocumentMessage(damaged, at % 2 == 0, handle);
                ASSERT_TRUE(message.isEmpty() || isFixedMessage(message))
                    << "byte " << at << " = " << int(quint8(replacement)) << ": " << message.toStdString();
            }
        }
    }
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = bytes;
        for (int i = 0; i < 4; ++i)
            damaged[int(random() % damaged.size())] = char(random());
        const QString message = readDocumentMessage(damaged, false, round % 2 == 0);
        ASSERT_TRUE(message.isEmpty() || isFixedMessage(message)) << message.toStdString();
    }
}

TEST(StreamRobustness, LengthsBeyondTheInputFailBeforeAnythingIsAllocated)
{
    const QByteArray hugeBinary = StreamBytes().raw({10}).len32(0xFFFFFFFFu).raw("tiny");
    const QByteArray hugeString = StreamBytes().raw({12}).len32(0xFFFFFFF0u).raw("tiny");
    const auto onBuffer = [](const QByteArray& bytes, auto&& read) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        TObjectReader reader(buffer);
        return failure([&] { read(reader); });
    };
    const QString readError = QStringLiteral("Stream read error");
    EXPECT_EQ(onBuffer(hugeBinary, [](TObjectReader& r) { r.ReadBinary(); }), readError);
    EXPECT_EQ(onBuffer(hugeBinary, [](TObjectReader& r) { r.SkipValue(); }), readError);
    EXPECT_EQ(onBuffer(hugeString, [](TObjectReader& r) { r.ReadString(); }), readError);
    EXPECT_EQ(onBuffer(hugeString, [](TObjectReader& r) { r.SkipValue(); }), readError);
    // The same inside a record, where a custom data entry and a string property take them.
    TTestItem item;
    const QByteArray record = StreamBytes().signature().str("TTestItem").str("")
        .prop("Notes").raw(hugeBinary).end().end();
    EXPECT_EQ(onBuffer(record, [&](TObjectReader& r) { r.ReadRootComponent(item); }), readError);
    const QByteArray caption = StreamBytes().signature().str("TTestItem").str("")
        .prop("Caption").raw(hugeString).end().end();
    EXPECT_EQ(onBuffer(caption, [&](TObjectReader& r) {
        r.OnError = [](const QString&) { return true; };
        r.ReadRootComponent(item);
    }), readError);

    PipeDevice pipe(hugeBinary);
    TObjectReader reader(pipe);
    EXPECT_EQ(failure([&] { reader.ReadBinary(); }), readError);
}

TEST(StreamRobustness, NestingDepthIsBounded)
{
    const QString tooDeep = QStringLiteral("Invalid property value");
    const auto read = [](const QByteArray& bytes, auto&& f) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        TObjectReader reader(buffer);
        return failure([&] { f(reader); });
    };

    // Lists within lists, and collections within collections, far deeper than allowed.
    const QByteArray lists(1000000, '\x01');
    EXPECT_EQ(read(lists, [](TObjectReader& r) { r.SkipValue(); }), tooDeep);
    QByteArray collections;
    for (int i = 0; i < 100000; ++i)
        collections += StreamBytes().raw({14}).str("Items").bytes();
    EXPECT_EQ(read(collections, [](TObjectReader& r) { r.SkipValue(); }), tooDeep);

    // Just within the bound, nesting is fine.
    const int depth = TObjectReader::MaxNestingDepth;
    const QByteArray deepButFine = QByteArray(depth, '\x01') + QByteArray(depth, '\x00');
    EXPECT_EQ(read(deepButFine, [](TObjectReader& r) { r.SkipValue(); }), QString());

    // The same as a property value with the error hook: the skip fails, the read stops.
    TTestItem item;
    const QByteArray record = StreamBytes().signature().str("TTestItem").str("").prop("Nope").raw(lists);
    EXPECT_EQ(read(record, [&](TObjectReader& r) {
        r.OnError = [](const QString&) { return true; };
        r.ReadRootComponent(item);
    }), tooDeep);

    // Child records within child records.
    RegisterStreamTestClasses();
    StreamBytes children;
    children.signature().str("TTestBase").str("").end();
    for (int i = 0; i < 2000; ++i)
        children.str("TTestBase").str("").end();
    TTestBase root;
    EXPECT_EQ(read(children, [&](TObjectReader& r) { r.ReadRootComponent(root); }), tooDeep);
    EXPECT_LE(root.ComponentCount(), depth + 1);
}
