#include "platform/WmfPicture.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>

#include "platform/Rounding.h"
#include "platform/ScreenMetrics.h"
#include "platform/WmfPlayer.h"
#include "platform/WmfRecords.h"

using namespace wmf;

namespace {

// Records that only set up state: the window extent they leave behind before
// the first drawing record is the picture's frame.
bool isSetupRecord(quint16 function)
{
    switch (function) {
    case META_SETWINDOWORG: case META_SETWINDOWEXT: case META_SETVIEWPORTORG: case META_SETVIEWPORTEXT:
    case META_OFFSETWINDOWORG: case META_SCALEWINDOWEXT: case META_OFFSETVIEWPORTORG:
    case META_SCALEVIEWPORTEXT: case META_SETMAPMODE: case META_SETBKMODE: case META_SETBKCOLOR:
    case META_SETTEXTCOLOR: case META_SETROP2: case META_SETPOLYFILLMODE: case META_SETSTRETCHBLTMODE:
    case META_SETTEXTALIGN: case META_SETTEXTCHAREXTRA: case META_SETRELABS: case META_SETMAPPERFLAGS:
    case META_SETTEXTJUSTIFICATION: case META_SETLAYOUT: case META_SAVEDC: case META_RESTOREDC:
    case META_ESCAPE: case META_SELECTOBJECT: case META_DELETEOBJECT: case META_SELECTPALETTE:
    case META_REALIZEPALETTE: case META_CREATEPALETTE: case META_CREATEPENINDIRECT:
    case META_CREATEBRUSHINDIRECT: case META_CREATEFONTINDIRECT: case META_CREATEPATTERNBRUSH:
    case META_DIBCREATEPATTERNBRUSH: case META_CREATEREGION: case META_INTERSECTCLIPRECT:
    case META_EXCLUDECLIPRECT: case META_SELECTCLIPREGION: case META_MOVETO:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TWmfPicture::fail(const QString& why)
{
    error_ = why;
    return false;
}

void TWmfPicture::Clear()
{
    data_.clear();
    records_.clear();
    error_.clear();
    bbox_ = QRect();
    inch_ = 0;
    objectCount_ = 0;
    frame_.reset();
    drawnFrame_.reset();
}

bool TWmfPicture::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    // Record sizes are 32-bit word counts, but no sane metafile comes near this.
    constexpr qint64 MaxFileSize = qint64(256) << 20;
    if (file.size() > MaxFileSize)
        return fail(QStringLiteral("%1 is too large for a metafile").arg(path));
    return LoadFromBytes(file.readAll());
}

bool TWmfPicture::LoadFromBytes(const QByteArray& bytes)
{
    error_.clear();
    const auto* d = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype pos = 0;

    QRect bbox;
    int inch = 0;
    if (size >= 22 && qFromLittleEndian<quint32>(d) == PlaceableKey) {
        const int left = qFromLittleEndian<qint16>(d + 6);
        const int top = qFromLittleEndian<qint16>(d + 8);
        const int right = qFromLittleEndian<qint16>(d + 10);
        const int bottom = qFromLittleEndian<qint16>(d + 12);
        bbox = QRect(std::min(left, right), std::min(top, bottom), std::abs(right - left), std::abs(bottom - top));
        inch = qFromLittleEndian<quint16>(d + 14);
        // The header's checksum is not checked: writers get it wrong often and
        // the records are validated one by one anyway.
        if (inch == 0)
            inch = 1440;
        pos = 22;
    }

    if (size - pos < 18)
        return fail(QStringLiteral("not a Windows metafile: the header is missing"));
    const quint16 type = qFromLittleEndian<quint16>(d + pos);
    const quint16 headerWords = qFromLittleEndian<quint16>(d + pos + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return fail(QStringLiteral("not a Windows metafile: unknown header"));
    const int objectCount = qFromLittleEndian<quint16>(d + pos + 10);
    pos += 18;

    std::vector<RecordRef> records;
    while (pos < size) {
        if (size - pos < 6) {
            // A few bytes of padding after the last record are harmless.
            bool padding = true;
            for (qsizetype i = pos; i < size; ++i)
                padding = padding && d[i] == 0;
            if (padding)
                break;
            return fail(QStringLiteral("damaged metafile: record at offset %1 is truncated").arg(pos));
        }
        const quint32 recordWords = qFromLittleEndian<quint32>(d + pos);
        const quint16 function = qFromLittleEndian<quint16>(d + pos + 4);
        if (recordWords < 3)
            return fail(QStringLiteral("damaged metafile: record at offset %1 has size %2").arg(pos).arg(recordWords));
        if (qint64(recordWords) * 2 > qint64(size - pos))
            return fail(QStringLiteral("damaged metafile: record at offset %1 runs past the end").arg(pos));
        if (function == META_EOF)
            break;
        records.push_back({function, pos + 6, qsizetype(recordWords) - 3});
        pos += qsizetype(recordWords) * 2;
    }

    Clear();
    data_ = bytes;
    records_ = std::move(records);
    bbox_ = bbox;
    inch_ = inch;
    objectCount_ = objectCount;
    scanFrame();
    return true;
}

bool TWmfPicture::SaveToFile(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(data_);
    return file.commit();
}

TWmfRecord TWmfPicture::Record(int index) const
{
    if (index < 0 || index >= RecordCount())
        return TWmfRecord(META_EOF, nullptr, 0);
    const RecordRef& ref = records_[size_t(index)];
    return TWmfRecord(ref.function, reinterpret_cast<const uchar*>(data_.constData()) + ref.offset, ref.words);
}

void TWmfPicture::scanFrame()
{
    if (inch_ > 0 && bbox_.width() > 0 && bbox_.height() > 0) {
        TWmfFrame frame;
        frame.windowOrg = bbox_.topLeft();
        frame.windowExt = QPointF(bbox_.width(), bbox_.height());
        frame.deviceRect = QRectF(0, 0, bbox_.width(), bbox_.height());
        frame.unitsPerInch = inch_;
        frame_ = frame;
        return;
    }
    // Plain metafile: the window that is set up before anything is drawn.
    int mapMode = MM_ANISOTROPIC;
    std::optional<QPointF> org;
    std::optional<QPointF> ext;
    for (int i = 0; i < RecordCount(); ++i) {
        const TWmfRecord r = Record(i);
        if (!isSetupRecord(r.function()))
            break;
        if (r.function() == META_SETMAPMODE && r.has(1))
            mapMode = r.u(0);
        else if (r.function() == META_SETWINDOWORG && r.has(2))
            org = QPointF(r.s(1), r.s(0));
        else if (r.function() == META_SETWINDOWEXT && r.has(2) && r.s(0) != 0 && r.s(1) != 0)
            ext = QPointF(r.s(1), r.s(0));
    }
    if (ext && (mapMode == MM_ANISOTROPIC || mapMode == MM_ISOTROPIC || mapMode == MM_TEXT)) {
        TWmfFrame frame;
        frame.windowOrg = org.value_or(QPointF());
        frame.windowExt = *ext;
        frame.deviceRect = QRectF(0, 0, std::abs(ext->x()), std::abs(ext->y()));
        frame_ = frame;
    }
}

TWmfFrame TWmfPicture::Frame() const
{
    if (frame_)
        return *frame_;
    if (!drawnFrame_) {
        // No header or window to go by: measure what the records draw with
        // logical units taken as device units.
        TWmfFrame identity;
        identity.deviceRect = QRectF(0, 0, 1, 1);
        TWmfFrame measured = identity;
        if (!IsEmpty()) {
            const QRectF bounds = TWmfPlayer::Measure(*this, identity);
            if (bounds.width() > 0 && bounds.height() > 0)
                measured.deviceRect = bounds;
        }
        drawnFrame_ = measured;
    }
    return *drawnFrame_;
}

int TWmfPicture::Width() const
{
    if (IsEmpty())
        return 0;
    if (inch_ > 0 && bbox_.width() > 0)
        return roundHalfEven(double(bbox_.width()) * ScreenPPI() / inch_);
    return roundHalfEven(Frame().deviceRect.width());
}

int TWmfPicture::Height() const
{
    if (IsEmpty())
        return 0;
    if (inch_ > 0 && bbox_.height() > 0)
        return roundHalfEven(double(bbox_.height()) * ScreenPPI() / inch_);
    return roundHalfEven(Frame().deviceRect.height());
}

void TWmfPicture::Draw(QPainter& painter, const QRectF& target) const
{
    if (IsEmpty() || target.isEmpty())
        return;
    TWmfPlayer player(*this, Frame(), &painter, target);
    player.Play();
}
