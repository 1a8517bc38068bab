// Process-wide state of the skin engine, touched only on the user-interface
// thread.
#pragma once

namespace au {

class TsSkinManager;

// The first skin manager created (or the one made default since); controls
// that name no manager of their own follow it.
extern TsSkinManager* DefaultSkinManager;
// Set while a skin is loaded and applied: state animations are suppressed.
extern bool SkinChangeInProgress;
// Set while the new-skin command is broadcast: scroll bars do not paint.
extern bool SkinBroadcastInProgress;

// Sets a flag for the lifetime of the scope and clears it afterwards, also
// when the scope is left by an error.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace au
