#include "RichTextTestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include "richtext/RichPicture.h"

namespace richtext_test {

namespace {
QString describeFormat(const QTextDocument& document, const QTextCharFormat& format)
{
    QString family = format.fontFamilies().toStringList().value(0);
    if (family.isEmpty())
        family = document.defaultFont().family();
    double size = format.fontPointSize();
    if (size <= 0)
        size = document.defaultFont().pointSizeF();
    QString out = family + QLatin1Char(' ') + QString::number(size);
    if (format.fontWeight() >= QFont::DemiBold)
        out += QStringLiteral(" b");
    if (format.fontItalic())
        out += QStringLiteral(" i");
    if (format.fontUnderline())
        out += QStringLiteral(" u");
    if (format.fontStrikeOut())
        out += QStringLiteral(" s");
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        out += QStringLiteral(" super");
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out += QStringLiteral(" sub");
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        out += QStringLiteral(" fg=") + format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
        out += QStringLiteral(" bg=") + format.background().color().name();
    return out;
}

QString describeAlignment(Qt::Alignment alignment)
{
    alignment &= Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    return QStringLiteral("left");
}
} // namespace

std::string Describe(const QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        lines << QStringLiteral("P %1 li=%2 ri=%3 fi=%4 sb=%5 sa=%6 mark=%7")
                     .arg(describeAlignment(format.alignment()))
                     .arg(format.leftMargin())
                     .arg(format.rightMargin())
                     .arg(format.textIndent())
                     .arg(format.topMargin())
                     .arg(format.bottomMargin())
                     .arg(describeFormat(document, block.charFormat()));
        QString runText, runFormat;
        auto flush = [&] {
            if (!runText.isEmpty())
                lines << QStringLiteral("  '%1' %2").arg(runText, runFormat);
            runText.clear();
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                flush();
                const TRichPicture picture = TRichPicture::FromFormat(document, format.toImageFormat());
                for (int i = 0; i < fragment.length(); ++i)
                    lines << QStringLiteral("  [picture %1x%2 shown %3x%4]")
                                 .arg(picture.image.width())
                                 .arg(picture.image.height())
                                 .arg(picture.displaySize.width())
                                 .arg(picture.displaySize.height());
                continue;
            }
            const QString description = describeFormat(document, format);
            if (description != runFormat)
                flush();
            runFormat = description;
            runText += fragment.text();
        }
        flush();
    }
    return lines.join(QLatin1Char('\n')).toStdString();
}

QImage TestImage(int width, int height, QRgb color, bool alpha)
{
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool checker = ((x / 2) + (y / 2)) % 2 == 0;
            QRgb value = checker ? color : qRgb(255 - qRed(color), 255 - qGreen(color), 255 - qBlue(color));
            if (alpha && x == 0)
                value = qRgba(qRed(value), qGreen(value), qBlue(value), 128);
            image.setPixel(x, y, value);
        }
    return image;
}

QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QRect InkBounds(const QImage& image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QList<QPair<int, int>> InkBands(const QImage& image, QRgb background)
{
    QList<QPair<int, int>> bands;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixel(x, y) != background;
        if (!ink)
            continue;
        if (!bands.isEmpty() && bands.last().second == y - 1)
            bands.last().second = y;
        else
            bands.append({y, y});
    }
    return bands;
}

QString SaveBytesForInspection(const QByteArray& bytes, const QString& name)
{
    QString folder = qEnvironmentVariable("VELLUMY_TEST_OUTPUT");
    if (folder.isEmpty())
        folder = QDir::tempPath() + QStringLiteral("/vellumy-test-output");
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace richtext_test
