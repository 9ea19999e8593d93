#include "page/CalendarPanel32.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "objects/Cursors.h"
#include "page/GridLayout.h"
#include "page/PageObjectClasses.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalSettings.h"
#include "platform/Rounding.h"
#include "platform/ScreenMetrics.h"
#include "platform/WmfPicture.h"
#include "richtext/WPRichText.h"

namespace {

const QString TimesNewRoman = QStringLiteral("Times New Roman");

bool validBorder(int style)
{
    return style >= cbNone && style <= cbTopBottom;
}

bool validHeadersStyle(int style)
{
    return style >= dsFirstChar && style <= dsWhole;
}

// A border name is a file name without folder: anything that could leave the
// Borders folder is not one.
bool isPlainName(const QString& name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && name != QLatin1String("..")
        && name != QLatin1String(".");
}

} // namespace

TCalendarPanel32::TCalendarPanel32(TComponent* owner, QWidget* parent)
    : TGBasePanel(owner, parent)
{
    RegisterPageObjectClasses();
    // White page, clear brush, opaque: the page paints every pixel itself.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAttribute(Qt::WA_OpaquePaintEvent);

    layout_ = loFullCalendar;
    auto repaintOnChange = [this] { repaintPage(); };
    titleFont_ = TFont(TimesNewRoman, 26, TFont::fsBold, TColors::clWindowText);
    headersFont_ = TFont(TimesNewRoman, 16, TFont::fsBold, TColors::clWindowText);
    cellFont_ = TFont(TimesNewRoman, 16, TFont::fsBold, TColors::clWindowText);
    titleFont_.SetOnChange(repaintOnChange);
    headersFont_.SetOnChange(repaintOnChange);
    cellFont_.SetOnChange(repaintOnChange);
    titleBGColor_ = TColors::clWhite;
    SetCalendarLineLayout(llFull);
    miniTitleFont_ = TFont(TimesNewRoman, 6, TFont::fsBold, TColors::clWindowText);
    miniHeadersFont_ = TFont(TimesNewRoman, 8, 0, TColors::clWhite);
    miniCellFont_ = TFont(TimesNewRoman, 6, 0, TColors::clWindowText);
    miniTitleFont_.SetOnChange(repaintOnChange);
    miniHeadersFont_.SetOnChange(repaintOnChange);
    miniCellFont_.SetOnChange(repaintOnChange);
    leftMargin_ = topMargin_ = rightMargin_ = bottomMargin_ = 0.25f;
    createDayCells();
    layoutResults_.ShowMainGrid = true;
    layoutResults_.ShowMiniCals = false;
    layoutResults_.PlannerMode = false;
    mainCalMonth_ = 1;
    mainCalYear_ = 1997;
    loadRegionalNames();
    dayStartTime_ = QTime(8, 0);
    UpdatePageLayout(true);
    borderPicture_ = std::make_unique<TWmfPicture>();
    BorderPictureLoader = [this](const QString& path) {
        if (path.isEmpty()) {
            borderPicture_->Clear();
            return true;
        }
        return borderPicture_->LoadFromFile(path);
    };
}

TCalendarPanel32::~TCalendarPanel32()
{
    // The cell storages go first, then the fonts, the cell painter and the
    // border picture; the container frees the page objects afterwards.
    destroyDayCells();
    // The fonts outlive their callbacks' usefulness: a change made while the
    // container is torn down must not reach a half-destroyed page.
    for (TFont* font : {&titleFont_, &headersFont_, &cellFont_, &miniTitleFont_, &miniHeadersFont_, &miniCellFont_})
        font->SetOnChange({});
    delete cellPainter_;
    cellPainter_ = nullptr;
    BorderPictureLoader = nullptr;
    borderPicture_.reset();
}

// --- Setters that repaint -------------------------------------------------

#define VELLUMY_REPAINT_SETTER(Name, Type, field) \
    void TCalendarPanel32::Set##Name(Type value)  \
    {                                              \
        if (field == value)                        \
            return;                                \
        field = value;                             \
        repaintPage();                             \
    }

