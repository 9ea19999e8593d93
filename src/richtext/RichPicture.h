#pragma once
#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QTextFormat>
#include <QTextImageFormat>

class QTextCursor;
class QTextDocument;

// A picture embedded in rich text. In a QTextDocument it is an image
// character whose format names an image resource and carries what is needed
// to write the picture back unchanged: its kind, the bytes it was read from
// and, for metafiles, the extent RTF gave them.
//
// PNG and JPEG pictures keep their original bytes and are written back as
// read. Metafiles (WMF, EMF) keep their bytes and are drawn by the metafile
// drawer (MetafileDrawer.h); their image resource is only a placeholder.
// Pictures inserted from an image have no bytes and are written as PNG.
class TRichPicture {
public:
    enum Kind { Image = 0, Png, Jpeg, Wmf, Emf };

    // Properties of the image character's format.
    enum Property {
        KindProperty = QTextFormat::UserProperty + 0x5640,
        DataProperty,        // QByteArray: original bytes (empty for Image)
        ExtentXProperty,     // int: metafile width as RTF gave it (\picw)
        ExtentYProperty,     // int: metafile height (\pich)
        MapModeProperty,     // int: the N of \wmetafileN
    };

    Kind kind = Image;
    QImage image;            // decoded picture, or a placeholder for metafiles
    QByteArray data;         // original bytes (see Kind)
    QSizeF displaySize;      // in document pixels (screen pixels at 100 %)
    int extentX = 0, extentY = 0, mapMode = 8;

    bool IsNull() const { return displaySize.isEmpty() || (image.isNull() && data.isEmpty()); }
    bool IsMetafile() const { return kind == Wmf || kind == Emf; }

    // Adds the image resource to the cursor's document and inserts the
    // picture at the cursor.
    void InsertAt(QTextCursor& cursor) const;

    // The picture of an image character (image from the document's resource).
    static TRichPicture FromFormat(const QTextDocument& document, const QTextImageFormat& format);

    // Largest side, in pixels, of a picture kept in a document. Larger
    // pictures are refused before anything is allocated for them.
    static constexpr int MaxPixelSide = 16384;
    static constexpr qint64 MaxPixels = 40'000'000;
    // Largest shown size, in inches.
    static constexpr int MaxDisplayInches = 22;
};
