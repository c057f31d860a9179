// Whole files as bytes, for tests that plant a file or check that one was left exactly as it was.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The bytes of a file; "" for a folder or a file that isn't there.
inline std::string fileBytes(const std::string& path) {
    if (std::filesystem::is_directory(path))
        return {};
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
