#include "project/data_path.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace kirvos {

bool ProgramFolder(std::string_view programPath, std::string& folder) {
    const std::size_t last = programPath.find_last_of("/\\");
    if (last == std::string_view::npos) return false;
    folder.assign(programPath.substr(0, last));
    return true;
}

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::string DataFilePath(std::string_view programPath, std::string_view name) {
    std::string path;
    if (!ProgramFolder(programPath, path)) return {};
    // Every part must be a bare name, so the result never leaves the program folder.
    std::size_t start = 0;
    while (true) {
        const std::size_t end = name.find_first_of("/\\", start);
        const std::string_view part =
            end == std::string_view::npos ? name.substr(start) : name.substr(start, end - start);
        if (!IsPlainFileName(part)) return {};
        path += '/';
        path += part;
        if (end == std::string_view::npos) return path;
        start = end + 1;
    }
}

bool DataFileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool DataFileWritable(const std::string& path) {
    if (!DataFileExists(path)) return false;
    std::ofstream probe(path, std::ios::out | std::ios::app);
    return probe.is_open();
}

}  // namespace kirvos
