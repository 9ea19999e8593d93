#pragma once
// TCalendarMain: the application's one main window. It owns the calendar page
// (inside a scroll box), the in-place editor of day-cell text with its
// formatting toolbar, the tool row, the menus and every page object, and it
// runs the document lifecycle: start-up and reopening of the last file, New,
// Open, Save, Save As, Cancel Changes and closing. It tracks unsaved changes
// and keeps each command's enabled state in step with the document.
//
// The implementation is split by concern: CalendarMain.cpp (construction,
// first activation, closing, preferences), CalendarMainMenus.cpp (menus and
// the small commands), CalendarMainDocument.cpp (the document lifecycle),
// CalendarMainCells.cpp (the cell editor, keys, drag and drop) and
// CalendarMainZoom.cpp (zoom, caption and command states).
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "app/Preferences.h"
#include "page/MainWindowServices.h"
#include "page/PixelRect.h"
#include "persist/Component.h"
#include "persist/Font.h"

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;
class QScrollArea;
class QToolButton;
class TCalendarPanel32;
class TMRUFileList;
class TWPRichText;
class TWPRtfStorage;
class TWPToolBar;

class TCalendarMain : public QMainWindow, public TComponent, public TMainWindowServices {
    Q_OBJECT
public:
    // The placement section's class name in QX.ini.
    static constexpr const char* PlacementClassName = "TCalendarMain";
    // Opened by "Visit Our Internet Website".
    static constexpr const char* WebsiteAddress = "https://vellumy.example.org/";
    // Hints stay back this long before they show.
    static constexpr int HintDelayMs = 1200;

    explicit TCalendarMain(QWidget* parent = nullptr);
    ~TCalendarMain() override;

    void SetName(const QString& name) override;

    // --- Document state.
    // Full path of the open document; empty for an untitled page or no page.
    const QString& CurrentFile() const { return currentFile_; }
    bool Modified() const { return modified_; }
    // From creation to the end of the first activation, and while a file opens.
    bool Starting() const { return starting_; }
    bool CreatingNew() const { return creatingNew_; }
    bool PropertiesAccepted() const { return propertiesAccepted_; }
    bool TrackEditorChanges() const { return trackEditorChanges_; }
    bool EditorHoldsCell() const { return editorHoldsCell_; }
    TWPRtfStorage* EditedCellText() const override { return editedCellText_; }
    // 1..42: the day cell last opened in the editor; 0 none.
    int CurrentCell() const override { return currentCell_; }
    bool PrinterAvailable() const { return printerAvailable_; }
    bool ZoomBusy() const { return zoomBusy_; }
    bool Activated() const { return activated_; }

    // --- Preferences as loaded (QX.ini); the default editor font is the
    // font dialog's font.
    const TPreferences& Preferences() const { return prefs_; }
    const TFont& DefaultEditorFont() const { return defaultEditorFont_; }
    bool IconToolVisible() const { return prefs_.IconToolVisible; }
    bool ShowHints() const { return prefs_.ShowHints; }

    // --- Controls.
    TCalendarPanel32* CalendarPanel() const { return calendarPanel_; }
    TWPRichText* CellEditor() const override { return cellEditor_; }
    TWPRichText* MasterRichText() const override { return masterRichText_; }
    TWPToolBar* RichTextToolBar() const { return toolBar_; }
    QScrollArea* ScrollBox() const { return scrollBox_; }
    TMRUFileList* RecentFiles() const { return recentFiles_; }
    QMenu* FileMenu() const { return fileMenu_; }

    // --- Operations the rest of the program calls.
    // Stores the flag; the command states follow when it changed.
    void SetModified(bool modified) override;
    // Enables, shows and captions every command for the current document.
    void SetButtons();
    // "Vellumy", the file name in brackets, the zoom percentage in brackets.
    void SetCaption();
    // Writes the cell editor's text back into the cell it holds and hides it.
    void DoSaveRichtext() override;
    // Opens a document; false (with the page hidden and no current file)
    // when it is missing or cannot be read, after saying so.
    bool OpenCalendarFile(const QString& path);
    // Writes the document at 100 % zoom. A failed write says so and leaves
    // the current file and the modified flag as they were; false then.
    bool SaveCalendarFile(const QString& path);
    // Offers to save unsaved changes. False only when the user wanted them
    // saved and the save failed: the caller must not drop the document then.
    bool CheckSaveNeeded();
    // The icon palette follows the page: hidden without day cells.
    void CheckFloaterStatus();
    // Appends a paragraph to the text of the day cell showing `day`.
    void PuttextOnDay(int day, const QString& text);
    // Applies the default editor font to the editor's writing attributes.
    void SetDefaultFontNow();
    void LoadPreferences();
    void SavePreferences();
    // The first activation: restores the placement, shows the window, resets
    // the page and reopens the most recent document. Later calls do nothing.
    void FormActivate();

    // --- Plug-in points for parts of the program that come later.
    // The icon palette window; the icon tool toggle is shown only with one.
    void SetIconPalette(QWidget* palette);
    QWidget* IconPalette() const { return iconPalette_; }
    // Printing: the printer check of the first activation and the two
    // commands. Until they are set, printing stays disabled.
    std::function<bool()> CheckPrinters;
    std::function<void()> OnPrintCalendar;
    std::function<void()> OnPrintSetup;

