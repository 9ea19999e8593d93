#include "persist/Font.h"

#include <cstdlib>

#include "persist/ClassInfo.h"

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = (long long)a * b;
    const long long half = std::llabs((long long)c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs((long long)c);
    return int(negative ? -magnitude : magnitude);
}

TFont::TFont() = default;

TFont::TFont(const QString& name, int size, unsigned style, TColor color)
    : name_(name), height_(-MulDiv(size, PixelsPerInch, 72)), style_(style), color_(color)
{
}

TFont::TFont(const TFont& other)
    : TPersistent(), name_(other.name_), height_(other.height_), style_(other.style_), color_(other.color_)
{
}

TFont& TFont::operator=(const TFont& other)
{
    Assign(other);
    return *this;
}

void TFont::SetName(const QString& name)
{
    if (name_ == name)
        return;
    name_ = name;
    changed();
}

void TFont::SetHeight(int height)
{
    if (height_ == height)
        return;
    height_ = height;
    changed();
}

int TFont::Size() const
{
    return -MulDiv(height_, 72, PixelsPerInch);
}

void TFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, PixelsPerInch, 72));
}

void TFont::SetStyleBits(unsigned style)
{
    style &= 0xF;
    if (style_ == style)
        return;
    style_ = style;
    changed();
}

void TFont::SetColor(TColor color)
{
    if (color_ == color)
        return;
    color_ = color;
    changed();
}

void TFont::Assign(const TFont& other)
{
    if (this == &other || *this == other)
        return;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    changed();
}

bool TFont::operator==(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_
        && color_ == other.color_;
}

QFont TFont::ToQFont(int pointSize, int dpi) const
{
    QFont font(name_);
    // A nameless font (a damaged file's) keeps one empty family, which
    // matches the default face: Qt's own streaming of a font, as recording a
    // drawing does, reads the first family and fails on none.
    if (name_.isEmpty())
        font.setFamilies({QString()});
    font.setPixelSize(qMax(1, MulDiv(pointSize, dpi, 72)));
    font.setBold(HasStyle(fsBold));
    font.setItalic(HasStyle(fsItalic));
    font.setUnderline(HasStyle(fsUnderline));
    font.setStrikeOut(HasStyle(fsStrikeOut));
    return font;
}

TFont TFont::WithChosen(const QFont& chosen) const
{
    TFont result(*this);
    result.SetName(chosen.family());
    if (chosen.pointSize() > 0)
        result.SetSize(chosen.pointSize());
    unsigned style = 0;
    if (chosen.bold())
        style |= fsBold;
    if (chosen.italic())
        style |= fsItalic;
    if (chosen.underline())
        style |= fsUnderline;
    if (chosen.strikeOut())
        style |= fsStrikeOut;
    result.SetStyleBits(style);
    return result;
}

const TEnumNames& TFont::StyleNames()
{
    static const TEnumNames names = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    return names;
}

const TClassInfo& TFont::StaticClassInfo()
{
    static const TClassInfo info = TClassInfoBuilder<TFont>("TFont")
        .integer("Color", &TFont::Color, &TFont::SetColor).idents(ColorIdents())
        .integer("Height", &TFont::Height, &TFont::SetHeight)
        .string("Name", &TFont::Name, &TFont::SetName)
        .integer("Size", &TFont::Size, &TFont::SetSize).notStored()
        .set("Style", &TFont::StyleBits, &TFont::SetStyleBits, TFont::StyleNames())
        .build();
    return info;
}

void TFont::changed()
{
    if (onChange_)
        onChange_();
}
