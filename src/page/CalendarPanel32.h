#pragma once
// TCalendarPanel32: the calendar page. A page-object container that also owns
// everything that makes it a calendar: the date, one of 22 layouts, paper and
// margins, the fonts, colours and border styles of title, weekday headers,
// day cells and mini calendars, its own month and day names, and the results
// of the layout pass that the drawing and the day cells work from.
#include <QFont>
#include <QImage>
#include <QTime>
#include <array>
#include <functional>
#include <memory>

#include "objects/GBasePanel.h"
#include "page/CalDrawParams.h"
#include "page/CalendarTypes.h"
#include "page/PageLayout.h"
#include "persist/Font.h"

class TObjectReader;
class TObjectWriter;
class TReportPrinter;
class TWPRichText;
class TWPRtfStorage;
class TWPRtfText;
class TWmfPicture;

// A day cell was clicked or activated: the font selected on the page's
// canvas (CellFont at the zoomed size), the cell rectangle, the cell's text
// storage slot (the handler may keep the storage it edits), the day number,
// the cell index and the text rectangle.
using TClickedInCellEvent =
    std::function<void(QObject* sender, const QFont& canvasFont, PixelRect& cellRect,
                       TWPRtfStorage*& storage, int dayNumber, int cellIndex, PixelRect& textRect)>;

class TCalendarPanel32 : public TGBasePanel {
    Q_OBJECT
public:
    explicit TCalendarPanel32(TComponent* owner, QWidget* parent = nullptr);
    ~TCalendarPanel32() override;

