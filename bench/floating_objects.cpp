// Painting the floating objects: a mini calendar on screen and as a recorded
// print drawing, and a rich-text box through the master control.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QWidget>

#include "objects/kinds/GFlatCalendar.h"
#include "objects/kinds/GPRichBaseLabel.h"
#include "objects/kinds/HeadlessOwner.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

namespace {

// Owns the objects and lends them its master control, as the main window does.
struct Form {
    THeadlessOwner owner;
    QWidget parent;
};

void BM_FlatCalendarPaint(benchmark::State& state)
{
    Form form;
    TGFlatCalendar calendar(&form.owner, &form.parent);
    calendar.SetBounds(0, 0, 280, 224);
    calendar.SetShadowDepth(4);
    calendar.SetCellBorderStyle(fcbAll);
    QImage image(280, 224, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        calendar.DrawCalendar(painter);
    }
}
BENCHMARK(BM_FlatCalendarPaint);

void BM_FlatCalendarRecordForPrint(benchmark::State& state)
{
    Form form;
    TGFlatCalendar calendar(&form.owner, &form.parent);
    calendar.SetBounds(0, 0, 280, 224);
    for (auto _ : state) {
        QPicture picture;
        QPainter painter(&picture);
        calendar.DrawCalendar(painter);
        painter.end();
        benchmark::DoNotOptimize(picture.size());
    }
}
BENCHMARK(BM_FlatCalendarRecordForPrint);

void BM_RichBoxPaint(benchmark::State& state)
{
    Form form;
    TGPRichBaseLabel box(&form.owner, &form.parent);
    box.Loaded();
    box.SetBounds(0, 0, 190, 66);
    TWPRichText writer;
    writer.AppendParagraph(QStringLiteral("Quarterly review meeting in the big hall, then lunch with the team"));
    TWPRtfStorage text;
    writer.SaveToStorage(text);
    box.SetRTFText(text.RtfText());
    QImage image(190, 66, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        box.PaintText(painter);
    }
}
BENCHMARK(BM_RichBoxPaint);

} // namespace