VELLUMY_REPAINT_SETTER(TitleBGColor, TColor, titleBGColor_)
VELLUMY_REPAINT_SETTER(MiniShowYear, bool, miniShowYear_)
VELLUMY_REPAINT_SETTER(MiniHeadersBGColor, TColor, miniHeadersBGColor_)
VELLUMY_REPAINT_SETTER(MiniCalBGColor, TColor, miniCalBGColor_)
VELLUMY_REPAINT_SETTER(StartOfWeek, int, startOfWeek_)
VELLUMY_REPAINT_SETTER(TitleShowYear, bool, titleShowYear_)
VELLUMY_REPAINT_SETTER(HeadersBGColor, TColor, headersBGColor_)
VELLUMY_REPAINT_SETTER(UserTitle, const QString&, userTitle_)
#undef VELLUMY_REPAINT_SETTER

// Enumerations coming from files may carry any number; values outside the
// type are ignored.
#define VELLUMY_ENUM_SETTER(Name, Type, field, valid) \
    void TCalendarPanel32::Set##Name(Type value)       \
    {                                                   \
        if (!valid(int(value)) || field == value)       \
            return;                                     \
        field = value;                                  \
        repaintPage();                                  \
    }

VELLUMY_ENUM_SETTER(MiniCalBorder, TCalBorderStyle, miniCalBorder_, validBorder)
VELLUMY_ENUM_SETTER(MiniHeadersBorder, TCalBorderStyle, miniHeadersBorder_, validBorder)
VELLUMY_ENUM_SETTER(MiniCellBorder, TCalBorderStyle, miniCellBorder_, validBorder)
VELLUMY_ENUM_SETTER(CalendarBorder, TCalBorderStyle, calendarBorder_, validBorder)
VELLUMY_ENUM_SETTER(HeadersBorder, TCalBorderStyle, headersBorder_, validBorder)
VELLUMY_ENUM_SETTER(CellBorder, TCalBorderStyle, cellBorder_, validBorder)
VELLUMY_ENUM_SETTER(HeadersStyle, TCalHeadersStyle, headersStyle_, validHeadersStyle)
VELLUMY_ENUM_SETTER(MiniHeadersStyle, TCalHeadersStyle, miniHeadersStyle_, validHeadersStyle)
#undef VELLUMY_ENUM_SETTER

void TCalendarPanel32::SetNumberPosition(TCalendarNumberPosition position)
{
    if ((position != cnpCenter && position != cnpUpperRight) || numberPosition_ == position)
        return;
    numberPosition_ = position;
    repaintPage();
}

// --- Fonts ------------------------------------------------------------------

void TCalendarPanel32::SetTitleFont(const TFont* font)
{
    if (font)
        titleFont_.Assign(*font);
}

void TCalendarPanel32::SetHeadersFont(const TFont* font)
{
    if (font)
        headersFont_.Assign(*font);
}

void TCalendarPanel32::SetCellFont(const TFont* font)
{
    if (font)
        cellFont_.Assign(*font);
}

void TCalendarPanel32::SetMiniTitleFont(const TFont* font)
{
    if (font)
        miniTitleFont_.Assign(*font);
}

void TCalendarPanel32::SetMiniHeadersFont(const TFont* font)
{
    if (font)
        miniHeadersFont_.Assign(*font);
}

void TCalendarPanel32::SetMiniCellFont(const TFont* font)
{
    if (font)
        miniCellFont_.Assign(*font);
}

void TCalendarPanel32::SetMiniFontSizes(int size)
{
    const MiniFontSizes sizes = MiniFontSizesFor(size);
    miniTitleFont_.SetSize(sizes.title);
    miniHeadersFont_.SetSize(sizes.headers);
    miniCellFont_.SetSize(sizes.cell);
}

// --- Setters that move geometry --------------------------------------------

void TCalendarPanel32::SetCalendarOrientation(TCalendarOrientation orientation)
{
    if ((orientation != coPortrait && orientation != coLandscape) || orientation_ == orientation)
        return;
    orientation_ = orientation;
    UpdatePageLayout(false);
}

void TCalendarPanel32::SetCalendarLayout(TCalendarLayout layout)
{
    if (!IsValidCalendarLayout(layout) || layout_ == layout)
        return;
    layout_ = layout;
    UpdatePageLayout(false);
    // The orientation may have changed: load the border of the new one.
    if (!wmfBorderFile_.isEmpty())
        SetWMFBorderFile(wmfBorderFile_);
}

#define VELLUMY_MARGIN_SETTER(Name, field)               \
    void TCalendarPanel32::Set##Name(float inches)        \
    {                                                      \
        if (!std::isfinite(inches) || field == inches)     \
            return;                                        \
        field = inches;                                    \
        UpdatePageLayout(false);                           \
    }

