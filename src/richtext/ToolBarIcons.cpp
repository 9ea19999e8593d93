#include "richtext/ToolBarIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cstring>

namespace {
constexpr int kSize = 16;

// Pixel ratios an icon is drawn for, so that it stays sharp on screens of
// 1.5 and 2 device pixels per pixel.
constexpr qreal kRatios[] = {1.0, 1.5, 2.0};

QPixmap blank(qreal ratio)
{
    const int side = qRound(kSize * ratio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// An icon drawn once per pixel ratio, in 16-pixel coordinates.
template <class Draw>
QIcon drawnIcon(Draw draw)
{
    QIcon icon;
    for (qreal ratio : kRatios) {
        QPixmap pixmap = blank(ratio);
        QPainter painter(&pixmap);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void letter(QPainter& painter, const QString& text, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(14);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

// Text lines of an alignment button: short and long lines placed by `where`
// (0 left, 1 right, 2 centre, 3 both edges).
void lines(QPainter& painter, int where)
{
    painter.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < 5; ++i) {
        const int y = 3 + i * 2 + (i > 0 ? i : 0) / 2;
        const int length = (where == 3 || i % 2 == 0) ? 12 : 8;
        int x = 2;
        if (where == 1)
            x = 14 - length;
        else if (where == 2)
            x = 2 + (12 - length) / 2;
        painter.drawLine(x, y, x + length - 1, y);
    }
}

void page(QPainter& painter, int x, int y, const QColor& fill)
{
    painter.setPen(Qt::black);
    painter.setBrush(fill);
    painter.drawRect(x, y, 8, 10);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(x + 2, y + 3 + 2 * i, x + 6, y + 3 + 2 * i);
}
} // namespace

QIcon ToolBarIcon(const char* name)
{
    return drawnIcon([name](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (!std::strcmp(name, "bold")) {
            letter(painter, QStringLiteral("B"), true, false, false);
        } else if (!std::strcmp(name, "italic")) {
            letter(painter, QStringLiteral("I"), false, true, false);
        } else if (!std::strcmp(name, "underline")) {
            letter(painter, QStringLiteral("U"), false, false, true);
        } else if (!std::strcmp(name, "normal")) {
            letter(painter, QStringLiteral("N"), false, false, false);
        } else if (!std::strcmp(name, "left")) {
            lines(painter, 0);
        } else if (!std::strcmp(name, "right")) {
            lines(painter, 1);
        } else if (!std::strcmp(name, "center")) {
            lines(painter, 2);
        } else if (!std::strcmp(name, "justify")) {
            lines(painter, 3);
        } else if (!std::strcmp(name, "copy")) {
            page(painter, 1, 1, Qt::white);
            page(painter, 6, 5, Qt::white);
        } else if (!std::strcmp(name, "cut")) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(Qt::black, 1.2));
            painter.drawLine(QPointF(5, 1), QPointF(10, 10));
            painter.drawLine(QPointF(11, 1), QPointF(6, 10));
            painter.drawEllipse(QRectF(2.5, 10, 4, 4));
            painter.drawEllipse(QRectF(9.5, 10, 4, 4));
        } else if (!std::strcmp(name, "paste")) {
            painter.setPen(Qt::black);
            painter.setBrush(QColor(0xC0, 0x90, 0x50));
            painter.drawRect(1, 2, 10, 12);
            painter.setBrush(QColor(0x80, 0x80, 0x80));
            painter.drawRect(4, 1, 4, 2);
            page(painter, 6, 5, Qt::white);
        } else if (!std::strcmp(name, "selectall")) {
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(1, 1, 13, 13);
            painter.fillRect(3, 4, 10, 2, QColor(0x30, 0x60, 0xC0));
            painter.fillRect(3, 7, 10, 2, QColor(0x30, 0x60, 0xC0));
            painter.fillRect(3, 10, 7, 2, QColor(0x30, 0x60, 0xC0));
        }
    });
}

QIcon ColorSwatchIcon(const QColor& color)
{
    return drawnIcon([&color](QPainter& painter) {
        painter.setPen(Qt::black);
        painter.setBrush(color);
        painter.drawRect(1, 2, 13, 11);
    });
}
