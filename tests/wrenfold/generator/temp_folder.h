#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace wrenfold::testing {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "wrenfold-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing "/", the way the application directory is written.
    std::string dir() const { return path_ + "/"; }

    // Writes bytes to dir() + relative, making the folders on the way.
    std::string write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path file = dir() + relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out << bytes;
        return file.string();
    }

private:
    std::string path_;
};

// The bytes of a file, or "<missing>".
inline std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace wrenfold::testing
