// SuperText repaints: a page holding ten 48-point SuperText objects (five
// gradients, five textures, all outlined and shadowed). The letter paths and
// the gradient bitmap are built once per change, so a repaint only fills
// through the paths.
#include <QPainter>
#include <QPixmap>
#include <benchmark/benchmark.h>

#include "common/BenchPages.h"
#include "objects/kinds/GSuperText.h"
#include "objects/kinds/SuperTextProperties.h"
#include "page/CalendarPanel32.h"
#include "print/FakePrintDevice.h"
#include "print/ReportPrinter.h"

namespace {

QList<TGSuperText*> addTenObjects(TCalendarPanel32& page)
{
    QList<TGSuperText*> objects;
    const QImage texture = TSuperTextProperties::DefaultTexture();
    for (int i = 0; i < 10; ++i) {
        auto* object = new TGSuperText(nullptr, &page);
        object->SetCaption(QStringLiteral("March %1").arg(i + 1));
        object->SetSurfaceType(i % 2 ? stBrushImage : stGradientFill);
        if (i % 2)
            object->SetImage(texture);
        object->SetOutlineWidth(2);
        object->SetShadowDepth(4);
        object->FitToText();
        object->move(20 + (i % 2) * 380, 20 + (i / 2) * 90);
        object->show();
        objects.append(object);
    }
    return objects;
}

TCalendarPanel32* pageWithObjects()
{
    static TCalendarPanel32* page = [] {
        TCalendarPanel32* p = NewBenchPage(loFullCalendar);
        addTenObjects(*p);
        return p;
    }();
    return page;
}

// The whole window paint: the page image and the ten objects over it.
void BM_PagePaintWithTenSuperTexts(benchmark::State& state)
{
    TCalendarPanel32* page = pageWithObjects();
    QPixmap target(page->size());
    page->render(&target);
    for (auto _ : state)
        page->render(&target);
}
BENCHMARK(BM_PagePaintWithTenSuperTexts)->Unit(benchmark::kMillisecond);

// The same page without objects, for the objects' share.
void BM_PagePaintWithoutObjects(benchmark::State& state)
{
    TCalendarPanel32* page = NewBenchPage(loFullCalendar);
    QPixmap target(page->size());
    page->render(&target);
    for (auto _ : state)
        page->render(&target);
}
BENCHMARK(BM_PagePaintWithoutObjects)->Unit(benchmark::kMillisecond);

// The ten objects alone, drawn into one image.
void BM_TenSuperTextsPaintTo(benchmark::State& state)
{
    const QList<TGSuperText*> objects = pageWithObjects()->findChildren<TGSuperText*>();
    QImage image(pageWithObjects()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        for (TGSuperText* object : objects) {
            painter.save();
            painter.translate(object->pos());
            object->PaintTo(painter);
            painter.restore();
        }
    }
}
BENCHMARK(BM_TenSuperTextsPaintTo)->Unit(benchmark::kMillisecond);

// A change: the caption, so the layout and letter paths are built again.
void BM_SuperTextCaptionChangeAndPaint(benchmark::State& state)
{
    TGSuperText* object = pageWithObjects()->findChildren<TGSuperText*>().first();
    QImage image(object->size(), QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    for (auto _ : state) {
        object->SetCaption(QStringLiteral("March %1").arg(n++ % 2));
        QPainter painter(&image);
        object->PaintTo(painter);
    }
}
BENCHMARK(BM_SuperTextCaptionChangeAndPaint)->Unit(benchmark::kMicrosecond);

// Printing one gradient object at 300 dpi: 256 bands through the letters.
void BM_PrintGradientSuperText(benchmark::State& state)
{
    TGSuperText* object = pageWithObjects()->findChildren<TGSuperText*>().first();
    TReportPrinter report(std::make_unique<TFakePrintDevice>(300));
    report.SetShowStatus(false);
    report.OnPrint = [&](TReportPrinter& r) { object->PrintTo(r, 0, 0); };
    for (auto _ : state)
        report.Execute();
}
BENCHMARK(BM_PrintGradientSuperText)->Unit(benchmark::kMillisecond);

} // namespace
