// TSpeedButton: a flat push button without a window, with a caption and an
// optional glyph. It follows the standard press behaviour: a press shows it
// down, dragging off raises it, and a release inside clicks it. Buttons with a
// GroupIndex latch down and raise the others of their group.
#pragma once

#include "pixels/bitmap24.h"
#include "ui/graphic_control.h"

namespace au {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);

  // The glyph's transparent colour is its bottom-left pixel.
  const Bitmap24& Glyph() const { return glyph_; }
  void SetGlyph(Bitmap24 glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }

  TButtonState State() const { return state_; }
  // True while a press that started on the button is under way.
  bool Dragging() const { return dragging_; }

  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(TMouseButton button, int x, int y) override;
  void SetState(TButtonState state) { state_ = state; }
  // The standard rule: the bottom edge counts as inside.
  bool PointInside(int x, int y) const { return x >= 0 && x < Width() && y >= 0 && y <= Height(); }
  // Glyph width of one image (0 without a glyph or with an unusable count).
  int GlyphWidth() const;
  // Notified when a GroupIndex sibling went down.
  virtual void GroupButtonDown(TSpeedButton* sender);
  // Called after the look may have changed (state, glyph, caption).
  virtual void StateChanged() { Invalidate(); }

 private:
  void RaiseGroup();

  Bitmap24 glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool dragging_ = false;
  TButtonState state_ = TButtonState::bsUp;
};

}  // namespace au
