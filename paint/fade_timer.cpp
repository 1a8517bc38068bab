#include "paint/fade_timer.h"

#include <exception>

#include "paint/animation_settings.h"
#include "paint/fade_frame.h"
#include "paint/skin_messages.h"
#include "skin/general_data.h"
#include "ui/application.h"
#include "ui/gdi_handles.h"
#include "ui/wide_text.h"

namespace au {
namespace {

// Set while a failed frame is being reported: the report is modal, and the
// ticks that its message loop delivers must not open more reports. It lives
// outside the timer, which the owner may free while the report is open.
bool ReportingFailure = false;

void ReportFailure(const char* text) {
  ReportingFailure = true;
  ::MessageBoxW(nullptr, Widen(text).c_str(), Widen(Application()->Title()).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ReportingFailure = false;
}

// A frame onto the screen where the control's (0, 0) is: its own window, or
// its parent's clipped to the control for a control without one.
void CopyToWindow(TControl& control, const Bitmap24& frame) {
  HWND wnd = nullptr;
  POINT origin{0, 0};
  if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
    if (windowed->HandleAllocated()) wnd = windowed->Handle();
  } else if (TWinControl* parent = control.Parent();
             parent != nullptr && parent->HandleAllocated()) {
    wnd = parent->Handle();
    origin = {control.Left(), control.Top()};
  }
  if (wnd == nullptr) return;
  WindowDc screen(wnd);
  IntersectClipRect(screen.Get(), origin.x, origin.y, origin.x + control.Width(),
                    origin.y + control.Height());
  MemoryDc memory;
  SelectScope select(memory.Get(), static_cast<HBITMAP>(frame.NativeHandle()));
  BitBlt(screen.Get(), origin.x, origin.y, frame.Width(), frame.Height(), memory.Get(), 0, 0,
         SRCCOPY);
}

}  // namespace

TsFadeTimer::TsFadeTimer(TsCommonData& ownerState) : TTimer(nullptr), OwnerState(ownerState) {
  SetEnabled(false);
  SetInterval(kAnimationInterval);
  OnTimer = [this](TTimer*) { Tick(); };
}

void TsFadeTimer::SetFadeMode(TsFadeMode mode) {
  fadeMode_ = mode;
  SetEnabled(mode != fmNone);
}

void TsFadeTimer::Tick() {
  if (fadeMode_ == fmNone || ReportingFailure) return;
  TControl* control = OwnerState.OwnerControl;
  if (control == nullptr || control->IsDestroying() || Application()->Terminated()) {
    SetFadeMode(fmNone);
    return;
  }
  if (CurrentStep < 0 || CurrentStep > StepCount) {
    // The control frees this timer in its answer.
    SetFadeMode(fmNone);
    SkinCommandToControl(control, SK_STOPFADING);
    return;
  }
  try {
    ShowFrame(*control);
  } catch (const std::exception& e) {
    ++CurrentStep;
    ReportFailure(e.what());  // this timer may be gone once the report closes
    return;
  }
  ++CurrentStep;
}

void TsFadeTimer::ShowFrame(TControl& control) {
  const Bitmap24* target = OwnerState.CacheBitmap.get();
  if (target == nullptr || StepCount == 0) return;
  Bitmap24 frame;
  ComposeFadeFrame(frame, StartPicture, *target, FadeAlpha(CurrentStep, StepCount));
  const LRESULT drawn = control.Perform(SM_ALPHACMD, SkinCommandParam(SK_FADEFRAME),
                                        reinterpret_cast<LPARAM>(&frame));
  if (drawn == 0) CopyToWindow(control, frame);
}

void FadeThroughWindow(TsFadingControl& control, std::unique_ptr<TsFadeTimer>& timer, bool fast,
                       TsFadeMode mode) {
  TsCommonData& state = control.FadingState();
  const TsGeneralData* section = state.Section();
  if (section == nullptr || !section->FadingEnabled) return;
  if (!timer) timer = std::make_unique<TsFadeTimer>(state);
  TsFadeTimer& t = *timer;
  t.StartPicture = state.CacheBitmap ? state.CacheBitmap->Clone() : Bitmap24();
  // A fade turned round goes on from where the running one is.
  t.StepCount = section->FadingIterations;
  if (t.FadeMode() == fmFadeIn) t.StepCount = t.CurrentStep;
  if (t.FadeMode() == fmFadeOut) t.StepCount = section->FadingIterations - t.CurrentStep;
  if (fast) t.StepCount /= 2;
  if (t.CurrentStep >= t.StepCount || t.CurrentStep <= 0) t.CurrentStep = 1;
  if (TControl* owner = state.OwnerControl) {
    owner->Perform(SM_ALPHACMD, SkinCommandParam(SK_FADEPREPARE), 0);
  }
  t.SetFadeMode(mode);
}

void StopFadeThroughWindow(std::unique_ptr<TsFadeTimer>& timer) {
  if (!timer) return;
  timer->SetFadeMode(fmNone);
  timer.reset();
}

void ChangeStateWithWindowFade(TsFadingControl& control, std::unique_ptr<TsFadeTimer>& timer,
                               bool fast, bool animate, TsFadeMode mode) {
  TsCommonData& state = control.FadingState();
  const bool fade = MayStartFade(state, animate);
  state.BackgroundChanged = true;
  if (fade) {
    FadeThroughWindow(control, timer, fast, mode);
    return;
  }
  StopFadeThroughWindow(timer);
  control.RepaintState();
}

}  // namespace au
