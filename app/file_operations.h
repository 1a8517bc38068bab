// The file operations that saving is made of, one virtual function per step,
// so that a test can make any step fail and see that nothing is lost.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace au {

// Closes a file handle at the end of the scope.
class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : handle_(h) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  void Reset(HANDLE h) {
    Close();
    handle_ = h;
  }
  void Close() {
    if (Valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

class FileOperations {
 public:
  virtual ~FileOperations() = default;

  // Opens or creates a file that nobody else may open meanwhile.
  virtual HANDLE Create(const std::wstring& path, DWORD access, DWORD disposition);
  // Writes all of `bytes` at the file's current position.
  virtual bool Write(HANDLE file, std::string_view bytes);
  // Returns once everything written is on the disk.
  virtual bool Flush(HANDLE file);
  // Gives `target` the bytes of `replacement`, keeping the target's security
  // and attributes; the original moves to `backup` on the way.
  virtual bool Replace(const std::wstring& target, const std::wstring& replacement,
                       const std::wstring& backup);
  // Renames a file, never over an existing one.
  virtual bool Rename(const std::wstring& from, const std::wstring& to);
  // Whether a new file put in an old one's place may lose what this program
  // cannot see of the old one. Under Wine it may: the Unix permission bits
  // can be neither read nor set from here, and a symbolic link does not show
  // as one.
  virtual bool RenameMayLoseUnseenProperties() const;
};

// The operations as the platform performs them.
FileOperations& SystemFileOperations();

}  // namespace au
