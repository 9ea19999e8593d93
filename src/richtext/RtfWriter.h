#pragma once
#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QList>
#include <QRgb>
#include <QString>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class TRichPicture;

// Writes a QTextDocument as plain RTF 1.x (\ansi, Windows-1252) that other
// programs read: a font and a colour table, per paragraph its alignment,
// indents and spacing, per run of text its font, size, bold, italic,
// underline, strikeout, super/subscript and colours; text outside
// Windows-1252 as \uN with a \'3f fallback; pictures as \pict groups (PNG and
// JPEG as they were read, metafiles as their bytes, other images as PNG).
//
// Every paragraph, the last one included, ends with \par, and every run is a
// group of its own that starts from \plain, so that each reader sees the
// same formats. The output depends only on the document's content:
// writing, reading and writing again gives the same bytes.
class TRtfWriter {
public:
    static QByteArray Write(const QTextDocument& document);

private:
    explicit TRtfWriter(const QTextDocument& document);
    QByteArray write();

    QByteArray charProperties(const QTextCharFormat& format);
    QByteArray paragraphProperties(const QTextBlock& block) const;
    QByteArray picture(const TRichPicture& picture) const;
    int fontIndex(const QString& family, QFont::StyleHint hint);
    int colorIndex(QRgb color);
    static void appendText(QByteArray& out, QStringView text);
    int twips(double pixels) const;

    const QTextDocument& document_;
    QString defaultFamily_;
    double defaultPointSize_ = 12;
    double pixelsPerInch_ = 96;

    QList<QString> fonts_;
    QList<QFont::StyleHint> fontHints_;
    QHash<QString, int> fontIndex_;
    QList<QRgb> colors_;
    QHash<QRgb, int> colorIndex_;
};
