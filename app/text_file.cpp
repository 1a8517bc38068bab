#include "app/text_file.h"

#include "app/file_saving.h"
#include "ui/wide_text.h"

namespace au {

std::string ReadWholeFile(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) throw EFOpenError(OpenFailure(path));
  return ReadWholeOpenFile(file.Get(), path);
}

std::string ReadWholeOpenFile(HANDLE file, const std::wstring& path) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) throw EReadError(OpenFailure(path));
  // A file's size is a 32-bit signed number for the memo; anything larger
  // cannot be shown and is refused rather than cut.
  if (size.QuadPart < 0 || size.QuadPart > 0x7FFFFFFF) {
    throw EReadError("File \"" + Narrow(FullPath(path)) + "\" is too large");
  }
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  if (bytes.empty()) return bytes;
  DWORD read = 0;
  if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
      read != bytes.size()) {
    throw EReadError("Cannot read file \"" + Narrow(FullPath(path)) + "\" whole");
  }
  return bytes;
}

void LoadLinesFromFile(TStrings& lines, const std::wstring& path) {
  std::string bytes = ReadWholeFile(path);
  TStringsUpdate update(lines);
  lines.AdoptText(std::move(bytes));
}

void SaveLinesToFile(const TStrings& lines, const std::wstring& path, FileOperations& operations) {
  SaveFileContents(path, lines.GetText(), operations);
}

}  // namespace au
