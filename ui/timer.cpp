#include "ui/timer.h"

#include <windows.h>

#include "ui/application.h"

namespace au {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  Application()->RegisterTimer(this);
  Restart();
}

TTimer::~TTimer() {
  if (Application() != nullptr) {
    KillTimer(Application()->Handle(), reinterpret_cast<UINT_PTR>(this));
    Application()->UnregisterTimer(this);
  }
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Restart();
}

void TTimer::Restart() {
  HWND wnd = Application()->Handle();
  const auto id = reinterpret_cast<UINT_PTR>(this);
  KillTimer(wnd, id);
  if (enabled_ && interval_ > 0) SetTimer(wnd, id, interval_, nullptr);
}

void TTimer::Fire() {
  if (!enabled_ || !OnTimer) return;
  // The handler may destroy this timer, and OnTimer with it; a copy keeps
  // what the running handler holds alive until it returns.
  const auto handler = OnTimer;
  handler(this);
}

}  // namespace au
