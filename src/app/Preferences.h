#pragma once
#include <QString>

#include "persist/Color.h"
#include "persist/Font.h"

// The user's preferences as QX.ini keeps them, with the defaults a first
// start gets. The main window turns them into its menus and dialogs.
struct TPreferences {
    // Zoom steps (20..100) of the main page and of the properties dialog's example.
    int MainZoomPercent = 60;
    int PropZoomPercent = 30;
    // The default font of the cell editor.
    QString FontName = QStringLiteral("Arial");
    int FontSize = 10;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikeout = false;
    TColor FontColor = TColors::clBlack;
    // The icon library the icon palette shows, and whether the palette shows.
    QString IconLibraryFile;  // ProgramFolder() + "MISC1.ICL" unless stored
    bool IconToolVisible = true;
    bool ShowHints = true;

    // Defaults, with the icon library in the program folder.
    static TPreferences Defaults();

    TFont DefaultEditorFont() const;
    void SetDefaultEditorFont(const TFont& font);
};

// UserConfigFolder() + "QX.ini".
QString IniFileName();

// Every key with its default when absent (an unreadable file gives defaults).
TPreferences LoadPreferences(const QString& iniFile = IniFileName());
// Writes every key; false when the file could not be written.
bool SavePreferences(const TPreferences& preferences, const QString& iniFile = IniFileName());

// Zoom step to zoom factor: 0.2 below 30, 0.3 below 40, ... 0.9 below 100,
// else 1.0 (single precision).
float ZoomPercentToFactor(int percent);
// Zoom factor to the step at or below it, 20..100. Compared with the same
// single-precision values, so every factor of the table maps back to its own
// step (0.7 to 70); 0.95 gives 90.
int ZoomFactorToPercent(float factor);
