// Reads arbitrary bytes as RTF, lays the text out and paints it, then checks
// that what is read writes back to RTF that reads and writes to the same
// bytes again.
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "common/FuzzSupport.h"
#include "richtext/RichTextPainter.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartGuiApplication();

    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto document = TRtfReader::Read(input);

    QImage canvas(160, 120, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        TRichTextLayout layout;
        layout.zoomPercent = 50;
        TRichTextPainter::Paint(*document, painter, canvas.rect(), layout);
    }

    const QByteArray first = TRtfWriter::Write(*document);
    const QByteArray second = TRtfWriter::Write(*TRtfReader::Read(first));
    if (first != second) {
        std::fprintf(stderr, "write, read, write differ:\n%s\n----\n%s\n", first.constData(), second.constData());
        std::abort();
    }
    return 0;
}