    // --- Commands, named after their control.
    void New1Click();
    void Open1Click();
    void mnuSaveClick();
    void mnuSaveAsClick();
    void mnuPropertiesClick();
    void mnuUserTitleClick();
    void mnuCancelChangesClick();
    void mnuClearAllCellContentsClick();
    void DefaultEditorFont1Click();
    void mnuPrintCalendarClick();
    void mnuPrintSetupClick();
    void Exit1Click();
    void VisitOurInternetW1Click();
    void Contents1Click();
    void About1Click();
    void mnuShowHintClick();
    void ZoomInClick();
    void ZoomOutClick();
    void SavebuttonClick();
    void CancelButtonClick();
    void ShowHideIconToolClick();

    // --- Page events.
    void CalendarPanelClickedInCellEvent(const PixelRect& textRect, TWPRtfStorage* storage, int cellIndex);
    void CalendarPanelDroppedObjectEvent();
    void CalendarPanelLabelChangedEvent();

    // Drops of pictures: image data or image files. `pagePoint` is in page
    // coordinates; false when refused (no picture, or no day cell there).
    static bool HasPicture(const QMimeData& data);
    static QImage PictureFrom(const QMimeData& data);
    bool DropPictureOnPage(const QMimeData& data, const QPoint& pagePoint);
    bool DropPictureOnEditor(const QMimeData& data, const QPoint& editorPoint);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The hourglass for the life of a command.
    class BusyCursor {
    public:
        BusyCursor();
        ~BusyCursor();
        BusyCursor(const BusyCursor&) = delete;
        BusyCursor& operator=(const BusyCursor&) = delete;
    };

    // Construction (CalendarMain.cpp, CalendarMainMenus.cpp).
    void buildToolRow();
    void buildScrollBox();
    void buildMenus();
    void buildRecentFiles();
    QToolButton* toolButton(const QString& name, const QString& icon, const QString& hint);
    QAction* menuItem(QMenu* menu, const QString& name, const QString& caption, void (TCalendarMain::*command)());
    void wirePage();
    void placeContents();

    // The key hook (CalendarMainCells.cpp): true when the key was consumed.
    bool hookKey(QObject* watched, QKeyEvent* key);
    bool editorEvent(QObject* watched, QEvent* event);
    bool pageDragEvent(QEvent* event);
    void editorGotFocus();
    void applyHints();

    // Zoom steps (CalendarMainZoom.cpp).
    void zoomBy(bool in);

    // The page as the user sees it: shown (not explicitly hidden).
    bool pageVisible() const;
    bool paletteShowing() const;
    void showPalette(bool show);
    // The proposed name of an untitled page: Dec1997.QXF.
    QString proposedFileName() const;
    // Save As; false only when the chosen file could not be written.
    bool saveAs();
    void repaintPage();

    QString currentFile_;
    bool modified_ = false;
    bool starting_ = true;
    bool creatingNew_ = false;
    bool propertiesAccepted_ = false;
    bool trackEditorChanges_ = false;
    bool editorHoldsCell_ = false;
    TWPRtfStorage* editedCellText_ = nullptr;
    int currentCell_ = 0;
    bool printerAvailable_ = false;
    bool zoomBusy_ = false;
    bool activated_ = false;
    bool activationQueued_ = false;
    bool closing_ = false;

    TPreferences prefs_;
    TFont defaultEditorFont_;

    TCalendarPanel32* calendarPanel_ = nullptr;
    TWPRichText* cellEditor_ = nullptr;
    TWPRichText* masterRichText_ = nullptr;
    TWPToolBar* toolBar_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    QWidget* scrollContents_ = nullptr;
    QLabel* emptyHint_ = nullptr;
    QFrame* toolRow_ = nullptr;
    TMRUFileList* recentFiles_ = nullptr;
    QPointer<QWidget> iconPalette_;

    QToolButton* zoomInButton_ = nullptr;
    QToolButton* zoomOutButton_ = nullptr;
    QToolButton* propertiesButton_ = nullptr;
    QToolButton* printButton_ = nullptr;
    QToolButton* iconToolButton_ = nullptr;
    QButtonGroup* tools_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QAction* newItem_ = nullptr;
    QAction* openItem_ = nullptr;
    QAction* saveItem_ = nullptr;
    QAction* saveAsItem_ = nullptr;
    QAction* propertiesItem_ = nullptr;
    QAction* userTitleItem_ = nullptr;
    QAction* cancelChangesItem_ = nullptr;
    QAction* clearCellsItem_ = nullptr;
    QAction* defaultFontItem_ = nullptr;
    QAction* fillRecurringItem_ = nullptr;
    QAction* editRecurringItem_ = nullptr;
    QAction* printItem_ = nullptr;
    QAction* printSetupItem_ = nullptr;
    QAction* exitItem_ = nullptr;
    QMenu* onlineMenu_ = nullptr;
    QAction* showHintItem_ = nullptr;
};
