// Painting the floating objects: a mini calendar on screen and as a recorded
// print drawing, and a rich-text box through the master control.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QWidget>

#include "objects/kinds/GFlatCalendar.h"
#include "objects/kinds/GPRichBaseLabel.h"
#include "page/MainWindowServices.h"
#include "persist/Component.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

namespace {

// Owns the objects and lends them its master control, as the main window does.
class Form : public QWidget, public TComponent, public TMainWindowServices {
public:
    Form() : master_(new TWPRichText(this)) { master_->setObjectName(QStringLiteral("MASTERWPRICHTEXT")); }
    TWPRichText* MasterRichText() const override { return master_; }
    TWPRichText* CellEditor() const override { return nullptr; }
    int CurrentCell() const override { return 0; }
    TWPRtfStorage* EditedCellText() const override { return nullptr; }
    void DoSaveRichtext() override {}
    void SetModified(bool) override {}

private:
    TWPRichText* master_;
};

void BM_FlatCalendarPaint(benchmark::State& state)
{
    Form form;
    TGFlatCalendar calendar(&form, &form);
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
    TGFlatCalendar calendar(&form, &form);
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
    TGPRichBaseLabel box(&form, &form);
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
