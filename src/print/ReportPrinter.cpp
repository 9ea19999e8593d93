#include "print/ReportPrinter.h"

#include <QApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPicture>

#include "persist/Font.h"
#include "platform/MessageBoxes.h"
#include "platform/Rounding.h"
#include "print/PrintStatusDialog.h"
#include "print/PrinterDevice.h"

namespace {
// Vertical room a centred line is given, in line heights.
constexpr double CentredLineRoom = 1.4;
// Pen width unit: a screen pixel at 100 %.
constexpr double PenUnitsPerInch = 96.0;
} // namespace

TReportPrinter::TReportPrinter(std::unique_ptr<TPrintDevice> device)
    : device_(device ? std::move(device) : std::make_unique<TPrinterDevice>())
{
    SetPen(TColors::clBlack);
    SetBrush(TColors::clWhite);
    SetFont(QStringLiteral("Arial"), 10);
}

TReportPrinter::~TReportPrinter() = default;

void TReportPrinter::SetDevice(std::unique_ptr<TPrintDevice> device)
{
    if (Printing() || !device)
        return;
    device_ = std::move(device);
    // Fonts are sized in the device's dots.
    SetFont(fontName_, fontPoints_, fontStyle_, fontColor_);
    SetPen(penColor_, pen_.style(), penWidth_);
}

// --- The job ---------------------------------------------------------------

QString TReportPrinter::StatusText() const
{
    if (!Printing())
        return {};
    QString text = statusFormat_;
    text.replace(QLatin1String("%p"), QString::number(pageNumber_));
    return text;
}

bool TReportPrinter::Execute()
{
    if (Printing())
        return false;
    if (!device_->CanPrint()) {
        ShowInfo(QStringLiteral("No printers are defined, aborting print job."));
        return false;
    }
    if (!device_->BeginDoc(title_))
        return false;
    QPainter painter;
    // Nothing was started when the device cannot be opened: nothing to cancel.
    if (!painter.begin(device_->PaintDevice()))
        return false;
    painter_ = &painter;
    pageNumber_ = 1;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setBackgroundMode(Qt::TransparentMode);

    if (showStatus_ && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        status_ = std::make_unique<TPrintStatusDialog>(title_, statusParent_);
        status_->show();
    }
    updateStatus();

    try {
        if (OnBeforePrint)
            OnBeforePrint(*this);
        if (OnPrint)
            OnPrint(*this);
    } catch (...) {
        finishJob(false);
        throw;
    }
    return finishJob(true);
}

bool TReportPrinter::NewPage()
{
    if (!Printing() || !device_->NewPage())
        return false;
    ++pageNumber_;
    updateStatus();
    return true;
}

