#include "app/MarginChoices.h"

#include <algorithm>

float MarginForIndex(int index)
{
    return 0.25f * float(std::clamp(index, 0, MarginChoiceCount - 1) + 1);
}

int MarginIndexFor(float inches)
{
    const double limits[] = {0.5, 0.75, 1.0, 1.25, 1.5};
    for (int index = 0; index < 5; ++index)
        if (inches < limits[index])
            return index;
    return 5;
}

QStringList MarginTexts(bool millimetres)
{
    if (millimetres)
        return {QStringLiteral("6 mm"),  QStringLiteral("13 mm"), QStringLiteral("19 mm"),
                QStringLiteral("25 mm"), QStringLiteral("32 mm"), QStringLiteral("38 mm")};
    return {QStringLiteral("\u00BC Inch"),  QStringLiteral("\u00BD Inch"),  QStringLiteral("\u00BE Inch"),
            QStringLiteral("1 Inch"),       QStringLiteral("1\u00BC Inch"), QStringLiteral("1\u00BD Inch")};
}
