// The errors of opening, creating, reading and writing files, and the texts
// that name the file and the platform's reason.
#pragma once

#include <stdexcept>
#include <string>

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

// The path made absolute against the current folder (unchanged if that fails).
std::wstring FullPath(const std::wstring& path);
// "Cannot open file "<full path>". <the platform's message for the last error>"
std::string OpenFailure(const std::wstring& path);
// The same with "Cannot create file".
std::string CreateFailure(const std::wstring& path);

}  // namespace au
