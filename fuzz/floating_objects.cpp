// Feeds arbitrary bytes to the floating calendar's or the rich-text box's
// record reader (the first byte chooses the kind, bits 1-2 the zoom), the way
// a document or the object clipboard brings them onto the page, then paints
// and prints what was read. Damaged records fail with the stream's errors;
// any other outcome (a crash, an overflow, a hang) is a finding.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/FuzzSupport.h"
#include "objects/kinds/GFlatCalendar.h"
#include "objects/kinds/GPRichBaseLabel.h"
#include "objects/kinds/HeadlessOwner.h"
#include "page/CalendarPanel32.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "print/FakePrintDevice.h"
#include "print/ReportPrinter.h"

namespace {

// The owner with its master control and the page, made once for the run.
struct Host {
    THeadlessOwner owner;
    TCalendarPanel32* page = new TCalendarPanel32(&owner);
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartWidgetApplication();
    static Host* host = new Host;
    if (size < 1)
        return 0;
    const bool richText = data[0] & 1;
    static const float zooms[] = {1.0f, 0.5f, 0.2f, 2.0f};
    const float zoom = zooms[(data[0] >> 1) & 3];
    QBuffer input;
    input.setData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    input.open(QIODevice::ReadOnly);

    std::unique_ptr<TGGraphicControl> object;
    if (richText)
        object = std::make_unique<TGPRichBaseLabel>(&host->owner, host->page);
    else
        object = std::make_unique<TGFlatCalendar>(&host->owner, host->page);
    try {
        TObjectReader reader(input);
        reader.ReadRootComponent(*object);
    } catch (const EFilerError&) {
        return 0;
    }
    // Keep the drawing small: a damaged record may ask for any size.
    object->SetZoomFactor(zoom);
    object->SetBounds(0, 0, qBound(1, object->Width(), 400), qBound(1, object->Height(), 300));
    QImage image(object->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    if (auto* box = dynamic_cast<TGPRichBaseLabel*>(object.get()))
        box->PaintText(painter);
    else if (auto* calendar = dynamic_cast<TGFlatCalendar*>(object.get()))
        calendar->DrawCalendar(painter);
    painter.end();

    TReportPrinter report(std::make_unique<TFakePrintDevice>(300));
    report.SetShowStatus(false);
    report.OnPrint = [&](TReportPrinter& r) { object->PrintTo(r, 0, 0); };
    report.Execute();
    return 0;
}
