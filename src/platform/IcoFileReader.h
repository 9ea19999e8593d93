#pragma once
// Single-icon files (.ico): one icon made of the images the file lists.
#include "platform/IconResource.h"

// True when the file starts like an icon file (reserved 0, type 1, images).
bool LooksLikeIcoFile(const QByteArray& file);
// The file's one icon, or nothing when no listed image lies inside the file.
QList<IconGroup> ReadIcoFileGroups(const QByteArray& file);
