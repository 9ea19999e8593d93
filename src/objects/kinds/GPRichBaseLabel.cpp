#include "objects/kinds/GPRichBaseLabel.h"

#include <QApplication>
#include <QPainter>
#include <QPicture>

#include "objects/Cursors.h"
#include "objects/GBasePanel.h"
#include "objects/kinds/KindDialogs.h"
#include "objects/kinds/RichTextLabelEditor.h"
#include "page/MainWindowServices.h"
#include "persist/ClassInfo.h"
#include "platform/ScreenMetrics.h"
#include "print/ReportPrinter.h"
#include "richtext/WPRichText.h"
#include "richtext/WPRtfStorage.h"

TGPRichBaseLabel::TGPRichBaseLabel(TComponent* owner, QWidget* parent)
    : TGGraphicControl(owner, parent), storage_(std::make_unique<TWPRtfStorage>())
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    QWidget::resize(190, 33);
}

TGPRichBaseLabel::~TGPRichBaseLabel() = default;

const TWPRtfText& TGPRichBaseLabel::RTFText() const
{
    return storage_->RtfText();
}

TPersistent* TGPRichBaseLabel::rtfTextObject()
{
    return storage_->RtfTextObject();
}

void TGPRichBaseLabel::SetRTFText(const TWPRtfText& text)
{
    storage_->SetRtfText(text);
    update();
    if (!IsLoading())
        NotifyChange();
}

void TGPRichBaseLabel::SetBGColor(TColor color)
{
    if (color == bgColor_)
        return;
    bgColor_ = color;
    update();
    if (!IsLoading())
        NotifyChange();
}

void TGPRichBaseLabel::SetTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    update();
}

void TGPRichBaseLabel::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    update();
    if (!IsLoading())
        NotifyChange();
}

TWPRichText* TGPRichBaseLabel::FindMaster(TComponent* owner)
{
    TMainWindowServices* window = MainWindowOf(owner);
    TWPRichText* master = window ? window->MasterRichText() : nullptr;
    if (!master || master->objectName().toUpper() != QLatin1String(MasterName))
        return nullptr;
    return master;
}

void TGPRichBaseLabel::Loaded()
{
    TGGraphicControl::Loaded();
    master_ = FindMaster(Owner());
    if (!master_)
        throw ENoMasterWPRich();
    DoubleClickAction = [this](TGBasePanel&) { EditCommand(); };
}

void TGPRichBaseLabel::AddPopupEntries(QMenu& menuRef)
{
    QMenu* menu = &menuRef;
    menu->addSeparator();
    const auto add = [&](const char* caption, auto run) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(caption).remove(QLatin1Char(' ')));
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    transparentItem_ = add("Transparent", [this] { SetTransparent(!transparent_); });
    transparentItem_->setCheckable(true);
    add("Background Color", [this] { ColorCommand(); });
    borderItem_ = add("Border", [this] { SetBorderStyle(borderStyle_ == bsSingle ? bsNone : bsSingle); });
    borderItem_->setCheckable(true);
    editItem_ = add("Edit", [this] { EditCommand(); });
}

void TGPRichBaseLabel::CreatedByTool(TGBasePanel& page, const QRect& rect, const std::function<void()>& endTool)
{
    page.Place(this, rect);
    SetPageCursor(&page, crDefault);
    SetTransparent(false);
    SetBorderStyle(bsSingle);
    QPointer<TGPRichBaseLabel> self(this);
    if (endTool)
        endTool();
    if (self)
        EditCommand();
}

void TGPRichBaseLabel::PopupOpening()
{
    if (transparentItem_)
        transparentItem_->setChecked(transparent_);
    if (borderItem_)
        borderItem_->setChecked(borderStyle_ == bsSingle);
}

QSize TGPRichBaseLabel::PageTwips() const
{
    const double z = ZoomFactor() * 10 == 0 ? 1.0 : double(ZoomFactor());
    const double ppi = ScreenPPI();
    return QSize(int(Width() / z / ppi * 1440), int(Height() / z / ppi * 1440));
}

void TGPRichBaseLabel::PaintText(QPainter& painter, bool forPrinting)
{
    if (!master_)
        return;
    const int w = Width();
    const int h = Height();
    const TColor background = transparent_ ? TColors::clWhite : bgColor_;
    painter.save();
    if (!transparent_)
        painter.fillRect(QRect(0, 0, w, h), ToQColor(bgColor_));
    master_->SetColor(background);
    master_->LoadFromStorage(*storage_);
    master_->SetZoom(int(ZoomFactor() * 100));
    const QSize page = PageTwips();
    master_->SetPageSize(page.width(), page.height());
    master_->SetPageMargins(QMargins());
    master_->SetWordWrap(true);
    master_->SetPrintMode(forPrinting);
    master_->PaintTo(painter, 0, 0, w, h);
    master_->SetPrintMode(false);
    if (borderStyle_ == bsSingle) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        // The outline of (0, 0, W, H): its right and bottom edges fall on the
        // last column and row.
        painter.drawRect(0, 0, w - 1, h - 1);
    }
    painter.restore();
}

void TGPRichBaseLabel::paintEvent(QPaintEvent*)
{
    if (ParentPaintingSuspended())
        return;
    QPainter painter(this);
    PaintText(painter);
}

void TGPRichBaseLabel::PrintTo(TReportPrinter& report, double xOffset, double yOffset)
{
    if (Width() <= 0 || Height() <= 0 || !master_)
        return;
    QPicture picture;
    {
        QPainter painter(&picture);
        PaintText(painter, true);
    }
    picture.setBoundingRect(QRect(0, 0, Width(), Height()));
    const double ppi = ScreenPPI();
    report.StretchPicture(Left() / ppi + xOffset, Top() / ppi + yOffset, (Left() + Width()) / ppi + xOffset,
                          (Top() + Height()) / ppi + yOffset, picture);
}

void TGPRichBaseLabel::ColorCommand()
{
    TColor color = bgColor_;
    if (!ChooseKindColor(color, this))
        return;
    SetBGColor(color);
    NotifyChange();
    SetTransparent(false);
    update();
}

void TGPRichBaseLabel::EditCommand()
{
    TRichTextLabelEditor editor;
    editor.Editor()->LoadFromStorage(*storage_);
    if (!transparent_)
        editor.SetPanelColor(bgColor_);
    editor.SetPanelSize(QSize(Width() + 1, Height() + 1));
    const QSize page = PageTwips();
    editor.Editor()->SetPageSize(page.width(), page.height());
    editor.Editor()->SetPageMargins(QMargins());
    editor.SetZoom(qRound(double(ZoomFactor()) * 100));
    if (RunKindDialog(editor) != QDialog::Accepted)
        return;
    TWPRtfStorage edited;
    editor.Editor()->SaveToStorage(edited);
    SetRTFText(edited.RtfText());
}

const TClassInfo& TGPRichBaseLabel::StaticClassInfo()
{
    using T = TGPRichBaseLabel;
    // None has a default: all are always written (the text only when it has
    // content).
    static const TClassInfo info =
        TClassInfoBuilder<T>("TGPRichBaseLabel", &TGGraphicControl::StaticClassInfo())
            .object("RTFText", &T::rtfTextObject)
            .enumeration("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, BorderStyleNames())
            .boolean("Transparent", &T::Transparent, &T::SetTransparent)
            .integer("BGColor", &T::BGColor, &T::SetBGColor).idents(ColorIdents())
            .factory([](TComponent* owner, QWidget* parent) -> TComponent* { return new T(owner, parent); })
            .build();
    return info;
}
