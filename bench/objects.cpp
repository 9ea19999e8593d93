// Page objects: painting a page that holds 100 text labels (half of them
// turned, all with 3D depths), and copying and pasting 100 objects through the
// object clipboard file.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "common/BenchPages.h"
#include "objects/GBasePanel.h"
#include "objects/GHandle.h"
#include "objects/kinds/GPLabel.h"
#include "page/CalendarPanel32.h"
#include "platform/Clock.h"

namespace {

TCalendarPanel32* pageWithLabels()
{
    TCalendarPanel32* page = NewBenchPage(loFullCalendar);
    static TComponent owner;
    const int angles[] = {0, 90, 0, 180, 0, 270};
    for (int i = 0; i < 100; ++i) {
        auto* label = new TGPLabel(&owner, page);
        label->SetCaption(QStringLiteral("Label %1").arg(i));
        label->SetBounds(20 + (i % 10) * 75, 30 + (i / 10) * 70, 140, 34);
        label->SetDepthShadow(2 + i % 3);
        label->SetDepthHighlight(1 + i % 2);
        label->SetAngle(angles[i % 6]);
        label->Loaded();
        page->AttachObject(label);
        label->show();
    }
    return page;
}

// The window's paint of the page with its objects, as the screen shows it.
void BM_PaintPageWith100Labels(benchmark::State& state)
{
    TCalendarPanel32* page = pageWithLabels();
    QImage target(page->size(), QImage::Format_RGB32);
    page->render(&target);
    for (auto _ : state)
        page->render(&target);
}
BENCHMARK(BM_PaintPageWith100Labels)->Unit(benchmark::kMillisecond);

// The labels' own share of it.
void BM_Draw100Labels(benchmark::State& state)
{
    TCalendarPanel32* page = pageWithLabels();
    QImage target(page->size(), QImage::Format_RGB32);
    const QList<TGGraphicControl*> objects = page->PageObjects();
    const auto drawAll = [&] {
        QPainter painter(&target);
        for (TGGraphicControl* object : objects) {
            painter.save();
            painter.translate(object->pos());
            static_cast<TGPLabel*>(object)->DrawOnCanvas(painter);
            painter.restore();
        }
    };
    drawAll();
    for (auto _ : state)
        drawAll();
}
BENCHMARK(BM_Draw100Labels)->Unit(benchmark::kMillisecond);

// Copy writes the clipboard file, Paste reads it back as 100 new labels.
void BM_CopyAndPaste100Labels(benchmark::State& state)
{
    TCalendarPanel32* page = pageWithLabels();
    qint64 now = 1000;
    SetClockForTesting([&now] { return now; });
    const QList<TGGraphicControl*> originals = page->PageObjects();
    for (TGGraphicControl* object : originals)
        page->SelectionFrame()->Select(object);
    for (auto _ : state) {
        now += 2000;
        page->CopySelection();
        page->PasteObjects();
        state.PauseTiming();
        const QList<TGGraphicControl*> all = page->PageObjects();
        for (int i = int(all.size()) - 1; i >= int(originals.size()); --i)
            delete all[i];
        state.ResumeTiming();
    }
    SetClockForTesting({});
}
BENCHMARK(BM_CopyAndPaste100Labels)->Unit(benchmark::kMillisecond);

} // namespace
