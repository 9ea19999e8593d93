// Saving and loading a full calendar document: 42 cells of about 2 KB of RTF
// each and 300 page objects. Figures are milliseconds per document; the
// in-memory variants leave out the file system (a save ends with the
// temporary file's sync and rename).
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "../tests/page/DocumentTestSupport.h"
#include "page/CalendarPanel32.h"
#include "persist/ObjectReader.h"
#include "persist/ObjectWriter.h"
#include "richtext/WPRtfStorage.h"

using namespace doctest;

namespace {

constexpr int kObjects = 300;

// About 2 KB of RTF with a few attribute changes, different in every cell.
QByteArray cellRtf(int cell)
{
    QByteArray body;
    for (int run = 0; body.size() < 1900; ++run) {
        body += "Appointment " + QByteArray::number(cell) + "." + QByteArray::number(run)
              + (run % 3 == 0 ? " \\b important\\b0 " : " with someone at the office ")
              + (run % 4 == 0 ? "\\par " : "");
    }
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}\\f0\\fs20 " + body + "\\par}";
}

struct DocumentPage {
    DocumentPage()
    {
        TDocTestShape::Register();
        page = new TCalendarPanel32(&owner);
    }
    TComponent owner;
    TCalendarPanel32* page;
};

std::unique_ptr<DocumentPage> fullPage()
{
    auto p = std::make_unique<DocumentPage>();
    p->page->ResetToDefaults();
    for (int i = 1; i <= 42; ++i)
        p->page->CellTexts(i)->SetRtfText(TWPRtfText(cellRtf(i)));
    for (int i = 0; i < kObjects; ++i) {
        auto* shape = new TDocTestShape(&p->owner, p->page);
        shape->SetName(QStringLiteral("Special%1").arg(i + 1));
        shape->SetBounds(i % 700, (i * 7) % 900, 40 + i % 60, 20 + i % 30);
        shape->SetCaption(QStringLiteral("Object number %1").arg(i));
        shape->SetLevel(i);
    }
    return p;
}

QByteArray writeToMemory(TCalendarPanel32& page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TObjectWriter writer(buffer);
    page.WriteDocument(writer);
    writer.FlushBuffer();
    return buffer.data();
}

void BM_SaveDocumentFile(benchmark::State& state)
{
    auto source = fullPage();
    QTemporaryDir dir;
    const QString path = dir.filePath("Bench.QXF");
    for (auto _ : state) {
        if (!source->page->SaveDocument(path))
            state.SkipWithError("save failed");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_SaveDocumentFile)->Unit(benchmark::kMillisecond);

void BM_LoadDocumentFile(benchmark::State& state)
{
    auto source = fullPage();
    QTemporaryDir dir;
    const QString path = dir.filePath("Bench.QXF");
    source->page->SaveDocument(path);
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<DocumentPage>();
        state.ResumeTiming();
        target->page->LoadDocument(path, &target->owner);
        state.PauseTiming();
        if (target->page->PageObjects().size() != kObjects)
            state.SkipWithError("objects missing");
        target.reset();
        // The program's event loop runs between documents; without it posted
        // events pile up and every object's deletion searches them all.
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadDocumentFile)->Unit(benchmark::kMillisecond);

void BM_WriteDocumentMemory(benchmark::State& state)
{
    auto source = fullPage();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeToMemory(*source->page));
}
BENCHMARK(BM_WriteDocumentMemory)->Unit(benchmark::kMillisecond);

void BM_ReadDocumentMemory(benchmark::State& state)
{
    auto source = fullPage();
    const QByteArray bytes = writeToMemory(*source->page);
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<DocumentPage>();
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        state.ResumeTiming();
        TObjectReader reader(buffer);
        target->page->ReadDocument(reader, &target->owner);
        state.PauseTiming();
        target.reset();
        // The program's event loop runs between documents; without it posted
        // events pile up and every object's deletion searches them all.
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReadDocumentMemory)->Unit(benchmark::kMillisecond);

} // namespace
