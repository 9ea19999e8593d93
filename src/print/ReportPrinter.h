#pragma once
#include <QBrush>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QPointer>
#include <QWidget>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "persist/Color.h"
#include "print/PrintDevice.h"

class QImage;
class QPainter;
class QPicture;
class QWidget;
class TFont;
class TPrintStatusDialog;

// A print job and its drawing surface. Execute() starts a document on the
// device, shows the status window, calls OnBeforePrint and OnPrint once, and
// ends the document. Inside OnPrint the surface is addressed in inches from
// the paper's top-left corner at 100 % scale; XI/YI convert inches to device
// dots for callers that lay out in dots (the page's print variants).
//
// Drawing state follows the desktop canvas: a pen (colour, style, width), a
// brush, a font whose colour is the text colour; texts are drawn with a
// transparent background. Pen widths count in units of 1/96 inch (a screen
// pixel at 100 %), never thinner than one device dot; width 0 draws the
// thinnest line the device can.
class TReportPrinter {
public:
    // Without a device the system printer is used.
    explicit TReportPrinter(std::unique_ptr<TPrintDevice> device = {});
    ~TReportPrinter();
    TReportPrinter(const TReportPrinter&) = delete;
    TReportPrinter& operator=(const TReportPrinter&) = delete;

    TPrintDevice& Device() { return *device_; }
    // Replaces the device (ignored while a job runs).
    void SetDevice(std::unique_ptr<TPrintDevice> device);

    // --- The job -----------------------------------------------------------
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    // "%p" is replaced by the current page number.
    QString StatusFormat() const { return statusFormat_; }
    void SetStatusFormat(const QString& format) { statusFormat_ = format; }
    // The status window is shown only when this is on and widgets exist.
    bool ShowStatus() const { return showStatus_; }
    void SetShowStatus(bool show) { showStatus_ = show; }
    void SetStatusParent(QWidget* parent) { statusParent_ = parent; }
    // The status text of the running job (empty when idle).
    QString StatusText() const;

    std::function<void(TReportPrinter&)> OnBeforePrint;
    std::function<void(TReportPrinter&)> OnPrint;

    // Runs one job. Without a printer (and no file target) it shows "No
    // printers are defined, aborting print job." and runs nothing. Returns
    // true when the document was completed. An exception from an event ends
    // the job (cancelled on the device) and is passed on.
    bool Execute();
    bool Printing() const { return painter_ != nullptr; }
    int PageNumber() const { return pageNumber_; }
    // Starts a new sheet (only during a job).
    bool NewPage();

    // --- The printer service -----------------------------------------------
    QStringList Printers() const { return device_->PrinterNames(); }
    QString DefaultPrinter() const { return device_->DefaultPrinterName(); }
    // The system's setup dialog; its choices stay for later jobs.
    bool PrinterSetup(QWidget* parent = nullptr) { return device_->ExecSetupDialog(parent); }
    int Copies() const { return device_->Copies(); }
    void SetCopies(int copies) { device_->SetCopies(copies); }
    int MaxCopies() const { return device_->MaxCopies(); }
    TPrintOrientation Orientation() const { return device_->Orientation(); }
    void SetOrientation(TPrintOrientation orientation) { device_->SetOrientation(orientation); }
    // Unprintable widths of the paper's edges, in inches.
    double UnprintableLeft() const { return device_->UnprintableInches().left(); }
    double UnprintableTop() const { return device_->UnprintableInches().top(); }
    double UnprintableRight() const { return device_->UnprintableInches().right(); }
    double UnprintableBottom() const { return device_->UnprintableInches().bottom(); }
    double PaperWidth() const { return device_->PaperInches().width(); }
    double PaperHeight() const { return device_->PaperInches().height(); }

    // --- Units -------------------------------------------------------------
    int XDPI() const;
    int YDPI() const;
    // Inches from the paper's corner to device dots, rounded.
    int XI(double inches) const;
    int YI(double inches) const;
    // Device dots to inches.
    double XU(double dots) const { return dots / XDPI(); }
    double YU(double dots) const { return dots / YDPI(); }
    // An inch rectangle (left, top, right, bottom) in device dots.
    QRect InchRect(double left, double top, double right, double bottom) const;

