#pragma once
// Icons of 32- and 64-bit executables and libraries (.exe, .dll): the
// resource directory tree of the "PE" image, its group-icon resources in
// directory order (named ones first, then by id), each with its images.
#include "platform/IconResource.h"

// `peOffset` is where the "PE\0\0" signature stands.
QList<IconGroup> ReadPeIconGroups(const QByteArray& file, qint64 peOffset);
