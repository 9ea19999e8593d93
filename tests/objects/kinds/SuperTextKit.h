#pragma once
// Shared set-up of the SuperText tests: an object on a host widget, drawn
// into an image over a coloured page.
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "TestSupport.h"
#include "objects/kinds/GSuperText.h"

namespace supertext {

// The colour the "page" under a transparent object has.
inline const QColor PageColour(255, 0, 255);

class SuperTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(800, 600);
        object = new TGSuperText(nullptr, host.get());
        object->SetName(QStringLiteral("Special1"));
    }

    // The object drawn over the page colour at its own size.
    QImage render() const
    {
        QImage image(object->size(), QImage::Format_RGB32);
        image.fill(PageColour);
        QPainter painter(&image);
        object->PaintTo(painter);
        return image;
    }

    // Points well inside the letters (their 3 x 3 neighbourhood too), left to right.
    QList<QPoint> inside(int limit = 4000) const
    {
        QList<QPoint> points;
        const QPainterPath& path = object->LetterPath();
        for (int x = 0; x < object->width(); ++x)
            for (int y = 0; y < object->height() && points.size() < limit; ++y) {
                bool deep = true;
                for (int dx = -2; dx <= 2 && deep; ++dx)
                    for (int dy = -2; dy <= 2 && deep; ++dy)
                        deep = path.contains(QPointF(x + dx + 0.5, y + dy + 0.5));
                if (deep)
                    points.append({x, y});
            }
        return points;
    }

    std::unique_ptr<QWidget> host;
    TGSuperText* object = nullptr;  // owned by the host
};

} // namespace supertext