VELLUMY_MARGIN_SETTER(LeftMarginInch, leftMargin_)
VELLUMY_MARGIN_SETTER(TopMarginInch, topMargin_)
VELLUMY_MARGIN_SETTER(RightMarginInch, rightMargin_)
VELLUMY_MARGIN_SETTER(BottomMarginInch, bottomMargin_)
#undef VELLUMY_MARGIN_SETTER

void TCalendarPanel32::SetPaperSizeA4(bool a4)
{
    if (paperSizeA4_ == a4)
        return;
    paperSizeA4_ = a4;
    UpdatePageLayout(false);
}

void TCalendarPanel32::SetDayStartTime(const QTime& time)
{
    if (!time.isValid() || dayStartTime_ == time)
        return;
    dayStartTime_ = time;
    UpdatePageLayout(false);
}

void TCalendarPanel32::SetMainCalDay(int day)
{
    if (mainCalDay_ == day)
        return;
    mainCalDay_ = day;
    UpdatePageLayout(false);
    repaintPage();
}

void TCalendarPanel32::SetMainCalMonth(int month)
{
    if (month < 1 || month > 12 || mainCalMonth_ == month)
        return;
    mainCalMonth_ = month;
    UpdatePageLayout(false);
    repaintPage();
}

void TCalendarPanel32::SetMainCalYear(int year)
{
    if (mainCalYear_ == year)
        return;
    mainCalYear_ = year;
    UpdatePageLayout(false);
    repaintPage();
}

// --- Line layouts -----------------------------------------------------------

void TCalendarPanel32::applyLineLayout(TCalendarLineLayout layout)
{
    switch (layout) {
    case llFull:
        calendarBorder_ = cbAll;
        headersBorder_ = cbAll;
        cellBorder_ = cbAll;
        break;
    case llHeadersAndCells:
        calendarBorder_ = cbNone;
        headersBorder_ = cbAll;
        cellBorder_ = cbAll;
        break;
    case llCellsOnly:
        calendarBorder_ = cbNone;
        headersBorder_ = cbNone;
        cellBorder_ = cbAll;
        break;
    }
}

void TCalendarPanel32::applyMiniLineLayout(TMiniCalendarLineLayout layout)
{
    switch (layout) {
    case mllFull:
        miniCalBorder_ = cbAll;
        miniCellBorder_ = cbAll;
        miniHeadersBorder_ = cbAll;
        break;
    case mllBoxed:
        miniCalBorder_ = cbAll;
        miniCellBorder_ = cbNone;
        miniHeadersBorder_ = cbTopBottom;
        break;
    case mllMinimal:
        miniCalBorder_ = cbNone;
        miniCellBorder_ = cbNone;
        miniHeadersBorder_ = cbTop;
        break;
    }
}

void TCalendarPanel32::SetCalendarLineLayout(TCalendarLineLayout layout)
{
    if (layout < llFull || layout > llCellsOnly || lineLayout_ == layout)
        return;
    lineLayout_ = layout;
    applyLineLayout(layout);
    repaintPage();
}

void TCalendarPanel32::SetMiniCalendarLineLayout(TMiniCalendarLineLayout layout)
{
    if (layout < mllFull || layout > mllMinimal || miniLineLayout_ == layout)
        return;
    miniLineLayout_ = layout;
    applyMiniLineLayout(layout);
    repaintPage();
}

// --- Tools and border picture ----------------------------------------------

void TCalendarPanel32::SetPanelState(TLPanelState state)
{
    if (state < psPointing || state > psFlatCalendar || panelState_ == state)
        return;
    panelState_ = state;
    SetPointing(state == psPointing);
    SetApplicationCursor(state == psPointing ? crDefault : crDrag);
}

QString TCalendarPanel32::BorderFilePath(const QString& name) const
{
    const QString folder = ProgramDataFolder() + QStringLiteral("Borders/");
    const QString fileName = name + (orientation_ == coPortrait ? QStringLiteral(".wpo") : QStringLiteral(".wls"));
    if (QFileInfo::exists(folder + fileName))
        return folder + fileName;
    // Names in documents made elsewhere may differ in case from the files.
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return folder + entry;
    return folder + fileName;
}

