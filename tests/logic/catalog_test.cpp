#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
/// The string literals right after each `marker` that is not part of a longer name.
void CollectMarked(const std::string& text, const std::string& marker, std::set<std::string>& keys)
{
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1))
    {
        if (at > 0 && (std::isalnum(static_cast<unsigned char>(text[at - 1])) || text[at - 1] == '_'))
            continue;
        std::size_t i = at + marker.size();
        std::string literal;
        while (i < text.size() && text[i] != '"')
        {
            if (text[i] == '\\')
                literal += text[i++];
            literal += text[i++];
        }
        if (i < text.size())
            keys.insert(literal);
    }
}

/// Every text the sources hand to the catalog, in its escaped source form.
std::set<std::string> KeysInSources()
{
    std::set<std::string> keys;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(LAPMARK_SOURCE_DIR) / "src"))
    {
        if (!entry.is_regular_file())
            continue;
        const std::string text = ReadWholeFile(entry.path().string());
        CollectMarked(text, "_(\"", keys);
        CollectMarked(text, "wxTRANSLATE(\"", keys);
    }
    return keys;
}

/// msgid to msgstr of a .po file, both in escaped form.
std::map<std::string, std::string> Translations(const fs::path& po)
{
    std::map<std::string, std::string> table;
    std::istringstream in(ReadWholeFile(po.string()));
    std::string line, id, str, *current = nullptr;
    const auto flush = [&] {
        if (!id.empty())
            table[id] = str;
        id.clear();
        str.clear();
    };
    const auto quoted = [](const std::string& s) {
        return s.substr(s.find('"') + 1, s.rfind('"') - s.find('"') - 1);
    };
    while (std::getline(in, line))
    {
        if (line.rfind("msgid ", 0) == 0)
        {
            flush();
            id = quoted(line);
            current = &id;
        }
        else if (line.rfind("msgstr ", 0) == 0)
        {
            str = quoted(line);
            current = &str;
        }
        else if (!line.empty() && line[0] == '"' && current)
        {
            *current += quoted(line);
        }
    }
    flush();
    return table;
}
} // namespace

TEST(Catalogs, EveryKeyIsTranslatedInEveryLanguage)
{
    const std::set<std::string> keys = KeysInSources();
    ASSERT_GE(keys.size(), 29u);
    EXPECT_TRUE(keys.count("Do you want to reset?\\t")) << "the trailing tab belongs to the key";
    EXPECT_TRUE(keys.count("Uknown locale code '%s' in registry."));

    std::istringstream linguas(ReadWholeFile(std::string(LAPMARK_SOURCE_DIR) + "/po/LINGUAS"));
    int languages = 0;
    for (std::string lang; linguas >> lang; ++languages)
    {
        SCOPED_TRACE(lang);
        const auto table = Translations(fs::path(LAPMARK_SOURCE_DIR) / "po" / (lang + ".po"));
        for (const std::string& key : keys)
        {
            const auto found = table.find(key);
            ASSERT_NE(found, table.end()) << "no entry for \"" << key << "\"";
            EXPECT_FALSE(found->second.empty()) << "empty translation for \"" << key << "\"";
        }
        EXPECT_TRUE(fs::exists(fs::path(LAPMARK_BINARY_DIR) / "locales" / lang / "LC_MESSAGES" /
                               "Lapmark.mo"));
    }
    EXPECT_EQ(languages, 2);
}