void TReportPrinter::updateStatus()
{
    if (!status_)
        return;
    status_->SetStatusText(StatusText());
    // The job runs on the user-interface thread: let the window paint, but
    // keep user input out of the job.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TReportPrinter::finishJob(bool completed)
{
    if (!completed)
        device_->AbortDoc();
    const bool ended = painter_->end();
    painter_ = nullptr;
    pageNumber_ = 0;
    status_.reset();
    return completed && ended && device_->EndDoc();
}

// --- Units -----------------------------------------------------------------

int TReportPrinter::XDPI() const
{
    return device_->PaintDevice()->logicalDpiX();
}

int TReportPrinter::YDPI() const
{
    return device_->PaintDevice()->logicalDpiY();
}

int TReportPrinter::XI(double inches) const
{
    return roundHalfEven(inches * XDPI());
}

int TReportPrinter::YI(double inches) const
{
    return roundHalfEven(inches * YDPI());
}

QRect TReportPrinter::InchRect(double left, double top, double right, double bottom) const
{
    const int l = XI(left);
    const int t = YI(top);
    return QRect(l, t, XI(right) - l, YI(bottom) - t);
}

QRectF TReportPrinter::dotsRect(double left, double top, double right, double bottom) const
{
    const double x = XDPI();
    const double y = YDPI();
    return QRectF(QPointF(left * x, top * y), QPointF(right * x, bottom * y));
}

// --- Pen and brush ---------------------------------------------------------

double TReportPrinter::PenWidthDots(int width) const
{
    if (width <= 0)
        return 0;
    return qMax(1.0, width * XDPI() / PenUnitsPerInch);
}

void TReportPrinter::SetPen(TColor color, Qt::PenStyle style, int width)
{
    penColor_ = color;
    penWidth_ = width;
    pen_ = QPen(ToQColor(color), PenWidthDots(width), style, Qt::SquareCap, Qt::MiterJoin);
    pen_.setCosmetic(width <= 0);
}

void TReportPrinter::SetBrush(TColor color, Qt::BrushStyle style)
{
    if (color == TColors::clNone || style == Qt::NoBrush)
        brush_ = QBrush(Qt::NoBrush);
    else
        brush_ = QBrush(ToQColor(color), style);
}

// --- Shapes ----------------------------------------------------------------

void TReportPrinter::Rectangle(double left, double top, double right, double bottom)
{
    Rectangle(dotsRect(left, top, right, bottom));
}

void TReportPrinter::Rectangle(const QRectF& dots)
{
    if (!painter_)
        return;
    painter_->setPen(pen_);
    painter_->setBrush(brush_);
    painter_->drawRect(dots.normalized());
}

void TReportPrinter::FillRect(double left, double top, double right, double bottom)
{
    FillRect(dotsRect(left, top, right, bottom));
}

void TReportPrinter::FillRect(const QRectF& dots)
{
    if (!painter_ || brush_.style() == Qt::NoBrush)
        return;
    painter_->fillRect(dots.normalized(), brush_);
}

void TReportPrinter::Line(double x1, double y1, double x2, double y2)
{
    Line(QPointF(x1 * XDPI(), y1 * YDPI()), QPointF(x2 * XDPI(), y2 * YDPI()));
}

void TReportPrinter::Line(const QPointF& fromDots, const QPointF& toDots)
{
    if (!painter_ || pen_.style() == Qt::NoPen)
        return;
    painter_->setPen(pen_);
    painter_->drawLine(fromDots, toDots);
}

// --- Text ------------------------------------------------------------------

void TReportPrinter::SetFont(const TFont& font)
{
    SetFont(font.Name(), font.Size(), font.StyleBits(), font.Color());
}

void TReportPrinter::SetFont(const QString& name, int points, unsigned style, TColor color)
{
    const TFont description(name, points, style, color);
    fontName_ = name;
    fontPoints_ = qMax(1, points);
    fontStyle_ = style;
    font_ = description.ToQFont(fontPoints_, YDPI());
    fontColor_ = color;
    metrics_.reset();
}

const QFontMetricsF& TReportPrinter::metrics() const
{
    if (!metrics_)
        metrics_.emplace(font_, device_->PaintDevice());
    return *metrics_;
}

double TReportPrinter::TextWidthDots(const QString& text) const
{
    return metrics().horizontalAdvance(text);
}

double TReportPrinter::TextWidth(const QString& text) const
{
    return TextWidthDots(text) / XDPI();
}

double TReportPrinter::LineHeight() const
{
    return fontPoints_ / 72.0;
}

double TReportPrinter::LineSpacing() const
{
    return qMax(0.0, metrics().lineSpacing() / YDPI() - LineHeight());
}

double TReportPrinter::AscentDots() const
{
    return metrics().ascent();
}

QString TReportPrinter::FitText(const QString& text, double widthInches) const
{
    return FitTextDots(text, widthInches * XDPI());
}

QString TReportPrinter::FitTextDots(const QString& text, double widthDots) const
{
    if (TextWidthDots(text) <= widthDots)
        return text;
    // Cutting one character at a time from the end stops at the longest
    // prefix that fits; prefixes only grow wider, so search for it.
    qsizetype fits = 0;
    qsizetype tooWide = text.size();
    while (tooWide - fits > 1) {
        const qsizetype middle = (fits + tooWide) / 2;
        if (TextWidthDots(text.left(middle)) <= widthDots)
            fits = middle;
        else
            tooWide = middle;
    }
    // Never split a surrogate pair.
    if (fits > 0 && text.at(fits - 1).isHighSurrogate())
        --fits;
    return text.left(fits);
}

void TReportPrinter::drawTextAt(double xDots, double baselineDots, const QString& text)
{
    if (!painter_ || text.isEmpty())
        return;
    painter_->setFont(font_);
    painter_->setPen(QPen(ToQColor(fontColor_)));
    painter_->drawText(QPointF(xDots, baselineDots), text);
}

void TReportPrinter::TextOut(double x, double top, const QString& text)
{
    drawTextAt(x * XDPI(), top * YDPI() + AscentDots(), text);
}

void TReportPrinter::TextOutBaseline(double x, double baseline, const QString& text)
{
    drawTextAt(x * XDPI(), baseline * YDPI(), text);
}

void TReportPrinter::TextCentered(const QRectF& dots, const QString& text)
{
    const QString fitted = FitTextDots(text, dots.width());
    const double lineTop = dots.top() + (dots.height() - CentredLineRoom * LineHeight() * YDPI()) / 2;
    drawTextAt(dots.left() + (dots.width() - TextWidthDots(fitted)) / 2, lineTop + AscentDots(), fitted);
}

void TReportPrinter::TextCenteredAtTop(const QRectF& dots, const QString& text)
{
    const QString fitted = FitTextDots(text, dots.width());
    drawTextAt(dots.left() + (dots.width() - TextWidthDots(fitted)) / 2, dots.top() + AscentDots(), fitted);
}

void TReportPrinter::TextRightAtTop(const QRectF& dots, const QString& text, double insetInches)
{
    const double inset = insetInches * XDPI();
    const QString fitted = FitTextDots(text, dots.width() - inset);
    drawTextAt(dots.right() - inset - TextWidthDots(fitted), dots.top() + AscentDots(), fitted);
}

void TReportPrinter::TextLeftAtTop(const QRectF& dots, const QString& text)
{
    drawTextAt(dots.left(), dots.top() + AscentDots(), FitTextDots(text, dots.width()));
}

// --- Pictures --------------------------------------------------------------

void TReportPrinter::StretchDraw(double left, double top, double right, double bottom, const QImage& image)
{
    StretchDraw(dotsRect(left, top, right, bottom), image);
}

void TReportPrinter::StretchDraw(const QRectF& dots, const QImage& image)
{
    if (!painter_ || image.isNull() || dots.isEmpty())
        return;
    painter_->drawImage(dots, image);
}

void TReportPrinter::StretchPicture(double left, double top, double right, double bottom, const QPicture& picture)
{
    StretchPicture(dotsRect(left, top, right, bottom), picture);
}

void TReportPrinter::StretchPicture(const QRectF& dots, const QPicture& picture)
{
    const QRect frame = picture.boundingRect();
    if (!painter_ || frame.isEmpty() || dots.isEmpty())
        return;
    // Replaying scales a picture by the device's resolution over the one it
    // was recorded at; undo that so the frame maps onto the target exactly.
    const QPaintDevice* device = device_->PaintDevice();
    const double replayX = double(picture.logicalDpiX()) / device->logicalDpiX();
    const double replayY = double(picture.logicalDpiY()) / device->logicalDpiY();
    painter_->save();
    painter_->translate(dots.topLeft());
    painter_->scale(dots.width() / frame.width(), dots.height() / frame.height());
    painter_->translate(-QPointF(frame.topLeft()));
    painter_->scale(replayX, replayY);
    painter_->drawPicture(0, 0, picture);
    painter_->restore();
}
