#include "richtext/WritingAttributes.h"

const std::array<TColor, 16>& WPColorTable()
{
    using namespace TColors;
    static const std::array<TColor, 16> table = {
        clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
        clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite,
    };
    return table;
}

int WPColorTableIndex(TColor color)
{
    const auto& table = WPColorTable();
    for (int i = int(table.size()) - 1; i >= 0; --i)
        if (table[size_t(i)] == color)
            return i;
    return 0;
}
