#pragma once
// What the document tests share: a byte builder that lays out documents and
// style sheets by hand (independent of the program's writer), the values of a
// distinctive style block, and a page-object kind registered for the tests.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

#include "objects/GGraphicControl.h"
#include "persist/ClassInfo.h"
#include "persist/Color.h"

namespace doctest {

// Object-stream values, little-endian, text in Latin-1 (the tests use ASCII
// and Latin-1 letters only).
class Bytes {
public:
    Bytes& listBegin() { return tag(1); }
    Bytes& listEnd() { return tag(0); }
    Bytes& integer(qint64 v)
    {
        if (v >= -128 && v <= 127)
            return tag(2).raw(v, 1);
        if (v >= -32768 && v <= 32767)
            return tag(3).raw(v, 2);
        return tag(4).raw(v, 4);
    }
    Bytes& int32(qint64 v) { return tag(4).raw(v, 4); }
    Bytes& string(const QString& s)
    {
        const QByteArray b = s.toLatin1();
        if (b.size() < 256)
            return tag(6).shortStr(b);
        tag(12).raw(b.size(), 4);
        data_ += b;
        return *this;
    }
    Bytes& boolean(bool v) { return tag(v ? 9 : 8); }
    Bytes& ident(const QByteArray& name) { return tag(7).shortStr(name); }
    Bytes& binary(const QByteArray& b)
    {
        tag(10).raw(b.size(), 4);
        data_ += b;
        return *this;
    }
    Bytes& shortStr(const QByteArray& b)
    {
        data_ += char(b.size());
        data_ += b;
        return *this;
    }
    Bytes& tag(int t)
    {
        data_ += char(t);
        return *this;
    }
    Bytes& raw(qint64 v, int size)
    {
        for (int i = 0; i < size; ++i)
            data_ += char((quint64(v) >> (8 * i)) & 0xFF);
        return *this;
    }
    Bytes& append(const QByteArray& b)
    {
        data_ += b;
        return *this;
    }
    // A cell-storage record: no name, and the RTF with four zero bytes when
    // there is a text.
    Bytes& cellRecord(const QByteArray& rtf = QByteArray())
    {
        data_ += "TPF0";
        shortStr("TWPRtfStorage").shortStr("");
        if (!rtf.isEmpty())
            shortStr("RtfText.Data").binary(rtf + QByteArray(4, '\0'));
        return tag(0).tag(0);
    }
    const QByteArray& data() const { return data_; }
    int size() const { return int(data_.size()); }

private:
    QByteArray data_;
};

struct FontValues {
    QString name;
    int size;
    bool bold, italic, underline, strikeOut;
    TColor color;
};

// A style block in which every value differs from a new page's.
struct StyleValues {
    int paperSizeA4 = 1;
    int orientation = 1;
    std::array<int, 4> margins{33, 75, 120, 7};  // hundredths: left, top, right, bottom
    int layout = 7;          // loFC12AfterLS
    int calendarBorder = 4;  // cbTopBottom
    int lineLayout = 2;      // llCellsOnly (the borders below do not follow it)
    QStringList monthNames{"Janvier", "Février", "Mars", "Avril", "Mai", "Juin",
                           "Juillet", "Août", "Septembre", "Octobre", "Novembre", "Décembre"};
    QStringList dayNames{"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"};
    TColor titleBGColor = 0x00C0FFEE;
    FontValues titleFont{"Arial", 31, false, true, true, false, TColors::clNavy};
    bool titleShowYear = false;
    FontValues headersFont{"Courier New", 12, true, false, false, true, TColors::clBtnText};
    int headersBorder = 2;   // cbTop
    int headersStyle = 2;    // dsWhole
    TColor headersBGColor = TColors::clInfoBk;
    FontValues cellFont{"Liberation Serif", 20, true, true, true, true, 0x123456};
    int cellBorder = 3;      // cbBottom
    int miniLineLayout = 2;  // mllMinimal
    int miniCalBorder = 0;   // cbNone
    TColor miniCalBGColor = TColors::clSilver;
    bool miniShowYear = false;
    FontValues miniTitleFont{"Arial", 9, false, false, true, false, TColors::clRed};
    FontValues miniHeadersFont{"Times New Roman", 7, true, true, false, false, TColors::clGreen};
    TColor miniHeadersBGColor = TColors::clYellow;
    int miniHeadersStyle = 1;   // dsThreeChars
    int miniHeadersBorder = 1;  // cbAll
    int miniCellBorder = 4;     // cbTopBottom
    FontValues miniCellFont{"Courier New", 5, false, true, false, true, TColors::clPurple};
    int numberPosition = 0;     // cnpCenter
};

inline void appendFont(Bytes& b, const FontValues& f)
{
    b.string(f.name).integer(f.size).boolean(f.bold).boolean(f.italic).boolean(f.underline).boolean(f.strikeOut);
    b.integer(f.color);
}

inline void appendStyleBlock(Bytes& b, const StyleValues& s)
{
    b.integer(s.paperSizeA4).integer(s.orientation);
    for (int m : s.margins)
        b.integer(m);
    b.integer(s.layout).integer(s.calendarBorder).integer(s.lineLayout);
    for (const QString& name : s.monthNames)
        b.string(name);
    for (const QString& name : s.dayNames)
        b.string(name);
    b.integer(s.titleBGColor);
    appendFont(b, s.titleFont);
    b.boolean(s.titleShowYear);
    appendFont(b, s.headersFont);
    b.integer(s.headersBorder).integer(s.headersStyle).integer(s.headersBGColor);
    appendFont(b, s.cellFont);
    b.integer(s.cellBorder).integer(s.miniLineLayout).integer(s.miniCalBorder).integer(s.miniCalBGColor);
    b.boolean(s.miniShowYear);
    appendFont(b, s.miniTitleFont);
    appendFont(b, s.miniHeadersFont);
    b.integer(s.miniHeadersBGColor).integer(s.miniHeadersStyle).integer(s.miniHeadersBorder);
    b.integer(s.miniCellBorder);
    appendFont(b, s.miniCellFont);
    b.integer(s.numberPosition);
}

// A small RTF text with the given words.
inline QByteArray rtfText(const QByteArray& words)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 " + words + "\\par}";
}