void TCalendarPanel32::SetWMFBorderFile(const QString& name)
{
    if (name.isEmpty()) {
        wmfBorderFile_.clear();
        borderPictureFile_.clear();
        if (BorderPictureLoader)
            BorderPictureLoader(QString());
    } else if (isPlainName(name)) {
        const QString path = BorderFilePath(name);
        if (QFileInfo(path).isFile()) {
            wmfBorderFile_ = name;
            if (!BorderPictureLoader || BorderPictureLoader(path)) {
                borderPictureFile_ = path;
            } else {
                wmfBorderFile_.clear();
                borderPictureFile_.clear();
            }
        }
    }
    UpdatePageLayout(false);
    repaintPage();
}

// --- Names ------------------------------------------------------------------

void TCalendarPanel32::loadRegionalNames()
{
    for (int m = 1; m <= 12; ++m)
        monthNames_[m - 1] = LongMonthName(m);
    for (int d = 1; d <= 7; ++d)
        dayNames_[d - 1] = LongDayName(d);
}

void TCalendarPanel32::GetMonthName(int index, QString& name) const
{
    if (index >= 1 && index <= 12)
        name = monthNames_[index - 1];
}

void TCalendarPanel32::SetMonthName(int index, const QString& name)
{
    if (index >= 1 && index <= 12)
        monthNames_[index - 1] = name;
}

void TCalendarPanel32::GetDayName(int index, QString& name) const
{
    if (index >= 1 && index <= 7)
        name = dayNames_[index - 1];
}

void TCalendarPanel32::SetDayName(int index, const QString& name)
{
    if (index >= 1 && index <= 7)
        dayNames_[index - 1] = name;
}

// --- Layout -----------------------------------------------------------------

PixelRect TCalendarPanel32::MiniCalRect(int index) const
{
    return index >= 1 && index <= MaxMiniCalendars ? layoutResults_.MiniCalRect(index) : PixelRect{};
}

MonthYear TCalendarPanel32::MiniCalMonth(int index) const
{
    return index >= 1 && index <= MaxMiniCalendars ? layoutResults_.MiniCalMonth(index) : MonthYear{0, 0};
}

void TCalendarPanel32::UpdatePageLayout(bool resetMiniFonts)
{
    PageLayoutInput in;
    in.PaperSizeA4 = paperSizeA4_;
    in.CalendarLayout = layout_;
    in.LeftMarginInch = leftMargin_;
    in.TopMarginInch = topMargin_;
    in.RightMarginInch = rightMargin_;
    in.BottomMarginInch = bottomMargin_;
    in.BorderAllowance = !wmfBorderFile_.isEmpty();
    in.MainCalMonth = mainCalMonth_;
    in.MainCalYear = mainCalYear_;
    in.PPI = ScreenPPI();
    in.ResetMiniFonts = resetMiniFonts;
    layoutResults_ = ::UpdatePageLayout(in, layoutResults_);
    orientation_ = layoutResults_.CalendarOrientation;
    if (layoutResults_.MiniFontSize)
        SetMiniFontSizes(*layoutResults_.MiniFontSize);
    const double zoom = ZoomFactor();
    resize(roundHalfEven(layoutResults_.PageWidthPx * zoom), roundHalfEven(layoutResults_.PageHeightPx * zoom));
    repaintPage();
}

// --- Whole-page operations ---------------------------------------------------

void TCalendarPanel32::ResetToDefaults()
{
    paperSizeA4_ = false;
    SetUserTitle(QString());
    layout_ = loFCMinisInTitleLS;
    startOfWeek_ = 1;
    loadRegionalNames();
    const QDate today = QDate::currentDate();
    mainCalDay_ = today.day();
    mainCalMonth_ = today.month();
    mainCalYear_ = today.year();
    titleBGColor_ = TColors::clWhite;
    headersBGColor_ = TColors::clWhite;
    miniCalBGColor_ = TColors::clWhite;
    miniHeadersFont_.SetColor(TColors::clBlack);
    miniHeadersBGColor_ = TColors::clWhite;
    miniHeadersStyle_ = dsFirstChar;
    titleShowYear_ = true;
    miniShowYear_ = true;
    leftMargin_ = topMargin_ = rightMargin_ = bottomMargin_ = 0.5f;
    dayStartTime_ = QTime(8, 0);
    SetCalendarLineLayout(llFull);
    SetMiniCalendarLineLayout(mllBoxed);
    SetWMFBorderFile(QString());
    UpdatePageLayout(true);
}

