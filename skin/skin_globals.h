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

// Sets a flag for the lifetime of the scope and gives it back its previous
// value afterwards, also when the scope is left by an error. Restoring rather
// than clearing matters when scopes nest: a skin change keeps
// SkinChangeInProgress set through the load that sets it as well, until every
// window has been told.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = previous_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace au
