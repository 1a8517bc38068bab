// File access for skin folders. Paths are 8-bit ANSI strings built with "\"
// separators and drive letters; names inside a skin are matched without regard
// to case and with either separator, so a skin folder made on Windows loads on
// any file system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace au {

// Larger files are refused rather than read: no picture or options file of a
// skin comes near this size, and a damaged one must not exhaust memory.
inline constexpr std::size_t kMaxSkinFileBytes = std::size_t{64} << 20;

// True for an existing regular file (not a folder).
bool SkinFileExists(const std::string& path);
bool SkinFolderExists(const std::string& path);

// The whole file, or nothing when it is missing, unreadable or larger than maxBytes.
std::optional<std::vector<std::uint8_t>> ReadSkinFile(const std::string& path,
                                                      std::size_t maxBytes = kMaxSkinFileBytes);

// Names (not paths) of the folders inside `path`, without "." and "..", in
// the order the file system lists them.
std::vector<std::string> ListSkinSubFolders(const std::string& path);

}  // namespace au
