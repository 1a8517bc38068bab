// Saving bytes over a file without ever losing what the user has.
//
// A plain file with a single name, of which nothing can go unseen, is
// replaced by rename: the new bytes go to a file beside it ("<name>.saving~"),
// are flushed, and then take its place, which keeps its security and
// attributes. Any other file is written in place, so that a symbolic link
// stays a link to it, every other hard link shows the new text, and its
// permissions stay as they are: first a flushed copy of its old bytes goes
// beside it ("<name>.backup~"), then the file itself is overwritten and
// flushed, and the copy is removed. Under Wine every existing file is
// written in place, because a new file would take the default Unix
// permissions and would replace a symbolic link, which does not show as one
// there. A new file is written beside its name and renamed to it.
//
// When a step fails, the old bytes are put back and every file made on the
// way is removed; only when even putting them back fails does the copy of
// the old bytes stay beside the file.
#pragma once

#include <string>
#include <string_view>

#include "app/file_operations.h"

namespace au {

// Makes the file at `path` hold exactly `bytes`, creating it if needed; a
// read-only file or a folder is refused. Throws EFCreateError, EReadError
// or EWriteError.
void SaveFileContents(const std::wstring& path, std::string_view bytes,
                      FileOperations& operations = SystemFileOperations());

}  // namespace au
