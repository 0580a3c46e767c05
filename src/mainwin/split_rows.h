#pragma once

#include <string>

/// The number text of the row that follows `rowCount` rows: "#1" for the first.
std::string SplitRowNumber(long rowCount);

/// Rows at even positions (#1, #3, ...) are shaded, whatever their action.
inline bool IsShadedRow(long index)
{
    return index % 2 == 0;
}

/// A colour as three 8-bit channels, free of any display.
struct Rgb
{
    unsigned char red;
    unsigned char green;
    unsigned char blue;
    bool operator==(const Rgb& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

/// The light-theme row shade.
inline constexpr Rgb RowShadeColour{242, 242, 242};

/// The shade for rows on a list with this background: light grey on a light theme, on a dark
/// theme a colour a little lighter than the background so light text stays readable.
Rgb RowShade(bool darkTheme, Rgb listBackground);
