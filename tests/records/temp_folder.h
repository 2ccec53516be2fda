#pragma once
// A fresh folder under the system temporary directory for one test, removed with everything in it.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace kirvos::testing {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> serial{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("kirvos-records-" + std::to_string(::getpid()) + "-" + std::to_string(stamp) + "-" +
                 std::to_string(serial++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

    // Writes content byte for byte and returns the file's path.
    std::string Write(const std::string& name, const std::string& content) const {
        std::ofstream out(File(name), std::ios::binary);
        out << content;
        return File(name);
    }

    static std::string Read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path path_;
};

}  // namespace kirvos::testing