void TCalendarPanel32::AssignStyle(const TCalendarPanel32& source)
{
    if (&source == this)
        return;
    paperSizeA4_ = source.paperSizeA4_;
    layout_ = source.layout_;
    orientation_ = source.orientation_;
    startOfWeek_ = source.startOfWeek_;
    monthNames_ = source.monthNames_;
    dayNames_ = source.dayNames_;
    mainCalDay_ = source.mainCalDay_;
    mainCalMonth_ = source.mainCalMonth_;
    mainCalYear_ = source.mainCalYear_;
    titleFont_.Assign(source.titleFont_);
    titleBGColor_ = source.titleBGColor_;
    headersFont_.Assign(source.headersFont_);
    headersBGColor_ = source.headersBGColor_;
    headersStyle_ = source.headersStyle_;
    cellFont_.Assign(source.cellFont_);
    miniCalBGColor_ = source.miniCalBGColor_;
    miniTitleFont_.Assign(source.miniTitleFont_);
    miniHeadersFont_.Assign(source.miniHeadersFont_);
    miniHeadersBGColor_ = source.miniHeadersBGColor_;
    miniHeadersStyle_ = source.miniHeadersStyle_;
    miniCellFont_.Assign(source.miniCellFont_);
    titleShowYear_ = source.titleShowYear_;
    miniShowYear_ = source.miniShowYear_;
    leftMargin_ = source.leftMargin_;
    topMargin_ = source.topMargin_;
    rightMargin_ = source.rightMargin_;
    bottomMargin_ = source.bottomMargin_;
    dayStartTime_ = source.dayStartTime_;
    SetCalendarLineLayout(source.lineLayout_);
    SetMiniCalendarLineLayout(source.miniLineLayout_);
    SetUserTitle(source.userTitle_);
    SetWMFBorderFile(source.wmfBorderFile_);
    UpdatePageLayout(false);
}

bool TCalendarPanel32::SameFont(const TFont& a, const TFont& b)
{
    return a.Name() == b.Name() && a.StyleBits() == b.StyleBits() && a.Color() == b.Color();
}

bool TCalendarPanel32::SameStyle(const TCalendarPanel32& o) const
{
    return paperSizeA4_ == o.paperSizeA4_ && layout_ == o.layout_ && startOfWeek_ == o.startOfWeek_
        && orientation_ == o.orientation_ && monthNames_ == o.monthNames_ && dayNames_ == o.dayNames_
        && mainCalDay_ == o.mainCalDay_ && mainCalMonth_ == o.mainCalMonth_ && mainCalYear_ == o.mainCalYear_
        && SameFont(titleFont_, o.titleFont_) && SameFont(headersFont_, o.headersFont_)
        && SameFont(cellFont_, o.cellFont_) && SameFont(miniTitleFont_, o.miniTitleFont_)
        && SameFont(miniHeadersFont_, o.miniHeadersFont_) && SameFont(miniCellFont_, o.miniCellFont_)
        && titleBGColor_ == o.titleBGColor_ && headersBGColor_ == o.headersBGColor_
        && miniCalBGColor_ == o.miniCalBGColor_ && miniHeadersBGColor_ == o.miniHeadersBGColor_
        && headersStyle_ == o.headersStyle_ && miniHeadersStyle_ == o.miniHeadersStyle_
        && titleShowYear_ == o.titleShowYear_ && miniShowYear_ == o.miniShowYear_
        && leftMargin_ == o.leftMargin_ && topMargin_ == o.topMargin_ && rightMargin_ == o.rightMargin_
        && bottomMargin_ == o.bottomMargin_ && dayStartTime_ == o.dayStartTime_
        && lineLayout_ == o.lineLayout_ && miniLineLayout_ == o.miniLineLayout_
        && userTitle_ == o.userTitle_ && wmfBorderFile_ == o.wmfBorderFile_;
}

bool TCalendarPanel32::UsesDayCells() const
{
    // Visible as the page's own flag: not explicitly hidden.
    const bool visible = !(testAttribute(Qt::WA_WState_ExplicitShowHide) && isHidden());
    return visible && LayoutKind() != 1;
}

bool TCalendarPanel32::HasSuperText() const
{
    // The kind registers itself from a later layer; found by its class name.
    const TClassInfo* superText = FindClass("TGSuperText");
    if (!superText)
        return false;
    for (const TGGraphicControl* object : PageObjects())
        if (object->ClassInfo().InheritsFrom(*superText))
            return true;
    return false;
}

