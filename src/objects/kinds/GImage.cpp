#include "objects/kinds/GImage.h"

#include <QCheckBox>
#include <QDir>
#include <QPaintEvent>
#include <QPainter>

#include "objects/GBasePanel.h"
#include "objects/kinds/GImageBrowser.h"
#include "persist/ClassInfo.h"
#include "platform/MessageBoxes.h"
#include "platform/Rounding.h"
#include "platform/ScreenMetrics.h"
#include "platform/WmfPicture.h"
#include "print/ReportPrinter.h"

TGImage::TGImage(TComponent* owner, QWidget* parent) : TGGraphicControl(owner, parent)
{
    picture_.OnChange = [this] { pictureChanged(); };
    QWidget::resize(105, 105);
}

TGImage::~TGImage()
{
    picture_.OnChange = nullptr;
}

void TGImage::SetAutoSize(bool value)
{
    if (IsLoading()) {
        autoSize_ = value;
        stretch_ = !value;
        autoSizeRead_ = true;
        return;
    }
    autoSize_ = value;
    stretch_ = !value;
    pictureChanged();
    NotifyChange();
}

void TGImage::SetStretch(bool value)
{
    stretch_ = value;
    // A record that held AutoSize keeps it: both may be false together.
    if (!(IsLoading() && autoSizeRead_))
        autoSize_ = !value;
    if (!IsLoading())
        update();
}

void TGImage::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    if (IsLoading())
        return;
    update();
    NotifyChange();
}

void TGImage::SetPicture(const TPicture& picture)
{
    picture_.Assign(picture);
}

void TGImage::Loaded()
{
    autoSizeRead_ = false;
    TGGraphicControl::Loaded();
}

void TGImage::AddPopupEntries(QMenu& menuRef)
{
    QMenu* menu = &menuRef;
    menu->addSeparator();
    QAction* load = menu->addAction(QStringLiteral("Load Image From Disk"));
    connect(load, &QAction::triggered, this, [this] { LoadCommand(); });
    menu->addSeparator();
    borderItem_ = menu->addAction(QStringLiteral("Border"));
    borderItem_->setCheckable(true);
    borderItem_->setChecked(borderStyle_ == bsSingle);
    connect(borderItem_, &QAction::triggered, this,
            [this] { SetBorderStyle(borderStyle_ == bsSingle ? bsNone : bsSingle); });
    stretchItem_ = menu->addAction(QStringLiteral("Stretch to Fit"));
    stretchItem_->setCheckable(true);
    connect(stretchItem_, &QAction::triggered, this, [this] {
        SetStretch(!stretch_);
        update();
    });
    autoSizeItem_ = menu->addAction(QStringLiteral("AutoSize"));
    autoSizeItem_->setCheckable(true);
    connect(autoSizeItem_, &QAction::triggered, this, [this] {
        SetAutoSize(!autoSize_);
        update();
    });
    PopupOpening();
}

void TGImage::PopupOpening()
{
    if (borderItem_)
        borderItem_->setChecked(borderStyle_ == bsSingle);
    if (stretchItem_)
        stretchItem_->setChecked(stretch_);
    if (autoSizeItem_)
        autoSizeItem_->setChecked(autoSize_);
}

void TGImage::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0) {
        const int w = roundHalfEven(double(picture_.Width()) * ZoomFactor());
        const int h = roundHalfEven(double(picture_.Height()) * ZoomFactor());
        if (w != Width() || h != Height())
            SetBounds(Left(), Top(), w, h);
    }
}

void TGImage::pictureChanged()
{
    BoundsChanged();
    const bool opaque = picture_.Kind() == TPictureKind::Bitmap && picture_.CanDraw()
        && picture_.Width() == Width() && picture_.Height() == Height();
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    update();
}

