// Screen painting of the calendar page: everything is drawn into one
// off-screen image of the page's zoomed size, shown in one piece.
#include <QPainter>
#include <QtMath>

#include "page/CalendarPanel32.h"
#include "page/CellTextPainter.h"
#include "page/PageRenderer.h"
#include "platform/Rounding.h"
#include "platform/ScreenMetrics.h"
#include "platform/WmfPicture.h"
#include "richtext/WPRtfStorage.h"

const QImage& TCalendarPanel32::DrawPage(qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize pixels(qCeil(width() * ratio), qCeil(height() * ratio));
    if (pageImage_.size() != pixels)
        pageImage_ = QImage(pixels, QImage::Format_RGB32);
    pageImage_.setDevicePixelRatio(ratio);
    pageImage_.fill(Qt::white);
    if (pageImage_.isNull())
        return pageImage_;

    const float zoom = ZoomFactor();
    QPainter canvas(&pageImage_);
    if (!wmfBorderFile_.isEmpty() && !borderPicture_->IsEmpty()) {
        const PixelRect target = ZoomedRect(PageRect(), zoom);
        borderPicture_->Draw(canvas, QRectF(target.ToQRect()));
    }

    TCellTextPainter cells(*cellPainter_, cellScratch_);
    // Cell texts wrap where they wrap on paper; only when there are any.
    int wrapWidth = 0;
    if (HasCellText())
        wrapWidth = ReferenceCellTextRect().Width() + 1;
    auto paintCells = [&](auto&& wanted) {
        for (int i = 1; i <= DayCellCount; ++i) {
            const TWPRtfStorage& text = *cellTexts_[i - 1];
            const PixelRect& rect = mainDrawParams_.Cell(i).TextRect;
            // An empty text leaves the white paper under it as it is.
            if (!text.IsEmpty() && wanted(rect))
                cells.PaintCell(canvas, text, rect, wrapWidth);
        }
    };
    if (layout_ == loWeek || layout_ == lo2Week) {
        FillMainDrawParams();
        TPageRenderer::DrawWeekPlanner(canvas, mainDrawParams_, userTitle_);
        paintCells([](const PixelRect&) { return true; });
    } else if (layout_ == loDay10 || layout_ == loDay15) {
        FillMainDrawParams();
        mainDrawParams_.ClearCells();
        TPageRenderer::DrawDayPlanner(canvas, mainDrawParams_, userTitle_);
        paintCells([](const PixelRect& r) { return !r.IsZero() && r.Width() >= 0 && r.Height() >= 0; });
    } else if (ShowMainGrid()) {
        FillMainDrawParams();
        mainDrawParams_.ClearCells();
        TPageRenderer::DrawMonthGrid(canvas, mainDrawParams_, userTitle_);
        paintCells([](const PixelRect&) { return true; });
    }

    // Mini calendars lie on top of the main grid and its texts (in the title
    // band of the layouts that put them there).
    if (ShowMiniCals()) {
        for (int j = 1; j <= MiniCalCount(); ++j) {
            FillMiniDrawParams(j);
            TPageRenderer::DrawMonthGrid(canvas, miniDrawParams_, QString());
        }
    }
    return pageImage_;
}

void TCalendarPanel32::Paint(QPainter& painter, const QRect&)
{
    if (painting_ || PaintingSuspended())
        return;
    painting_ = true;
    painter.drawImage(0, 0, DrawPage(DevicePixelsPerPixel(painter)));
    painting_ = false;
}
