// Whole text files in and out of line lists, as raw bytes: no byte-order mark
// is read or written and no code page is applied.
//
// Saving never destroys the file it replaces: the new bytes go to a temporary
// file in the same folder, which takes the original's place (and attributes)
// only after every byte has been written and flushed. On any failure the
// original is untouched and the temporary file is removed.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/strings.h"

namespace au {

// Opening or creating a file failed; the text names the file and the reason.
class EFOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EFCreateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// A file could not be read whole (too large, or the read came back short).
class EReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// Fewer bytes reached the disk than were given.
class EWriteError : public std::runtime_error {
 public:
  EWriteError() : std::runtime_error("Stream write error") {}
};

// Reads the whole file, which must exist; others may read it meanwhile but not
// write it. Files of 2 GiB or more are refused.
std::string ReadWholeFile(const std::wstring& path);

// One write of `bytes` to `file`; returns the number of bytes written.
using ByteWriter = std::function<DWORD(HANDLE file, std::string_view bytes)>;
DWORD WriteBytesToFile(HANDLE file, std::string_view bytes);

// Replaces (or creates) the file with exactly `bytes`, safely as described above.
void ReplaceFileContents(const std::wstring& path, std::string_view bytes,
                         const ByteWriter& write = WriteBytesToFile);

// The line list's text from the file (the list decides how line breaks end up).
void LoadLinesFromFile(TStrings& lines, const std::wstring& path);
// The line list's text, byte for byte, to the file.
void SaveLinesToFile(const TStrings& lines, const std::wstring& path,
                     const ByteWriter& write = WriteBytesToFile);

}  // namespace au
