#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

/// A fresh directory below the system's temporary folder, removed with everything in it.
class TempDir
{
public:
    TempDir()
    {
        std::random_device random;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        do
            m_path = base / ("lapmark-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(m_path)); // false: the name was taken
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

/// The whole content of a file ("" when it cannot be read).
inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// Replaces a file's content.
inline void WriteWholeFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}
