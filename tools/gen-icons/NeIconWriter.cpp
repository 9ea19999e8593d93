#include "NeIconWriter.h"

#include <QtEndian>

namespace {

constexpr int NeOffset = 0x80;
constexpr int NeHeaderSize = 0x40;
constexpr int AlignShift = 4;  // resources start on 16-byte boundaries
constexpr quint16 ResourceFlags = 0x1c30;  // moveable, pure, discardable
constexpr quint16 IntegerId = 0x8000;

class Bytes {
public:
    void u8(int v) { data.append(char(v)); }
    void u16(int v)
    {
        char b[2];
        qToLittleEndian<quint16>(quint16(v), b);
        data.append(b, 2);
    }
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        data.append(b, 4);
    }
    void text(const QByteArray& t)
    {
        u8(int(t.size()));
        data.append(t);
    }
    void putU16(int at, int v) { qToLittleEndian<quint16>(quint16(v), data.data() + at); }
    void putU32(int at, quint32 v) { qToLittleEndian<quint32>(v, data.data() + at); }
    void padTo(int alignment)
    {
        while (data.size() % alignment)
            data.append('\0');
    }
    int size() const { return int(data.size()); }
    QByteArray data;
};

} // namespace

QByteArray IconImageResource(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = (w + 31) / 32 * 4;
    Bytes out;
    out.u32(40);
    out.u32(quint32(w));
    out.u32(quint32(2 * h));
    out.u16(1);
    out.u16(32);
    out.u32(0);
    out.u32(quint32(w * h * 4 + maskStride * h));
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            // Fully transparent pixels are stored black, as icon editors do.
            const QRgb p = qAlpha(line[x]) ? line[x] : 0;
            out.u8(qBlue(p));
            out.u8(qGreen(p));
            out.u8(qRed(p));
            out.u8(qAlpha(p));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < 128)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        }
        out.data.append(row);
    }
    return out.data;
}

QByteArray WriteNeIconLibrary(const QString& moduleName, const QList<IconPictures>& icons)
{
    // Resources: every image, then every group directory naming its images.
    QList<QByteArray> images;
    QList<QByteArray> groups;
    for (const IconPictures& icon : icons) {
        Bytes group;
        group.u16(0);
        group.u16(1);
        group.u16(int(icon.size()));
        for (const QImage& picture : icon) {
            const QByteArray image = IconImageResource(picture);
            images.append(image);
            group.u8(picture.width() >= 256 ? 0 : picture.width());
            group.u8(picture.height() >= 256 ? 0 : picture.height());
            group.u8(0);
            group.u8(0);
            group.u16(1);
            group.u16(32);
            group.u32(quint32(image.size()));
            group.u16(int(images.size()));  // icon ids count from 1
        }
        groups.append(group.data);
    }

    Bytes file;
    // "MZ" header: only the signature and the new header's offset matter.
    file.data = QByteArray(NeOffset, '\0');
    file.putU16(0, 0x5a4d);
    file.putU16(0x18, 0x40);
    file.putU32(0x3c, NeOffset);

    // The NE header; table offsets are filled in once the tables are laid out.
    Bytes ne;
    ne.data = QByteArray(NeHeaderSize, '\0');
    ne.data[0] = 'N';
    ne.data[1] = 'E';
    ne.data[2] = 5;
    ne.data[3] = 10;
    ne.putU16(0x0c, 0x8000);       // a library
    ne.putU16(0x22, NeHeaderSize);  // segment table (empty)
    ne.putU16(0x24, NeHeaderSize);  // resource table
    ne.putU16(0x32, AlignShift);
    ne.data[0x36] = 2;              // for Windows
    ne.putU16(0x3e, 0x030a);

    // Resource table, with placeholders for the positions.
    Bytes table;
    table.u16(AlignShift);
    QList<int> placeholders;
    auto typeInfo = [&](int type, const QList<QByteArray>& resources) {
        table.u16(IntegerId | type);
        table.u16(int(resources.size()));
        table.u32(0);
        for (int i = 0; i < resources.size(); ++i) {
            placeholders.append(table.size());
            table.u16(0);
            table.u16(0);
            table.u16(ResourceFlags);
            table.u16(IntegerId | (i + 1));
            table.u16(0);
            table.u16(0);
        }
    };
    typeInfo(3, images);
    typeInfo(14, groups);
    table.u16(0);
    table.u8(0);  // no resource names

    const int resident = NeHeaderSize + table.size();
    Bytes names;
    names.text(moduleName.toUpper().toLatin1());
    names.u16(0);
    names.u8(0);
    const int moduleRefs = resident + names.size();
    const int imported = moduleRefs;
    names.u8(0);  // imported names: one empty entry
    const int entries = resident + names.size();
    names.u8(0);  // entry table: no bundles
    names.u8(0);
    const int entryLength = 2;
    const int nonResident = NeOffset + entries + entryLength;
    Bytes description;
    description.text(QByteArray("Vellumy icons: ") + moduleName.toLatin1());
    description.u16(0);
    description.u8(0);

    ne.putU16(0x04, entries);
    ne.putU16(0x06, entryLength);
    ne.putU16(0x20, description.size());
    ne.putU16(0x26, resident);
    ne.putU16(0x28, moduleRefs);
    ne.putU16(0x2a, imported);
    ne.putU32(0x2c, quint32(nonResident));

    file.data.append(ne.data);
    file.data.append(table.data);
    file.data.append(names.data);
    file.data.append(description.data);

    QList<QByteArray> resources = images;
    resources.append(groups);
    for (int i = 0; i < resources.size(); ++i) {
        file.padTo(1 << AlignShift);
        const int at = placeholders[i];
        const int units = (int(resources[i].size()) + (1 << AlignShift) - 1) >> AlignShift;
        table.putU16(at, file.size() >> AlignShift);
        table.putU16(at + 2, units);
        file.data.append(resources[i]);
    }
    file.padTo(1 << AlignShift);
    // The table's positions are known now.
    file.data.replace(NeOffset + NeHeaderSize, table.size(), table.data);
    return file.data;
}