    // --- Published properties, in declaration order.
    // Recomputed from the layout by every layout pass.
    TCalendarOrientation CalendarOrientation() const { return orientation_; }
    void SetCalendarOrientation(TCalendarOrientation orientation);
    TCalendarLayout CalendarLayout() const { return layout_; }
    void SetCalendarLayout(TCalendarLayout layout);
    // Presets of the three main (mini) border styles, applied on change only.
    TCalendarLineLayout CalendarLineLayout() const { return lineLayout_; }
    void SetCalendarLineLayout(TCalendarLineLayout layout);
    TMiniCalendarLineLayout MiniCalendarLineLayout() const { return miniLineLayout_; }
    void SetMiniCalendarLineLayout(TMiniCalendarLineLayout layout);
    TClickedInCellEvent ClickedInCellEvent;
    TColor TitleBGColor() const { return titleBGColor_; }
    void SetTitleBGColor(TColor color);
    // The six fonts: setting one copies the given font's attributes (null is
    // ignored); changing the page's font object directly repaints as well.
    TFont& TitleFont() { return titleFont_; }
    const TFont& TitleFont() const { return titleFont_; }
    void SetTitleFont(const TFont* font);
    TFont& HeadersFont() { return headersFont_; }
    const TFont& HeadersFont() const { return headersFont_; }
    void SetHeadersFont(const TFont* font);
    TFont& CellFont() { return cellFont_; }
    const TFont& CellFont() const { return cellFont_; }
    void SetCellFont(const TFont* font);
    float LeftMarginInch() const { return leftMargin_; }
    void SetLeftMarginInch(float inches);
    float TopMarginInch() const { return topMargin_; }
    void SetTopMarginInch(float inches);
    float RightMarginInch() const { return rightMargin_; }
    void SetRightMarginInch(float inches);
    float BottomMarginInch() const { return bottomMargin_; }
    void SetBottomMarginInch(float inches);
    TCalBorderStyle MiniCalBorder() const { return miniCalBorder_; }
    void SetMiniCalBorder(TCalBorderStyle style);
    TCalBorderStyle MiniHeadersBorder() const { return miniHeadersBorder_; }
    void SetMiniHeadersBorder(TCalBorderStyle style);
    TCalBorderStyle MiniCellBorder() const { return miniCellBorder_; }
    void SetMiniCellBorder(TCalBorderStyle style);
    bool MiniShowYear() const { return miniShowYear_; }
    void SetMiniShowYear(bool show);
    TColor MiniHeadersBGColor() const { return miniHeadersBGColor_; }
    void SetMiniHeadersBGColor(TColor color);
    TColor MiniCalBGColor() const { return miniCalBGColor_; }
    void SetMiniCalBGColor(TColor color);
    TFont& MiniTitleFont() { return miniTitleFont_; }
    const TFont& MiniTitleFont() const { return miniTitleFont_; }
    void SetMiniTitleFont(const TFont* font);
    TFont& MiniHeadersFont() { return miniHeadersFont_; }
    const TFont& MiniHeadersFont() const { return miniHeadersFont_; }
    void SetMiniHeadersFont(const TFont* font);
    TFont& MiniCellFont() { return miniCellFont_; }
    const TFont& MiniCellFont() const { return miniCellFont_; }
    void SetMiniCellFont(const TFont* font);
    // The first day of week and day planners.
    int MainCalDay() const { return mainCalDay_; }
    void SetMainCalDay(int day);
    // 1..12; other values are ignored.
    int MainCalMonth() const { return mainCalMonth_; }
    void SetMainCalMonth(int month);
    int MainCalYear() const { return mainCalYear_; }
    void SetMainCalYear(int year);
    // 1: weeks start on Sunday; any other value: on Monday.
    int StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(int start);
    TCalBorderStyle CalendarBorder() const { return calendarBorder_; }
    void SetCalendarBorder(TCalBorderStyle style);
    bool TitleShowYear() const { return titleShowYear_; }
    void SetTitleShowYear(bool show);
    TCalBorderStyle HeadersBorder() const { return headersBorder_; }
    void SetHeadersBorder(TCalBorderStyle style);
    TCalHeadersStyle HeadersStyle() const { return headersStyle_; }
    void SetHeadersStyle(TCalHeadersStyle style);
    TCalHeadersStyle MiniHeadersStyle() const { return miniHeadersStyle_; }
    void SetMiniHeadersStyle(TCalHeadersStyle style);
    TColor HeadersBGColor() const { return headersBGColor_; }
    void SetHeadersBGColor(TColor color);
    TCalendarNumberPosition NumberPosition() const { return numberPosition_; }
    void SetNumberPosition(TCalendarNumberPosition position);
    TCalBorderStyle CellBorder() const { return cellBorder_; }
    void SetCellBorder(TCalBorderStyle style);
    // Replaces the generated title of the main grid or planner when not empty.
    QString UserTitle() const { return userTitle_; }
    void SetUserTitle(const QString& title);
    // OnDblClick and OnClick are the container's; a double click on the page
    // raises nothing.
    TGNotifyEvent OnClickedHeader;      // a click in the last drawing's TitleRect
    TGNotifyEvent OnClickedDaysArea;    // a click in the last drawing's HeadersRect
    // The active drawing tool; any tool clears Pointing and shows the drag
    // cursor, psPointing restores both.
    TLPanelState PanelState() const { return panelState_; }
    void SetPanelState(TLPanelState state);
    // A drawing tool made its one object: the cursor is the default again and
    // the page is back in psPointing. Raised before the new object opens its
    // dialog, so the main window's tool buttons follow at once.
    TGNotifyEvent OnToolEnded;
    // Creates the active tool's object in the rectangle (widened to 50 when
    // narrower than 25, made 15 high when lower than 15) and runs its
    // CreatedByTool steps; nothing while an object is being created.
    void ToolRectDone(const QRect& rect) override;
    // The tool's end: default cursor, psPointing, OnToolEnded.
    void EndTool();
    // Border picture name, without folder and extension.
    QString WMFBorderFile() const { return wmfBorderFile_; }
    void SetWMFBorderFile(const QString& name);

    // --- Unpublished state.
    // false: US Letter, 8.5 x 11 inches; true: A4, 8.27 x 11.69 inches.
    bool PaperSizeA4() const { return paperSizeA4_; }
    void SetPaperSizeA4(bool a4);
    // The first hour row of the day planners (time part only).
    QTime DayStartTime() const { return dayStartTime_; }
    void SetDayStartTime(const QTime& time);
    // The page's own names: month 1..12, day 1 (Sunday)..7. Out-of-range
    // indices leave `name` as it was (Get) or are ignored (Set); Set does not
    // repaint.
    void GetMonthName(int index, QString& name) const;
    void SetMonthName(int index, const QString& name);
    void GetDayName(int index, QString& name) const;
    void SetDayName(int index, const QString& name);
    const MonthNameList& MonthNames() const { return monthNames_; }
    const DayNameList& DayNames() const { return dayNames_; }

