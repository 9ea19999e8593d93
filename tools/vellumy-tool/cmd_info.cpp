// vellumy-tool info: reads a calendar document (or a .QXS style sheet) into a
// page as the program opens it and prints what the page then holds as one JSON
// object: the style under its property names, date, start time, title, border,
// the texts of the cells that have one and the page objects back to front.
// An object clipboard file gives its page objects alone.
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextDocument>
#include <cstdio>

#include "ObjectJson.h"
#include "ToolCommand.h"
#include "ToolPage.h"
#include "page/CalendarPanel32.h"
#include "richtext/WPRtfStorage.h"

namespace {

QString enumName(const TEnumNames& names, int value)
{
    return value >= 0 && value < names.size() ? QString::fromLatin1(names[value]) : QString::number(value);
}

// The stream's name of a colour, else $00BBGGRR as the colour would be typed.
QString colorText(TColor color)
{
    const QByteArray name = ColorToIdent(color);
    if (!name.isEmpty())
        return QString::fromLatin1(name);
    return QStringLiteral("$%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

QJsonObject fontJson(const TFont& font)
{
    QJsonArray style;
    const TEnumNames& names = TFont::StyleNames();
    for (int i = 0; i < names.size(); ++i)
        if (font.StyleBits() & (1u << i))
            style.append(QString::fromLatin1(names[i]));
    return QJsonObject{{"Name", font.Name()}, {"Size", font.Size()}, {"Style", style}, {"Color", colorText(font.Color())}};
}

// A margin as the single-precision value reads, not its binary expansion.
double inches(float value)
{
    return QString::number(value).toDouble();
}

QJsonObject pageJson(const TCalendarPanel32& page)
{
    QJsonObject json;
    json["PaperSizeA4"] = page.PaperSizeA4();
    json["CalendarOrientation"] = enumName(CalendarOrientationNames(), page.CalendarOrientation());
    json["LeftMarginInch"] = inches(page.LeftMarginInch());
    json["TopMarginInch"] = inches(page.TopMarginInch());
    json["RightMarginInch"] = inches(page.RightMarginInch());
    json["BottomMarginInch"] = inches(page.BottomMarginInch());
    json["CalendarLayout"] = enumName(CalendarLayoutNames(), page.CalendarLayout());
    json["CalendarBorder"] = enumName(CalBorderStyleNames(), page.CalendarBorder());
    json["CalendarLineLayout"] = enumName(CalendarLineLayoutNames(), page.CalendarLineLayout());
    QJsonArray months;
    for (const QString& name : page.MonthNames())
        months.append(name);
    json["MonthNames"] = months;
    QJsonArray days;
    for (const QString& name : page.DayNames())
        days.append(name);
    json["DayNames"] = days;
    json["TitleBGColor"] = colorText(page.TitleBGColor());
    json["TitleFont"] = fontJson(page.TitleFont());
    json["TitleShowYear"] = page.TitleShowYear();
    json["HeadersFont"] = fontJson(page.HeadersFont());
    json["HeadersBorder"] = enumName(CalBorderStyleNames(), page.HeadersBorder());
    json["HeadersStyle"] = enumName(CalHeadersStyleNames(), page.HeadersStyle());
    json["HeadersBGColor"] = colorText(page.HeadersBGColor());
    json["CellFont"] = fontJson(page.CellFont());
    json["CellBorder"] = enumName(CalBorderStyleNames(), page.CellBorder());
    json["MiniCalendarLineLayout"] = enumName(MiniCalendarLineLayoutNames(), page.MiniCalendarLineLayout());
    json["MiniCalBorder"] = enumName(CalBorderStyleNames(), page.MiniCalBorder());
    json["MiniCalBGColor"] = colorText(page.MiniCalBGColor());
    json["MiniShowYear"] = page.MiniShowYear();
    json["MiniTitleFont"] = fontJson(page.MiniTitleFont());
    json["MiniHeadersFont"] = fontJson(page.MiniHeadersFont());
    json["MiniHeadersBGColor"] = colorText(page.MiniHeadersBGColor());
    json["MiniHeadersStyle"] = enumName(CalHeadersStyleNames(), page.MiniHeadersStyle());
    json["MiniHeadersBorder"] = enumName(CalBorderStyleNames(), page.MiniHeadersBorder());
    json["MiniCellBorder"] = enumName(CalBorderStyleNames(), page.MiniCellBorder());
    json["MiniCellFont"] = fontJson(page.MiniCellFont());
    json["NumberPosition"] = enumName(CalendarNumberPositionNames(), page.NumberPosition());
    json["MainCalDay"] = page.MainCalDay();
    json["MainCalMonth"] = page.MainCalMonth();
    json["MainCalYear"] = page.MainCalYear();
    json["StartOfWeek"] = page.StartOfWeek();
    json["DayStartTime"] = page.DayStartTime().toString(QStringLiteral("hh:mm"));
    json["UserTitle"] = page.UserTitle();
    json["WMFBorderFile"] = page.WMFBorderFile();

    QJsonArray cells;
    for (int i = 1; i <= DayCellCount; ++i) {
        const TWPRtfStorage* storage = page.CellTexts(i);
        if (!storage || storage->IsEmpty())
            continue;
        cells.append(QJsonObject{{"index", i}, {"text", storage->RtfText().SharedDocument()->toPlainText()}});
    }
    json["cells"] = cells;

    QJsonArray objects;
    for (TGGraphicControl* object : page.PageObjects())
        objects.append(PageObjectJson(*object));
    json["objects"] = objects;
    return json;
}

int run(const QStringList& arguments)
{
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: vellumy-tool info FILE\n");
        return ToolBadUsage;
    }
    const QString& path = arguments[0];

    // An object clipboard file holds page objects only.
    if (IsClipboardFile(path)) {
        ToolPage clipboard;
        QList<TGGraphicControl*> read;
        if (!OpenToolClipboard("info", path, clipboard, read))
            return ToolFailed;
        QJsonArray objects;
        for (TGGraphicControl* object : read)
            objects.append(PageObjectJson(*object));
        QJsonObject json{{"objects", objects}};
        if (!clipboard.objectListError.isEmpty())
            json["objectsError"] = clipboard.objectListError;
        std::fputs(QJsonDocument(json).toJson(QJsonDocument::Indented).constData(), stdout);
        return ToolOk;
    }

    ToolPage opened;
    if (!OpenToolPage("info", path, opened, true))
        return ToolFailed;

    QJsonObject json = pageJson(*opened.page);
    // The program drops such objects without a word; here it is said.
    if (!opened.objectListError.isEmpty())
        json["objectListError"] = opened.objectListError;
    std::fputs(QJsonDocument(json).toJson(QJsonDocument::Indented).constData(), stdout);
    return ToolOk;
}

ToolCommandRegistration reg({"info", "FILE: what a .QXF/.QXS or an object clipboard file holds, as JSON", &run});

} // namespace
