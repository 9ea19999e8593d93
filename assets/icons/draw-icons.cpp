// Draws the main window's icons into this folder as PNG files. Not part of
// the build: the PNGs are committed and embedded through src/app/CalendarMain.qrc.
// To redraw them:
//   g++ -std=c++20 -fPIC draw-icons.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw-icons
//   QT_QPA_PLATFORM=offscreen /tmp/draw-icons assets/icons
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>
#include <functional>

namespace {
const QColor Ink(0x30, 0x30, 0x38);
const QColor Paper(0xFF, 0xFF, 0xFF);
const QColor Accent(0x2E, 0x6B, 0xC6);
const QColor Warm(0xD9, 0x48, 0x3B);

// Each icon at its size and, as NAME@2x.png, at twice its size for screens
// of more than one device pixel per pixel (the toolkit picks it by name).
void save(const QString& folder, const QString& name, int w, int h, const std::function<void(QPainter&)>& draw)
{
    for (int scale : {1, 2}) {
        QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        image.save(folder + QLatin1Char('/') + name + (scale == 1 ? QString() : QStringLiteral("@2x"))
                   + QStringLiteral(".png"));
    }
}

// A small month sheet: red header band and a grid of day squares.
void sheet(QPainter& p, const QRectF& r, const QColor& band)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Paper);
    p.drawRoundedRect(r, 1.5, 1.5);
    const double bandH = r.height() * 0.26;
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(r.left() + 0.6, r.top() + 0.6, r.width() - 1.2, bandH));
    p.setPen(QPen(QColor(0x90, 0x90, 0x98), 0.8));
    const double top = r.top() + bandH + 1;
    const double cw = r.width() / 4.0;
    const double ch = (r.bottom() - top) / 3.0;
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(r.left() + i * cw, top), QPointF(r.left() + i * cw, r.bottom() - 1));
    for (int j = 1; j < 3; ++j)
        p.drawLine(QPointF(r.left() + 1, top + j * ch), QPointF(r.right() - 1, top + j * ch));
}

