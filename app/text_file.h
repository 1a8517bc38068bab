// Whole text files in and out of line lists, as raw bytes: no byte-order mark
// is read or written and no code page is applied. Saving never loses what
// the user has (app/file_saving.h says how).
#pragma once

#include <windows.h>

#include <string>

#include "app/file_errors.h"
#include "app/file_operations.h"
#include "core/strings.h"

namespace au {

// Reads the whole file, which must exist; others may read it meanwhile but not
// write it. Files of 2 GiB or more are refused.
std::string ReadWholeFile(const std::wstring& path);
// The same from a file already open for reading, from its current position;
// `path` names it in errors.
std::string ReadWholeOpenFile(HANDLE file, const std::wstring& path);

// The line list's text from the file (the list decides how line breaks end up).
void LoadLinesFromFile(TStrings& lines, const std::wstring& path);
// The line list's text, byte for byte, to the file.
void SaveLinesToFile(const TStrings& lines, const std::wstring& path,
                     FileOperations& operations = SystemFileOperations());

}  // namespace au
