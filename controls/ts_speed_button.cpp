#include "controls/ts_speed_button.h"

#include <algorithm>
#include <optional>

#include "controls/speed_button_layout.h"
#include "paint/animation_settings.h"
#include "paint/control_section.h"
#include "paint/masks/draw_border_mask.h"
#include "paint/masks/draw_mask_image.h"
#include "paint/paint_child_scope.h"
#include "paint/repaint_border_corners.h"
#include "paint/sections/section_background.h"
#include "paint/state_fade.h"
#include "paint/text_writers.h"
#include "pixels/blend_with_key.h"
#include "pixels/disabled_look.h"
#include "pixels/gray_bitmap.h"
#include "pixels/shared_paint_state.h"
#include "skin/mask_geometry.h"
#include "skin/skin_globals.h"
#include "skin/skin_manager.h"

namespace au {
namespace {

// One glyph image onto the cache: copied leaving its transparent colour out
// when `factor` is 0, else blended in keeping `factor` of what is beneath.
void PutGlyphImage(Bitmap24& cache, const Bitmap24& glyph, int image, int width, POINT at,
                   double factor) {
  const TColor key = glyph.Pixel(0, glyph.Height() - 1);
  BlendWithKey(cache, at.x, at.y, key, factor,
               {image * width, 0, image * width + width - 1, glyph.Height() - 1}, glyph);
}

}  // namespace

void TsSpeedButton::Loaded() {
  TsSkinnedControl::Loaded();
  UpdateOpacity();
}

void TsSpeedButton::UpdateOpacity() {
  const unsigned style = ControlStyle() & ~static_cast<unsigned>(csOpaque);
  SetControlStyle(skinData_.IsSkinned() ? style | csOpaque : style);
}

void TsSpeedButton::SetTextAlignment(TAlignment value) {
  if (value == textAlignment_) return;
  textAlignment_ = value;
  RepaintViaParent();
}

void TsSpeedButton::SetBlend(int value) {
  Change(blend_, std::clamp(value, 0, 100));
}

void TsSpeedButton::SetButtonStyle(TButtonStyle value) {
  if (value == buttonStyle_) return;
  // The drop-down arrow takes 16 pixels of its own.
  if (!IsLoading()) {
    if (value == TButtonStyle::tbsDropDown) SetWidth(Width() + 16);
    if (buttonStyle_ == TButtonStyle::tbsDropDown) SetWidth(Width() - 16);
  }
  Change(buttonStyle_, value);
}

int TsSpeedButton::CurrentState() const {
  if (State() == TButtonState::bsDown || State() == TButtonState::bsExclusive) return 2;
  return skinData_.IsHotState() ? 1 : 0;
}

void TsSpeedButton::RepaintViaParent() {
  TWinControl* parent = Parent();
  if (IsCreating() || IsDestroying() || IsLoading() || parent == nullptr ||
      !parent->HandleAllocated() || !Visible()) {
    return;
  }
  const PaintChildScope only(*this);
  parent->InvalidateArea(BoundsRect(), false);
  parent->Update();
}

void TsSpeedButton::Animate(bool half, bool animated) {
  ChangeStateWithFade(*this, animTimer_, half, animated);
}

void TsSpeedButton::StateChanged() {
  if (!ReadyAndSkinned()) {
    TSpeedButton::StateChanged();
    return;
  }
  if (!fadeAfterStandardHandling_) Animate(false, false);
}

void TsSpeedButton::StateChangedBy(TacAnimatEvent event) {
  const bool half = event == aeMouseDown || event == aeMouseUp;
  Animate(half, AnimationEventEnabled(event, animatEvents_));
}

SpeedButtonMeasures TsSpeedButton::Measures(TCanvas& canvas) const {
  SpeedButtonMeasures m;
  m.Width = Width();
  m.Height = Height();
  m.GlyphWidth = GlyphWidth();
  m.GlyphHeight = m.GlyphWidth > 0 ? Glyph().Height() : 0;
  m.ArrowWidth = ArrowWidth();
  m.Margin = Margin();
  m.Spacing = Spacing();
  m.TextOffset = textOffset_;
  m.HasCaption = showCaption_ && !Caption().empty();
  m.Pressed = State() == TButtonState::bsDown || State() == TButtonState::bsExclusive;
  m.Layout = Layout();
  m.Alignment = alignment_;
  if (m.HasCaption) {
    RECT measured{0, 0, TextAreaWidth(m), 0};
    canvas.DrawText(Caption(), measured, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    m.TextWidth = measured.right;
    m.TextHeight = measured.bottom;
  }
  return m;
}

void TsSpeedButton::PaintCaption(TCanvas& canvas, const SpeedButtonMeasures& m) {
  if (!showCaption_) return;
  RECT r = CaptionRect(m);
  WriteControlText(canvas, Caption(), true, CurrentState() != 0, skinData_,
                   AlignmentFormat(textAlignment_) | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS, r);
}

void TsSpeedButton::PaintGlyph(Bitmap24& cache, const RECT& r) {
  const int width = GlyphWidth();
  if (width <= 0 || NumGlyphs() > 2) return;
  const bool hot = CurrentState() != 0;
  const POINT at{r.left, r.top};
  if (NumGlyphs() == 2) {
    if (Enabled() && !hot && blend_ > 0) {
      PutGlyphImage(cache, Glyph(), 0, width, at, blend_ / 100.0);
    } else {
      PutGlyphImage(cache, Glyph(), Enabled() ? 0 : 1, width, at, 0);
    }
    return;
  }
  Bitmap24 glyph = Glyph().Clone();
  const TColor key = glyph.Pixel(0, glyph.Height() - 1);
  if (Enabled()) {
    if (grayed_ && !hot) GrayBitmapExceptKey(glyph, key);
    PutGlyphImage(cache, glyph, 0, width, at, hot || blend_ < 1 ? 0 : blend_ / 100.0);
    return;
  }
  if (disabledGlyphKind_ & dgGrayed) GrayBitmapExceptKey(glyph, key);
  PutGlyphImage(cache, glyph, 0, width, at, (disabledGlyphKind_ & dgBlended) ? 0.5 : 0);
}

// The state of the drop-down arrow part.
int TsSpeedButton::ArrowState() const {
  if (Down() || State() == TButtonState::bsDown || State() == TButtonState::bsExclusive) return 2;
  return skinData_.IsHotState() ? 1 : 0;
}

void TsSpeedButton::PaintPart(Bitmap24& cache, const TCacheInfo& parent, const TRect& part,
                              TPoint position, int state) {
  TsSkinManager* manager = skinData_.EffectiveManager();
  if (drawOverBorder_) {
    PaintControlSection(skinData_, parent, true, false, cache, position, part, state);
    return;
  }
  SectionPaint paint{
      manager, skinData_.SkinSectionIndex, skinData_.SkinSection(),      parent, position,
      state,   skinData_.PatternMaskIndex, skinData_.HotPatternMaskIndex};
  PaintSectionBackground(paint, clMagenta, cache, part);
}

void TsSpeedButton::PaintPartBorder(Bitmap24& cache, const TCacheInfo& parent, const TRect& part,
                                    TPoint position, int state) {
  TsSkinManager* manager = skinData_.EffectiveManager();
  if (drawOverBorder_ || !manager->IsValidMaskIndex(skinData_.BordersMaskIndex)) return;
  DrawBorderMask(cache, part, true, false, state,
                 manager->Masks()[static_cast<size_t>(skinData_.BordersMaskIndex)],
                 ParentBehindTarget(parent, position, part));
}

void TsSpeedButton::PaintArrowPart(Bitmap24& cache, const TCacheInfo& parent) {
  const int state = ArrowState();
  const TRect part{Width() - 16, 0, Width(), Height()};
  const TPoint position{Left() + Width() - 16, Top()};
  PaintPart(cache, parent, part, position, state);
  PaintPartBorder(cache, parent, part, position, state);
  TsSkinManager* manager = skinData_.EffectiveManager();
  const int arrow = manager->Indexes().ScrollBtnBottomGlyph;
  if (!manager->IsValidMaskIndex(arrow)) return;
  const TsMaskData& mask = manager->Masks()[static_cast<size_t>(arrow)];
  const ImageSize glyph = RectStateImageSize(mask);
  DrawMaskImage(cache, {(16 - glyph.Width) / 2 + (Width() - 16) + 1, (Height() - glyph.Height) / 2},
                state, mask, 1);
}

void TsSpeedButton::PrepareCache() {
  skinData_.PrepareCacheBitmap();
  Bitmap24& cache = *skinData_.CacheBitmap;
  const TCacheInfo parent = skinData_.RequestParentCache();
  if (parent.Ready && parent.Bitmap != nullptr && parent.Bitmap->Width() == 0) return;
  const int state = CurrentState();
  paintedState_ = state;
  const TPoint position{Left(), Top()};
  SharedBackgroundColor = parent.Ready ? clMagenta : ResolveColor(Parent()->Color());
  const TRect main{0, 0, Width() - ArrowWidth(), Height()};
  PaintPart(cache, parent, main, position, state);
  {
    TBitmapCanvas canvas(cache);
    canvas.Font().Assign(Font());
    const SpeedButtonMeasures measures = Measures(canvas);
    PaintCaption(canvas, measures);
    PaintGlyph(cache, GlyphRect(measures));
  }
  PaintPartBorder(cache, parent, main, position, state);
  if (buttonStyle_ == TButtonStyle::tbsDropDown) PaintArrowPart(cache, parent);
  if (!Enabled()) {
    if (parent.Ready && parent.Bitmap != nullptr && !skinData_.ShowsParent() &&
        !skinData_.UrgentPaint) {
      SharedBackgroundColor =
          parent.Bitmap->Pixel(parent.Bitmap->Width() / 2, parent.Bitmap->Height() / 2);
    }
    int flags = 0;
    if (disabledKind_ & dkBlended) flags |= kDisabledBlend;
    if (disabledKind_ & dkGrayed) flags |= kDisabledGray;
    ApplyDisabledLook(cache, flags, ResolveColor(Color()), position, parent, SharedBackgroundColor);
    SharedBackgroundColor = clMagenta;
  }
  if (OnPaint) OnPaint(this, cache);
  skinData_.BackgroundChanged = false;
}

void TsSpeedButton::Paint() {
  if (!skinData_.IsSkinned() || !Visible()) {
    TSpeedButton::Paint();
    return;
  }
  if (Width() <= 0 || Height() <= 0) return;
  if (animTimer_ && animTimer_->ShowsFrameOf(*this)) {
    Canvas().Draw(0, 0, animTimer_->WorkPicture);
    return;
  }
  TsCommonData& d = skinData_;
  d.BackgroundChanged = Down() != lastDown_ || d.BackgroundChanged || d.PartlyVisible;
  lastDown_ = Down();
  d.PartlyVisible = d.ShowsParent();
  if (!d.BackgroundChanged && (NumGlyphs() != lastNumGlyphs_ || Spacing() != lastSpacing_)) {
    d.BackgroundChanged = true;
  }
  lastNumGlyphs_ = NumGlyphs();
  lastSpacing_ = Spacing();
  if (d.BackgroundChanged && !d.UrgentPaint) PrepareCache();
  // The corners of the state the cache shows: those of another state image
  // would frame a hot or pressed button with its normal corners.
  RepaintBorderCorners(d, paintedState_);
  Canvas().Draw(0, 0, *d.CacheBitmap);
}

void TsSpeedButton::HandleSkinCommand(TMessage& m) {
  const bool ours = CarriesOwnManager(m);
  switch (SkinCommandOf(m)) {
    case SK_SKINCHANGED:
      if (!ours) break;
      // A fade would go on blending pictures of the old skin. The stop that
      // the manager sends before its refresh does not come through a skinned
      // panel, which passes on only these three commands; the refresh that
      // follows repaints the button.
      animTimer_.reset();
      skinData_.HandleSkinCommand(m);
      UpdateOpacity();
      return;
    case SK_SKINREMOVED:
      if (!ours || IsDestroying()) break;
      animTimer_.reset();
      skinData_.HandleSkinCommand(m);
      Invalidate();
      UpdateOpacity();
      return;
    case SK_REFRESH:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      if (Visible()) RepaintViaParent();
      return;
    case SK_PARENTPAINTED:
      return;
    case SK_ISSKINNED:
      AnswerYes(m);
      return;
    case SK_STOPFADING:
      // Also when the button is no longer skinned: a fade left running would
      // tick on for ever.
      StopStateFade(*this, animTimer_);
      return;
    default:
      if (!ReadyAndSkinned()) break;
      switch (SkinCommandOf(m)) {
        case SK_SETURGENTPAINT:
          skinData_.HandleSkinCommand(m);
          if (skinData_.UrgentPaint) PrepareCache();
          return;
        case SK_SECTIONREPAINT:
          RepaintViaParent();
          return;
        default:
          skinData_.HandleSkinCommand(m);
          return;
      }
  }
  TSpeedButton::WndProc(m);
}

void TsSpeedButton::WndProc(TMessage& m) {
  if (m.Msg == SM_ALPHACMD) {
    HandleSkinCommand(m);
    return;
  }
  if (!ReadyAndSkinned()) {
    TSpeedButton::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (!Enabled() || skinData_.MouseInside) break;
      if (OnMouseEnter) OnMouseEnter(this);
      skinData_.MouseInside = true;
      StateChangedBy(aeMouseEnter);
      return;
    case CM_MOUSELEAVE:
      if (!Enabled()) break;
      if (OnMouseLeave) OnMouseLeave(this);
      skinData_.MouseInside = false;
      if (State() == TButtonState::bsDown) SetState(TButtonState::bsUp);
      StateChangedBy(aeMouseLeave);
      return;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      // The cache shows the old size and what lay behind the old place.
      skinData_.BackgroundChanged = true;
      break;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case CM_TEXTCHANGED:
      if (showCaption_) {
        skinData_.BackgroundChanged = true;
        RepaintViaParent();
        return;
      }
      break;
    default:
      break;
  }
  // A release while a frame is shown first settles the look that the press
  // gave, so that the release fades from it.
  if (m.Msg == WM_LBUTTONUP && animTimer_ && animTimer_->ShowsFrameOf(*this)) Animate(false, false);
  if (skinData_.HandleControlMessage(m)) return;
  {
    std::optional<FlagScope> follows;
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_LBUTTONUP ||
        m.Msg == CM_ENABLEDCHANGED) {
      follows.emplace(fadeAfterStandardHandling_);
    }
    TSpeedButton::WndProc(m);
  }
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      StateChangedBy(aeMouseDown);
      break;
    case WM_LBUTTONUP:
      StateChangedBy(aeMouseUp);
      break;
    case CM_ENABLEDCHANGED:
      Animate(false, false);
      break;
    default:
      break;
  }
}

}  // namespace au
