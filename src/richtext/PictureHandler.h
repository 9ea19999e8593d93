#pragma once
#include <QObject>
#include <QTextObjectInterface>

class QTextDocument;

// Sizes and draws the pictures of rich-text documents: images from the
// document's resources, metafiles through the metafile drawer. One shared
// instance serves every document; Install() registers it with a document's
// layout (again after the layout was replaced).
class TPictureHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    static void Install(QTextDocument& document);

    QSizeF intrinsicSize(QTextDocument* doc, int posInDocument, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int posInDocument,
                    const QTextFormat& format) override;

private:
    TPictureHandler() = default;
};
