#include "richtext/RichPicture.h"

#include <QAtomicInt>
#include <QPixmap>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

namespace {
QUrl newResourceName()
{
    // Unique in the process, so that a fragment pasted from one document into
    // another never picks up a different picture of the same name.
    static QAtomicInt counter;
    return QUrl(QStringLiteral("vellumy-picture:%1").arg(counter.fetchAndAddRelaxed(1) + 1));
}
} // namespace

void TRichPicture::InsertAt(QTextCursor& cursor) const
{
    QTextDocument* document = cursor.document();
    if (!document || IsNull())
        return;
    const QUrl name = newResourceName();
    QImage shown = image;
    if (shown.isNull()) {
        // Metafile placeholder: a transparent pixel; the format gives the size.
        shown = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::transparent);
    }
    document->addResource(QTextDocument::ImageResource, name, shown);

    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(displaySize.width());
    format.setHeight(displaySize.height());
    format.setProperty(KindProperty, int(kind));
    if (!data.isEmpty())
        format.setProperty(DataProperty, data);
    if (IsMetafile()) {
        format.setProperty(ExtentXProperty, extentX);
        format.setProperty(ExtentYProperty, extentY);
        format.setProperty(MapModeProperty, mapMode);
    }
    cursor.insertImage(format);
}

TRichPicture TRichPicture::FromFormat(const QTextDocument& document, const QTextImageFormat& format)
{
    TRichPicture picture;
    const int kind = format.intProperty(KindProperty);
    picture.kind = (kind >= Image && kind <= Emf) ? Kind(kind) : Image;
    picture.data = format.property(DataProperty).toByteArray();
    if (picture.data.isEmpty() && picture.kind != Image)
        picture.kind = Image;
    picture.extentX = format.intProperty(ExtentXProperty);
    picture.extentY = format.intProperty(ExtentYProperty);
    picture.mapMode = format.hasProperty(MapModeProperty) ? format.intProperty(MapModeProperty) : 8;

    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    if (resource.userType() == QMetaType::QImage)
        picture.image = resource.value<QImage>();
    else if (resource.userType() == QMetaType::QPixmap)
        picture.image = resource.value<QPixmap>().toImage();
    else if (resource.userType() == QMetaType::QByteArray)
        picture.image.loadFromData(resource.toByteArray());

    QSizeF size(format.width(), format.height());
    if (!picture.IsMetafile() && !picture.image.isNull()) {
        const QSizeF natural = picture.image.size();
        if (size.width() <= 0 && size.height() <= 0)
            size = natural;
        else if (size.width() <= 0)
            size.setWidth(natural.width() * size.height() / natural.height());
        else if (size.height() <= 0)
            size.setHeight(natural.height() * size.width() / natural.width());
    }
    picture.displaySize = size;
    if (picture.IsMetafile())
        picture.image = QImage();
    return picture;
}
