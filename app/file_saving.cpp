#include "app/file_saving.h"

#include "app/file_errors.h"
#include "app/text_file.h"

namespace au {
namespace {

constexpr wchar_t kReplacementSuffix[] = L".saving~";
constexpr wchar_t kBackupSuffix[] = L".backup~";
// How many names "<name><suffix>", "<name><suffix>1", … are tried.
constexpr int kSiblingNames = 100;

// A file made beside the target under a name of its own; a file that already
// has the name is never taken. Removed at the end of the scope unless kept.
class SiblingFile {
 public:
  SiblingFile(FileOperations& operations, const std::wstring& target, const wchar_t* suffix)
      : operations_(operations), file_(INVALID_HANDLE_VALUE) {
    for (int n = 0; n < kSiblingNames; ++n) {
      path_ = target + suffix + (n == 0 ? std::wstring() : std::to_wstring(n));
      file_.Reset(operations.Create(path_, GENERIC_WRITE, CREATE_NEW));
      if (file_.Valid()) return;
      const DWORD error = GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    throw EFCreateError(CreateFailure(target));
  }
  ~SiblingFile() {
    file_.Close();
    if (!kept_) DeleteFileW(path_.c_str());
  }
  SiblingFile(const SiblingFile&) = delete;
  SiblingFile& operator=(const SiblingFile&) = delete;

  const std::wstring& Path() const { return path_; }
  // Writes the bytes, flushes them to the disk and closes the file.
  void Fill(std::string_view bytes) {
    if (!operations_.Write(file_.Get(), bytes) || !operations_.Flush(file_.Get())) {
      throw EWriteError();
    }
    file_.Close();
  }
  void Close() { file_.Close(); }
  void Keep() { kept_ = true; }

 private:
  FileOperations& operations_;
  std::wstring path_;
  FileHandle file_;
  bool kept_ = false;
};

// Overwrites the open file with exactly these bytes and flushes them.
bool Rewrite(FileOperations& operations, HANDLE file, std::string_view bytes) {
  const LARGE_INTEGER start{};
  return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && operations.Write(file, bytes) &&
         SetEndOfFile(file) && operations.Flush(file);
}

// Only a plain file with this one name, all of which a new file can be given,
// is replaced by rename.
bool ReplaceableByRename(const FileOperations& operations, HANDLE file, DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file, &info) || info.nNumberOfLinks != 1) return false;
  return !operations.RenameMayLoseUnseenProperties();
}

void CreateByRename(FileOperations& operations, const std::wstring& target,
                    std::string_view bytes) {
  SiblingFile replacement(operations, target, kReplacementSuffix);
  replacement.Fill(bytes);
  if (!operations.Rename(replacement.Path(), target)) throw EFCreateError(CreateFailure(target));
  replacement.Keep();
}

void ReplaceByRename(FileOperations& operations, const std::wstring& target, std::string_view bytes,
                     DWORD attributes) {
  SiblingFile replacement(operations, target, kReplacementSuffix);
  replacement.Fill(bytes);
  // The original waits under this name until the new file has taken its place.
  SiblingFile backup(operations, target, kBackupSuffix);
  backup.Close();
  if (!operations.Replace(target, replacement.Path(), backup.Path())) {
    const std::string failure = CreateFailure(target);
    // A replacement that stopped half way may have moved the original aside.
    const bool movedAside = GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES;
    if (movedAside && !operations.Rename(backup.Path(), target)) backup.Keep();
    throw EFCreateError(failure);
  }
  replacement.Keep();
  // Not every file system carries the attributes over.
  SetFileAttributesW(target.c_str(), attributes);
}

void WriteInPlace(FileOperations& operations, HANDLE file, const std::wstring& target,
                  std::string_view bytes) {
  const std::string original = ReadWholeOpenFile(file, target);
  SiblingFile backup(operations, target, kBackupSuffix);
  backup.Fill(original);
  if (!Rewrite(operations, file, bytes)) {
    // The copy stays beside the file only when the old bytes could not be put back.
    if (!Rewrite(operations, file, original)) backup.Keep();
    throw EWriteError();
  }
}

}  // namespace

void SaveFileContents(const std::wstring& path, std::string_view bytes,
                      FileOperations& operations) {
  const std::wstring target = FullPath(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    CreateByRename(operations, target, bytes);
    return;
  }
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    throw EFCreateError(CreateFailure(path));
  }
  // Nobody else may change the file while it is being saved.
  FileHandle file(operations.Create(target, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING));
  if (!file.Valid()) throw EFCreateError(CreateFailure(path));
  if (ReplaceableByRename(operations, file.Get(), attributes)) {
    file.Close();
    ReplaceByRename(operations, target, bytes, attributes);
  } else {
    WriteInPlace(operations, file.Get(), target, bytes);
  }
}

}  // namespace au
