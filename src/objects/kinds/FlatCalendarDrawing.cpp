#include "objects/kinds/FlatCalendarDrawing.h"

#include <QFontMetrics>
#include <QPainter>

#include "persist/Font.h"

namespace {

TFlatNameTable table(std::initializer_list<const char16_t*> names)
{
    TFlatNameTable result;
    int i = 0;
    for (const char16_t* name : names)
        result[i++] = QString::fromUtf16(name);
    return result;
}

// The outline parts a border style asks for round the box (l, t, r, b).
void drawBorder(QPainter& painter, TFlatCalBorderStyle style, int l, int t, int r, int b)
{
    switch (style) {
    case fcbNone:
        break;
    case fcbAll: {
        const QPoint outline[] = {{l, t}, {r, t}, {r, b}, {l, b}};
        painter.drawPolygon(outline, 4);
        break;
    }
    case fcbTop:
        painter.drawLine(l, t, r, t);
        break;
    case fcbBottom:
        painter.drawLine(l, b, r, b);
        break;
    case fcbTopBottom:
        painter.drawLine(l, t, r, t);
        painter.drawLine(l, b, r, b);
        break;
    }
}

// Boxes are given as left, top, right, bottom with right and bottom excluded.
QRect box(int l, int t, int r, int b)
{
    return QRect(l, t, r - l, b - t);
}

void drawCentred(QPainter& painter, const QRect& area, const QString& text, TColor color)
{
    if (area.width() <= 0 || area.height() <= 0)
        return;
    painter.setPen(ToQColor(color));
    // Clipped to its box, one line, '&' shown as it is.
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
}

void fill(QPainter& painter, int l, int t, int r, int b, TColor color)
{
    if (r > l && b > t)
        painter.fillRect(box(l, t, r, b), ToQColor(color));
}

} // namespace

const TFlatNameTable& FlatCalendarNames(TFlatCalLanguage language)
{
    static const std::array<TFlatNameTable, 5> tables{
        table({u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
               u"October", u"November", u"December", u"Sunday", u"Monday", u"Tuesday", u"Wednesday",
               u"Thursday", u"Friday", u"Saturday"}),
        table({u"Januar", u"Februar", u"M\u00e4rz", u"April", u"Mai", u"Juni", u"Juli", u"August",
               u"September", u"Oktober", u"November", u"Dezember", u"Sonntag", u"Montag", u"Dienstag",
               u"Mittwoch", u"Donnerstag", u"Freitag ", u"Samstag"}),
        table({u"Janvier", u"F\u00e9vrier", u"Mars", u"Avril", u"Mai", u"Juin", u"Juillet", u"Ao\u00fbt",
               u"Septembre", u"Octobre", u"Novembre", u"D\u00e9cembre", u"Dimanche", u"Lundi", u"Mardi",
               u"Mercredi", u"Jeudi", u"Vendredi", u"Samedi"}),
        table({u"Gennaio", u"Febbraio", u"Marzo", u"Aprile", u"Maggio", u"Giugno", u"Luglio", u"Agosto",
               u"Settembre", u"Ottobre", u"Novembre", u"Dicembre", u"Domenica", u"Luned\u00ec",
               u"Marted\u00ec", u"Mercoled\u00ec", u"Gioved\u00ec", u"Venerd\u00ec", u"Sabato"}),
        table({u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio", u"Julio", u"Agosto",
               u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre", u"Domingo", u"Lunes", u"Martes",
               u"Mi\u00e9rcoles", u"Jueves", u"Viernes", u"S\u00e1bado"}),
    };
    const int index = int(language);
    return tables[index >= 0 && index < 5 ? index : 0];
}

bool FlatIsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int FlatDaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return days[month - 1] + (month == 2 && FlatIsLeapYear(year) ? 1 : 0);
}

int FlatDayOfWeek(int year, int month, int day)
{
    // Days since 1970-01-01 (a Thursday), in 64 bits so that any stored year
    // is safe.
    qint64 y = qint64(year) - (month <= 2 ? 1 : 0);
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yearOfEra = y - era * 400;
    const qint64 m = month;
    const qint64 dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const qint64 days = era * 146097 + dayOfEra - 719468;
    const qint64 fromThursday = ((days % 7) + 7) % 7;
    return int((fromThursday + 4) % 7) + 1;
}

int FlatFirstColumn(int year, int month, int startOfWeek)
{
    const int weekday = FlatDayOfWeek(year, month, 1);
    if (startOfWeek == 1)
        return weekday;
    return weekday == 1 ? 7 : weekday - 1;
}

