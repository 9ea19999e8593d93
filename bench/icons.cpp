// Icon palette costs: reading a shipped library's tables, and extracting all
// of its icons as the palette does when its grid is first drawn.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

#include "platform/IconLibrary.h"

namespace {

QByteArray libraryBytes()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/holiday.icl"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_ReadLibraryTables(benchmark::State& state)
{
    const QByteArray bytes = libraryBytes();
    if (bytes.isEmpty()) {
        state.SkipWithError("holiday.icl is missing");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(TIconLibrary::FromData(bytes).Count());
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadLibraryTables);

void BM_ExtractEveryIcon(benchmark::State& state)
{
    const TIconLibrary library = TIconLibrary::FromData(libraryBytes());
    if (library.Count() == 0) {
        state.SkipWithError("holiday.icl is missing");
        return;
    }
    for (auto _ : state) {
        for (int i = 0; i < library.Count(); ++i)
            benchmark::DoNotOptimize(library.Icon(i));
    }
    state.SetItemsProcessed(state.iterations() * library.Count());
}
BENCHMARK(BM_ExtractEveryIcon);

} // namespace