// A page-object kind for the tests: a caption, a level and an event.
class TDocTestShape : public TGGraphicControl {
public:
    TDocTestShape(TComponent* owner, QWidget* parent) : TGGraphicControl(owner, parent) {}

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    int Level() const { return level_; }
    void SetLevel(int level) { level_ = level; }
    QString OnActivateName() const { return onActivate_; }
    void SetOnActivate(const QString& method, TComponent*) { onActivate_ = method; }
    int LoadedCount() const { return loadedCount_; }
    void Loaded() override
    {
        TGGraphicControl::Loaded();
        ++loadedCount_;
    }

    static const TClassInfo& StaticClassInfo()
    {
        using T = TDocTestShape;
        static const TClassInfo info =
            TClassInfoBuilder<T>("TDocTestShape", &TGGraphicControl::StaticClassInfo())
                .string("Caption", &T::Caption, &T::SetCaption)
                .integer("Level", &T::Level, &T::SetLevel).defaultValue(0)
                .event("OnActivate", &T::OnActivateName, &T::SetOnActivate)
                .factory([](TComponent* owner, QWidget* parent) -> TComponent* { return new T(owner, parent); })
                .build();
        return info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

    static void Register() { RegisterClass(StaticClassInfo()); }

private:
    QString caption_;
    int level_ = 0;
    QString onActivate_;
    int loadedCount_ = 0;
};

// A test shape's record as the stream holds it.
inline void appendShapeRecord(Bytes& b, const QByteArray& name, int left, int top, int width, int height,
                              const QString& caption, const QByteArray& onActivate = QByteArray())
{
    b.append("TPF0").shortStr("TDocTestShape").shortStr(name);
    b.shortStr("Left").integer(left).shortStr("Top").integer(top);
    b.shortStr("Width").integer(width).shortStr("Height").integer(height);
    b.shortStr("Locked").boolean(false).shortStr("Unselectable").boolean(false);
    b.shortStr("Caption").string(caption);
    if (!onActivate.isEmpty())
        b.shortStr("OnActivate").ident(onActivate);
    b.tag(0).tag(0);
}

} // namespace doctest
