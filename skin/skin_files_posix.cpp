// POSIX file systems distinguish case and separate with "/": every component
// of a skin path is looked up without regard to case.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "skin/ansi_text.h"
#include "skin/skin_files.h"

namespace au {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_ = -1;
};

bool PathExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::string Join(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  return folder.back() == '/' ? folder + std::string(name) : folder + "/" + std::string(name);
}

// The entry of `folder` whose name equals `name` without regard to case; of
// several, the smallest name, so the choice does not depend on listing order.
std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, std::string_view name) {
  const DirHandle dir(opendir(folder.empty() ? "." : folder.c_str()));
  if (!dir) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string_view candidate = entry->d_name;
    if (SameText(candidate, name) && (!best || candidate < *best)) best = std::string(candidate);
  }
  return best;
}

std::string NativePath(const std::string& skinPath) {
  std::string path = skinPath;
  std::replace(path.begin(), path.end(), '\\', '/');
  std::string resolved = (!path.empty() && path.front() == '/') ? "/" : "";
  const std::vector<std::string_view> components = SplitWords(path, "/");
  for (std::size_t i = 0; i < components.size(); ++i) {
    const std::string_view component = components[i];
    std::string exact = Join(resolved, component);
    if (component == "." || component == ".." || PathExists(exact)) {
      resolved = std::move(exact);
      continue;
    }
    const auto match = FindEntryIgnoringCase(resolved, component);
    if (!match) {
      // Nothing of that name: the rest cannot exist either.
      for (std::size_t j = i + 1; j < components.size(); ++j) exact = Join(exact, components[j]);
      return exact;
    }
    resolved = Join(resolved, *match);
  }
  return resolved.empty() ? "." : resolved;
}

bool HasMode(const std::string& path, mode_t kind) {
  struct stat info {};
  return stat(NativePath(path).c_str(), &info) == 0 && (info.st_mode & S_IFMT) == kind;
}

}  // namespace

bool SkinFileExists(const std::string& path) {
  return HasMode(path, S_IFREG);
}

bool SkinFolderExists(const std::string& path) {
  return HasMode(path, S_IFDIR);
}

std::optional<std::vector<std::uint8_t>> ReadSkinFile(const std::string& path,
                                                      std::size_t maxBytes) {
  // Non-blocking, so that a FIFO posing as a picture cannot stall the load;
  // the type check below refuses it.
  const FileDescriptor file(open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) return std::nullopt;
  struct stat info {};
  if (fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
      static_cast<std::uintmax_t>(info.st_size) > maxBytes)
    return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = read(file.Get(), bytes.data() + done, bytes.size() - done);
    if (got < 0) return std::nullopt;
    if (got == 0) break;  // the file shrank while we read it
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

std::vector<std::string> ListSkinSubFolders(const std::string& path) {
  std::vector<std::string> names;
  const std::string folder = NativePath(path);
  const DirHandle dir(opendir(folder.c_str()));
  if (!dir) return names;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat info {};
    if (stat(Join(folder, name).c_str(), &info) == 0 && S_ISDIR(info.st_mode))
      names.emplace_back(name);
  }
  return names;
}

}  // namespace au
