#include "PdfProbe.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace pdfprobe {

namespace {
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

bool Available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

QList<Word> Words(const QString& pdf, int page)
{
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                              QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    auto it = word.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        // pdftotext measures in points.
        const QRectF box(QPointF(m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72),
                         QPointF(m.captured(3).toDouble() / 72, m.captured(4).toDouble() / 72));
        words.append({m.captured(5), box});
    }
    return words;
}

Word Find(const QList<Word>& words, const QString& text)
{
    for (const Word& w : words) {
        if (w.text == text)
            return w;
    }
    return {};
}

QImage Render(const QString& pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                     QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

int PageCount(const QString& pdf)
{
    static const QRegularExpression pages(QStringLiteral(R"re(Pages:\s+(\d+))re"));
    const auto m = pages.match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace pdfprobe
