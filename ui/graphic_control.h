// TGraphicControl: a control without a window. Its parent paints it during
// its own paint (the device context arrives with the origin at the control's
// top-left and the clip narrowed to it) and routes mouse messages to it.
#pragma once

#include "ui/canvas.h"
#include "ui/control.h"

namespace au {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}

  void WndProc(TMessage& message) override;
  // Without a window nobody else tells the control that it moved or changed
  // size: it is sent WM_WINDOWPOSCHANGED itself, as a window would be.
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  // Draws the control on Canvas().
  virtual void Paint() {}
  TCanvas& Canvas() { return canvas_; }

 private:
  TCanvas canvas_;
};

}  // namespace au
