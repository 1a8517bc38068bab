// TsSpeedButton: the flat push button of the main window. Skinned, it paints
// its section in the normal, hot or pressed state into its cache with its
// caption and glyph, and repaints through its parent so that it always sits
// on the parent's skinned background.
#pragma once

#include <functional>
#include <memory>

#include "controls/skinned_control.h"
#include "controls/speed_button_layout.h"
#include "paint/anim_timer.h"
#include "paint/animat_events.h"
#include "paint/fading_control.h"
#include "pixels/rect.h"
#include "ui/panel.h"
#include "ui/speed_button.h"

namespace au {

enum class TButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
enum TDisabledKindFlag : unsigned { dkBlended = 1, dkGrayed = 2 };
enum TDisabledGlyphKindFlag : unsigned { dgBlended = 1, dgGrayed = 2 };

class TsSpeedButton : public TsSkinnedControl<TSpeedButton, 92, "TsSpeedButton">,
                      public TsFadingControl {
 public:
  using TsSkinnedControl::TsSkinnedControl;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { Change(alignment_, value); }
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment value);
  int Blend() const { return blend_; }
  // Clamped to 0..100.
  void SetBlend(int value);
  TButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TButtonStyle value);
  unsigned DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(unsigned value) { Change(disabledGlyphKind_, value); }
  unsigned DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(unsigned value) { Change(disabledKind_, value); }
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool value) { Change(grayed_, value); }
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int value) { Change(textOffset_, value); }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value) { Change(showCaption_, value); }
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool value) { Change(drawOverBorder_, value); }
  // The state changes that fade (when the section fades at all).
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents value) { animatEvents_ = value; }

  // Called with the finished cache.
  std::function<void(TComponent* sender, Bitmap24& cache)> OnPaint;

  // 2 pressed, 1 hot, 0 normal.
  int CurrentState() const;
  // The running state animation, null while the button shows its cache.
  const TsAnimTimer* AnimTimer() const { return animTimer_.get(); }

  void Loaded() override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void StateChanged() override;

 private:
  template <typename T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    skinData_.BackgroundChanged = true;
    RepaintViaParent();
  }
  TsCommonData& FadingState() override { return skinData_; }
  int PaintStateToCache() override {
    PrepareCache();
    return paintedState_;
  }
  void RepaintState() override { RepaintViaParent(); }

  void HandleSkinCommand(TMessage& message);
  // Marks the button opaque while it is skinned: it then paints every pixel.
  void UpdateOpacity();
  // Repaints only this button on its parent's background.
  void RepaintViaParent();
  // The look follows a new state, fading when `animated`; `half` (a press or
  // release) makes the fade half as long.
  void Animate(bool half, bool animated);
  // A press or release fades in half the time of a mouse entry or exit.
  void StateChangedBy(TacAnimatEvent event);
  void PrepareCache();
  // The caption's and the glyph's measures, with the caption measured on `canvas`.
  SpeedButtonMeasures Measures(TCanvas& canvas) const;
  void PaintCaption(TCanvas& canvas, const SpeedButtonMeasures& measures);
  // A part of the button (the main part, or the drop-down arrow part) in a state.
  void PaintPart(Bitmap24& cache, const TCacheInfo& parent, const TRect& part, TPoint position,
                 int state);
  // The border over a part when the caption is not drawn over it.
  void PaintPartBorder(Bitmap24& cache, const TCacheInfo& parent, const TRect& part,
                       TPoint position, int state);
  void PaintArrowPart(Bitmap24& cache, const TCacheInfo& parent);
  int ArrowState() const;
  void PaintGlyph(Bitmap24& cache, const RECT& glyphRect);
  int ArrowWidth() const { return buttonStyle_ == TButtonStyle::tbsDropDown ? 16 : 0; }

  TAlignment alignment_ = TAlignment::taCenter;
  TAlignment textAlignment_ = TAlignment::taCenter;
  int blend_ = 0;
  TButtonStyle buttonStyle_ = TButtonStyle::tbsButton;
  unsigned disabledGlyphKind_ = dgBlended;
  unsigned disabledKind_ = dkBlended;
  bool grayed_ = false;
  int textOffset_ = 0;
  bool showCaption_ = true;
  bool drawOverBorder_ = true;
  TacAnimatEvents animatEvents_{aeGlobalDef};
  // Set while a press, a release or a change of Enabled is handled: the
  // state change that the standard handling makes is shown afterwards, by a
  // fade from the picture it leaves.
  bool fadeAfterStandardHandling_ = false;
  bool lastDown_ = false;
  int lastNumGlyphs_ = 1;
  int lastSpacing_ = 4;
  // The state whose images the cache was last painted with.
  int paintedState_ = 0;
  // Freed with the button, before its skin state: destruction stops a
  // running animation first, without a last repaint.
  std::unique_ptr<TsAnimTimer> animTimer_;
};

}  // namespace au
