// Feeds arbitrary bytes to the calendar page as a document or, when the first
// byte is odd, as a style sheet; whatever was read must then lay out, draw on
// the screen and print without failing. Damaged files fail with the stream's
// errors; any other outcome (a crash, an overflow, a hang) is a finding.
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/FuzzSupport.h"
#include "objects/kinds/HeadlessOwner.h"
#include "objects/kinds/PageObjectKinds.h"
#include "page/CalendarPanel32.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "print/FakePrintDevice.h"
#include "print/ReportPrinter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartWidgetApplication();
    static const bool kindsInstalled = [] {
        InstallPageObjectKinds();
        return true;
    }();
    (void)kindsInstalled;
    if (size < 1)
        return 0;
    const bool styleSheet = data[0] & 1;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    buffer.open(QIODevice::ReadOnly);

    THeadlessOwner owner;
    auto* page = new TCalendarPanel32(&owner);
    page->ResetToDefaults();
    try {
        TObjectReader reader(buffer);
        if (styleSheet)
            page->ReadStyleSheet(reader);
        else
            page->ReadDocument(reader, &owner);
    } catch (const EFilerError&) {
        // The program reports it and carries on with the page as it is.
    }
    page->UpdatePageLayout(false);
    (void)page->DrawPage();

    TReportPrinter report(std::make_unique<TFakePrintDevice>(100));
    report.SetShowStatus(false);
    report.OnPrint = [page](TReportPrinter& r) { page->PrintPage(r, 0, 0); };
    report.Execute();

    delete page;
    // Deleted objects post their last events; let them go before the next run.
    QCoreApplication::processEvents();
    return 0;
}
