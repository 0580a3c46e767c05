#include "resources/picture_check.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

/// The first `count` bytes at `offset` (fewer at the end of the file).
Bytes ReadAt(std::istream& in, std::uint64_t offset, std::size_t count)
{
    Bytes bytes(count);
    in.clear();
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

/// True when `b` holds `count` bytes from `at`: every read below is checked by it first.
bool Has(const Bytes& b, std::size_t at, std::size_t count)
{
    return at <= b.size() && count <= b.size() - at;
}

std::uint32_t Le16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t Le32(const Bytes& b, std::size_t at)
{
    return Le16(b, at) | (static_cast<std::uint32_t>(Le16(b, at + 2)) << 16);
}
std::uint32_t Be16(const Bytes& b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }
std::uint32_t Be32(const Bytes& b, std::size_t at)
{
    return (static_cast<std::uint32_t>(Be16(b, at)) << 16) | Be16(b, at + 2);
}

struct Size
{
    long width = -1; // -1: could not be told
    long height = -1;
};

Size PngSize(const Bytes& b)
{
    static const unsigned char signature[] = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
    if (!Has(b, 0, 24) || !std::equal(std::begin(signature), std::end(signature), b.begin()))
        return {};
    return {static_cast<long>(Be32(b, 16)), static_cast<long>(Be32(b, 20))};
}

/// A BITMAPINFOHEADER (or larger) at the start of `b`; heights may be negative (top-down).
Size DibSize(const Bytes& b, bool inIcon)
{
    if (!Has(b, 0, 12))
        return {};
    const std::uint32_t headerSize = Le32(b, 0);
    long width, height;
    if (headerSize == 12) // the old OS/2 header
    {
        width = static_cast<long>(Le16(b, 4));
        height = static_cast<long>(Le16(b, 6));
    }
    else
    {
        if (headerSize < 16)
            return {};
        width = static_cast<std::int32_t>(Le32(b, 4));
        height = static_cast<std::int32_t>(Le32(b, 8));
    }
    if (width < 0)
        width = -width;
    if (height < 0)
        height = -height;
    if (inIcon)
        height /= 2; // an icon's bitmap holds the mask below the colours
    return {width, height};
}

Size BmpSize(std::istream& in)
{
    const Bytes b = ReadAt(in, 14, 40);
    return DibSize(b, false);
}

Size JpegSize(std::istream& in)
{
    std::uint64_t at = 2;
    for (int markers = 0; markers < 10000; ++markers)
    {
        const Bytes m = ReadAt(in, at, 9);
        if (!Has(m, 0, 4) || m[0] != 0xff)
            return {};
        const unsigned char kind = m[1];
        if (kind == 0xff)
        {
            ++at; // fill byte
            continue;
        }
        if (kind == 0xd8 || (kind >= 0xd0 && kind <= 0xd7) || kind == 0x01)
        {
            at += 2;
            continue;
        }
        // Start-of-frame markers carry the size; C4, C8 and CC are other tables.
        if (kind >= 0xc0 && kind <= 0xcf && kind != 0xc4 && kind != 0xc8 && kind != 0xcc)
        {
            if (!Has(m, 0, 9))
                return {};
            return {static_cast<long>(Be16(m, 7)), static_cast<long>(Be16(m, 5))};
        }
        if (kind == 0xd9 || kind == 0xda)
            return {}; // image data or the end before any frame header
        at += 2 + Be16(m, 2);
    }
    return {};
}

/// The largest of the images in an icon file, each checked by its own header.
Size IcoSize(std::istream& in)
{
    const Bytes header = ReadAt(in, 0, 6);
    if (!Has(header, 0, 6))
        return {};
    const std::uint32_t count = Le16(header, 4);
    if (count == 0)
        return {};
    Size largest{0, 0};
    for (std::uint32_t i = 0; i < count; ++i)
    {
        const Bytes entry = ReadAt(in, 6 + 16 * i, 16);
        if (!Has(entry, 0, 16))
            return {};
        const Bytes image = ReadAt(in, Le32(entry, 12), 40);
        Size size = PngSize(image);
        if (size.width < 0)
            size = DibSize(image, true);
        if (size.width < 0)
            return {};
        largest.width = std::max(largest.width, size.width);
        largest.height = std::max(largest.height, size.height);
    }
    return largest;
}
} // namespace

std::string PictureRefusal(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "cannot be read";
    return PictureRefusal(in);
}

std::string PictureRefusal(std::istream& in)
{
    const Bytes start = ReadAt(in, 0, 24);
    const auto startsWith = [&start](std::initializer_list<unsigned char> magic) {
        return Has(start, 0, magic.size()) && std::equal(magic.begin(), magic.end(), start.begin());
    };
    Size size;
    if (startsWith({'B', 'M'}))
        size = BmpSize(in);
    else if (startsWith({0, 0, 1, 0}))
        size = IcoSize(in);
    else if (startsWith({0xff, 0xd8, 0xff}))
        size = JpegSize(in);
    else if (startsWith({0x89}))
        size = PngSize(start);
    else
        return "is not a BMP, ICO, PNG or JPEG picture";
    if (size.width <= 0 || size.height <= 0)
        return "is damaged: its size cannot be read";
    if (size.width > MaxPictureSide || size.height > MaxPictureSide)
        return "claims " + std::to_string(size.width) + " x " + std::to_string(size.height) +
               " pixels, more than " + std::to_string(MaxPictureSide) + " x " +
               std::to_string(MaxPictureSide);
    return std::string();
}
