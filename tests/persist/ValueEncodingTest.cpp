// Plain values of the object stream: their exact bytes, round trips, skipping,
// and the writer's and reader's buffering against their devices.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QStringDecoder>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "StreamBytes.h"
#include "persist/Extended.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"
#include "platform/AnsiCodePage.h"

using namespace streamtest;

namespace {
template <class F>
QByteArray written(F&& write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        TObjectWriter writer(buffer);
        write(writer);
    }
    return buffer.data();
}

// The message of the EFilerError that `f` raises; empty when it raises none.
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

TExtended ext(unsigned exponentAndSign, std::uint64_t significand)
{
    TExtended bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = std::uint8_t(significand >> (8 * i));
    bytes[8] = std::uint8_t(exponentAndSign);
    bytes[9] = std::uint8_t(exponentAndSign >> 8);
    return bytes;
}

std::uint64_t bitsOf(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, 8);
    return bits;
}

// A device that hands out its data a few bytes at a time and cannot seek, as
// a pipe does.
class TrickleDevice : public QIODevice {
public:
    explicit TrickleDevice(QByteArray data, int step = 7) : data_(std::move(data)), step_(step)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* out, qint64 max) override
    {
        const qint64 n = std::min({max, qint64(step_), qint64(data_.size() - at_)});
        std::memcpy(out, data_.constData() + at_, size_t(n));
        at_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    int step_;
    qint64 at_ = 0;
};

// A device that records every write and takes at most `capacity` bytes.
class RecordingDevice : public QIODevice {
public:
    explicit RecordingDevice(qint64 capacity = std::numeric_limits<qint64>::max()) : capacity_(capacity)
    {
        open(QIODevice::WriteOnly);
    }
    QList<qint64> writes;
    QByteArray data;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* in, qint64 size) override
    {
        writes.append(size);
        const qint64 n = qMin(size, capacity_ - data.size());
        data.append(in, n);
        return n;
    }

private:
    qint64 capacity_;
};
} // namespace

TEST(ValueEncoding, IntegersTakeTheShortestTagAndReadBackSignExtended)
{
    const QList<qint64> values = {-128, 127, 128, -32768, 32767, 32768, -32769};
    const QByteArray bytes = written([&](TObjectWriter& w) {
        for (qint64 v : values)
            w.WriteInteger(v);
        w.WriteInteger(qint64(1) << 40);   // beyond the stream's range: clamped
        w.WriteInteger(-(qint64(1) << 40));
    });
    const QByteArray expected = StreamBytes()
        .i8(-128).i8(127).i16(128).i16(-32768).i16(32767).i32(32768).i32(-32769)
        .i32(std::numeric_limits<qint32>::max()).i32(std::numeric_limits<qint32>::min());
    EXPECT_EQ(bytes.toHex(' '), expected.toHex(' '));

    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    TObjectReader reader(in);
    for (qint64 v : values)
        EXPECT_EQ(reader.ReadInteger(), v);
    EXPECT_EQ(reader.ReadInteger(), std::numeric_limits<qint32>::max());
    EXPECT_EQ(reader.ReadInteger(), std::numeric_limits<qint32>::min());
    EXPECT_TRUE(reader.AtEnd());
}

