#include "app/Preferences.h"

#include "app/IniFile.h"
#include "platform/ProgramFolder.h"

namespace {
const QString Zooming = QStringLiteral("Zooming");
const QString DefaultFont = QStringLiteral("Default Font");
const QString Icons = QStringLiteral("Icons");
const QString Hints = QStringLiteral("Hints");
} // namespace

TPreferences TPreferences::Defaults()
{
    TPreferences preferences;
    preferences.IconLibraryFile = ProgramFolder() + QStringLiteral("MISC1.ICL");
    return preferences;
}

TFont TPreferences::DefaultEditorFont() const
{
    const unsigned style = (FontBold ? unsigned(TFont::fsBold) : 0u) | (FontItalic ? unsigned(TFont::fsItalic) : 0u)
        | (FontUnderline ? unsigned(TFont::fsUnderline) : 0u) | (FontStrikeout ? unsigned(TFont::fsStrikeOut) : 0u);
    return TFont(FontName, FontSize, style, FontColor);
}

void TPreferences::SetDefaultEditorFont(const TFont& font)
{
    FontName = font.Name();
    FontSize = font.Size();
    FontBold = font.HasStyle(TFont::fsBold);
    FontItalic = font.HasStyle(TFont::fsItalic);
    FontUnderline = font.HasStyle(TFont::fsUnderline);
    FontStrikeout = font.HasStyle(TFont::fsStrikeOut);
    FontColor = font.Color();
}

QString IniFileName()
{
    return UserConfigFolder() + QStringLiteral("QX.ini");
}

TPreferences LoadPreferences(const QString& iniFile)
{
    const TIniFile ini(iniFile);
    TPreferences p = TPreferences::Defaults();
    p.MainZoomPercent = ini.ReadInteger(Zooming, QStringLiteral("Main"), p.MainZoomPercent);
    p.PropZoomPercent = ini.ReadInteger(Zooming, QStringLiteral("Prop"), p.PropZoomPercent);
    p.FontName = ini.ReadString(DefaultFont, QStringLiteral("Name"), p.FontName);
    p.FontSize = ini.ReadInteger(DefaultFont, QStringLiteral("Size"), p.FontSize);
    p.FontBold = ini.ReadBool(DefaultFont, QStringLiteral("Bold"), p.FontBold);
    p.FontItalic = ini.ReadBool(DefaultFont, QStringLiteral("Italic"), p.FontItalic);
    p.FontUnderline = ini.ReadBool(DefaultFont, QStringLiteral("Underline"), p.FontUnderline);
    p.FontStrikeout = ini.ReadBool(DefaultFont, QStringLiteral("Strikeout"), p.FontStrikeout);
    p.FontColor = ini.ReadInteger(DefaultFont, QStringLiteral("Color"), p.FontColor);
    p.IconLibraryFile = ini.ReadString(Icons, QStringLiteral("File"), p.IconLibraryFile);
    p.IconToolVisible = ini.ReadBool(Icons, QStringLiteral("Visible"), p.IconToolVisible);
    p.ShowHints = ini.ReadBool(Hints, QStringLiteral("On"), p.ShowHints);
    return p;
}

bool SavePreferences(const TPreferences& p, const QString& iniFile)
{
    TIniFile ini(iniFile);
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    bool ok = ini.WriteValues(Zooming, {{QStringLiteral("Main"), QString::number(p.MainZoomPercent)},
                                        {QStringLiteral("Prop"), QString::number(p.PropZoomPercent)}});
    ok = ini.WriteValues(DefaultFont, {{QStringLiteral("Name"), p.FontName},
                                       {QStringLiteral("Size"), QString::number(p.FontSize)},
                                       {QStringLiteral("Bold"), flag(p.FontBold)},
                                       {QStringLiteral("Italic"), flag(p.FontItalic)},
                                       {QStringLiteral("Underline"), flag(p.FontUnderline)},
                                       {QStringLiteral("Strikeout"), flag(p.FontStrikeout)},
                                       {QStringLiteral("Color"), QString::number(p.FontColor)}})
        && ok;
    ok = ini.WriteValues(Icons, {{QStringLiteral("Visible"), flag(p.IconToolVisible)}}) && ok;
    ok = ini.WriteValues(Hints, {{QStringLiteral("On"), flag(p.ShowHints)}}) && ok;
    ok = ini.WriteValues(Icons, {{QStringLiteral("File"), p.IconLibraryFile}}) && ok;
    return ok;
}

float ZoomPercentToFactor(int percent)
{
    if (percent < 30)
        return 0.2f;
    if (percent < 40)
        return 0.3f;
    if (percent < 50)
        return 0.4f;
    if (percent < 60)
        return 0.5f;
    if (percent < 70)
        return 0.6f;
    if (percent < 80)
        return 0.7f;
    if (percent < 90)
        return 0.8f;
    if (percent < 100)
        return 0.9f;
    return 1.0f;
}

int ZoomFactorToPercent(float factor)
{
    if (factor < 0.3f)
        return 20;
    if (factor < 0.4f)
        return 30;
    if (factor < 0.5f)
        return 40;
    if (factor < 0.6f)
        return 50;
    if (factor < 0.7f)
        return 60;
    if (factor < 0.8f)
        return 70;
    if (factor < 0.9f)
        return 80;
    if (factor < 1.0f)
        return 90;
    return 100;
}
