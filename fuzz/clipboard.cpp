// Feeds arbitrary bytes to Paste as the object clipboard file: whatever it
// holds must read, draw and print without failing. A damaged file fails with
// the stream's errors and keeps the objects read before; any other outcome (a
// crash, an overflow, a hang) is a finding.
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/FuzzSupport.h"
#include "objects/GLabelObjectFiler.h"
#include "objects/kinds/HeadlessOwner.h"
#include "objects/kinds/PageObjectKinds.h"
#include "page/CalendarPanel32.h"
#include "print/FakePrintDevice.h"
#include "print/ReportPrinter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartWidgetApplication();
    static const bool installed = [] {
        InstallPageObjectKinds();
        return true;
    }();
    (void)installed;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);

    // The owner lends rich-text boxes their master, as the main window does.
    THeadlessOwner owner;
    auto* page = new TCalendarPanel32(&owner);
    QList<TGGraphicControl*> objects;
    try {
        TGLabelObjectFiler::ReadList(buffer, &owner, page, 15, objects);
    } catch (const std::exception&) {
        // Paste reports it; what was read stays on the page.
    }
    page->AttachAll();
    QImage image(page->size().boundedTo(QSize(1200, 1200)), QImage::Format_RGB32);
    page->render(&image);

    TReportPrinter report(std::make_unique<TFakePrintDevice>(100));
    report.SetShowStatus(false);
    report.OnPrint = [page](TReportPrinter& r) { page->PrintPage(r, 0, 0); };
    report.Execute();

    delete page;
    QCoreApplication::processEvents();
    return 0;
}
