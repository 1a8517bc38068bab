// skinkit check FOLDER: loads a skin folder through the program's own skin
// manager, with the program's settings, and says what the skin holds and
// every entry, key or file that the load skipped or refused, and why. The exit
// status is 0 only for a skin that loads whole.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "skin/skin_files.h"
#include "skin/skin_manager.h"
#include "skin/skin_paths.h"
#include "tools/skinkit/commands.h"

namespace au::kit {
namespace {

void PrintHoldings(const TsSkinManager& manager, std::ostream& out) {
  const SkinRecords& r = manager.Records();
  out << "  version " << manager.SkinInfo() << ", author \"" << r.SkinData.Author
      << "\", description \"" << r.SkinData.Description << "\"\n";
  std::size_t ownPictures = 0;
  for (const TsMaskData& mask : r.Masks) ownPictures += mask.Image.has_value() ? 1 : 0;
  out << "  sections " << r.Sections.size() << ", masks " << r.Masks.size() << " (own pictures "
      << ownPictures << "), patterns " << r.Patterns.size() << ", ";
  if (r.MasterBitmap.Empty()) {
    out << "no master bitmap\n";
  } else {
    out << "master bitmap " << r.MasterBitmap.Width() << " x " << r.MasterBitmap.Height() << "\n";
  }
  std::string names;
  for (const TsGeneralData& section : r.Sections)
    names += (names.empty() ? "" : " ") + section.SectionName;
  out << "  sections: " << names << "\n";
}

}  // namespace

int CheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: skinkit check FOLDER\n";
    return 2;
  }
  std::error_code error;
  std::filesystem::path folder = std::filesystem::absolute(args[0], error).lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();  // given with a trailing "/"
  if (error || !std::filesystem::is_directory(folder)) {
    err << "skinkit check: " << args[0] << " is no folder\n";
    return 2;
  }
  const std::string skinsFolder = folder.parent_path().string();
  const std::string name = folder.filename().string();
  out << "skin folder " << folder.string() << "\n";
  if (!SkinFileExists(SkinFolderPath(skinsFolder, name) + kOptionsFileName)) {
    out << "not loaded: " << kOptionsFileName << " not found\n";
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
  if (failure.empty()) PrintHoldings(manager, out);
  const std::vector<SkinLoadIssue>& skipped = manager.LoadReport().Skipped;
  out << "skipped or refused: " << skipped.size() << "\n";
  for (const SkinLoadIssue& issue : skipped) out << "  " << issue.Describe() << "\n";
  if (!failure.empty()) out << "not loaded: " << failure << "\n";
  return failure.empty() && skipped.empty() ? 0 : 1;
}

}  // namespace au::kit