TEST(ValueEncoding, StringsAreAnsiAndBecomeLongStringsFrom256Bytes)
{
    const QString s255(255, QLatin1Char('x'));
    const QString s256(256, QLatin1Char('y'));
    const QString s70000(70000, QLatin1Char('z'));
    const QString accented = QString::fromUtf8("Grüße €1 “quoted” 中");
    const QByteArray bytes = written([&](TObjectWriter& w) {
        w.WriteString(s255);
        w.WriteString(s256);
        w.WriteString(s70000);
        w.WriteString(accented);
        w.WriteString(QString());
    });
    EXPECT_EQ(quint8(bytes[0]), 6);
    EXPECT_EQ(quint8(bytes[1]), 255);
    EXPECT_EQ(quint8(bytes[257]), 12);
    EXPECT_EQ(bytes.mid(258, 4), StreamBytes().len32(256).bytes());
    const QByteArray ansi = StreamBytes().string("Gr\xFC\xDF" "e \x80" "1 \x93quoted\x94 ?");
    EXPECT_NE(bytes.indexOf(ansi), -1);

    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    TObjectReader reader(in);
    EXPECT_EQ(reader.ReadString(), s255);
    EXPECT_EQ(reader.ReadString(), s256);
    EXPECT_EQ(reader.ReadString(), s70000);
    EXPECT_EQ(reader.ReadString(), QString::fromUtf8("Grüße €1 “quoted” ?"));
    EXPECT_EQ(reader.ReadString(), QString());
    EXPECT_TRUE(reader.AtEnd());
}

TEST(ValueEncoding, AnsiCodePageAgreesWithTheSystemDecoderAndKeepsEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QStringDecoder decoder("windows-1252");
    ASSERT_TRUE(decoder.isValid());
    const QString text = FromAnsi(all);
    EXPECT_EQ(text, decoder.decode(all));
    EXPECT_EQ(ToAnsi(text), all);
    // Outside the code page: one '?' per character, also for a surrogate pair.
    EXPECT_EQ(ToAnsi(QString::fromUtf8("a\u0100b\U0001F600c")), QByteArray("a?b?c"));
}

TEST(ValueEncoding, ExtendedBytesOfEdgeDoubles)
{
    struct Case {
        double value;
        TExtended bytes;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {0.0, ext(0, 0)},
        {-0.0, ext(0x8000, 0)},
        {1.0, ext(0x3FFF, 0x8000000000000000ull)},
        {-2.5, ext(0xC000, 0xA000000000000000ull)},
        {0.1, ext(0x3FFB, 0xCCCCCCCCCCCCD000ull)},
        {DBL_MAX, ext(0x43FE, 0xFFFFFFFFFFFFF800ull)},
        {DBL_MIN, ext(0x3C01, 0x8000000000000000ull)},
        {std::numeric_limits<double>::denorm_min(), ext(0x3BCD, 0x8000000000000000ull)},
        {DBL_MIN - std::numeric_limits<double>::denorm_min(), ext(0x3C00, 0xFFFFFFFFFFFFF000ull)},
        {inf, ext(0x7FFF, 0x8000000000000000ull)},
        {-inf, ext(0xFFFF, 0x8000000000000000ull)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DoubleToExtended(c.value), c.bytes) << c.value;
        EXPECT_EQ(bitsOf(ExtendedToDouble(c.bytes)), bitsOf(c.value)) << c.value;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(nan))));
    EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(-nan))));
    // A NaN whose payload sits only in bits a double has no room for stays a NaN.
    EXPECT_TRUE(std::isnan(ExtendedToDouble(ext(0x7FFF, 0x8000000000000001ull))));

    // Rounding: ties go to even, carries move into the exponent.
    EXPECT_EQ(ExtendedToDouble(ext(0x3FFF, 0x8000000000000400ull)), 1.0);                  // 1 + 2^-53: tie, even
    EXPECT_EQ(ExtendedToDouble(ext(0x3FFF, 0x8000000000000401ull)), 1.0 + DBL_EPSILON);    // just above the tie
    EXPECT_EQ(ExtendedToDouble(ext(0x3FFF, 0x8000000000000C00ull)), 1.0 + 2 * DBL_EPSILON); // tie, odd: up
    EXPECT_EQ(ExtendedToDouble(ext(0x3FFF, 0xFFFFFFFFFFFFFC00ull)), 2.0);                  // carry into the exponent
    EXPECT_EQ(ExtendedToDouble(ext(0x43FE, 0xFFFFFFFFFFFFFBFFull)), DBL_MAX);              // below half an ulp
    EXPECT_EQ(ExtendedToDouble(ext(0x43FE, 0xFFFFFFFFFFFFFC00ull)), inf);                  // rounds over the top
    EXPECT_EQ(ExtendedToDouble(ext(0x43FF, 0x8000000000000000ull)), inf);                  // 2^1024
    EXPECT_EQ(ExtendedToDouble(ext(0xFFFE, 0xFFFFFFFFFFFFFFFFull)), -inf);                 // largest extended
    // Underflow: denormals, then half the smallest denormal rounds to even (0).
    EXPECT_EQ(ExtendedToDouble(ext(0x3BCC, 0x8000000000000000ull)), 0.0);                  // 2^-1075: tie
    EXPECT_EQ(ExtendedToDouble(ext(0x3BCC, 0x8000000000000001ull)), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ExtendedToDouble(ext(0x3BCD, 0xC000000000000000ull)), 2 * std::numeric_limits<double>::denorm_min()); // 1.5: tie, up to 2
    EXPECT_EQ(ExtendedToDouble(ext(0x3BCB, 0xFFFFFFFFFFFFFFFFull)), 0.0);
    EXPECT_EQ(bitsOf(ExtendedToDouble(ext(0x8001, 0x8000000000000000ull))), bitsOf(-0.0));  // smallest extended
    // Extended denormals and pseudo-denormals count with exponent 1.
    EXPECT_EQ(ExtendedToDouble(ext(0x0000, 0x0000000000000001ull)), 0.0);
    EXPECT_EQ(ExtendedToDouble(ext(0x0000, 0x8000000000000000ull)), 0.0);
}

