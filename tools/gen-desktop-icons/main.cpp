// Draws the desktop icons (the application's and its two document types')
// as PNG files at the sizes of the hicolor icon theme:
//   gen-desktop-icons OUT_FOLDER
// writes OUT_FOLDER/hicolor/NxN/{apps,mimetypes}/NAME.png. The drawings are
// those of the scalable icons in assets/desktop (same 32-unit coordinates),
// so every size shows the same picture, drawn sharp for its size.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {
const QColor Ink(0x30, 0x30, 0x38);
const QColor Rule(0x90, 0x90, 0x98);
const QColor Fold(0xE4, 0xE4, 0xEA);
const QColor Red(0xD9, 0x48, 0x3B);
const QColor Blue(0x2E, 0x6B, 0xC6);
const int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

void appIcon(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 41));
    p.drawRoundedRect(QRectF(4, 5, 26, 26), 4, 4);
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2.5, 3.5, 26, 26), 4, 4);
    QPainterPath band;
    band.addRoundedRect(QRectF(3.1, 4.1, 24.8, 8), 3.5, 3.5);
    band.addRect(QRectF(3.1, 8, 24.8, 4.1));
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawPath(band.simplified());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Ink);
    p.drawText(QRectF(2.5, 12, 26, 17), Qt::AlignCenter, QStringLiteral("31"));
    p.setPen(QPen(Ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 1.5), QPointF(9, 6));
    p.drawLine(QPointF(22, 1.5), QPointF(22, 6));
}

void documentIcon(QPainter& p, const QColor& band)
{
    QPainterPath sheet;
    sheet.moveTo(6.5, 1.5);
    sheet.lineTo(20.5, 1.5);
    sheet.lineTo(26.5, 7.5);
    sheet.lineTo(26.5, 30.5);
    sheet.lineTo(6.5, 30.5);
    sheet.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(20.5, 1.5);
    fold.lineTo(20.5, 7.5);
    fold.lineTo(26.5, 7.5);
    p.setBrush(Fold);
    p.drawPath(fold);
    p.setPen(QPen(Ink, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 11.5, 14, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(9.9, 11.9, 13.2, 3.6));
    p.setPen(QPen(Rule, 0.6));
    for (double x : {13.0, 16.5, 20.0})
        p.drawLine(QPointF(x, 15.5), QPointF(x, 26.2));
    for (double y : {19.0, 22.6})
        p.drawLine(QPointF(9.8, y), QPointF(23.2, y));
}

bool save(const QString& out, const QString& context, const QString& name, const std::function<void(QPainter&)>& draw)
{
    for (int size : Sizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/%3").arg(out).arg(size).arg(context);
        if (!QDir().mkpath(folder))
            return false;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
        p.end();
        if (!image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png")))
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen-desktop-icons OUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const bool ok = save(out, QStringLiteral("apps"), QStringLiteral("org.vellumy.Vellumy"), appIcon)
        && save(out, QStringLiteral("mimetypes"), QStringLiteral("application-x-vellumy-calendar"),
                [](QPainter& p) { documentIcon(p, Red); })
        && save(out, QStringLiteral("mimetypes"), QStringLiteral("application-x-vellumy-style"),
                [](QPainter& p) { documentIcon(p, Blue); });
    if (!ok) {
        std::fprintf(stderr, "gen-desktop-icons: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
