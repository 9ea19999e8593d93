#include "objects/kinds/GFlatCalendar.h"

#include <QDate>
#include <QPainter>
#include <QPicture>

#include "objects/kinds/FlatCalendarEditor.h"
#include "objects/kinds/KindDialogs.h"
#include "persist/ClassInfo.h"
#include "platform/ScreenMetrics.h"
#include "print/ReportPrinter.h"

namespace {

// Largest point size drawn; a damaged document may hold any height.
constexpr int MaxPointSize = 2000;

TFlatFontSettings fontSettings(const TFont& font, float zoom)
{
    TFlatFontSettings settings;
    settings.name = font.Name();
    const int points = std::min(std::abs(font.Size()), MaxPointSize);
    settings.size = int(points * zoom);
    settings.style = font.StyleBits();
    settings.color = font.Color();
    return settings;
}

} // namespace

TGFlatCalendar::TGFlatCalendar(TComponent* owner, QWidget* parent)
    : TGGraphicControl(owner, parent),
      titleFont_(QStringLiteral("Arial"), 8),
      dayNameFont_(QStringLiteral("Arial"), 8),
      cellFont_(QStringLiteral("Arial"), 7)
{
    const QDate today = QDate::currentDate();
    month_ = today.month();
    year_ = today.year();
    for (TFont* font : {&titleFont_, &dayNameFont_, &cellFont_})
        font->SetOnChange([this] { fontChanged(); });
    FillNameTable();
}

void TGFlatCalendar::fontChanged()
{
    // What the control framework's font-changed notice does: repaint, and
    // tell the page the document changed.
    update();
    if (!IsLoading())
        NotifyChange();
}

#define FLAT_SETTER(Setter, field, Type)     \
    void TGFlatCalendar::Setter(Type value)  \
    {                                        \
        if (field == value)                  \
            return;                          \
        field = value;                       \
        update();                            \
    }

FLAT_SETTER(SetYear, year_, int)
FLAT_SETTER(SetShowYear, showYear_, bool)
FLAT_SETTER(SetDayNameBGColor, dayNameBGColor_, TColor)
FLAT_SETTER(SetCalendarBorderStyle, calendarBorderStyle_, TFlatCalBorderStyle)
FLAT_SETTER(SetDayNameBorderStyle, dayNameBorderStyle_, TFlatCalBorderStyle)
FLAT_SETTER(SetCellBorderStyle, cellBorderStyle_, TFlatCalBorderStyle)
FLAT_SETTER(SetDayNameStyle, dayNameStyle_, TFlatCalHeadersStyle)
FLAT_SETTER(SetTitleBGcolor, titleBGcolor_, TColor)
FLAT_SETTER(SetBackgroundcolor, backgroundcolor_, TColor)
FLAT_SETTER(SetShadowColor, shadowColor_, TColor)
FLAT_SETTER(SetShadowPosition, shadowPosition_, TFlatShadowPosition)
FLAT_SETTER(SetLanguage, language_, TFlatCalLanguage)
FLAT_SETTER(SetCalTransparent, calTransparent_, bool)

#undef FLAT_SETTER

void TGFlatCalendar::SetStartOfWeek(int day)
{
    if (day != 1 && day != 2)
        return;
    if (day == startOfWeek_)
        return;
    startOfWeek_ = day;
    update();
}

void TGFlatCalendar::SetMonth(int month)
{
    // A month outside the year has no name and no length to draw.
    if (month < 1 || month > 12 || month == month_)
        return;
    month_ = month;
    update();
}

void TGFlatCalendar::SetShadowDepth(int depth)
{
    if (depth > 10 || depth == shadowDepth_)
        return;
    shadowDepth_ = depth;
    update();
}

void TGFlatCalendar::SetTitleFont(const TFont& font)
{
    titleFont_.Assign(font);
}

void TGFlatCalendar::SetDayNameFont(const TFont& font)
{
    dayNameFont_.Assign(font);
}

void TGFlatCalendar::SetCellFont(const TFont& font)
{
    cellFont_.Assign(font);
}

