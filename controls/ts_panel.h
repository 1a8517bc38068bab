// TsPanel: the container that fills the main window. Skinned, it paints its
// section into its cache and copies that to the screen, draws its graphic
// children over it, passes skin broadcasts on to its own children and answers
// their questions about its background.
#pragma once

#include <functional>

#include "controls/skinned_control.h"
#include "ui/canvas.h"
#include "ui/panel.h"

namespace au {

class TsPanel : public TsSkinnedControl<TPanel, 51, "TsPanel"> {
 public:
  using TsSkinnedControl::TsSkinnedControl;

  void WndProc(TMessage& message) override;

  // Called with the cache's canvas once the skinned picture is rebuilt.
  std::function<void(TComponent* sender, TCanvas& canvas)> OnPaint;

 private:
  void HandleSkinCommand(TMessage& message);
  void PaintSkinned(HDC dc);
  // The section picture and the caption into the cache; `notify` calls OnPaint.
  void RebuildCache(bool notify);
};

}  // namespace au
