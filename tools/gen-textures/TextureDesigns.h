#pragma once
#include <QImage>
#include <QString>
#include <QStringList>

// The textures the generator knows, by file name without extension.
QStringList TextureNames();
// A tileable texture of `size` x `size` pixels; a null image for an unknown name.
QImage DrawTexture(const QString& name, int size);
