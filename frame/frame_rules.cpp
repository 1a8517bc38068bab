#include "frame/frame_rules.h"

namespace au {
namespace {

// The shared rule of the maximise and minimise buttons, with their own icon.
bool BoxVisible(const FrameState& s, TBorderIcon icon) {
  if (s.Minimized()) return true;
  switch (s.Style) {
    case TFormBorderStyle::bsDialog:
    case TFormBorderStyle::bsNone:
      return false;
    case TFormBorderStyle::bsSingle:
      if (!s.Has(icon)) return false;
      break;
    default:
      break;
  }
  return CloseShown(s);
}

}  // namespace

bool CloseShown(const FrameState& s) {
  return s.Has(biSystemMenu);
}

bool RestoreVisible(const FrameState& s) {
  return (s.Style == TFormBorderStyle::bsSingle || s.Style == TFormBorderStyle::bsSizeable) &&
         CloseShown(s);
}

bool RestoreEnabled(const FrameState& s) {
  return (s.Has(biMaximize) && s.State != TWindowState::wsNormal) || s.Minimized();
}

bool MaximizeVisible(const FrameState& s) {
  return BoxVisible(s, biMaximize);
}

bool MinimizeVisible(const FrameState& s) {
  return BoxVisible(s, biMinimize);
}

bool MaximizeEnabled(const FrameState& s) {
  return s.Has(biMaximize) && !s.Maximized() &&
         (s.Style == TFormBorderStyle::bsSingle || s.Style == TFormBorderStyle::bsSizeable);
}

bool MinimizeEnabled(const FrameState& s) {
  return s.Has(biMinimize) && !s.Minimized();
}

bool MaximizeButtonLive(const FrameState& s) {
  return MaximizeEnabled(s) || RestoreEnabled(s);
}

bool MinimizeButtonLive(const FrameState& s) {
  return s.Minimized() || MinimizeEnabled(s);
}

bool MoveEnabled(const FrameState& s) {
  return !s.Maximized();
}

bool SizeVisible(const FrameState& s) {
  return s.Style != TFormBorderStyle::bsNone && s.Style != TFormBorderStyle::bsDialog;
}

bool SizeEnabled(const FrameState& s) {
  return s.Style != TFormBorderStyle::bsSingle && !s.Minimized();
}

}  // namespace au
