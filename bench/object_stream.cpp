// Writing and reading object streams of a few thousand component records, as
// documents and the object clipboard hold them. Figures are bytes per second
// of stream.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <memory>

#include "../tests/persist/StreamTestClasses.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"

using namespace streamtest;

namespace {
constexpr int kRecords = 3000;

// An owner holding `count` items with typical values: bounds-like integers,
// a caption, a font, a colour, a set and a little custom data.
std::unique_ptr<TTestOwner> makeItems(int count)
{
    auto owner = std::make_unique<TTestOwner>();
    for (int i = 0; i < count; ++i) {
        auto* item = new TTestItem(owner.get());
        item->SetName(QStringLiteral("Special%1").arg(i));
        item->SetTag(i % 5);
        item->SetCount(i);
        item->SetWidth(100 + i % 400);
        item->SetColor(i % 3 ? TColors::clYellow : 0x123456);
        item->SetVisible(i % 2);
        item->SetOptions(unsigned(i % 8));
        item->SetRatio(i * 0.5);
        item->SetCaption(QStringLiteral("Caption text of object %1").arg(i));
        item->Font()->SetName(QStringLiteral("Arial"));
        item->Font()->SetSize(10 + i % 20);
        item->Font()->SetStyleBits(unsigned(i % 16));
        item->notes = QByteArray(64, char('a' + i % 26));
    }
    return owner;
}

QByteArray writeAll(TTestOwner& owner)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TObjectWriter writer(buffer);
    writer.WriteListBegin();
    for (TComponent* component : owner.Components())
        writer.WriteRootComponent(*component);
    writer.WriteListEnd();
    writer.FlushBuffer();
    return buffer.data();
}

void BM_WriteRecords(benchmark::State& state)
{
    auto owner = makeItems(kRecords);
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray stream = writeAll(*owner);
        bytes += stream.size();
        benchmark::DoNotOptimize(stream.constData());
    }
    state.SetBytesProcessed(bytes);
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_WriteRecords)->Unit(benchmark::kMillisecond);

// Records read into new objects of registered classes (a document's or the
// clipboard's page objects). With the default naming every new name is
// checked against all components the owner has, so the time grows with the
// square of the count; argument 1 names objects through a hook instead.
void BM_ReadRecordsIntoNewObjects(benchmark::State& state)
{
    RegisterStreamTestClasses();
    auto source = makeItems(kRecords);
    const QByteArray stream = writeAll(*source);
    qint64 bytes = 0;
    for (auto _ : state) {
        TTestOwner target;
        QBuffer buffer;
        buffer.setData(stream);
        buffer.open(QIODevice::ReadOnly);
        TObjectReader reader(buffer);
        if (state.range(0) == 1)
            reader.OnSetName = [](TComponent&, const QString& stored) { return stored; };
        reader.ReadListBegin();
        reader.ReadComponents(&target, nullptr);
        bytes += stream.size();
        benchmark::DoNotOptimize(target.ComponentCount());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReadRecordsIntoNewObjects)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Records read into objects that already exist (a document's cell storages).
void BM_ReadRecordsIntoExistingObjects(benchmark::State& state)
{
    auto source = makeItems(kRecords);
    const QByteArray stream = writeAll(*source);
    auto target = makeItems(kRecords);
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(stream);
        buffer.open(QIODevice::ReadOnly);
        TObjectReader reader(buffer);
        reader.ReadListBegin();
        for (TComponent* component : target->Components())
            reader.ReadRootComponent(*component);
        reader.ReadListEnd();
        bytes += stream.size();
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReadRecordsIntoExistingObjects)->Unit(benchmark::kMillisecond);

void BM_SkipRecords(benchmark::State& state)
{
    auto source = makeItems(kRecords);
    const QByteArray stream = writeAll(*source);
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(stream);
        buffer.open(QIODevice::ReadOnly);
        TObjectReader reader(buffer);
        reader.ReadListBegin();
        while (!reader.EndOfList()) {
            reader.ReadSignature();
            reader.ReadPrefix();
            reader.ReadStr();
            reader.ReadStr();
            while (!reader.EndOfList()) {
                reader.ReadStr();
                reader.SkipValue();
            }
            reader.ReadValue();
            reader.ReadValue();
        }
        bytes += stream.size();
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_SkipRecords)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
