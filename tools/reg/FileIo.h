// The files import reads and export writes, with a sentence (naming the file and the system's
// reason) on failure.
#pragma once

#include <cstddef>
#include <string>

// The largest .reg file import reads: far above any account store, small enough that reading and
// parsing it can't take the machine's memory (a file is held about three times over).
constexpr std::size_t kMaxRegFileSize = std::size_t(128) << 20;

// Refuses files larger than kMaxRegFileSize without reading them in full (/dev/zero ends, too).
bool ReadRegFile(const std::string& strPath, std::string& bytes, std::string& strError);

// What is at the path: nothing, or something export would replace (a file, or a symbolic link,
// dangling ones included). False with a sentence when export must not write there at all: the
// registry store itself or its -wal and -shm files, a folder, or a symbolic link another user made.
bool CheckExportTarget(const std::string& strPath, const std::string& strStore, bool& bTaken,
                       std::string& strError);

// Writes the whole file under a temporary name in the same folder, owner-only (0600: exports hold
// passwords), and renames it into place only when it is complete, so that a failure (a full disk)
// leaves whatever was there before. A symbolic link at the path is replaced, never written through.
bool ReplaceFile(const std::string& strPath, const std::string& bytes, std::string& strError);