    // --- Layout results (unzoomed screen pixels), changed only by UpdatePageLayout.
    const PageLayoutResults& LayoutResults() const { return layoutResults_; }
    int PageWidthPx() const { return layoutResults_.PageWidthPx; }
    int PageHeightPx() const { return layoutResults_.PageHeightPx; }
    PixelRect PageRect() const { return layoutResults_.PageRect; }
    PixelRect MainCalRect() const { return layoutResults_.MainCalRect.value_or(PixelRect{}); }
    // Index 1..MaxMiniCalendars; out of range gives an empty rectangle / month 0.
    PixelRect MiniCalRect(int index) const;
    MonthYear MiniCalMonth(int index) const;
    int MiniCalCount() const { return layoutResults_.MiniCalCount; }
    bool ShowMainGrid() const { return layoutResults_.ShowMainGrid; }
    bool ShowMiniCals() const { return layoutResults_.ShowMiniCals; }
    bool PlannerMode() const { return layoutResults_.PlannerMode; }

    // --- Drawing records: filled before each drawing; the day cells of the
    // last drawing live in MainDrawParams.
    CalDrawParams& MainDrawParams() { return mainDrawParams_; }
    const CalDrawParams& MainDrawParams() const { return mainDrawParams_; }
    CalDrawParams& MiniDrawParams() { return miniDrawParams_; }
    const CalDrawParams& MiniDrawParams() const { return miniDrawParams_; }
    // Fill the records from the page's settings at the current zoom (the
    // mini record for mini calendar `index`). The cell records are left to
    // the drawing.
    void FillMainDrawParams();
    void FillMiniDrawParams(int index);

    // --- Operations.
    // Recomputes page size and rectangles; with resetMiniFonts also the mini
    // font sizes of the layout. Resizes the page to the zoomed size and repaints.
    void UpdatePageLayout(bool resetMiniFonts);
    // Mini title font size s, mini headers and cell fonts Round(s x 0.8).
    void SetMiniFontSizes(int size);
    // The settings of a new calendar.
    void ResetToDefaults();
    // Copies the look and date of another page (not its cells or objects).
    void AssignStyle(const TCalendarPanel32& source);
    // True when everything AssignStyle copies is equal.
    bool SameStyle(const TCalendarPanel32& other) const;
    // Name, style and colour; the size is not compared.
    static bool SameFont(const TFont& a, const TFont& b);
    // 0: month grid (0..7), 1: minis only (8..17), 2: loWeek, 3: lo2Week,
    // 4: loDay10, 5: loDay15.
    int LayoutKind() const { return LayoutKindOf(layout_); }
    // Visible and drawing day cells (not a mini-only layout).
    bool UsesDayCells() const;
    // At least one page object is SuperText (printing it takes longer).
    bool HasSuperText() const;

    // --- Documents (.QXF) and style sheets (.QXS), in CalendarDocument.cpp.
    // Saving writes a temporary file beside `path` that replaces it only when
    // everything was written: on failure (false, the reason in *error) the
    // previous file is untouched.
    bool SaveDocument(const QString& path, QString* error = nullptr);
    bool SaveStyleSheet(const QString& path, QString* error = nullptr);
    // Loading raises EFilerError: "Stream read error" when the file cannot be
    // opened, the stream's own error for anything wrong before the page-object
    // list; the page keeps what was read. Page objects are made owned by
    // `owner` and parented to the page, named "Component" + the first free
    // number; an error inside their list only ends the list (its message goes
    // to *objectListError). A style sheet leaves date, cells, title and objects.
    void LoadDocument(const QString& path, TComponent* owner, QString* objectListError = nullptr);
    void LoadStyleSheet(const QString& path);
    // The same on a stream that is already open.
    void WriteDocument(TObjectWriter& writer);
    void ReadDocument(TObjectReader& reader, TComponent* owner, QString* objectListError = nullptr);
    void WriteStyleSheet(TObjectWriter& writer) const;
    void ReadStyleSheet(TObjectReader& reader);
    // The look shared by both files; reading stores into the fields directly
    // (no setters, no layout pass, no repaint).
    void WriteStyleBlock(TObjectWriter& writer) const;
    void ReadStyleBlock(TObjectReader& reader);
    static void WriteFontRecord(TObjectWriter& writer, const TFont& font);
    static void ReadFontRecord(TObjectReader& reader, TFont& font);

