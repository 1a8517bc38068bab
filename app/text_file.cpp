#include "app/text_file.h"

#include <vector>

#include "ui/wide_text.h"

namespace au {
namespace {

// Closes a file handle at the end of the scope.
class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : handle_(h) {}
  ~FileHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  void Close() {
    if (Valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

std::string LastErrorText() {
  const DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = text != nullptr ? Narrow(text) : "error " + std::to_string(code);
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  full.resize(written);
  return full;
}

std::string OpenFailure(const std::wstring& path) {
  return "Cannot open file \"" + Narrow(FullPath(path)) + "\". " + LastErrorText();
}

std::string CreateFailure(const std::wstring& path) {
  return "Cannot create file \"" + Narrow(FullPath(path)) + "\". " + LastErrorText();
}

// Removes the temporary file unless it was put in the original's place.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!kept_) DeleteFileW(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::wstring& Path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  std::wstring path_;
  bool kept_ = false;
};

}  // namespace

std::string ReadWholeFile(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) throw EFOpenError(OpenFailure(path));
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) throw EReadError(OpenFailure(path));
  // A file's size is a 32-bit signed number for the memo; anything larger
  // cannot be shown and is refused rather than cut.
  if (size.QuadPart < 0 || size.QuadPart > 0x7FFFFFFF) {
    throw EReadError("File \"" + Narrow(FullPath(path)) + "\" is too large");
  }
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  if (bytes.empty()) return bytes;
  DWORD read = 0;
  if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
      read != bytes.size()) {
    throw EReadError("Cannot read file \"" + Narrow(FullPath(path)) + "\" whole");
  }
  return bytes;
}

DWORD WriteBytesToFile(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return 0;
  return written;
}

void ReplaceFileContents(const std::wstring& path, std::string_view bytes,
                         const ByteWriter& write) {
  const std::wstring target = FullPath(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
    SetLastError(ERROR_ACCESS_DENIED);
    throw EFCreateError(CreateFailure(path));
  }

  const size_t slash = target.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
  std::vector<wchar_t> tempName(MAX_PATH + folder.size() + 16);
  if (GetTempFileNameW(folder.c_str(), L"au", 0, tempName.data()) == 0) {
    throw EFCreateError(CreateFailure(path));
  }
  TemporaryFile temp(tempName.data());

  FileHandle file(CreateFileW(temp.Path().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) throw EFCreateError(CreateFailure(path));
  if (!bytes.empty() && write(file.Get(), bytes) != bytes.size()) throw EWriteError();
  if (!FlushFileBuffers(file.Get())) throw EWriteError();
  file.Close();

  // ReplaceFile keeps the original's security and times; a new file is simply
  // moved into place. The attributes are put back explicitly, because not
  // every file system carries them over.
  const BOOL replaced =
      exists ? ReplaceFileW(target.c_str(), temp.Path().c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
             : MoveFileExW(temp.Path().c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
  if (!replaced) throw EFCreateError(CreateFailure(path));
  temp.Keep();
  if (exists) SetFileAttributesW(target.c_str(), attributes);
}

void LoadLinesFromFile(TStrings& lines, const std::wstring& path) {
  std::string bytes = ReadWholeFile(path);
  TStringsUpdate update(lines);
  lines.SetText(bytes);
}

void SaveLinesToFile(const TStrings& lines, const std::wstring& path, const ByteWriter& write) {
  ReplaceFileContents(path, lines.GetText(), write);
}

}  // namespace au
