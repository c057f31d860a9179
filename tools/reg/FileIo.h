// Whole-file reads and writes with a sentence (naming the file and the system's reason) on failure.
#pragma once

#include <string>

bool ReadWholeFile(const std::string& strPath, std::string& bytes, std::string& strError);
bool WriteWholeFile(const std::string& strPath, const std::string& bytes, std::string& strError);
bool FileExists(const std::string& strPath);
