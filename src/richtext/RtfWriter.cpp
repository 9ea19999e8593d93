#include "richtext/RtfWriter.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <cmath>

#include "platform/ScreenMetrics.h"
#include "richtext/CodePageDecoder.h"
#include "richtext/RichPicture.h"

namespace {
const char* hintKeyword(QFont::StyleHint hint)
{
    switch (hint) {
    case QFont::Serif: return "\\froman";
    case QFont::SansSerif: return "\\fswiss";
    case QFont::TypeWriter: return "\\fmodern";
    case QFont::Cursive: return "\\fscript";
    case QFont::Decorative: return "\\fdecor";
    default: return "\\fnil";
    }
}

void appendNumber(QByteArray& out, const char* word, long long value)
{
    out.append(word);
    out.append(QByteArray::number(value));
}

// The image as PNG with nothing in it but its pixels, so that equal pixels
// always give equal bytes.
QByteArray plainPng(const QImage& image)
{
    const QImage source = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QImage clean(source.size(), source.format());
    for (int y = 0; y < source.height(); ++y)
        memcpy(clean.scanLine(y), source.constScanLine(y), size_t(source.width()) * 4);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    clean.save(&buffer, "PNG");
    return png;
}

void appendHexLines(QByteArray& out, const QByteArray& data)
{
    static const char digits[] = "0123456789abcdef";
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (i % 64 == 0)
            out.append('\n');
        const auto byte = static_cast<unsigned char>(data.at(i));
        out.append(digits[byte >> 4]);
        out.append(digits[byte & 15]);
    }
    out.append('\n');
}
} // namespace

QByteArray TRtfWriter::Write(const QTextDocument& document)
{
    TRtfWriter writer(document);
    return writer.write();
}

TRtfWriter::TRtfWriter(const QTextDocument& document) : document_(document)
{
    const QFont font = document.defaultFont();
    defaultFamily_ = font.family();
    if (font.pointSizeF() > 0)
        defaultPointSize_ = font.pointSizeF();
    pixelsPerInch_ = ScreenPPI();
    fontIndex(defaultFamily_, font.styleHint());
}

int TRtfWriter::twips(double pixels) const
{
    return int(std::lround(pixels * 1440.0 / pixelsPerInch_));
}

int TRtfWriter::fontIndex(const QString& family, QFont::StyleHint hint)
{
    const auto found = fontIndex_.constFind(family);
    if (found != fontIndex_.constEnd())
        return found.value();
    const int index = int(fonts_.size());
    fonts_.append(family);
    fontHints_.append(hint);
    fontIndex_.insert(family, index);
    return index;
}

int TRtfWriter::colorIndex(QRgb color)
{
    color = qRgb(qRed(color), qGreen(color), qBlue(color));
    const auto found = colorIndex_.constFind(color);
    if (found != colorIndex_.constEnd())
        return found.value();
    colors_.append(color);
    const int index = int(colors_.size());   // index 0 is the automatic colour
    colorIndex_.insert(color, index);
    return index;
}

QByteArray TRtfWriter::charProperties(const QTextCharFormat& format)
{
    QByteArray out;
    QString family;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        family = families.first();
    if (family.isEmpty())
        family = defaultFamily_;
    const QFont::StyleHint hint = format.hasProperty(QTextFormat::FontStyleHint) ? format.fontStyleHint() : QFont::AnyStyle;
    appendNumber(out, "\\f", fontIndex(family, hint));

    double points = defaultPointSize_;
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        points = format.fontPointSize();
    else if (format.hasProperty(QTextFormat::FontPixelSize) && format.intProperty(QTextFormat::FontPixelSize) > 0)
        points = format.intProperty(QTextFormat::FontPixelSize) * 72.0 / pixelsPerInch_;
    appendNumber(out, "\\fs", std::max(2L, std::lround(points * 2)));

    if (format.hasProperty(QTextFormat::FontWeight) && format.fontWeight() >= QFont::DemiBold)
        out.append("\\b");
    if (format.fontItalic())
        out.append("\\i");
    if (format.fontUnderline() || format.underlineStyle() != QTextCharFormat::NoUnderline)
        out.append("\\ul");
    if (format.fontStrikeOut())
        out.append("\\strike");
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        out.append("\\super");
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out.append("\\sub");
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        appendNumber(out, "\\cf", colorIndex(format.foreground().color().rgb()));
    if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush) {
        const int index = colorIndex(format.background().color().rgb());
        appendNumber(out, "\\chcbpat", index);
        appendNumber(out, "\\cb", index);
    }
    return out;
}

QByteArray TRtfWriter::paragraphProperties(const QTextBlock& block) const
{
    const QTextBlockFormat format = block.blockFormat();
    QByteArray out;
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignJustify)
        out.append("\\qj");
    else if (alignment & Qt::AlignHCenter)
        out.append("\\qc");
    else if ((alignment & Qt::AlignRight) || ((alignment & Qt::AlignTrailing) && !(alignment & Qt::AlignAbsolute)))
        out.append("\\qr");
    const double left = format.leftMargin() + format.indent() * document_.indentWidth();
    if (const int value = twips(left))
        appendNumber(out, "\\li", value);
    if (const int value = twips(format.rightMargin()))
        appendNumber(out, "\\ri", value);
    if (const int value = twips(format.textIndent()))
        appendNumber(out, "\\fi", value);
    if (const int value = twips(format.topMargin()))
        appendNumber(out, "\\sb", value);
    if (const int value = twips(format.bottomMargin()))
        appendNumber(out, "\\sa", value);
    return out;
}

