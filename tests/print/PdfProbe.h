#pragma once
// Reads PDFs with poppler's command-line tools, which this program did not
// write: words with their boxes, and pages rendered to images.
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

namespace pdfprobe {

struct Word {
    QString text;
    QRectF box; // inches from the page's top-left corner
};

// True when pdftotext and pdftoppm are installed.
bool Available();

// Every word of the page (1-based) with its box.
QList<Word> Words(const QString& pdf, int page = 1);
// The first word with this text; an empty box when there is none.
Word Find(const QList<Word>& words, const QString& text);

// The page rendered at the resolution (grey anti-aliasing included).
QImage Render(const QString& pdf, int page, int dpi);

// Number of pages.
int PageCount(const QString& pdf);

} // namespace pdfprobe
