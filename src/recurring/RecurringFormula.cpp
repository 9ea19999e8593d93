#include "recurring/RecurringFormula.h"

#include "platform/AnsiCodePage.h"
#include "platform/RegionalSettings.h"

namespace {

// A whole decimal number with an optional sign; no blanks, no other base.
bool parseDecimal(QStringView text, int& value)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    int sign = 1;
    if (text.front() == u'-' || text.front() == u'+') {
        sign = text.front() == u'-' ? -1 : 1;
        text = text.mid(1);
        if (text.isEmpty())
            return false;
    }
    int result = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
        result = result * 10 + (c.unicode() - u'0');
    }
    value = sign * result;
    return true;
}

bool field(const QString& formula, int position, int& value)
{
    return parseDecimal(TrimSpaces(formula.mid(position, 2)), value);
}

QString monthName(int month)
{
    return RegionalLocale().monthName(month, QLocale::LongFormat);
}

// Weekday 1 = Sunday .. 7 = Saturday, abbreviated.
QString shortDayName(int day)
{
    return RegionalLocale().dayName(day == 1 ? 7 : day - 1, QLocale::ShortFormat);
}

QString monthPart(int month)
{
    return month == 0 ? QStringLiteral("Each Month") : monthName(month);
}

} // namespace

QString PadText(const QString& text, int width)
{
    if (width <= 0)
        return QString();
    return text.size() >= width ? text.left(width) : text + QString(width - text.size(), u' ');
}

QString TrimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

QString OrdinalText(int n)
{
    static const char suffixes[] = "thstndrdthththththth";
    const int tens = (n < 0 ? -n : n) % 100;
    QString suffix;
    if (tens >= 11 && tens <= 19)
        suffix = QStringLiteral("th");
    else
        suffix = QString::fromLatin1(suffixes + 2 * (tens % 10), 2);
    return QString::number(n) + suffix;
}

QString FormatDayOfMonthFormula(int day, int month)
{
    return QStringLiteral("@%1%2").arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0'));
}

QString FormatSpecialFormula(int occurrence, int weekday, int month)
{
    return QStringLiteral("$") + PadText(QString::number(occurrence), 2) + PadText(QString::number(weekday), 2)
        + PadText(QString::number(month), 2);
}

bool ParseDayOfMonthFormula(const QString& formula, int& day, int& month)
{
    int d = 0, m = 0;
    if (!field(formula, 1, m) || !field(formula, 3, d))
        return false;
    if (m < 0 || m > 12 || d < 1 || d > 31)
        return false;
    day = d;
    month = m;
    return true;
}

bool ParseSpecialFormula(const QString& formula, int& occurrence, int& weekday, int& month)
{
    int o = 0, w = 0, m = 0;
    if (!field(formula, 1, o) || !field(formula, 3, w) || !field(formula, 5, m))
        return false;
    if (o < 0 || o > LastOccurrence || w < 0 || w > AnyWeekday || m < 0 || m > 12)
        return false;
    occurrence = o;
    weekday = w;
    month = m;
    return true;
}

QString DescribeFormula(const QString& formula)
{
    if (formula.isEmpty())
        return QString();
    switch (formula[0].unicode()) {
    case DayOfMonthKind: {
        int day = 0, month = 0;
        if (!ParseDayOfMonthFormula(formula, day, month))
            return QString();
        return OrdinalText(day) + QStringLiteral(" of ") + monthPart(month);
    }
    case SpecialKind: {
        int occurrence = 0, weekday = 0, month = 0;
        if (!ParseSpecialFormula(formula, occurrence, weekday, month))
            return QString();
        QString text = occurrence == LastOccurrence ? QStringLiteral("Last ") : OrdinalText(occurrence + 1) + u' ';
        text += weekday == AnyWeekday ? QStringLiteral("Day ") : shortDayName(weekday + 1) + QStringLiteral(" of ");
        return text + monthPart(month);
    }
    case WeekdayKind: {
        const QString digits = formula.mid(1, 9);
        QString text;
        for (int day = 1; day <= 7; ++day)
            if (digits.contains(QChar(u'0' + day)))
                text += shortDayName(day) + u',';
        text.chop(1);
        return text;
    }
    default:
        return QString();
    }
}

QString EntryEventText(const QString& line)
{
    return line.left(EventTextWidth);
}

QString EntryFormula(const QString& line)
{
    return line.mid(EventTextWidth);
}

char16_t EntryKind(const QString& line)
{
    return line.size() > EventTextWidth ? line[EventTextWidth].unicode() : 0;
}

QString EntryDisplayText(const QString& line)
{
    const char16_t kind = EntryKind(line);
    if (kind == DayOfMonthKind || kind == SpecialKind || kind == WeekdayKind)
        return TrimSpaces(EntryEventText(line)) + QStringLiteral(" (") + DescribeFormula(EntryFormula(line))
            + u')';
    return EntryEventText(line);
}

QString MakeEntryLine(const QString& eventText, const QString& formula)
{
    // The store holds single bytes: a character it cannot hold becomes one
    // '?' now, so that the formula starts at the same place once written.
    QString text = FromAnsi(ToAnsi(eventText));
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return PadText(text, EventTextWidth) + PadText(formula, FormulaWidth);
}
