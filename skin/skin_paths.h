// Where skin folders and their pictures live. Paths are built with "\" and
// drive letters; a path that starts with "/" counts as absolute like one with
// a drive letter, so that native file systems work as well.
#pragma once

#include <string>
#include <string_view>

namespace au {

inline constexpr const char* kOptionsFileName = "Options.dat";

bool IsAbsoluteSkinPath(std::string_view path);

// The skins folder that `skinDirectory` names, absolute and ending in a
// separator. Relative forms ("..\x", ".\x", "x") are taken from
// `applicationFolder`, the running program's folder ending in "\".
std::string ResolveSkinsFolder(std::string_view skinDirectory, std::string_view applicationFolder);

// skinsFolder + "\" + skinName + "\": the doubled separator after the skins
// folder is harmless to every file system.
std::string SkinFolderPath(std::string_view skinsFolder, std::string_view skinName);

// An absolute name unchanged, any other appended to the skin's folder.
std::string ResolveSkinFile(std::string_view skinPath, std::string_view fileName);

}  // namespace au