// --- Drawing records and clicks --------------------------------------------

void TCalendarPanel32::FillMainDrawParams()
{
    const float zoom = ZoomFactor();
    CalDrawParams& p = mainDrawParams_;
    p.PaperColor = TColors::clWhite;
    p.TitleBGColor = titleBGColor_;
    p.MinTitleHeight = roundHalfEven(ScreenPPI() * 1.5 * double(zoom));
    p.Month = mainCalMonth_;
    p.Year = mainCalYear_;
    p.Day = mainCalDay_;
    p.Rect = ZoomedRect(MainCalRect(), zoom);
    p.NumberPosition = numberPosition_;
    p.StartOfWeek = startOfWeek_;
    p.OuterBorder = calendarBorder_;
    p.TitleFont = CalFontParams::FromFont(titleFont_, zoom);
    p.ShowYear = titleShowYear_;
    p.HeadersFont = CalFontParams::FromFont(headersFont_, zoom);
    p.HeadersBorder = headersBorder_;
    p.HeadersStyle = headersStyle_;
    p.HeadersBGColor = headersBGColor_;
    p.CellFont = CalFontParams::FromFont(cellFont_, zoom);
    p.CellBorder = cellBorder_;
    p.MonthNames = monthNames_;
    p.DayNames = dayNames_;
    p.PlannerDayCount = layout_ == loWeek || layout_ == lo2Week ? PlannerRowCount(layout_) : 0;
    p.PlannerHourCount = layout_ == loDay10 || layout_ == loDay15 ? PlannerRowCount(layout_) : 0;
    p.PlannerStartTime = dayStartTime_;
}

void TCalendarPanel32::FillMiniDrawParams(int index)
{
    const float zoom = ZoomFactor();
    CalDrawParams& p = miniDrawParams_;
    const MonthYear month = MiniCalMonth(index);
    p.PaperColor = miniCalBGColor_;
    p.TitleBGColor = miniCalBGColor_;
    p.MinTitleHeight = 0;
    p.Month = month.month;
    p.Year = month.year;
    p.Day = 0;
    p.Rect = ZoomedRect(MiniCalRect(index), zoom);
    p.NumberPosition = cnpCenter;
    p.StartOfWeek = startOfWeek_;
    p.OuterBorder = miniCalBorder_;
    p.TitleFont = CalFontParams::FromFont(miniTitleFont_, zoom);
    p.ShowYear = miniShowYear_;
    p.HeadersFont = CalFontParams::FromFont(miniHeadersFont_, zoom);
    p.HeadersBorder = miniHeadersBorder_;
    p.HeadersStyle = miniHeadersStyle_;
    p.HeadersBGColor = miniHeadersBGColor_;
    p.CellFont = CalFontParams::FromFont(miniCellFont_, zoom);
    p.CellBorder = miniCellBorder_;
    p.MonthNames = monthNames_;
    p.DayNames = dayNames_;
}

void TCalendarPanel32::DblClick()
{
    // A double click on the page raises nothing.
}

// --- Published properties ---------------------------------------------------

