#pragma once
// What the main window asks of the desktop: the file dialogs, the default
// editor font's dialog and the web browser. Tests answer in their place.
#include <QString>
#include <functional>

class QUrl;
class QWidget;
class TFont;

struct TCalendarMainDialogs {
    // The file chosen to open; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& folder, const QString& filter)>
        OpenFileName;
    // The file chosen to save as, starting from `proposedPath`; empty when
    // cancelled. The dialog asks before overwriting.
    std::function<QString(QWidget* parent, const QString& title, const QString& proposedPath,
                          const QString& filter, const QString& defaultSuffix)>
        SaveFileName;
    // Shows the font (with its colour); on OK `font` takes the choice.
    std::function<bool(QWidget* parent, TFont& font)> ChooseFont;
    // Opens a web address in the user's browser; false when that failed.
    std::function<bool(const QUrl& url)> OpenUrl;
};

// The dialogs in use: the real ones, with each member a test did not set.
QString AskOpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter);
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& proposedPath, const QString& filter,
                        const QString& defaultSuffix);
bool AskFont(QWidget* parent, TFont& font);
bool OpenWebAddress(const QUrl& url);

// Tests replace the dialogs; members left empty keep the real ones. A
// default-constructed value restores them all.
void SetCalendarMainDialogsForTesting(const TCalendarMainDialogs& dialogs);