TEST(ValueEncoding, ExtendedConversionMatchesTheFloatingPointUnit)
{
    // Every double survives a trip through extended bit for bit, and extended
    // values round as the hardware's 80-bit format does.
    std::mt19937_64 random(20240601);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        double d;
        std::memcpy(&d, &bits, 8);
        const double back = ExtendedToDouble(DoubleToExtended(d));
        if (std::isnan(d))
            EXPECT_TRUE(std::isnan(back));
        else
            ASSERT_EQ(bitsOf(back), bits) << d;
    }
#if defined(__x86_64__) || defined(__i386__)
    for (int i = 0; i < 200000; ++i) {
        // Exponents spread around the double range, normalised significands.
        const unsigned exponent = unsigned(0x3BC0 + random() % (0x4400 - 0x3BC0)) | (random() % 2 ? 0x8000u : 0u);
        const std::uint64_t significand = random() | 0x8000000000000000ull;
        const TExtended bytes = ext(exponent, significand);
        long double hardware;
        std::memcpy(&hardware, bytes.data(), 10);
        ASSERT_EQ(bitsOf(ExtendedToDouble(bytes)), bitsOf(double(hardware))) << std::hex << exponent << " " << significand;
        ASSERT_EQ(DoubleToExtended(double(hardware)), [&] {
            TExtended expected{};
            const long double widened = double(hardware);
            std::memcpy(expected.data(), &widened, 10);
            return expected;
        }());
    }
#endif
}

