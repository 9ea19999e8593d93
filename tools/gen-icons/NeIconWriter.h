#pragma once
// Writes a 16-bit NE icon library (.icl): an "MZ" stub, an "NE" header with
// no code segments, a resource table of one group icon per picture and one
// icon resource per image, and the resources at 16-byte alignment.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// One icon: the same picture at several sizes (ARGB32).
using IconPictures = QList<QImage>;

// The library's bytes; `moduleName` is written into the resident names.
QByteArray WriteNeIconLibrary(const QString& moduleName, const QList<IconPictures>& icons);

// One image as an icon resource: a 32-bit bitmap of twice the height, then
// the AND mask (set where alpha is below one half).
QByteArray IconImageResource(const QImage& picture);
