#include "skin/skin_paths.h"

#include <algorithm>

namespace au {

bool IsAbsoluteSkinPath(std::string_view path) {
  return path.find(':') != std::string_view::npos || (!path.empty() && path.front() == '/');
}

std::string ResolveSkinsFolder(std::string_view skinDirectory, std::string_view applicationFolder) {
  std::string path;
  if (skinDirectory.substr(0, 2) == "..") {
    // One level up from the program's folder: drop its trailing separator,
    // then everything after the separator before it.
    std::string_view base = applicationFolder;
    if (!base.empty()) base.remove_suffix(1);
    while (!base.empty() && base.back() != '\\' && base.back() != '/') base.remove_suffix(1);
    path = std::string(base) +
           std::string(skinDirectory.substr(std::min<std::size_t>(3, skinDirectory.size())));
  } else if (skinDirectory.substr(0, 2) == ".\\" || skinDirectory.substr(0, 2) == "./") {
    path = std::string(applicationFolder) + std::string(skinDirectory.substr(2));
  } else if (!IsAbsoluteSkinPath(skinDirectory)) {
    path = std::string(applicationFolder) + std::string(skinDirectory);
  } else {
    path = std::string(skinDirectory);
  }

  if (!path.empty() && path.back() == '\\') return path;
  if (!path.empty() && path.back() == '/') {
    path.back() = '\\';
  } else {
    path += path.size() == 1 ? ":\\" : "\\";
  }
  return path;
}

std::string SkinFolderPath(std::string_view skinsFolder, std::string_view skinName) {
  std::string folder(skinsFolder);
  folder += '\\';
  folder += skinName;
  folder += '\\';
  return folder;
}

std::string ResolveSkinFile(std::string_view skinPath, std::string_view fileName) {
  if (IsAbsoluteSkinPath(fileName)) return std::string(fileName);
  return std::string(skinPath) + std::string(fileName);
}

}  // namespace au