    // --- Pen and brush -----------------------------------------------------
    void SetPen(TColor color, Qt::PenStyle style = Qt::SolidLine, int width = 1);
    // Solid brush of the colour, or another style; clNone clears it.
    void SetBrush(TColor color, Qt::BrushStyle style = Qt::SolidPattern);
    void ClearBrush() { brush_ = QBrush(Qt::NoBrush); }
    const QPen& Pen() const { return pen_; }
    const QBrush& Brush() const { return brush_; }
    // Dots a pen of `width` units draws (at least 1; 0 for width 0).
    double PenWidthDots(int width) const;

    // --- Shapes (inches, then device dots) ---------------------------------
    // Outline with the pen, inside filled with the brush.
    void Rectangle(double left, double top, double right, double bottom);
    void Rectangle(const QRectF& dots);
    // Brush only, no outline.
    void FillRect(double left, double top, double right, double bottom);
    void FillRect(const QRectF& dots);
    void Line(double x1, double y1, double x2, double y2);
    void Line(const QPointF& fromDots, const QPointF& toDots);

    // --- Text --------------------------------------------------------------
    // Name, point size, style and colour of the font.
    void SetFont(const TFont& font);
    void SetFont(const QString& name, int points, unsigned style = 0, TColor color = TColors::clBlack);
    const QFont& Font() const { return font_; }
    TColor FontColor() const { return fontColor_; }
    int FontSize() const { return fontPoints_; }

    double TextWidth(const QString& text) const;      // inches
    double TextWidthDots(const QString& text) const;
    // The font's em height in inches (its point size / 72).
    double LineHeight() const;
    // What the font puts between lines on top of LineHeight(), in inches;
    // LineHeight() + LineSpacing() is the distance from line to line.
    double LineSpacing() const;
    // Distance from a line's top to its baseline, in dots.
    double AscentDots() const;

    // The text shortened by one character from the end until it is no wider
    // than the width (possibly empty).
    QString FitText(const QString& text, double widthInches) const;
    QString FitTextDots(const QString& text, double widthDots) const;

    // The text with its line's top-left corner at (x, top) inches; not cut.
    void TextOut(double x, double top, const QString& text);
    // The text starting at x with its baseline at y, in inches; not cut.
    void TextOutBaseline(double x, double baseline, const QString& text);
    // Texts placed in a rectangle of device dots, shortened to fit its width:
    // centred both ways (the line at top + (height - 1.4 x line height) / 2),
    // centred at the top, right-aligned `insetInches` inside the right edge
    // at the top, left-aligned at the top.
    void TextCentered(const QRectF& dots, const QString& text);
    void TextCenteredAtTop(const QRectF& dots, const QString& text);
    void TextRightAtTop(const QRectF& dots, const QString& text, double insetInches = 0);
    void TextLeftAtTop(const QRectF& dots, const QString& text);

    // --- Pictures ----------------------------------------------------------
    // A bitmap stretched into the rectangle.
    void StretchDraw(double left, double top, double right, double bottom, const QImage& image);
    void StretchDraw(const QRectF& dots, const QImage& image);
    // A recorded drawing stretched into the rectangle: its bounding rectangle
    // (set it with QPicture::setBoundingRect to the frame it was drawn in)
    // fills the target. Stays vector on vector devices.
    void StretchPicture(double left, double top, double right, double bottom, const QPicture& picture);
    void StretchPicture(const QRectF& dots, const QPicture& picture);

    // The painter of the running job, for paths, clipping and anything else
    // the surface does not offer (null when idle). Its coordinates are device
    // dots from the paper's corner.
    QPainter* Canvas() const { return painter_; }

private:
    QRectF dotsRect(double left, double top, double right, double bottom) const;
    const QFontMetricsF& metrics() const;
    void drawTextAt(double xDots, double baselineDots, const QString& text);
    void updateStatus();
    bool finishJob(bool completed);

    std::unique_ptr<TPrintDevice> device_;
    QString title_ = QStringLiteral("ReportPrinter Report");
    QString statusFormat_ = QStringLiteral("Printing page %p");
    bool showStatus_ = true;
    QPointer<QWidget> statusParent_;
    std::unique_ptr<TPrintStatusDialog> status_;

    QPainter* painter_ = nullptr;
    int pageNumber_ = 0;

    QPen pen_;
    TColor penColor_ = TColors::clBlack;
    int penWidth_ = 1;
    QBrush brush_;
    QFont font_;
    QString fontName_;
    int fontPoints_ = 10;
    unsigned fontStyle_ = 0;
    TColor fontColor_ = TColors::clBlack;
    mutable std::optional<QFontMetricsF> metrics_;
};
