#pragma once
// What page-object kinds, recurring dates and the icon tool need of the main
// window. The main window implements it; the others find it as the owner of
// their page objects (MainWindowOf) and never include the window's header.
#include <QString>

class TComponent;
class TWPRichText;
class TWPRtfStorage;

class TMainWindowServices {
public:
    virtual ~TMainWindowServices() = default;

    // The hidden rich-text control that rich-text objects lay out and paint
    // through.
    virtual TWPRichText* MasterRichText() const = 0;
    // The in-place editor of day-cell text, the cell it holds (1..42; 0 none)
    // and that cell's text storage.
    virtual TWPRichText* CellEditor() const = 0;
    virtual int CurrentCell() const = 0;
    virtual TWPRtfStorage* EditedCellText() const = 0;
    // Writes the editor's text back into its cell and hides the editor.
    virtual void DoSaveRichtext() = 0;
    // Marks the document changed (or saved).
    virtual void SetModified(bool modified) = 0;

    // The message boxes (answerable by tests through their seam).
    virtual void ShowInfoMessage(const QString& text);
    virtual bool AskYesNoQuestion(const QString& text, const QString& caption);
    // The shipped read-only files and the user's own files, each with a
    // trailing separator.
    virtual QString DataFolder() const;
    virtual QString UserFolder() const;
};

// The main window that owns `component` (directly or through its owners);
// null when it is owned by none, as in tests and the command-line tool.
TMainWindowServices* MainWindowOf(const TComponent* component);