    // --- Day cells. Indices run 1..42; out-of-range indices are ignored (Get
    // answers the fallback, GetCellDay 0). Rectangles are those of the last
    // drawing of the main grid or planner.
    const TWPRtfText& GetCellText(int index, const TWPRtfText& fallback) const;
    // Copies the text into the cell and repaints.
    void SetCellText(int index, const TWPRtfText& text);
    int GetCellDay(int index) const;
    // The first cell showing day `day`; -1 when none.
    int FindCellByDay(int day) const;
    bool PointInAnyCell(int x, int y) const;
    // The first cell (1..42) whose cell rectangle of the last drawing contains
    // the point; 0 when none.
    int CellAtPoint(int x, int y) const;
    // Raises ClickedInCellEvent for the cell at the point, if any.
    void ClickCellAt(int x, int y);
    // Raises ClickedInCellEvent for cell `index`.
    void ActivateCell(int index);
    // Raise the event for the neighbouring cell when it has a text area (the
    // cell editor's Shift+Tab and Tab); nothing at either end.
    void ActivatePreviousCell(int index);
    void ActivateNextCell(int index);
    // Every cell text becomes empty and every cell record (0, 0, 0, 0); no
    // repaint.
    void ClearAllCells();
    bool HasCellText() const;

    // --- Drawing.
    // Draws the whole page (border picture, grid or planner, cell texts, mini
    // calendars) into the page's off-screen image at the current zoom and
    // returns it; the screen paint shows this image. Page objects are not in it.
    // The image holds `devicePixelRatio` image pixels per page pixel (a
    // high-density screen's ratio, so that the page stays sharp there) and is
    // drawn in page pixels whatever the ratio.
    const QImage& DrawPage(qreal devicePixelRatio = 1.0);
    // The page on the print engine's surface with its top-left corner at
    // (x, y) inches, followed by every page object's PrintTo in child order.
    // Afterwards the cell records hold printer dots until the next drawing.
    void PrintPage(TReportPrinter& report, double x, double y);
    // CellFont at the zoomed size: the font the cell event hands out.
    QFont CanvasFont() const;
    // The text rectangle of the first day cell as the page lays it out at
    // 100 %, in unzoomed screen pixels (zero without day cells). Every cell
    // text wraps at its width (Width() + 1): on the screen at any zoom, in
    // the cell editor and on paper.
    PixelRect ReferenceCellTextRect();

    // Loads the border picture file into BorderPicture (empty path: clear
    // it); false when the file cannot be loaded, which clears WMFBorderFile.
    // The page installs the metafile reader; tests may replace it.
    std::function<bool(const QString& path)> BorderPictureLoader;
    // The loaded border picture, stretched over PageRect while WMFBorderFile
    // is not empty.
    const TWmfPicture& BorderPicture() const { return *borderPicture_; }
    // The border picture file for a name in the current orientation.
    QString BorderFilePath(const QString& name) const;

    // The day cells' text storages (1..42) and the clearing template: owned by
    // the page (as their component owner), alive as long as the page.
    TWPRtfStorage*& CellTextSlot(int index) { return cellTexts_[index - 1]; }
    TWPRtfStorage* CellTexts(int index) const { return cellTexts_[index - 1]; }
    TWPRtfStorage* EmptyCellText() const { return emptyCellText_; }
    // The hidden rich-text control that lays out and paints cell text.
    TWPRichText* CellPainter() const { return cellPainter_; }

