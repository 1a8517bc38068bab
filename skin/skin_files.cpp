#include "skin/skin_files.h"

namespace au {
namespace {

class DiskFiles final : public SkinFileSource {
 public:
  bool FileExists(const std::string& path) const override { return SkinFileExists(path); }
  bool FolderExists(const std::string& path) const override { return SkinFolderExists(path); }
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) const override {
    return ReadSkinFile(path);
  }
  std::vector<std::string> ListSubFolders(const std::string& path) const override {
    return ListSkinSubFolders(path);
  }
};

}  // namespace

const SkinFileSource& DiskSkinFiles() {
  static const DiskFiles disk;
  return disk;
}

}  // namespace au
