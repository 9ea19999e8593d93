#pragma once
#include <QString>

// The folder of the program file, with a trailing separator. The system's own
// files (QX.ini, Borders/, help pages, the object clipboard file) live there.
QString ProgramFolder();

// Tests point the program folder elsewhere; an empty path restores the real one.
void SetProgramFolderForTesting(const QString& folder);