void TGFlatCalendar::AssignSettings(const TGFlatCalendar& other)
{
    SetMonth(other.Month());
    SetYear(other.Year());
    SetTitleFont(other.TitleFont());
    SetDayNameFont(other.DayNameFont());
    SetCellFont(other.CellFont());
    SetDayNameBGColor(other.DayNameBGColor());
    SetTitleBGcolor(other.TitleBGcolor());
    SetBackgroundcolor(other.Backgroundcolor());
    SetCalendarBorderStyle(other.CalendarBorderStyle());
    SetDayNameBorderStyle(other.DayNameBorderStyle());
    SetCellBorderStyle(other.CellBorderStyle());
    SetShadowColor(other.ShadowColor());
    SetShadowDepth(other.ShadowDepth());
    SetShadowPosition(other.ShadowPosition());
    SetDayNameStyle(other.DayNameStyle());
    SetShowYear(other.ShowYear());
    SetStartOfWeek(other.StartOfWeek());
    SetLanguage(other.Language());
    SetCalTransparent(other.CalTransparent());
}

void TGFlatCalendar::AddPopupEntries(QMenu& menu)
{
    menu.addSeparator();
    QAction* properties = menu.addAction(QStringLiteral("Properties"));
    properties->setObjectName(QStringLiteral("Properties"));
    connect(properties, &QAction::triggered, this, [this] { PropertiesCommand(); });
}

void TGFlatCalendar::PropertiesCommand()
{
    TFlatCalendarEditor editor(this);
    TGFlatCalendar& sample = *editor.Sample();
    sample.AssignSettings(*this);
    const float zoom = ZoomFactor() * 10 == 0 ? 1.0f : ZoomFactor();
    sample.resize(int(Width() / zoom), int(Height() / zoom));
    editor.LoadFromSample();
    if (RunKindDialog(editor) != QDialog::Accepted)
        return;
    AssignSettings(sample);
    update();
    NotifyChange();
}

int TGFlatCalendar::shadowOffset() const
{
    if (shadowDepth_ < 1 || calTransparent_)
        return -1;
    return int(shadowDepth_ * ZoomFactor());
}

QRect TGFlatCalendar::CalendarRect() const
{
    const int w = Width();
    const int h = Height();
    const int a = shadowOffset();
    if (a < 0)
        return QRect(0, 0, w, h);
    switch (shadowPosition_) {
    case fcpLowerRight:
        return QRect(0, 0, w - a, h - a);
    case fcpLowerLeft:
        return QRect(a, 0, w - a, h - a);
    case fcpUpperRight:
        return QRect(0, a, w - a, h - a);
    case fcpUpperLeft:
        return QRect(a, a, w - a, h - a);
    }
    return QRect(0, 0, w, h);
}

QRect TGFlatCalendar::ShadowRect() const
{
    const int w = Width();
    const int h = Height();
    const int a = shadowOffset();
    if (a < 0)
        return QRect();
    switch (shadowPosition_) {
    case fcpLowerRight:
        return QRect(a, a, w - a, h - a);
    case fcpLowerLeft:
        return QRect(0, a, w - a, h - a);
    case fcpUpperRight:
        return QRect(a, 0, w - a, h - a);
    case fcpUpperLeft:
        return QRect(0, 0, w - a, h - a);
    }
    return QRect();
}

void TGFlatCalendar::FillNameTable()
{
    nameTable_ = FlatCalendarNames(language_);
}

TFlatCalendarSettings TGFlatCalendar::Settings() const
{
    const float zoom = ZoomFactor();
    TFlatCalendarSettings s;
    s.rect = CalendarRect();
    s.titleBGColor = titleBGcolor_;
    s.dayNameBGColor = dayNameBGColor_;
    s.backgroundColor = backgroundcolor_;
    s.month = month_;
    s.year = year_;
    s.startOfWeek = startOfWeek_;
    s.titleFont = fontSettings(titleFont_, zoom);
    s.dayNameFont = fontSettings(dayNameFont_, zoom);
    s.cellFont = fontSettings(cellFont_, zoom);
    s.showYear = showYear_;
    s.calendarBorder = calendarBorderStyle_;
    s.dayNameBorder = dayNameBorderStyle_;
    s.cellBorder = cellBorderStyle_;
    s.dayNameStyle = dayNameStyle_;
    s.transparent = calTransparent_;
    s.names = nameTable_;
    return s;
}

