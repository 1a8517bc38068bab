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
// the order the file system lists them. Names are 8-bit like every skin path:
// under Windows in the ANSI code page, where a folder whose name the code page
// cannot spell is left out, as no path to it could be written.
std::vector<std::string> ListSkinSubFolders(const std::string& path);

// Where the loader and the manager find skin folders and their files. The
// disk is the one the program uses; a skin held in memory (a fuzzer's, say)
// takes the same road through the loader.
class SkinFileSource {
 public:
  virtual ~SkinFileSource() = default;
  virtual bool FileExists(const std::string& path) const = 0;
  virtual bool FolderExists(const std::string& path) const = 0;
  // The whole file, or nothing when it is missing, unreadable or too large.
  virtual std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) const = 0;
  virtual std::vector<std::string> ListSubFolders(const std::string& path) const = 0;
};

// The functions above.
const SkinFileSource& DiskSkinFiles();

}  // namespace au
