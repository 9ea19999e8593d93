// Reads arbitrary bytes as RTF, lays the text out and paints it, then checks
// that what is read writes back to RTF that reads and writes to the same
// bytes again.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "richtext/RichTextPainter.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

// Fontconfig keeps what it learns about every font name it is asked for (RTF
// names any font it likes); that cache is not a leak of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QGuiApplication* app = [] {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "fuzz_rtf_reader";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;

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
