// The platform's wait cursor for the life of a scope: long work on the
// user-interface thread (loading a file, converting a big text) handles no
// messages meanwhile, so nothing else sets the cursor until it is put back.
#pragma once

#include <windows.h>

namespace au {

class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace au
