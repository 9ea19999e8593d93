#include "persist/Color.h"

#include <QGuiApplication>
#include <QPalette>

const TIntIdents& ColorIdents()
{
    using namespace TColors;
    static const TIntIdents table = {
        {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
        {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
        {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
        {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
        {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"},
        {clActiveCaption, "clActiveCaption"}, {clInactiveCaption, "clInactiveCaption"},
        {clMenu, "clMenu"}, {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"},
        {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"}, {clCaptionText, "clCaptionText"},
        {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
        {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"},
        {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"},
        {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
        {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
        {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
        {clInfoBk, "clInfoBk"}, {clNone, "clNone"},
    };
    return table;
}

QByteArray ColorToIdent(TColor color)
{
    for (const TIntIdent& ident : ColorIdents())
        if (ident.value == color)
            return ident.name;
    return {};
}

bool IdentToColor(const QByteArray& name, TColor& color)
{
    for (const TIntIdent& ident : ColorIdents())
        if (ident.name == name) {
            color = TColor(ident.value);
            return true;
        }
    for (const TIntIdent& ident : ColorIdents())
        if (qstricmp(ident.name.constData(), name.constData()) == 0) {
            color = TColor(ident.value);
            return true;
        }
    return false;
}

namespace {
QColor systemColor(int index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 0x00: return palette.color(QPalette::Button);           // scroll bar
    case 0x01: return palette.color(QPalette::Window);           // desktop
    case 0x02: return palette.color(QPalette::Highlight);        // active caption
    case 0x03: return palette.color(QPalette::Mid);              // inactive caption
    case 0x04: return palette.color(QPalette::Window);           // menu
    case 0x05: return palette.color(QPalette::Base);             // window
    case 0x06: return palette.color(QPalette::Shadow);           // window frame
    case 0x07: return palette.color(QPalette::WindowText);       // menu text
    case 0x08: return palette.color(QPalette::Text);             // window text
    case 0x09: return palette.color(QPalette::HighlightedText);  // caption text
    case 0x0A: return palette.color(QPalette::Button);           // active border
    case 0x0B: return palette.color(QPalette::Button);           // inactive border
    case 0x0C: return palette.color(QPalette::Dark);             // application workspace
    case 0x0D: return palette.color(QPalette::Highlight);
    case 0x0E: return palette.color(QPalette::HighlightedText);
    case 0x0F: return palette.color(QPalette::Button);           // button face
    case 0x10: return palette.color(QPalette::Dark);             // button shadow
    case 0x11: return palette.color(QPalette::Disabled, QPalette::Text);
    case 0x12: return palette.color(QPalette::ButtonText);
    case 0x13: return palette.color(QPalette::Inactive, QPalette::WindowText);
    case 0x14: return palette.color(QPalette::Light);            // button highlight
    case 0x15: return palette.color(QPalette::Shadow);           // 3D dark shadow
    case 0x16: return palette.color(QPalette::Midlight);         // 3D light
    case 0x17: return palette.color(QPalette::ToolTipText);
    case 0x18: return palette.color(QPalette::ToolTipBase);
    default: return QColor(Qt::black);
    }
}
} // namespace

QColor ToQColor(TColor color)
{
    if (color == TColors::clNone)
        return QColor(Qt::transparent);
    const quint32 value = quint32(color);
    if (value & 0x80000000u)
        return systemColor(int(value & 0xFF));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return TColor(rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16));
}
