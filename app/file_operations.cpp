#include "app/file_operations.h"

namespace au {

HANDLE FileOperations::Create(const std::wstring& path, DWORD access, DWORD disposition) {
  return CreateFileW(path.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool FileOperations::Write(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool FileOperations::Flush(HANDLE file) {
  return FlushFileBuffers(file) != FALSE;
}

bool FileOperations::Replace(const std::wstring& target, const std::wstring& replacement,
                             const std::wstring& backup) {
  return ReplaceFileW(target.c_str(), replacement.c_str(), backup.c_str(),
                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
}

bool FileOperations::Rename(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool FileOperations::RenameMayLoseUnseenProperties() const {
  // Wine's own export for mapping names to Unix files.
  static const bool onUnix =
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name") != nullptr;
  return onUnix;
}

FileOperations& SystemFileOperations() {
  static FileOperations operations;
  return operations;
}

}  // namespace au