QString FlatDayNameText(const QString& name, TFlatCalHeadersStyle style)
{
    switch (style) {
    case fdsFirstChar:
        return name.left(1);
    case fdsThreeChars:
        return name.left(3);
    case fdsWhole:
        break;
    }
    return name;
}

QFont TFlatFontSettings::ToQFont() const
{
    return TFont(name, size, style, color).ToQFont(size);
}

void DrawFlatMonth(QPainter& painter, const TFlatCalendarSettings& s)
{
    const int L = s.rect.left();
    const int T = s.rect.top();
    const int R0 = s.rect.x() + s.rect.width();
    const int B0 = s.rect.y() + s.rect.height();
    const int r = R0 - 1;
    const int b = B0 - 1;
    const QPen linePen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);

    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);

    if (!s.transparent)
        fill(painter, L, T, R0, B0, TColors::clWhite);

    // Title: 17 % of the height, at least one line of its font.
    const QFont titleFont = s.titleFont.ToQFont();
    painter.setFont(titleFont);
    const int titleHeight = std::max(int((b - T) * 0.17), QFontMetrics(titleFont).height());
    const int titleBottom = T + titleHeight;
    if (!s.transparent)
        fill(painter, L, T, r + 1, titleBottom, s.titleBGColor);
    QString title = s.month >= 1 && s.month <= 12 ? s.names[s.month - 1] : QString();
    if (s.showYear)
        title += QLatin1Char(' ') + QString::number(s.year);
    drawCentred(painter, box(L, T, r, titleBottom), title, s.titleFont.color);

    const int cw = (r - L) / 7;

    // Weekday row: one and a half lines of its font.
    const QFont dayNameFont = s.dayNameFont.ToQFont();
    painter.setFont(dayNameFont);
    const int rowTop = titleBottom;
    const int rowBottom = rowTop + int(1.5 * std::abs(dayNameFont.pixelSize()));
    if (!s.transparent) {
        fill(painter, L, rowTop, r, rowBottom + 1, s.dayNameBGColor);
        fill(painter, L, rowBottom, R0, B0, s.backgroundColor);
    }
    painter.setPen(linePen);
    drawBorder(painter, s.dayNameBorder, L, rowTop, r, rowBottom);
    for (int i = 0; i < 7; ++i) {
        const int weekday = s.startOfWeek == 1 ? i + 1 : (i < 6 ? i + 2 : 1);
        const int x = L + i * cw + 1;
        drawCentred(painter, box(x, rowTop, x + cw - 2, rowBottom),
                    FlatDayNameText(s.names[12 + weekday - 1], s.dayNameStyle), s.dayNameFont.color);
    }

    // Six week rows, whatever the month needs.
    painter.setFont(s.cellFont.ToQFont());
    const int gridTop = rowBottom;
    const int rh = (b - gridTop) / 6;
    painter.setPen(linePen);
    int firstLine = 0;
    int lastLine = -1;
    switch (s.cellBorder) {
    case fcbAll:
    case fcbTopBottom:
        lastLine = 6;
        break;
    case fcbTop:
        lastLine = 5;
        break;
    case fcbBottom:
        firstLine = 1;
        lastLine = 6;
        break;
    case fcbNone:
        break;
    }
    for (int k = firstLine; k <= lastLine; ++k) {
        const int y = k == 6 ? b : gridTop + k * rh;
        painter.drawLine(L, y, r, y);
    }
    if (s.cellBorder == fcbAll) {
        for (int j = 0; j <= 7; ++j) {
            const int x = j == 7 ? r : L + j * cw;
            painter.drawLine(x, gridTop, x, b);
        }
    }

    const int first = FlatFirstColumn(s.year, s.month, s.startOfWeek);
    const int days = FlatDaysInMonth(s.year, s.month);
    for (int w = 0; w < 6; ++w) {
        for (int c = 0; c < 7; ++c) {
            const int n = 7 * w + c + 2 - first;
            if (n < 1 || n > days)
                continue;
            const int x = L + c * cw;
            const int y = gridTop + w * rh;
            drawCentred(painter, box(x + 1, y + 1, x + cw - 1, y + rh), QString::number(n), s.cellFont.color);
        }
    }

    painter.setPen(linePen);
    drawBorder(painter, s.calendarBorder, L, T, r, b);
    painter.restore();
}
