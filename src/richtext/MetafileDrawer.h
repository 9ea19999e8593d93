#pragma once
#include <QByteArray>
#include <QRectF>
#include <functional>

class QPainter;

// How rich text draws the Windows metafiles embedded in it: by default
// through the platform's metafile player; another drawer may be installed
// (an empty one restores the player). A metafile the drawer declines keeps
// its place and size and is drawn as a faint frame on screen only.
//
// `metafile` holds the bytes as RTF embeds them: a standard metafile header
// and its records, without the placeable header of .wmf files. `extent` is
// the picture's size as RTF gave it (\picw, \pich: hundredths of a
// millimetre for mapping modes 7 and 8) and `mapMode` the mapping mode of
// \wmetafileN. The drawer maps the metafile's window onto `target`.
struct TMetafilePicture {
    QByteArray metafile;
    int extentX = 0, extentY = 0;
    int mapMode = 8;
};
using TMetafileDrawer = std::function<bool(QPainter& painter, const QRectF& target, const TMetafilePicture& picture)>;

void SetRichTextMetafileDrawer(TMetafileDrawer drawer);
const TMetafileDrawer& RichTextMetafileDrawer();
