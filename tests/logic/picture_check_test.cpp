#include "resources/data_files.h"
#include "resources/picture_check.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace
{
void Le(std::string& s, std::size_t at, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        s[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}
void Be(std::string& s, std::size_t at, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        s[at + i] = static_cast<char>((v >> (8 * (bytes - 1 - i))) & 0xff);
}

std::string Dib(std::uint32_t w, std::int32_t h)
{
    std::string d(40, '\0');
    Le(d, 0, 40, 4);
    Le(d, 4, w, 4);
    Le(d, 8, static_cast<std::uint32_t>(h), 4);
    return d;
}

std::string Bmp(std::uint32_t w, std::int32_t h)
{
    return std::string("BM") + std::string(12, '\0') + Dib(w, h);
}

std::string Png(std::uint32_t w, std::uint32_t h)
{
    std::string p("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    p += std::string(8, '\0');
    Be(p, 16, w, 4);
    Be(p, 20, h, 4);
    return p;
}

std::string Jpeg(std::uint32_t w, std::uint32_t h)
{
    std::string j("\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20);
    std::string sof("\xff\xc0\0\x11\x08\0\0\0\0\x03", 10);
    Be(sof, 5, h, 2);
    Be(sof, 7, w, 2);
    return j + sof + std::string(20, '\0');
}

/// As some encoders write it: the quantisation and Huffman tables before the frame header. The
/// tables' bytes would read as a small, harmless size.
std::string JpegTablesFirst(std::uint32_t w, std::uint32_t h)
{
    const std::string jpeg = Jpeg(w, h);
    std::string tables("\xff\xdb\0\x07\0\0\x10\0\x10\xff\xc4\0\x07\0\0\x10\0\x10", 18);
    return jpeg.substr(0, 20) + tables + jpeg.substr(20);
}

std::string Ico(const std::vector<std::string>& images)
{
    std::string ico(6 + 16 * images.size(), '\0');
    Le(ico, 2, 1, 2);
    Le(ico, 4, static_cast<std::uint32_t>(images.size()), 2);
    for (std::size_t i = 0; i < images.size(); ++i)
    {
        Le(ico, 6 + 16 * i + 12, static_cast<std::uint32_t>(ico.size()), 4); // where it starts
        ico += images[i];
    }
    return ico;
}
std::string RefusalOf(const std::string& bytes)
{
    std::istringstream in(bytes);
    return PictureRefusal(in);
}

const char* const OwnPictures[] = {IconPicturePath,      LogoPicturePath,      DownloadPicturePath,
                                   LargeIconPicturePath, LargeLogoPicturePath, LargeDownloadPicturePath};

std::string SourcePath(const char* picture)
{
    return std::string(LAPMARK_SOURCE_DIR) + "/" + picture;
}
} // namespace

TEST(PictureCheck, OwnPicturesPass)
{
    for (const char* name : OwnPictures)
        EXPECT_EQ(PictureRefusal(SourcePath(name)), "") << name;
}

TEST(PictureCheck, SizesAreReadFromEveryFormatAndCappedAt4096)
{
    std::mt19937 random(42);
    std::string noise(4096, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    const struct
    {
        const char* name;
        std::string bytes;
        bool accepted;
    } cases[] = {
        {"bmp 4096", Bmp(4096, 4096), true},
        {"bmp top-down 4096", Bmp(4096, -4096), true},
        {"bmp 4097 wide", Bmp(4097, 16), false},
        {"bmp 60000", Bmp(60000, 60000), false},
        {"png 4096", Png(4096, 4096), true},
        {"png 60000", Png(60000, 60000), false},
        {"jpeg 4096", Jpeg(4096, 4096), true},
        {"jpeg 60000", Jpeg(60000, 60000), false},
        {"jpeg 60000 with its tables first", JpegTablesFirst(60000, 60000), false},
        {"ico small", Ico({Dib(32, 64), Png(48, 48)}), true},
        {"ico with a huge bitmap inside", Ico({Dib(16, 32), Dib(60000, 120000)}), false},
        {"ico with a huge png inside", Ico({Png(60000, 60000)}), false},
        {"ico with no images", Ico({}), false},
        {"empty", "", false},
        {"truncated bmp", Bmp(16, 16).substr(0, 20), false},
        {"truncated jpeg", Jpeg(16, 16).substr(0, 22), false},
        {"random bytes", noise, false},
    };
    for (const auto& c : cases)
    {
        TempDir dir;
        WriteWholeFile(dir.File("picture"), c.bytes);
        const std::string refusal = PictureRefusal(dir.File("picture"));
        EXPECT_EQ(refusal.empty(), c.accepted) << c.name << ": " << refusal;
    }
    EXPECT_NE(PictureRefusal("/nonexistent/picture.bmp"), "");
}

TEST(PictureCheck, WidthAndHeightAreToldApartInEveryFormat)
{
    const struct
    {
        const char* name;
        std::string bytes;
        const char* claim;
    } cases[] = {
        {"bmp wide", Bmp(5000, 16), "claims 5000 x 16 "},
        {"bmp tall", Bmp(16, 5000), "claims 16 x 5000 "},
        {"bmp tall top-down", Bmp(16, -5000), "claims 16 x 5000 "},
        {"bmp wide, its width written negative", Bmp(static_cast<std::uint32_t>(-5000), 16), "claims 5000 x 16 "},
        {"png wide", Png(5000, 16), "claims 5000 x 16 "},
        {"png tall", Png(16, 5000), "claims 16 x 5000 "},
        {"jpeg wide", Jpeg(5000, 16), "claims 5000 x 16 "},
        {"jpeg tall", Jpeg(16, 5000), "claims 16 x 5000 "},
        {"jpeg tall, tables first", JpegTablesFirst(16, 5000), "claims 16 x 5000 "},
        {"ico bitmap wide", Ico({Dib(5000, 32)}), "claims 5000 x 16 "},
        {"ico bitmap tall", Ico({Dib(16, 10000)}), "claims 16 x 5000 "},
        {"ico png wide", Ico({Png(5000, 16)}), "claims 5000 x 16 "},
        {"ico png tall", Ico({Png(16, 5000)}), "claims 16 x 5000 "},
    };
    for (const auto& c : cases)
        EXPECT_NE(RefusalOf(c.bytes).find(c.claim), std::string::npos) << c.name << ": " << RefusalOf(c.bytes);
}

// Meant for the sanitizer build, where any read past the bytes read fails the test.
TEST(PictureCheck, EveryPrefixAndThousandsOfMutatedHeadersAreReadSafely)
{
    std::mt19937 random(20261208); // fixed: the same files every run
    int accepted = 0;
    for (const char* name : OwnPictures)
    {
        SCOPED_TRACE(name);
        const std::string bytes = ReadWholeFile(SourcePath(name));
        ASSERT_GT(bytes.size(), 96u);
        for (std::size_t length = 0; length <= 96; ++length)
        {
            const std::string refusal = RefusalOf(bytes.substr(0, length));
            if (length <= 20)
            {
                EXPECT_NE(refusal, "") << "a " << length << "-byte start cannot be a whole picture";
            }
        }
        for (int i = 0; i < 1500; ++i)
        {
            std::string mutated = bytes;
            const int changes = 1 + static_cast<int>(random() % 4);
            for (int c = 0; c < changes; ++c)
                mutated[random() % 96] = static_cast<char>(random());
            if (random() % 4 == 0)
                mutated.resize(random() % mutated.size()); // cut short as well
            accepted += RefusalOf(mutated).empty() ? 1 : 0;
        }
    }
    EXPECT_GT(accepted, 0) << "some mutations leave a readable header";
}
