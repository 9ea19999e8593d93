#include "recurring/RecurringStore.h"

#include <QFile>
#include <QSaveFile>

#include "platform/AnsiCodePage.h"
#include "platform/ProgramFolder.h"
#include "recurring/RecurringFormula.h"

namespace {

bool readFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool containsCaseless(const QStringList& lines, const QString& line)
{
    for (const QString& existing : lines)
        if (existing.compare(line, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QString RecurringDatesPath()
{
    return UserDataFolder() + QStringLiteral("QXRECUR.DAX");
}

QString OldRecurringDatesPath()
{
    return UserDataFolder() + QStringLiteral("QXRECUR.DAT");
}

QStringList ParseRecurringDates(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines.append(FromAnsi(QByteArrayView(bytes.constData() + start, stop - start)));
        start = end + 1;
    }
    return lines;
}

QByteArray FormatRecurringDates(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += ToAnsi(line);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList LoadRecurringDates(const QString& path)
{
    QByteArray bytes;
    if (!readFile(path, bytes))
        return QStringList();
    return ParseRecurringDates(bytes);
}

bool SaveRecurringDates(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = FormatRecurringDates(lines);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString ConvertOldRecurringLine(const QString& line)
{
    return PadText(line.mid(4, 150), EventTextWidth) + DayOfMonthKind + PadText(line.left(4), FormulaWidth);
}

bool ConvertOldRecurringFile()
{
    const QString oldPath = OldRecurringDatesPath();
    QByteArray bytes;
    if (!QFile::exists(oldPath) || !readFile(oldPath, bytes))
        return false;
    // Entries made since are kept: the old ones are added to them.
    const QString path = RecurringDatesPath();
    QStringList lines = LoadRecurringDates(path);
    for (const QString& old : ParseRecurringDates(bytes)) {
        if (TrimSpaces(old).isEmpty())
            continue;
        const QString converted = ConvertOldRecurringLine(old);
        if (!containsCaseless(lines, converted))
            lines.append(converted);
    }
    if (!SaveRecurringDates(path, lines))
        return false;
    QFile::remove(oldPath);
    return true;
}

QStringList BuiltInHolidays()
{
    struct Holiday {
        const char* name;
        const char* formula;
    };
    // Daylight saving time follows the rules in force since 2007.
    static const Holiday holidays[] = {
        {"April Fools's Day", "@0401"},
        {"Armed Forces Day", "$2 6 5 "},
        {"Christmas Day", "@1225"},
        {"Daylight Savings time begins", "$1 0 3 "},
        {"Daylight Savings Time ends", "$0 0 11"},
        {"Easter", "#EASTER"},
        {"Father's Day", "$2 0 6 "},
        {"Flag Day", "@0614"},
        {"Good Friday", "#GOODFRIDAY"},
        {"Groundhog Day", "@0202"},
        {"Halloween", "@1031"},
        {"Independence Day", "@0704"},
        {"Labor Day", "$0 1 9 "},
        {"Lincoln's Birthday", "@0212"},
        {"Martin Luther King Day", "$2 1 1 "},
        {"Memorial Day", "$5 1 5 "},
        {"Mother's Day", "$1 0 5 "},
        {"New Year's Day", "@0101"},
        {"Palm Sunday", "#PALMSUNDAY"},
        {"President's Day", "$2 1 2 "},
        {"St. Patrick's Day", "@0317"},
        {"Thanksgiving Day", "$3 4 11"},
        {"United Nations Day", "@1024"},
        {"Valentine's Day", "@0214"},
        {"Veterans Day", "@1111"},
        {"Washington's Birthday", "@0222"},
    };
    QStringList lines;
    for (const Holiday& holiday : holidays) {
        const QString formula = QString::fromLatin1(holiday.formula);
        // Feasts keep their formula unpadded.
        lines.append(formula.startsWith(FeastKind)
                         ? PadText(QString::fromLatin1(holiday.name), EventTextWidth) + formula
                         : MakeEntryLine(QString::fromLatin1(holiday.name), formula));
    }
    return lines;
}