TEST(ValueEncoding, EveryPlainValueRoundTrips)
{
    const QByteArray blob = QByteArray("\x00\x01\xFF binary", 10);
    const TEnumNames names = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    const QByteArray bytes = written([&](TObjectWriter& w) {
        w.WriteListBegin();
        w.WriteInteger(-5);
        w.WriteFloat(3.25);
        w.WriteFloat(-0.0);
        w.WriteFloat(DBL_MAX);
        w.WriteIdent("clGray");
        w.WriteIdent("true");   // Boolean and nil spellings become tags
        w.WriteIdent("NIL");
        w.WriteBoolean(false);
        w.WriteBinary(blob);
        w.WriteBinary({});
        w.WriteSet(0b1010, names);
        w.WriteSet(0, names);
        w.WriteListBegin();
        w.WriteListBegin();
        w.WriteListEnd();
        w.WriteString(QStringLiteral("inner"));
        w.WriteListEnd();
        w.WriteListEnd();
    });
    EXPECT_TRUE(bytes.contains(StreamBytes().ident("clGray").True().nil().False().bytes()));
    EXPECT_TRUE(bytes.contains(StreamBytes().set({"fsItalic", "fsStrikeOut"}).set({}).bytes()));

    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    TObjectReader reader(in);
    reader.ReadListBegin();
    EXPECT_EQ(reader.ReadFloat(), -5.0);    // an integer where a real is read
    EXPECT_EQ(reader.ReadFloat(), 3.25);
    EXPECT_TRUE(std::signbit(reader.ReadFloat()));
    EXPECT_EQ(reader.ReadFloat(), DBL_MAX);
    EXPECT_EQ(reader.ReadIdent(), QStringLiteral("clGray"));
    EXPECT_EQ(reader.ReadIdent(), QStringLiteral("True"));
    EXPECT_EQ(reader.ReadIdent(), QStringLiteral("nil"));
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_EQ(reader.ReadBinary(), blob);
    EXPECT_EQ(reader.ReadBinary(), QByteArray());
    EXPECT_EQ(reader.ReadSet(), (QList<QByteArray>{"fsItalic", "fsStrikeOut"}));
    EXPECT_TRUE(reader.ReadSet().isEmpty());
    reader.ReadListBegin();
    reader.ReadListBegin();
    EXPECT_TRUE(reader.EndOfList());
    reader.ReadListEnd();
    EXPECT_FALSE(reader.EndOfList());
    EXPECT_EQ(reader.ReadString(), QStringLiteral("inner"));
    reader.ReadListEnd();
    reader.ReadListEnd();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(failure([&] { reader.EndOfList(); }), QStringLiteral("Stream read error"));
}

TEST(ValueEncoding, WrongTagsAreInvalidValuesAndLeaveTheValueInPlace)
{
    const QByteArray bytes = StreamBytes().string("text").list().i8(3).end().True();
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    TObjectReader reader(in);
    const QString invalid = QStringLiteral("Invalid property value");
    EXPECT_EQ(failure([&] { reader.ReadInteger(); }), invalid);
    EXPECT_EQ(failure([&] { reader.ReadFloat(); }), invalid);
    EXPECT_EQ(failure([&] { reader.ReadListBegin(); }), invalid);
    EXPECT_EQ(failure([&] { reader.ReadListEnd(); }), invalid);
    EXPECT_EQ(failure([&] { reader.ReadIdent(); }), invalid);
    EXPECT_EQ(failure([&] { reader.ReadBoolean(); }), invalid);
    EXPECT_EQ(failure([&] { reader.ReadBinary(); }), invalid);
    EXPECT_EQ(failure([&] { reader.ReadSet(); }), invalid);
    EXPECT_EQ(reader.Position(), 0);
    EXPECT_EQ(reader.ReadString(), QStringLiteral("text"));
    EXPECT_EQ(failure([&] { reader.ReadString(); }), invalid);
    reader.SkipValue();   // the whole list
    EXPECT_TRUE(reader.ReadBoolean());
}

