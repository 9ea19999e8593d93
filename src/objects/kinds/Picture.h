#pragma once
// The picture a picture object shows: a bitmap (a BMP file image), a Windows
// metafile (placeable or plain, drawn by our player; an enhanced metafile is
// kept but not drawn) or an icon (an ICO file image). In documents it is the
// custom entry "Data": the kind's class name as a short string, then the file
// image. Bytes read from a document are written back exactly as they came
// until the picture is changed.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>

#include "persist/Persistent.h"

class QPainter;
class TWmfPicture;

enum class TPictureKind { Empty, Bitmap, Metafile, Icon };

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TPictureKind Kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == TPictureKind::Empty; }
    // The class name stored before the file image: TBitmap, TMetafile, TIcon
    // (or whatever a document named, for kinds kept unread).
    QByteArray ClassName() const { return className_; }
    // Size in screen pixels at 100 %; 0 x 0 when empty or undrawable.
    int Width() const;
    int Height() const;
    // Whether Draw shows anything (an enhanced metafile, a kind we do not
    // know or damaged bytes are kept but not drawn).
    bool CanDraw() const;
    // The pixels of a bitmap or icon (icons keep their transparency).
    const QImage& Image() const { return image_; }
    // The metafile, when the picture is one that our player reads.
    const TWmfPicture* Metafile() const { return metafile_.get(); }
    // A number that changes with every change of the picture (for caches).
    quint64 Generation() const { return generation_; }

    void Clear();
    void Assign(const TPicture& other);
    // Becomes a bitmap of these pixels (its BMP file image is made when the
    // picture is stored). Transparent parts are laid on white.
    void SetBitmap(const QImage& image);
    // The picture type's own loader: .BMP (and .DIB, .RLE) as a bitmap whose
    // file bytes are kept, .WMF (and .EMF) as a metafile, .ICO as an icon.
    // False, with the reason, when the file cannot be read as such; the
    // picture is then unchanged.
    bool LoadFromFile(const QString& path, QString* error = nullptr);

    // Draws the picture stretched into the rectangle (painter coordinates).
    void Draw(QPainter& painter, const QRectF& target) const;

    // The custom data entry's payload, and reading it back. Reading throws
    // EFilerError for data that cannot be a picture entry.
    QByteArray StreamData() const;
    void ReadStreamData(const QByteArray& data);

    // Runs after every change of the picture.
    std::function<void()> OnChange;

    QList<TCustomData> DefineProperties() override;
    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

private:
    // Takes a kind and its file image; decodes what can be drawn.
    void setFileImage(const QByteArray& className, const QByteArray& fileImage);
    void changed();

    TPictureKind kind_ = TPictureKind::Empty;
    QByteArray className_;
    // The file image as stored; empty for a bitmap made from pixels until
    // it is needed.
    mutable QByteArray fileImage_;
    QImage image_;
    std::unique_ptr<TWmfPicture> metafile_;
    QSize enhancedSize_;  // an enhanced metafile's frame, in pixels
    quint64 generation_ = 0;
};
