// The skin manager's link to the windows of this process: broadcasts go out
// as the skin command message, and the default manager hooks the
// application's hidden window.
#pragma once

#include <map>

#include "skin/skin_broadcaster.h"

namespace au {

class WindowsSkinBroadcaster : public SkinBroadcaster {
 public:
  void BroadcastToForms(TSkinCommand command, TsSkinManager* manager) override;
  std::string ApplicationFolder() const override;
  void HookApplication(TsSkinManager* manager) override;
  void UnhookApplication(TsSkinManager* manager) override;

 private:
  std::map<TsSkinManager*, int> hooks_;
};

// Makes the process's skin managers talk to its windows.
void InstallWindowsSkinBroadcaster();

}  // namespace au
