#include "PageOptions.h"

#include "page/CalendarPanel32.h"

const char* const PageOptionsUsage =
    "[--layout 0-21] [--month M] [--year Y] [--day D] [--a4] [--margins L,T,R,B] "
    "[--start-of-week 1|2] [--number-position center|upper-right] [--ppi N]";

int IntOptionValue(const QString& option, const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        throw UsageError{QStringLiteral("%1 needs a whole number from %2 to %3, not '%4'")
                             .arg(option).arg(low).arg(high).arg(text)};
    return value;
}

QString TakeOptionValue(const QStringList& args, int& i)
{
    if (i + 1 >= args.size())
        throw UsageError{QStringLiteral("%1 needs a value").arg(args[i])};
    return args[++i];
}

void TakeDocumentArgument(const QString& word, QString& file)
{
    if (word.startsWith(QLatin1Char('-')))
        throw UsageError{QStringLiteral("unknown option '%1'").arg(word)};
    if (!file.isEmpty())
        throw UsageError{QStringLiteral("only one document, not '%1' as well").arg(word)};
    file = word;
}

bool ParsePageOption(const QStringList& args, int& i, PageOptions& o)
{
    const QString& option = args[i];
    if (option == QLatin1String("--a4")) {
        o.a4 = true;
        return true;
    }
    static const QStringList withValue = {"--layout", "--month", "--year", "--day", "--margins",
                                          "--start-of-week", "--number-position", "--ppi"};
    if (!withValue.contains(option))
        return false;
    const QString value = TakeOptionValue(args, i);
    if (option == QLatin1String("--layout"))
        o.layout = IntOptionValue(option, value, 0, CalendarLayoutCount - 1);
    else if (option == QLatin1String("--month"))
        o.month = IntOptionValue(option, value, 1, 12);
    else if (option == QLatin1String("--year"))
        o.year = IntOptionValue(option, value, 1, 9999);
    else if (option == QLatin1String("--day"))
        o.day = IntOptionValue(option, value, 1, 31);
    else if (option == QLatin1String("--start-of-week"))
        o.startOfWeek = IntOptionValue(option, value, 1, 2);
    else if (option == QLatin1String("--ppi"))
        o.ppi = IntOptionValue(option, value, 24, 600);
    else if (option == QLatin1String("--number-position")) {
        if (value == QLatin1String("center"))
            o.numberPosition = cnpCenter;
        else if (value == QLatin1String("upper-right"))
            o.numberPosition = cnpUpperRight;
        else
            throw UsageError{QStringLiteral("--number-position is center or upper-right, not '%1'").arg(value)};
    } else if (option == QLatin1String("--margins")) {
        const QStringList parts = value.split(QLatin1Char(','));
        if (parts.size() != 4)
            throw UsageError{QStringLiteral("--margins needs four inches L,T,R,B, not '%1'").arg(value)};
        std::array<float, 4> margins{};
        for (int k = 0; k < 4; ++k) {
            bool ok = false;
            const float inches = parts[k].toFloat(&ok);
            if (!ok || !(inches >= 0.0f && inches <= 3.0f))
                throw UsageError{QStringLiteral("--margins: each margin is 0 to 3 inches, not '%1'").arg(parts[k])};
            margins[k] = inches;
        }
        o.margins = margins;
    }
    return true;
}

void ApplyPageOptions(TCalendarPanel32& page, const PageOptions& p)
{
    if (p.a4)
        page.SetPaperSizeA4(true);
    if (p.margins) {
        page.SetLeftMarginInch((*p.margins)[0]);
        page.SetTopMarginInch((*p.margins)[1]);
        page.SetRightMarginInch((*p.margins)[2]);
        page.SetBottomMarginInch((*p.margins)[3]);
    }
    if (p.startOfWeek)
        page.SetStartOfWeek(*p.startOfWeek);
    if (p.numberPosition)
        page.SetNumberPosition(*p.numberPosition);
    if (p.day)
        page.SetMainCalDay(*p.day);
    if (p.month)
        page.SetMainCalMonth(*p.month);
    if (p.year)
        page.SetMainCalYear(*p.year);
    if (p.layout) {
        page.SetCalendarLayout(TCalendarLayout(*p.layout));
        page.UpdatePageLayout(true);
    }
}
