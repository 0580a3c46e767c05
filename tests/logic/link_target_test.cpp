#include "about/link_target.h"

#include <gtest/gtest.h>

TEST(LinkTarget, PrefixChooseTheKindCaseSensitively)
{
    const struct
    {
        const char* url;
        const char* mime;
    } cases[] = {
        {"http://quillora.example/", "text/html"},
        {"https://quillora.example/", "text/html"},
        {"ftp://quillora.example/pub", "text/html"},
        {"mailto:support@quillora.example", "message/rfc822"},
        {"HTTP://quillora.example/", ""},
        {"Mailto:support@quillora.example", ""},
        {"file:///etc/passwd", ""},
        {"gopher://quillora.example/", ""},
        {"quillora.example", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinkMimeType(c.url), c.mime) << c.url;
}

TEST(LinkTarget, AddressesWithBlanksOrControlsAreRefused)
{
    EXPECT_TRUE(IsSafeLinkAddress("https://quillora.example/a?b=c&d='e'\"f\"$(g);h|i`j`"));
    EXPECT_TRUE(IsSafeLinkAddress(wxString::FromUTF8("https://例え.example/パス")));
    for (const char* hostile : {"", "http://x/ y", "http://x/\ty", "http://x/\ny", "http://x/\ry",
                                "http://x/\x01", "http://x/\x7f", "http://x/\xc2\xa0y",
                                "http://x/\xe2\x80\xa8y", "http://x/\xe2\x80\x8by", // line separator, zero width
                                "http://x/\xef\xbb\xbfy", "http://x/\xe3\x80\x80y"})   // BOM, ideographic blank
        EXPECT_FALSE(IsSafeLinkAddress(wxString::FromUTF8(hostile))) << hostile;
}

TEST(LinkTarget, TheAddressStaysOneArgumentWhateverItHolds)
{
    const wxString placeholder = LinkPlaceholder;
    // Open commands as the system's database gives them.
#ifdef __WXMSW__
    const char* templates[] = {
        "opener.exe %s", "\"C:\\Program Files\\Web\\opener.exe\" \"%s\"",
        "browser --new-window --url=%s",
    };
#else
    const char* templates[] = {
        "xdg-open %s", "xdg-open '%s'", "xdg-open \"%s\"", "browser --new-window --url=%s",
    };
#endif
    const char* addresses[] = {
        "https://quillora.example/",
        "http://x/';touch /tmp/pwned;'",
        "http://x/\";touch /tmp/pwned;\"",
        "http://x/$(touch /tmp/pwned)",
        "http://x/`touch /tmp/pwned`",
        "http://x/a|b&c>d<e",
        "mailto:a@b?subject='\\'",
    };
    for (const char* shape : templates)
    {
        wxString command = shape;
        command.Replace("%s", placeholder);
        for (const char* address : addresses)
        {
            const std::vector<wxString> args = OpenArguments(command, address);
            const size_t expected = wxString(shape).StartsWith("browser") ? 3 : 2;
            ASSERT_EQ(args.size(), expected) << shape << " / " << address;
            EXPECT_TRUE(args.back().EndsWith(address)) << args.back();
        }
    }
}

TEST(LinkTarget, EveryFileSchemeIsRemovedFromTheCommand)
{
    const std::vector<wxString> args =
        OpenArguments(wxString("opener file://") + LinkPlaceholder + " --base=file://x", "http://q/");
    ASSERT_EQ(args.size(), 3u);
    EXPECT_EQ(args[1], "http://q/");
    EXPECT_EQ(args[2], "--base=x");

    const wxString holdsOne = "https://host/go?next=file://x";
    const std::vector<wxString> kept = OpenArguments(wxString("opener file://") + LinkPlaceholder, holdsOne);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[1], holdsOne) << "the address reaches the browser unaltered";
}

TEST(LinkTarget, ACatalogsAddressIsUsedOnlyWhenSafeAndOfTheSameScheme)
{
    const struct
    {
        const char* translated;
        const char* written;
        const char* used;
    } cases[] = {
        {"https://quillora.example/ja/", "https://quillora.example/", "https://quillora.example/ja/"},
        {"mailto:ja@quillora.example", "mailto:support@quillora.example", "mailto:ja@quillora.example"},
        {"file:///etc/passwd", "https://quillora.example/", "https://quillora.example/"},
        {"javascript:alert(1)", "mailto:support@quillora.example", "mailto:support@quillora.example"},
        {"https://a.example/ x", "https://quillora.example/", "https://quillora.example/"},
        {"https:", "https://quillora.example/", "https://quillora.example/"},
        {"", "https://quillora.example/", "https://quillora.example/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckedLinkAddress(c.translated, c.written), c.used) << c.translated;
}
