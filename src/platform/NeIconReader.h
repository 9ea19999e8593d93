#pragma once
// Icons of 16-bit executables and libraries (.icl, .exe, .dll): the
// resource table of the "NE" header, its group-icon resources in table order.
#include "platform/IconResource.h"

// `neOffset` is where the "NE" signature stands. A file whose table does not
// fit gives what was read before the fault (usually nothing).
QList<IconGroup> ReadNeIconGroups(const QByteArray& file, qint64 neOffset);