const TClassInfo& TCalendarPanel32::StaticClassInfo()
{
    using T = TCalendarPanel32;
    static const TClassInfo info =
        TClassInfoBuilder<T>("TCalendarPanel32", &TGBasePanel::StaticClassInfo())
            .enumeration("CalendarOrientation", &T::CalendarOrientation, &T::SetCalendarOrientation,
                         CalendarOrientationNames())
            .enumeration("CalendarLayout", &T::CalendarLayout, &T::SetCalendarLayout, CalendarLayoutNames())
            .enumeration("CalendarLineLayout", &T::CalendarLineLayout, &T::SetCalendarLineLayout,
                         CalendarLineLayoutNames())
            .enumeration("MiniCalendarLineLayout", &T::MiniCalendarLineLayout, &T::SetMiniCalendarLineLayout,
                         MiniCalendarLineLayoutNames())
            .event("ClickedInCellEvent", &T::eventName<evClickedInCell>, &T::setEventName<evClickedInCell>)
            .integer("TitleBGColor", &T::TitleBGColor, &T::SetTitleBGColor).idents(ColorIdents())
            .object("TitleFont", &T::titleFontObject)
            .object("HeadersFont", &T::headersFontObject)
            .object("CellFont", &T::cellFontObject)
            .real("LeftMarginInch", &T::LeftMarginInch, &T::SetLeftMarginInch)
            .real("TopMarginInch", &T::TopMarginInch, &T::SetTopMarginInch)
            .real("RightMarginInch", &T::RightMarginInch, &T::SetRightMarginInch)
            .real("BottomMarginInch", &T::BottomMarginInch, &T::SetBottomMarginInch)
            .enumeration("MiniCalBorder", &T::MiniCalBorder, &T::SetMiniCalBorder, CalBorderStyleNames())
            .enumeration("MiniHeadersBorder", &T::MiniHeadersBorder, &T::SetMiniHeadersBorder, CalBorderStyleNames())
            .enumeration("MiniCellBorder", &T::MiniCellBorder, &T::SetMiniCellBorder, CalBorderStyleNames())
            .boolean("MiniShowYear", &T::MiniShowYear, &T::SetMiniShowYear)
            .integer("MiniHeadersBGColor", &T::MiniHeadersBGColor, &T::SetMiniHeadersBGColor).idents(ColorIdents())
            .integer("MiniCalBGColor", &T::MiniCalBGColor, &T::SetMiniCalBGColor).idents(ColorIdents())
            .object("MiniTitleFont", &T::miniTitleFontObject)
            .object("MiniHeadersFont", &T::miniHeadersFontObject)
            .object("MiniCellFont", &T::miniCellFontObject)
            .integer("MainCalDay", &T::MainCalDay, &T::SetMainCalDay)
            .integer("MainCalMonth", &T::MainCalMonth, &T::SetMainCalMonth)
            .integer("MainCalYear", &T::MainCalYear, &T::SetMainCalYear)
            .integer("StartOfWeek", &T::StartOfWeek, &T::SetStartOfWeek)
            .enumeration("CalendarBorder", &T::CalendarBorder, &T::SetCalendarBorder, CalBorderStyleNames())
            .boolean("TitleShowYear", &T::TitleShowYear, &T::SetTitleShowYear)
            .enumeration("HeadersBorder", &T::HeadersBorder, &T::SetHeadersBorder, CalBorderStyleNames())
            .enumeration("HeadersStyle", &T::HeadersStyle, &T::SetHeadersStyle, CalHeadersStyleNames())
            .enumeration("MiniHeadersStyle", &T::MiniHeadersStyle, &T::SetMiniHeadersStyle, CalHeadersStyleNames())
            .integer("HeadersBGColor", &T::HeadersBGColor, &T::SetHeadersBGColor).idents(ColorIdents())
            .enumeration("NumberPosition", &T::NumberPosition, &T::SetNumberPosition, CalendarNumberPositionNames())
            .enumeration("CellBorder", &T::CellBorder, &T::SetCellBorder, CalBorderStyleNames())
            .string("UserTitle", &T::UserTitle, &T::SetUserTitle)
            .event("OnDblClick", &T::eventName<evDblClick>, &T::setEventName<evDblClick>)
            .event("OnClick", &T::eventName<evClick>, &T::setEventName<evClick>)
            .event("OnClickedHeader", &T::eventName<evClickedHeader>, &T::setEventName<evClickedHeader>)
            .event("OnClickedDaysArea", &T::eventName<evClickedDaysArea>, &T::setEventName<evClickedDaysArea>)
            .event("OnDragOver", &T::eventName<evDragOver>, &T::setEventName<evDragOver>)
            .event("OnEndDrag", &T::eventName<evEndDrag>, &T::setEventName<evEndDrag>)
            .event("OnMouseDown", &T::eventName<evMouseDown>, &T::setEventName<evMouseDown>)
            .event("OnMouseMove", &T::eventName<evMouseMove>, &T::setEventName<evMouseMove>)
            .event("OnMouseUp", &T::eventName<evMouseUp>, &T::setEventName<evMouseUp>)
            .event("OnKeyDown", &T::eventName<evKeyDown>, &T::setEventName<evKeyDown>)
            .event("OnKeyPress", &T::eventName<evKeyPress>, &T::setEventName<evKeyPress>)
            .event("OnKeyUp", &T::eventName<evKeyUp>, &T::setEventName<evKeyUp>)
            .enumeration("PanelState", &T::PanelState, &T::SetPanelState, LPanelStateNames())
            .string("WMFBorderFile", &T::WMFBorderFile, &T::SetWMFBorderFile)
            .build();
    return info;
}
