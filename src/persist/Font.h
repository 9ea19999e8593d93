#pragma once
#include <QFont>
#include <QString>
#include <functional>

#include "persist/Color.h"
#include "persist/Persistent.h"

// A font as the program stores and compares it: name, size (in points, or
// height in pixels at 96 per inch), style set and colour. Every change of an
// attribute calls the change callback (the page repaints on it).
//
// Published as Color, Height, Name, Size (never stored), Style (always
// written, also when empty).
class TFont : public TPersistent {
public:
    enum Style : unsigned { fsBold = 1u << 0, fsItalic = 1u << 1, fsUnderline = 1u << 2, fsStrikeOut = 1u << 3 };

    // Pixels per inch that Height and Size convert with (a 16-point font is 21
    // pixels high).
    static constexpr int PixelsPerInch = 96;

    TFont();
    TFont(const QString& name, int size, unsigned style = 0, TColor color = TColors::clBlack);
    TFont(const TFont& other);
    TFont& operator=(const TFont& other); // attributes only; one change call

    QString Name() const { return name_; }
    void SetName(const QString& name);
    // Height in pixels; negative values give the character height (as stored).
    int Height() const { return height_; }
    void SetHeight(int height);
    // Size in points: -Height * 72 / 96, rounded (MulDiv).
    int Size() const;
    void SetSize(int points);
    unsigned StyleBits() const { return style_; }
    void SetStyleBits(unsigned style);
    bool HasStyle(Style s) const { return (style_ & s) != 0; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // Copies every attribute of another font (one change call when any differs).
    void Assign(const TFont& other);
    // Name, size, style and colour all equal.
    bool operator==(const TFont& other) const;

    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    // A QFont for drawing at `pointSize` points on a device of `dpi` dots per
    // inch: the pixel size is MulDiv(pointSize, dpi, 72), as the page measures.
    QFont ToQFont(int pointSize, int dpi = PixelsPerInch) const;
    QFont ToQFont() const { return ToQFont(Size()); }
    // This font changed to the family, point size (when it has one) and
    // styles of a font picked in a font dialog; the colour stays.
    TFont WithChosen(const QFont& chosen) const;

    static const TEnumNames& StyleNames();
    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

private:
    void changed();

    QString name_ = QStringLiteral("MS Sans Serif");
    int height_ = -11;
    unsigned style_ = 0;
    TColor color_ = TColors::clWindowText;
    std::function<void()> onChange_;
};

// Windows' MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c);