void TGFlatCalendar::DrawCalendar(QPainter& painter)
{
    const QRect shadow = ShadowRect();
    if (!shadow.isNull()) {
        // Pen and fill over (left, top, right + 1, bottom + 1).
        painter.fillRect(QRect(shadow.x(), shadow.y(), shadow.width() + 1, shadow.height() + 1),
                         ToQColor(shadowColor_));
    }
    FillNameTable();
    DrawFlatMonth(painter, Settings());
}

void TGFlatCalendar::paintEvent(QPaintEvent*)
{
    if (ParentPaintingSuspended())
        return;
    QPainter painter(this);
    DrawCalendar(painter);
}

void TGFlatCalendar::PrintTo(TReportPrinter& report, double xOffset, double yOffset)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    QPicture picture;
    {
        QPainter painter(&picture);
        DrawCalendar(painter);
    }
    picture.setBoundingRect(QRect(0, 0, Width(), Height()));
    const double ppi = ScreenPPI();
    report.StretchPicture(xOffset + Left() / ppi, yOffset + Top() / ppi, xOffset + (Left() + Width()) / ppi,
                          yOffset + (Top() + Height()) / ppi, picture);
}

const TEnumNames& TGFlatCalendar::BorderStyleNames()
{
    static const TEnumNames names{"fcbNone", "fcbAll", "fcbTop", "fcbBottom", "fcbTopBottom"};
    return names;
}

const TEnumNames& TGFlatCalendar::HeadersStyleNames()
{
    static const TEnumNames names{"fdsFirstChar", "fdsThreeChars", "fdsWhole"};
    return names;
}

const TEnumNames& TGFlatCalendar::ShadowPositionNames()
{
    static const TEnumNames names{"fcpLowerRight", "fcpLowerLeft", "fcpUpperRight", "fcpUpperLeft"};
    return names;
}

const TEnumNames& TGFlatCalendar::LanguageNames()
{
    static const TEnumNames names{"fclEnglish", "fclGerman", "fclFrench", "fclItalian", "fclSpanish"};
    return names;
}

const TClassInfo& TGFlatCalendar::StaticClassInfo()
{
    using T = TGFlatCalendar;
    // No property declares a default: all are always written.
    static const TClassInfo info =
        TClassInfoBuilder<T>("TGFlatCalendar", &TGGraphicControl::StaticClassInfo())
            .integer("StartOfWeek", &T::StartOfWeek, &T::SetStartOfWeek)
            .integer("Month", &T::Month, &T::SetMonth)
            .integer("Year", &T::Year, &T::SetYear)
            .object("TitleFont", &T::titleFontObject)
            .object("DayNameFont", &T::dayNameFontObject)
            .object("CellFont", &T::cellFontObject)
            .boolean("ShowYear", &T::ShowYear, &T::SetShowYear)
            .integer("DayNameBGColor", &T::DayNameBGColor, &T::SetDayNameBGColor).idents(ColorIdents())
            .enumeration("CalendarBorderStyle", &T::CalendarBorderStyle, &T::SetCalendarBorderStyle,
                         BorderStyleNames())
            .enumeration("DayNameBorderStyle", &T::DayNameBorderStyle, &T::SetDayNameBorderStyle,
                         BorderStyleNames())
            .enumeration("CellBorderStyle", &T::CellBorderStyle, &T::SetCellBorderStyle, BorderStyleNames())
            .enumeration("DayNameStyle", &T::DayNameStyle, &T::SetDayNameStyle, HeadersStyleNames())
            .integer("TitleBGcolor", &T::TitleBGcolor, &T::SetTitleBGcolor).idents(ColorIdents())
            .integer("Backgroundcolor", &T::Backgroundcolor, &T::SetBackgroundcolor).idents(ColorIdents())
            .integer("ShadowColor", &T::ShadowColor, &T::SetShadowColor).idents(ColorIdents())
            .integer("ShadowDepth", &T::ShadowDepth, &T::SetShadowDepth)
            .enumeration("ShadowPosition", &T::ShadowPosition, &T::SetShadowPosition, ShadowPositionNames())
            .enumeration("Language", &T::Language, &T::SetLanguage, LanguageNames())
            .boolean("CalTransparent", &T::CalTransparent, &T::SetCalTransparent)
            .factory([](TComponent* owner, QWidget* parent) -> TComponent* { return new T(owner, parent); })
            .build();
    return info;
}
