#include "richtext/PictureHandler.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "platform/WmfPicture.h"
#include "richtext/MetafileDrawer.h"
#include "richtext/RichPicture.h"

namespace {
// Metafiles are played by the platform's metafile player unless a drawer
// of the program's choosing is installed.
bool playMetafile(QPainter& painter, const QRectF& target, const TMetafilePicture& picture)
{
    TWmfPicture metafile;
    if (!metafile.LoadFromBytes(picture.metafile))
        return false;
    metafile.Draw(painter, target);
    return true;
}

TMetafileDrawer& drawer()
{
    static TMetafileDrawer instance = playMetafile;
    return instance;
}

bool isPrintingDevice(const QPainter* painter)
{
    const QPaintDevice* device = painter->device();
    if (!device)
        return false;
    return device->devType() == QInternal::Picture || dynamic_cast<const QPagedPaintDevice*>(device) != nullptr;
}
} // namespace

void SetRichTextMetafileDrawer(TMetafileDrawer metafileDrawer)
{
    drawer() = metafileDrawer ? std::move(metafileDrawer) : TMetafileDrawer(playMetafile);
}

const TMetafileDrawer& RichTextMetafileDrawer()
{
    return drawer();
}

void TPictureHandler::Install(QTextDocument& document)
{
    // Never destroyed: documents may outlive any owner we could give it.
    static TPictureHandler* handler = new TPictureHandler;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    if (layout->handlerForObject(QTextFormat::ImageObject) != handler)
        layout->registerHandler(QTextFormat::ImageObject, handler);
}

QSizeF TPictureHandler::intrinsicSize(QTextDocument* doc, int, const QTextFormat& format)
{
    const TRichPicture picture = TRichPicture::FromFormat(*doc, format.toImageFormat());
    return picture.displaySize.isValid() ? picture.displaySize : QSizeF(0, 0);
}

void TPictureHandler::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int,
                                 const QTextFormat& format)
{
    const TRichPicture picture = TRichPicture::FromFormat(*doc, format.toImageFormat());
    if (picture.IsMetafile()) {
        if (picture.kind == TRichPicture::Wmf && drawer()) {
            painter->save();
            const bool drawn = drawer()(*painter, rect, {picture.data, picture.extentX, picture.extentY, picture.mapMode});
            painter->restore();
            if (drawn)
                return;
        }
        if (!isPrintingDevice(painter)) {
            painter->save();
            painter->setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0, Qt::DotLine));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
        return;
    }
    if (picture.image.isNull())
        return;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawImage(rect, picture.image);
    painter->restore();
}
