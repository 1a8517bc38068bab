// TTimer: calls OnTimer every Interval milliseconds while Enabled, on the
// user-interface thread (through the application's hidden window).
#pragma once

#include <functional>

#include "core/component.h"

namespace au {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);

  std::function<void(TTimer*)> OnTimer;

  // Called by the application when the platform timer fires.
  void Fire();

 private:
  void Restart();

  bool enabled_ = true;
  unsigned interval_ = 1000;
};

}  // namespace au
