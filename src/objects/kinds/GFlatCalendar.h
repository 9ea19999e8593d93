#pragma once
// TGFlatCalendar: the floating mini calendar, a page object that draws one
// month (title, weekday names, six weeks of day numbers) with its own fonts,
// colours, lines, drop shadow and one of five languages. "Properties" in its
// popup menu opens TFlatCalendarEditor.
#include "objects/GGraphicControl.h"
#include "objects/kinds/FlatCalendarDrawing.h"
#include "persist/Font.h"

class QPainter;

class TGFlatCalendar : public TGGraphicControl {
    Q_OBJECT
public:
    explicit TGFlatCalendar(TComponent* owner, QWidget* parent = nullptr);

    // Published properties. Setters ignore an unchanged value; the font
    // setters and any change of a font's attribute notify the page, the
    // others only repaint.
    int StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(int day);  // 1 Sunday or 2 Monday; others are refused
    int Month() const { return month_; }
    void SetMonth(int month);      // 1..12; others are refused
    int Year() const { return year_; }
    void SetYear(int year);
    const TFont& TitleFont() const { return titleFont_; }
    void SetTitleFont(const TFont& font);
    const TFont& DayNameFont() const { return dayNameFont_; }
    void SetDayNameFont(const TFont& font);
    const TFont& CellFont() const { return cellFont_; }
    void SetCellFont(const TFont& font);
    bool ShowYear() const { return showYear_; }
    void SetShowYear(bool show);
    TColor DayNameBGColor() const { return dayNameBGColor_; }
    void SetDayNameBGColor(TColor color);
    TFlatCalBorderStyle CalendarBorderStyle() const { return calendarBorderStyle_; }
    void SetCalendarBorderStyle(TFlatCalBorderStyle style);
    TFlatCalBorderStyle DayNameBorderStyle() const { return dayNameBorderStyle_; }
    void SetDayNameBorderStyle(TFlatCalBorderStyle style);
    TFlatCalBorderStyle CellBorderStyle() const { return cellBorderStyle_; }
    void SetCellBorderStyle(TFlatCalBorderStyle style);
    TFlatCalHeadersStyle DayNameStyle() const { return dayNameStyle_; }
    void SetDayNameStyle(TFlatCalHeadersStyle style);
    TColor TitleBGcolor() const { return titleBGcolor_; }
    void SetTitleBGcolor(TColor color);
    TColor Backgroundcolor() const { return backgroundcolor_; }
    void SetBackgroundcolor(TColor color);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color);
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int depth);  // values above 10 are refused; below 1 draws none
    TFlatShadowPosition ShadowPosition() const { return shadowPosition_; }
    void SetShadowPosition(TFlatShadowPosition position);
    TFlatCalLanguage Language() const { return language_; }
    void SetLanguage(TFlatCalLanguage language);
    bool CalTransparent() const { return calTransparent_; }
    void SetCalTransparent(bool transparent);

    // Copies every setting (not the bounds) of another calendar through the
    // setters.
    void AssignSettings(const TGFlatCalendar& other);

    // Adds "Properties" to the popup menu.
    void AddPopupEntries(QMenu& menu) override;
    void PrintTo(TReportPrinter& report, double xOffset, double yOffset) override;
    bool ShowsSelectionMarks() const override { return false; }

    // Shadow, then the month, over (0, 0, Width, Height) at the zoom factor.
    void DrawCalendar(QPainter& painter);
    // The calendar and shadow rectangles DrawCalendar uses (the shadow's is
    // empty when none is drawn).
    QRect CalendarRect() const;
    QRect ShadowRect() const;
    // The record DrawCalendar hands to the month drawing.
    TFlatCalendarSettings Settings() const;
    // Refills the name table after Language.
    void FillNameTable();
    const TFlatNameTable& NameTable() const { return nameTable_; }

    static bool IsLeapYear(int year) { return FlatIsLeapYear(year); }
    static int DaysInMonth(int year, int month) { return FlatDaysInMonth(year, month); }

    // Opens the properties dialog; on OK takes its settings, repaints and
    // notifies the page.
    void PropertiesCommand();

    static const TEnumNames& BorderStyleNames();
    static const TEnumNames& HeadersStyleNames();
    static const TEnumNames& ShadowPositionNames();
    static const TEnumNames& LanguageNames();
    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fontChanged();
    int shadowOffset() const;
    TPersistent* titleFontObject() { return &titleFont_; }
    TPersistent* dayNameFontObject() { return &dayNameFont_; }
    TPersistent* cellFontObject() { return &cellFont_; }

    int startOfWeek_ = 1;
    int month_ = 1;
    int year_ = 1998;
    TFont titleFont_;
    TFont dayNameFont_;
    TFont cellFont_;
    bool showYear_ = false;
    TColor dayNameBGColor_ = TColors::clWhite;
    TFlatCalBorderStyle calendarBorderStyle_ = fcbAll;
    TFlatCalBorderStyle dayNameBorderStyle_ = fcbAll;
    TFlatCalBorderStyle cellBorderStyle_ = fcbNone;
    TFlatCalHeadersStyle dayNameStyle_ = fdsFirstChar;
    TColor titleBGcolor_ = TColors::clWhite;
    TColor backgroundcolor_ = TColors::clWhite;
    TColor shadowColor_ = TColors::clBlack;
    int shadowDepth_ = 0;
    TFlatShadowPosition shadowPosition_ = fcpLowerRight;
    TFlatCalLanguage language_ = fclEnglish;
    bool calTransparent_ = false;
    TFlatNameTable nameTable_;
};
