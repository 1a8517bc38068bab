// skinkit check FOLDER: loads a skin folder through the program's own skin
// manager, with the program's settings, and says what the skin holds and
// every entry, key or file that the load skipped or refused, and why. The exit
// status is 0 only for a skin that loads whole.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/skin_files.h"
#include "skin/skin_manager.h"
#include "skin/skin_paths.h"
#include "tools/skinkit/commands.h"

namespace au::skinkit {
namespace {

void PrintHoldings(const TsSkinManager& manager) {
  const SkinRecords& r = manager.Records();
  std::printf("  version %s, author \"%s\", description \"%s\"\n", manager.SkinInfo().c_str(),
              r.SkinData.Author.c_str(), r.SkinData.Description.c_str());
  std::size_t ownPictures = 0;
  for (const TsMaskData& mask : r.Masks) ownPictures += mask.Image.has_value() ? 1 : 0;
  std::printf("  sections %zu, masks %zu (own pictures %zu), patterns %zu, ", r.Sections.size(),
              r.Masks.size(), ownPictures, r.Patterns.size());
  if (r.MasterBitmap.Empty()) {
    std::printf("no master bitmap\n");
  } else {
    std::printf("master bitmap %d x %d\n", r.MasterBitmap.Width(), r.MasterBitmap.Height());
  }
  std::string names;
  for (const TsGeneralData& section : r.Sections)
    names += (names.empty() ? "" : " ") + section.SectionName;
  std::printf("  sections: %s\n", names.c_str());
}

}  // namespace

int Check(int argc, char** argv) {
  if (argc != 1) {
    std::fputs("usage: skinkit check FOLDER\n", stderr);
    return 2;
  }
  std::error_code error;
  std::filesystem::path folder = std::filesystem::absolute(argv[0], error).lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();  // given with a trailing "/"
  if (error || !std::filesystem::is_directory(folder)) {
    std::fprintf(stderr, "skinkit check: %s is no folder\n", argv[0]);
    return 2;
  }
  const std::string skinsFolder = folder.parent_path().string();
  const std::string name = folder.filename().string();
  std::printf("skin folder %s\n", folder.string().c_str());
  if (!SkinFileExists(SkinFolderPath(skinsFolder, name) + kOptionsFileName)) {
    std::printf("not loaded: %s not found\n", kOptionsFileName);
    return 1;
  }

  // The program's manager with the program's settings; it has no internal
  // skin to fall back on, so what it holds afterwards came from the folder.
  TsSkinManager manager(nullptr);
  manager.SetSkinDirectory(skinsFolder);
  std::string failure;
  try {
    manager.SetSkinName(name);
  } catch (const SkinLoadError& loadError) {
    failure = loadError.what();
  }
  if (failure.empty()) PrintHoldings(manager);
  const std::vector<SkinLoadIssue>& skipped = manager.LoadReport().Skipped;
  std::printf("skipped or refused: %zu\n", skipped.size());
  for (const SkinLoadIssue& issue : skipped) std::printf("  %s\n", issue.Describe().c_str());
  if (!failure.empty()) std::printf("not loaded: %s\n", failure.c_str());
  return failure.empty() && skipped.empty() ? 0 : 1;
}

}  // namespace au::skinkit
