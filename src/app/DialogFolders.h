#pragma once
// Where the file dialogs start. The first time in the user's Documents
// folder (in portable mode the program's own folder, where the user's files
// are); after that in the folder the user last chose a file of that kind in,
// kept in QX.ini so that it outlives the session.
#include <QString>

#include "app/Preferences.h"

enum class TDialogFolder { Calendars, StyleSheets, Exports };

// The folder a dialog for this kind of file starts in (with a trailing
// separator). A remembered folder that is gone gives the first-time folder.
QString DialogStartFolder(TDialogFolder kind, const QString& iniFile = IniFileName());
// Keeps the folder of a file the user chose in a dialog.
void RememberDialogFolder(TDialogFolder kind, const QString& chosenFile, const QString& iniFile = IniFileName());
// The first-time folder: Documents (home when there is none), or the program
// folder in portable mode.
QString FirstDialogFolder();