void TRtfWriter::appendText(QByteArray& out, QStringView text)
{
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        switch (c) {
        case u'\\': out.append("\\\\"); continue;
        case u'{': out.append("\\{"); continue;
        case u'}': out.append("\\}"); continue;
        case u'\t': out.append("\\tab "); continue;
        case QChar::LineSeparator: out.append("\\line "); continue;
        case QChar::Nbsp: out.append("\\~"); continue;
        case 0x00AD: out.append("\\-"); continue;
        case 0x2011: out.append("\\_"); continue;
        default: break;
        }
        unsigned char byte = 0;
        if (c >= 0x20 && c < 0x7F) {
            out.append(char(c));
        } else if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == QChar::ObjectReplacementCharacter
                   || c == QChar::ParagraphSeparator) {
            continue;   // control characters carry no text
        } else if (TCodePageDecoder::ToCp1252(c, byte)) {
            static const char digits[] = "0123456789abcdef";
            out.append("\\'");
            out.append(digits[byte >> 4]);
            out.append(digits[byte & 15]);
        } else {
            // The fallback as \'3f rather than a literal '?': some readers
            // take a '?' right after the number as the word's delimiter.
            appendNumber(out, "\\u", c > 0x7FFF ? int(c) - 0x10000 : int(c));
            out.append("\\'3f");
        }
    }
}

QByteArray TRtfWriter::picture(const TRichPicture& picture) const
{
    QByteArray data = picture.data;
    const char* blip = nullptr;
    QByteArray mapMode;
    int width = picture.extentX, height = picture.extentY;
    switch (picture.kind) {
    case TRichPicture::Png: blip = "\\pngblip"; break;
    case TRichPicture::Jpeg: blip = "\\jpegblip"; break;
    case TRichPicture::Wmf:
        blip = "\\wmetafile";
        mapMode = QByteArray::number(picture.mapMode);
        break;
    case TRichPicture::Emf: blip = "\\emfblip"; break;
    case TRichPicture::Image: break;
    }
    if (!blip) {
        if (picture.image.isNull())
            return QByteArray();
        data = plainPng(picture.image);
        blip = "\\pngblip";
    }
    if (!picture.IsMetafile()) {
        width = picture.image.width();
        height = picture.image.height();
    }
    QSizeF shown = picture.displaySize;
    if (shown.isEmpty())
        shown = QSizeF(width, height);
    QByteArray out("{\\pict");
    appendNumber(out, "\\picw", width);
    appendNumber(out, "\\pich", height);
    appendNumber(out, "\\picwgoal", std::max(1, twips(shown.width())));
    appendNumber(out, "\\pichgoal", std::max(1, twips(shown.height())));
    out.append(blip);
    out.append(mapMode);
    appendHexLines(out, data);
    out.append('}');
    return out;
}

QByteArray TRtfWriter::write()
{
    // The body first: it fills the font and colour tables.
    QByteArray body;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        body.append("\\pard");
        body.append(paragraphProperties(block));
        body.append("\\plain");
        body.append(charProperties(block.charFormat()));

        QByteArray runProperties;
        QString runText;
        auto flush = [&]() {
            QByteArray text;
            appendText(text, runText);
            runText.clear();
            if (text.isEmpty())
                return;   // only characters that carry no text
            body.append("{\\plain");
            body.append(runProperties);
            body.append(' ');
            body.append(text);
            body.append('}');
        };
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QString text = fragment.text();
            if (format.isImageFormat()) {
                flush();
                const TRichPicture shown = TRichPicture::FromFormat(document_, format.toImageFormat());
                const QByteArray group = picture(shown);
                for (QChar c : text)
                    if (c == QChar::ObjectReplacementCharacter)
                        body.append(group);
                continue;
            }
            const QByteArray properties = charProperties(format);
            if (properties != runProperties)
                flush();
            runProperties = properties;
            runText.append(text);
        }
        flush();
        body.append("\\par\n");
    }

    QByteArray out("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl");
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        appendNumber(out, "{\\f", i);
        out.append(hintKeyword(fontHints_.at(i)));
        out.append("\\fcharset0 ");
        // A ';' would end the name early; as \'3b it is part of it.
        QByteArray name;
        appendText(name, fonts_.at(i));
        out.append(name.replace(';', "\\'3b"));
        out.append(";}");
    }
    out.append("}\n");
    if (!colors_.isEmpty()) {
        out.append("{\\colortbl;");
        for (QRgb color : colors_) {
            appendNumber(out, "\\red", qRed(color));
            appendNumber(out, "\\green", qGreen(color));
            appendNumber(out, "\\blue", qBlue(color));
            out.append(';');
        }
        out.append("}\n");
    }
    out.append(body);
    out.append("}\n");
    return out;
}
