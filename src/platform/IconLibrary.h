#pragma once
// The icons of a file: icon libraries (.icl and Norton's .nil, both 16-bit NE
// files of icon resources), 16-bit NE and 32/64-bit PE programs and
// libraries (.exe, .dll), and single-icon files (.ico). The kind is told by
// the file's content, not its name; a file of any other kind holds no icons.
//
// Each icon is one group of images; the one closest to the system icon size,
// at the deepest colour depth among those, is the icon. Every offset, count
// and size is checked against the file before use.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include "platform/IconResource.h"

class TIconLibrary {
public:
    TIconLibrary() = default;
    static TIconLibrary FromData(const QByteArray& bytes);
    // A missing or unreadable file holds no icons.
    static TIconLibrary FromFile(const QString& path);

    int Count() const { return int(groups_.size()); }
    // Icon `index` (from 0) at the system icon size, the mask's holes
    // transparent; a null image for an index out of range or a picture that
    // does not decode.
    QImage Icon(int index) const;
    // The image of icon `index` that best fits `side`, at its own size.
    QImage Image(int index, int side) const;

    // Files larger than this are not read (no icon library comes near it).
    static constexpr qint64 MaxFileSize = 256 * 1024 * 1024;

private:
    QByteArray bytes_;
    QList<IconGroup> groups_;
};

// The square side of the system's icons: 32 pixels at 96 pixels per inch,
// growing with the screen's resolution.
int SystemIconSize();

// The two operations of the platform's icon extraction: the number of icons
// in a file, and one of them.
int ExtractIconCount(const QString& path);
QImage ExtractIcon(const QString& path, int index);

// `path` as it stands on disk when only the case of its file name differs
// ("Misc1.icl" finds misc1.icl); `path` itself when nothing matches.
QString FileNameIgnoringCase(const QString& path);
