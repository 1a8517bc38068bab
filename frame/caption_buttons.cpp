#include "frame/caption_buttons.h"

#include <windows.h>

namespace au {

int CaptionButtonState(int code, int hotCode, bool pressed, bool canPress) {
  if (code == 0 || code != hotCode) return 0;
  return pressed && canPress ? 2 : 1;
}

int CaptionButtonMode(int state, bool active, bool enabled) {
  return enabled && (active || state != 0) ? 1 : 2;
}

TRect PlaceCaptionButton(int right, int width, int height, const FrameGeometry& geometry) {
  TRect r;
  r.Right = right;
  r.Left = right - width;
  r.Top = (geometry.CaptionHeight + geometry.BorderHeight - height) / 2;
  if (height < 16) r.Top += 2;
  r.Bottom = r.Top + height;
  return r;
}

ButtonBand CaptionButtonBand(const FrameGeometry& geometry, int buttonHeight) {
  ButtonBand band;
  band.Top =
      (geometry.BorderHeight + geometry.InnerBorder + geometry.CaptionHeight - buttonHeight) / 2;
  band.Bottom = band.Top + buttonHeight;
  return band;
}

int HitTestCaptionButtons(const std::vector<ButtonHitArea>& areas, int x) {
  for (const ButtonHitArea& area : areas) {
    if (x < area.Rect.Left || x > area.Rect.Right) continue;
    return area.Enabled ? area.Code : HTCAPTION;
  }
  return HTCAPTION;
}

}  // namespace au
