// What the skin manager needs from the window system: a way to tell every
// form and control about a skin change, where the program lives, and the
// application window it hooks. The window layer provides the real one; tests
// record what the manager sends.
#pragma once

#include <string>

#include "skin/skin_commands.h"

namespace au {

class TsSkinManager;

class SkinBroadcaster {
 public:
  virtual ~SkinBroadcaster() = default;

  // Delivers the command, with the manager as its argument, to every form of
  // the application and to all their descendants, synchronously.
  virtual void BroadcastToForms(TSkinCommand command, TsSkinManager* manager) = 0;
  // The running program's folder, ending in "\".
  virtual std::string ApplicationFolder() const = 0;
  // The default manager hooks the application's main window for the menu
  // painter's requests while it lives.
  virtual void HookApplication(TsSkinManager* manager) = 0;
  virtual void UnhookApplication(TsSkinManager* manager) = 0;
};

// The broadcaster that managers created without one use; by default one that
// tells nobody (until the window layer installs its own).
SkinBroadcaster& DefaultSkinBroadcaster();
void SetDefaultSkinBroadcaster(SkinBroadcaster* broadcaster);

}  // namespace au