const QImage& TGImage::workBitmap(qreal ratio)
{
    // Drawn at the screen's pixel density: a metafile or a large bitmap stays
    // sharp on a high-density screen instead of being scaled up from 1:1.
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (work_.size() == pixels && work_.devicePixelRatio() == ratio && workGeneration_ == picture_.Generation())
        return work_;
    work_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    workGeneration_ = picture_.Generation();
    if (work_.isNull())
        return work_;
    work_.setDevicePixelRatio(ratio);
    work_.fill(Qt::transparent);
    QPainter painter(&work_);
    if (picture_.Kind() != TPictureKind::Metafile && !picture_.Image().isNull()) {
        // A smooth scale once, kept until the picture or the size changes.
        const QImage& image = picture_.Image();
        painter.drawImage(QRectF(0, 0, Width(), Height()),
                          image.size() == pixels ? image
                                                 : image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        picture_.Draw(painter, QRectF(0, 0, Width(), Height()));
    }
    return work_;
}

void TGImage::paintEvent(QPaintEvent*)
{
    if (ParentPaintingSuspended())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, workBitmap(DevicePixelsPerPixel(painter)));
    if (picture_.IsEmpty()) {
        // The window system's default pen and brush: black line, white fill.
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::white);
        painter.drawRect(0, 0, Width() - 1, Height() - 1);
    }
    if (borderStyle_ == bsSingle) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, Width() - 1, Height() - 1);
    }
}

void TGImage::PrintTo(TReportPrinter& report, double xOffset, double yOffset)
{
    const double ppi = ScreenPPI();
    const double left = Left() / ppi + xOffset;
    const double top = Top() / ppi + yOffset;
    const double right = (Left() + Width()) / ppi + xOffset;
    const double bottom = (Top() + Height()) / ppi + yOffset;
    if (picture_.Kind() == TPictureKind::Bitmap) {
        report.StretchDraw(left, top, right, bottom, picture_.Image());
    } else if (picture_.Kind() == TPictureKind::Metafile && picture_.Metafile() && report.Canvas()) {
        QPainter& canvas = *report.Canvas();
        canvas.save();
        picture_.Draw(canvas, report.InchRect(left, top, right, bottom));
        canvas.restore();
    }
    if (borderStyle_ == bsSingle) {
        report.SetPen(TColors::clBlack, Qt::SolidLine, 1);
        report.ClearBrush();
        report.Rectangle(left, top, right, bottom);
    }
}

bool TGImage::LoadPictureFile(const QString& path, bool stretch, bool autoSize)
{
    TPicture picture;
    if (!TGImageBrowser::LoadPreview(path, picture, nullptr) || picture.IsEmpty())
        return false;
    takeLoaded(picture, stretch, autoSize);
    return true;
}

void TGImage::takeLoaded(const TPicture& picture, bool stretch, bool autoSize)
{
    stretch_ = stretch;
    autoSize_ = autoSize;
    try {
        picture_.Assign(picture); // runs the picture-changed step
    } catch (...) {
        ShowError(QStringLiteral("Error loading file!"));
        picture_.Clear();
    }
    NotifyChange();
}

void TGImage::CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool)
{
    page.Place(this, rect);
    endTool();
    LoadCommand();
}

void TGImage::LoadCommand()
{
    const QString folder = QDir::currentPath();
    {
        TGImageBrowser browser(this);
        browser.StretchBox()->setChecked(stretch_);
        browser.AutoSizeBox()->setChecked(autoSize_);
        if (browser.exec() == QDialog::Accepted && !browser.SelectedFile().isEmpty())
            takeLoaded(browser.Preview(), browser.StretchBox()->isChecked(), browser.AutoSizeBox()->isChecked());
    }
    QDir::setCurrent(folder);
}

const TClassInfo& TGImage::StaticClassInfo()
{
    using T = TGImage;
    static const TClassInfo info =
        TClassInfoBuilder<T>("TGImage", &TGGraphicControl::StaticClassInfo())
            // AutoSize False is written when Stretch is False too, so that a
            // picture with neither reads back with neither.
            .boolean("AutoSize", &T::AutoSize, &T::SetAutoSize).noDefault()
            .storedWhen([](const T& image) { return image.AutoSize() || !image.Stretch(); })
            .enumeration("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, BorderStyleNames()).noDefault()
            .object("Picture", static_cast<TPicture* (T::*)()>(&T::Picture))
            .boolean("Stretch", &T::Stretch, &T::SetStretch).defaultValue(1)
            .factory([](TComponent* owner, QWidget* parent) -> TComponent* { return new T(owner, parent); })
            .build();
    return info;
}