void magnifier(QPainter& p, bool plus)
{
    p.setPen(QPen(Ink, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    p.setPen(QPen(Ink, 1.8));
    p.setBrush(QColor(0xE8, 0xF1, 0xFC));
    p.drawEllipse(QPointF(10, 10), 7, 7);
    p.setPen(QPen(Accent, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
    if (plus)
        p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    save(out, QStringLiteral("zoomin"), 24, 24, [](QPainter& p) { magnifier(p, true); });
    save(out, QStringLiteral("zoomout"), 24, 24, [](QPainter& p) { magnifier(p, false); });

    save(out, QStringLiteral("properties"), 24, 24, [](QPainter& p) {
        sheet(p, QRectF(2.5, 3.5, 15, 16), Warm);
        // A pencil across the sheet's corner.
        p.save();
        p.translate(16, 15);
        p.rotate(45);
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(0xF2, 0xC1, 0x4E));
        p.drawRect(QRectF(-2.2, -9, 4.4, 12));
        QPainterPath tip;
        tip.moveTo(-2.2, 3);
        tip.lineTo(2.2, 3);
        tip.lineTo(0, 7);
        tip.closeSubpath();
        p.setBrush(QColor(0xF5, 0xDE, 0xB3));
        p.drawPath(tip);
        p.restore();
    });

    save(out, QStringLiteral("print"), 24, 24, [](QPainter& p) {
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(0xB8, 0xBE, 0xC8));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2);
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 14.5, 11, 7));
        p.setPen(QPen(QColor(0x70, 0x70, 0x78), 0.9));
        p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
        p.drawLine(QPointF(8.5, 19.2), QPointF(13.5, 19.2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3C, 0xB0, 0x4A));
        p.drawEllipse(QPointF(18.5, 12), 1.1, 1.1);
    });

    save(out, QStringLiteral("icons"), 24, 24, [](QPainter& p) {
        // A palette of little pictures: a star, a heart, a sun and a bell.
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(0xF7, 0xF4, 0xEC));
        p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF2, 0xB7, 0x05));
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double r = i % 2 ? 2.2 : 4.6;
            const QPointF pt(7 + r * std::cos(a), 7.5 + r * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        p.drawPath(star);
        p.setBrush(Warm);
        QPainterPath heart;
        heart.moveTo(17, 10.5);
        heart.cubicTo(12.5, 7.5, 14, 3.5, 17, 6);
        heart.cubicTo(20, 3.5, 21.5, 7.5, 17, 10.5);
        p.drawPath(heart);
        p.setBrush(QColor(0xF5, 0x8A, 0x1F));
        p.drawEllipse(QPointF(7, 17), 3, 3);
        p.setBrush(Accent);
        p.drawRoundedRect(QRectF(14, 13.5, 6, 6), 1.5, 1.5);
    });

    save(out, QStringLiteral("pointer"), 24, 24, [](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(7, 3);
        arrow.lineTo(7, 19);
        arrow.lineTo(10.8, 15.3);
        arrow.lineTo(13.6, 21);
        arrow.lineTo(16, 19.8);
        arrow.lineTo(13.2, 14.2);
        arrow.lineTo(18.5, 14.2);
        arrow.closeSubpath();
        p.setPen(QPen(Ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Paper);
        p.drawPath(arrow);
    });

    save(out, QStringLiteral("label"), 24, 24, [](QPainter& p) {
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPixelSize(19);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Ink);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("A"));
        p.setPen(QPen(Accent, 1.6));
        p.drawLine(QPointF(4, 21.5), QPointF(20, 21.5));
    });

    save(out, QStringLiteral("image"), 24, 24, [](QPainter& p) {
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(QColor(0xDD, 0xEE, 0xFB));
        p.drawRect(QRectF(2.5, 4.5, 19, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF2, 0xB7, 0x05));
        p.drawEllipse(QPointF(16.5, 9), 2.2, 2.2);
        p.setBrush(QColor(0x3C, 0x8D, 0x4A));
        QPainterPath hills;
        hills.moveTo(3.1, 18.9);
        hills.lineTo(8.5, 11);
        hills.lineTo(12.5, 16);
        hills.lineTo(15, 13.5);
        hills.lineTo(20.9, 18.9);
        hills.closeSubpath();
        p.drawPath(hills);
    });

    save(out, QStringLiteral("richtext"), 24, 24, [](QPainter& p) {
        p.setPen(QPen(Ink, 1.1));
        p.setBrush(Paper);
        p.drawRect(QRectF(2.5, 2.5, 19, 19));
        QFont bold(QStringLiteral("Liberation Serif"));
        bold.setPixelSize(11);
        bold.setBold(true);
        p.setFont(bold);
        p.setPen(Warm);
        p.drawText(QRectF(4, 3, 8, 10), Qt::AlignCenter, QStringLiteral("R"));
        QFont italic(QStringLiteral("Liberation Serif"));
        italic.setPixelSize(11);
        italic.setItalic(true);
        p.setFont(italic);
        p.setPen(Accent);
        p.drawText(QRectF(11, 3, 9, 10), Qt::AlignCenter, QStringLiteral("t"));
        p.setPen(QPen(QColor(0x80, 0x80, 0x88), 1.2));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(5, 14.5 + i * 2.5), QPointF(i == 2 ? 14 : 19, 14.5 + i * 2.5));
    });

    save(out, QStringLiteral("supertext"), 24, 24, [](QPainter& p) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(21);
        font.setBold(true);
        QPainterPath letter;
        letter.addText(0, 0, font, QStringLiteral("S"));
        const QRectF box = letter.boundingRect();
        letter.translate(12 - box.center().x(), 12 - box.center().y());
        QLinearGradient fill(QPointF(4, 2), QPointF(20, 22));
        fill.setColorAt(0, QColor(0xF2, 0xB7, 0x05));
        fill.setColorAt(0.5, Warm);
        fill.setColorAt(1, QColor(0x7B, 0x2F, 0xBF));
        p.translate(1.2, 1.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(letter);
        p.translate(-1.2, -1.2);
        p.setPen(QPen(Ink, 0.8));
        p.setBrush(fill);
        p.drawPath(letter);
    });

    save(out, QStringLiteral("minicalendar"), 24, 24, [](QPainter& p) {
        sheet(p, QRectF(2.5, 4.5, 19, 16), Accent);
        p.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 2.5), QPointF(7, 6.5));
        p.drawLine(QPointF(17, 2.5), QPointF(17, 6.5));
    });

    const auto appIcon = [](QPainter& p, double s) {
        p.scale(s, s);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(QRectF(4, 5, 26, 26), 4, 4);
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Paper);
        p.drawRoundedRect(QRectF(2.5, 3.5, 26, 26), 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(Warm);
        QPainterPath band;
        band.addRoundedRect(QRectF(3.1, 4.1, 24.8, 8), 3.5, 3.5);
        band.addRect(QRectF(3.1, 8, 24.8, 4.1));
        p.drawPath(band.simplified());
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(14);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Ink);
        p.drawText(QRectF(2.5, 12, 26, 17), Qt::AlignCenter, QStringLiteral("31"));
        p.setPen(QPen(Ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 1.5), QPointF(9, 6));
        p.drawLine(QPointF(22, 1.5), QPointF(22, 6));
    };
    save(out, QStringLiteral("vellumy"), 64, 64, [&](QPainter& p) { appIcon(p, 2.0); });

    save(out, QStringLiteral("about"), 320, 150, [&](QPainter& p) {
        QLinearGradient sky(QPointF(0, 0), QPointF(0, 150));
        sky.setColorAt(0, QColor(0xFB, 0xF6, 0xEA));
        sky.setColorAt(1, QColor(0xEC, 0xE3, 0xCF));
        p.setPen(Qt::NoPen);
        p.setBrush(sky);
        p.drawRoundedRect(QRectF(0, 0, 320, 150), 10, 10);
        // Three overlapping month sheets, fanned out.
        const QColor bands[] = {Accent, QColor(0x3C, 0x8D, 0x4A), Warm};
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(78, 80);
            p.rotate(-14 + i * 12);
            sheet(p, QRectF(-38, -46, 76, 88), bands[i]);
            p.restore();
        }
        QFont title(QStringLiteral("Liberation Serif"));
        title.setPixelSize(40);
        title.setBold(true);
        title.setItalic(true);
        p.setFont(title);
        p.setPen(Ink);
        p.drawText(QRectF(140, 30, 175, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vellumy"));
        QFont sub(QStringLiteral("Liberation Sans"));
        sub.setPixelSize(14);
        p.setFont(sub);
        p.setPen(QColor(0x60, 0x5A, 0x50));
        p.drawText(QRectF(142, 80, 175, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QStringLiteral("Calendar designer"));
    });
    return 0;
}
