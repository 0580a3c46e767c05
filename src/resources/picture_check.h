#pragma once

#include <filesystem>
#include <istream>
#include <string>

/// Pictures wider or taller than this are refused: their pixels alone would take 64 MiB or more.
inline constexpr long MaxPictureSide = 4096;

/// Why a picture file is refused before the toolkit decodes it, or "" when it may be decoded.
/// Reads only the headers of BMP, ICO (every image in it), PNG and JPEG files; anything else, and
/// a header too short to tell, is refused, so no pixel memory is ever sized from an unchecked
/// header.
std::string PictureRefusal(const std::filesystem::path& path);

/// The same check over the picture's bytes in a stream.
std::string PictureRefusal(std::istream& in);
