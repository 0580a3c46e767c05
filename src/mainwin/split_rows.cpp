#include "mainwin/split_rows.h"

#include <algorithm>

std::string SplitRowNumber(long rowCount)
{
    return "#" + std::to_string(rowCount + 1);
}

Rgb RowShade(bool darkTheme, Rgb listBackground)
{
    if (!darkTheme)
        return RowShadeColour;
    // A fixed step, enough to see the stripes yet far from the light text colour.
    const auto lighter = [](unsigned char channel) {
        return static_cast<unsigned char>(std::min(255, channel + 24));
    };
    return {lighter(listBackground.red), lighter(listBackground.green), lighter(listBackground.blue)};
}