    // True while the page draws itself (a nested paint is ignored) and while a
    // drawing tool's object is being created.
    bool IsPainting() const { return painting_; }
    bool IsCreatingObject() const { return creatingObject_; }

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

protected:
    void Paint(QPainter& painter, const QRect& dirty) override;
    void Click() override;
    void DblClick() override;

private:
    void repaintPage() { update(); }
    void loadRegionalNames();
    void applyLineLayout(TCalendarLineLayout layout);
    void applyMiniLineLayout(TMiniCalendarLineLayout layout);
    void createDayCells();
    void destroyDayCells();
    void raiseCellEvent(int index);
    void drawMainGrid(QPainter& canvas);
    void drawMiniCalendars(QPainter& canvas);
    // Published events keep the name of the handler they were given (the
    // handlers themselves are the std::function members).
    enum EventSlot {
        evClickedInCell, evDblClick, evClick, evClickedHeader, evClickedDaysArea, evDragOver, evEndDrag,
        evMouseDown, evMouseMove, evMouseUp, evKeyDown, evKeyPress, evKeyUp, EventSlotCount
    };
    template <int Slot>
    QString eventName() const { return eventNames_[Slot]; }
    template <int Slot>
    void setEventName(const QString& name, TComponent*) { eventNames_[Slot] = name; }
    TFont* titleFontObject() { return &titleFont_; }
    TFont* headersFontObject() { return &headersFont_; }
    TFont* cellFontObject() { return &cellFont_; }
    TFont* miniTitleFontObject() { return &miniTitleFont_; }
    TFont* miniHeadersFontObject() { return &miniHeadersFont_; }
    TFont* miniCellFontObject() { return &miniCellFont_; }

    // Destroyed in reverse order: the cell storages first, then the fonts,
    // the cell painter and the border picture, then the container.
    QString borderPictureFile_;       // the loaded border picture's file
    TWPRichText* cellPainter_ = nullptr;  // hidden; lays out and paints cell text

    TCalendarOrientation orientation_ = coPortrait;
    TCalendarLayout layout_ = loFullCalendar;
    TCalendarLineLayout lineLayout_ = llFull;
    TMiniCalendarLineLayout miniLineLayout_ = mllFull;
    TColor titleBGColor_ = TColors::clWhite;
    float leftMargin_ = 0.25f;
    float topMargin_ = 0.25f;
    float rightMargin_ = 0.25f;
    float bottomMargin_ = 0.25f;
    TCalBorderStyle miniCalBorder_ = cbAll;
    TCalBorderStyle miniHeadersBorder_ = cbBottom;
    TCalBorderStyle miniCellBorder_ = cbNone;
    bool miniShowYear_ = true;
    TColor miniHeadersBGColor_ = TColors::clWhite;
    TColor miniCalBGColor_ = TColors::clWhite;
    int mainCalDay_ = 0;
    int mainCalMonth_ = 1;
    int mainCalYear_ = 1997;
    int startOfWeek_ = 1;
    TCalBorderStyle calendarBorder_ = cbAll;
    bool titleShowYear_ = true;
    TCalBorderStyle headersBorder_ = cbAll;
    TCalHeadersStyle headersStyle_ = dsThreeChars;
    TCalHeadersStyle miniHeadersStyle_ = dsFirstChar;
    TColor headersBGColor_ = TColors::clWhite;
    TCalendarNumberPosition numberPosition_ = cnpUpperRight;
    TCalBorderStyle cellBorder_ = cbAll;
    QString userTitle_;
    TLPanelState panelState_ = psPointing;
    QString wmfBorderFile_;

    bool paperSizeA4_ = false;
    QTime dayStartTime_{8, 0};
    MonthNameList monthNames_;
    DayNameList dayNames_;
    PageLayoutResults layoutResults_;
    CalDrawParams mainDrawParams_;
    CalDrawParams miniDrawParams_;
    bool painting_ = false;
    bool creatingObject_ = false;
    std::array<QString, EventSlotCount> eventNames_;

    TFont titleFont_;
    TFont headersFont_;
    TFont cellFont_;
    TFont miniTitleFont_;
    TFont miniHeadersFont_;
    TFont miniCellFont_;
    TWPRtfStorage* emptyCellText_ = nullptr;
    std::array<TWPRtfStorage*, DayCellCount> cellTexts_{};
    std::unique_ptr<TWmfPicture> borderPicture_;
    // The off-screen page and the cell texts' scratch bitmap, kept from
    // paint to paint.
    QImage pageImage_;
    QImage cellScratch_;
};
