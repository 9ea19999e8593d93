#pragma once
// Helpers of the rich-text tests: documents described as readable lines so
// that a failed comparison shows what differs.
#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <ostream>
#include <string>

class QTextDocument;

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace richtext_test {

// One line per paragraph ("P center li=48 ...") followed by one line per run
// of equally formatted text ("  'text' Arial 14 b i u s fg=#ff0000") and per
// picture ("  [picture 32x16 shown 64x32]"). Unset fonts and sizes are shown
// resolved against the document's default font.
std::string Describe(const QTextDocument& document);

// A small image with a distinct pattern, optionally with transparency.
QImage TestImage(int width, int height, QRgb color, bool alpha = false);

// The image bytes in a file format ("PNG", "JPEG", "BMP").
QByteArray Encode(const QImage& image, const char* format);

// Bounding box of the pixels that are not `background`; null when none.
QRect InkBounds(const QImage& image, QRgb background = 0xFFFFFFFF);

// The rows that carry ink, merged into bands (text lines).
QList<QPair<int, int>> InkBands(const QImage& image, QRgb background = 0xFFFFFFFF);

// Writes bytes next to the images saved for inspection; returns the path.
QString SaveBytesForInspection(const QByteArray& bytes, const QString& name);

} // namespace richtext_test