TEST(ValueEncoding, SkipValueStepsOverEveryKind)
{
    // Each value is followed by a marker integer; after skipping the value the
    // marker must come next.
    StreamBytes s;
    int marker = 0;
    const auto next = [&] { s.i8(++marker); };
    s.end(); next();
    s.list().i8(1).list().list().end().string("a").end().nil().end(); next();
    s.i8(-1); next();
    s.i16(300); next();
    s.i32(70000); next();
    s.raw({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}); next();
    s.string(QByteArray(255, 's')); next();
    s.ident("clRed"); next();
    s.False(); next();
    s.True(); next();
    s.binary(QByteArray(3000, '\x01')); next();
    s.set({"a", "bb", "ccc"}); next();
    s.lstring(QByteArray(300, 'l')); next();
    s.nil(); next();
    // A collection: an item with an order value, an item without, each with
    // property entries of any kind (a list among them).
    s.raw({14}).i8(0).prop("Width").i16(500).prop("Items").list().i8(1).end().end()
        .prop("Caption").string("x").end().end();
    next();
    s.raw({14}).end(); next();

    QBuffer in;
    in.setData(s.bytes());
    in.open(QIODevice::ReadOnly);
    TObjectReader reader(in);
    for (int expected = 1; expected <= marker; ++expected) {
        reader.SkipValue();
        ASSERT_EQ(reader.ReadInteger(), expected);
    }
    EXPECT_TRUE(reader.AtEnd());

    // Tags outside the encoding cannot be skipped.
    QBuffer bad;
    bad.setData(StreamBytes().raw({15}).bytes());
    bad.open(QIODevice::ReadOnly);
    TObjectReader badReader(bad);
    EXPECT_EQ(failure([&] { badReader.SkipValue(); }), QStringLiteral("Invalid property value"));
}

TEST(ValueEncoding, WriterFlushesThousandByteBlocksAndReportsRefusedBytes)
{
    RecordingDevice device;
    {
        TObjectWriter writer(device);
        writer.WriteBinary(QByteArray(2495, 'b'));   // 2500 bytes with tag and length
        EXPECT_EQ(device.writes, (QList<qint64>{1000, 1000}));
        EXPECT_EQ(writer.Position(), 2500);
        writer.FlushBuffer();
        EXPECT_EQ(device.writes, (QList<qint64>{1000, 1000, 500}));
        writer.WriteInteger(1);
    }
    EXPECT_EQ(device.writes.last(), 2);   // released: the rest went out
    EXPECT_EQ(device.data.size(), 2502);

    RecordingDevice full(1500);
    TObjectWriter writer(full);
    EXPECT_EQ(failure([&] { writer.WriteString(QString(999, 'x')); }), QString());
    EXPECT_EQ(failure([&] { writer.WriteString(QString(999, 'x')); }), QStringLiteral("Stream write error"));

    RecordingDevice tiny(10);
    TObjectWriter small(tiny);
    small.WriteString(QStringLiteral("0123456789"));
    EXPECT_EQ(failure([&] { small.FlushBuffer(); }), QStringLiteral("Stream write error"));
}

TEST(ValueEncoding, ReaderWorksOnSequentialDevicesAndGivesBackUnreadBytes)
{
    const QByteArray big(200000, 'q');
    const QByteArray bytes = StreamBytes().binary(big).string("after").i8(9);
    TrickleDevice trickle(bytes, 333);
    {
        TObjectReader reader(trickle);
        EXPECT_EQ(reader.ReadBinary(), big);
        EXPECT_EQ(reader.ReadString(), QStringLiteral("after"));
        EXPECT_EQ(reader.ReadInteger(), 9);
        EXPECT_TRUE(reader.AtEnd());
    }

    // A length far beyond the input fails without waiting for 4 GB.
    TrickleDevice liar(StreamBytes().raw({10}).len32(0xFFFFFFFFu).raw(QByteArray(100, 'x')));
    TObjectReader reader(liar);
    EXPECT_EQ(failure([&] { reader.ReadBinary(); }), QStringLiteral("Stream read error"));

    // On a random-access device the reader leaves the position after what it consumed.
    QBuffer buffer;
    buffer.setData(StreamBytes().i16(1000).string("rest"));
    buffer.open(QIODevice::ReadOnly);
    {
        TObjectReader first(buffer);
        EXPECT_EQ(first.ReadInteger(), 1000);
    }
    EXPECT_EQ(buffer.pos(), 3);
    TObjectReader second(buffer);
    EXPECT_EQ(second.ReadString(), QStringLiteral("rest"));
}
