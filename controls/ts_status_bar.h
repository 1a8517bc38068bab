// TsStatusBar: the one-line bar at the bottom of the window. Skinned, it
// paints its section, its panels or simple text (cut to fit, never wrapped)
// and its size grip into its cache, and passes skin broadcasts on to its
// children.
#pragma once

#include "controls/skinned_control.h"
#include "ui/canvas.h"
#include "ui/status_bar.h"

namespace au {

class TsStatusBar : public TsSkinnedControl<TStatusBar, 151, "TsStatusBar"> {
 public:
  using TsSkinnedControl::TsSkinnedControl;

  void WndProc(TMessage& message) override;

 private:
  void HandleSkinCommand(TMessage& message);
  void RepaintWithFrame();
  void PaintSkinned(HDC dc);
  // The frame around the client area when BorderWidth is above 0.
  void PaintBorderStrips();
  void RebuildCache();
  // One panel (or the simple text) into the cache.
  void DrawPart(TBitmapCanvas& canvas, const RECT& part, const std::string& text,
                TAlignment alignment, bool wholeBar, bool last);
  void DrawDivider(const RECT& part);
  void DrawSizeGrip();
};

}  // namespace au
