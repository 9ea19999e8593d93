#pragma once
#include <QString>

// Where the program's files live. Each function returns a folder with a
// trailing separator.
//
// Shipped, read-only files (Borders/, Help/, icon libraries, Textures/) are in
// the data folder: beside the executable in a build tree, PREFIX/share/vellumy
// when installed. The user's own files live in the desktop's per-user folders:
// QX.ini in the config folder, QXRECUR.DAX, the object clipboard file and
// BonusIcons/ in the user data folder. A QX.ini standing beside the executable
// in a writable folder makes the program portable: then every file stays there.

// The shipped, read-only files.
QString ProgramDataFolder();
// Where QX.ini (and the recent-files list) is kept.
QString UserConfigFolder();
// Where the user's own files are kept (recurring dates, the object clipboard,
// bonus icon libraries). Created on first use.
QString UserDataFolder();

// True when every file is kept beside the executable (portable mode), or in
// the one folder a test set.
bool IsPortableInstall();

// The data folder; kept for the callers that look up shipped files.
QString ProgramFolder();

// Tests point every folder at one place (as in portable mode); an empty path
// restores the real ones.
void SetProgramFolderForTesting(const QString& folder);
