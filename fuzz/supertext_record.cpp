// Feeds arbitrary bytes to the SuperText record reader, the way a document or
// the object clipboard brings them (texture bitmap included), then lays the
// object out, paints it and prints it.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

#include "common/FuzzSupport.h"
#include "objects/kinds/GSuperText.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "print/FakePrintDevice.h"
#include "print/ReportPrinter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartWidgetApplication();
    QBuffer input;
    input.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    input.open(QIODevice::ReadOnly);

    TGSuperText object(nullptr);
    try {
        TObjectReader reader(input);
        reader.ReadRootComponent(object);
    } catch (const EFilerError&) {
        return 0;
    }
    // Keep the drawing small: a damaged record may ask for any size.
    object.SetBounds(0, 0, qBound(1, object.Width(), 400), qBound(1, object.Height(), 200));
    QImage image(object.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    object.PaintTo(painter);
    painter.end();

    TReportPrinter report(std::make_unique<TFakePrintDevice>(300));
    report.SetShowStatus(false);
    report.OnPrint = [&](TReportPrinter& r) { object.PrintTo(r, 0, 0); };
    report.Execute();
    return 0;
}
