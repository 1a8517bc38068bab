// The skinned scroll bar's picture: the track parts on the background behind
// the bar, then the buttons with their arrows and the slider with its grip,
// each from its own section, faded when the bar is disabled.
#include "controls/ts_scroll_bar.h"

#include <algorithm>

#include "paint/masks/draw_mask_image.h"
#include "paint/sections/section_background.h"
#include "pixels/copy_bitmap_rect.h"
#include "pixels/disabled_look.h"
#include "pixels/mix_rect_with_color.h"
#include "pixels/shared_paint_state.h"
#include "skin/skin_manager.h"
#include "ui/canvas.h"
#include "ui/form.h"
#include "ui/gdi_handles.h"

namespace au {
namespace {

// The indexes one part paints from.
struct PartSection {
  int Section = -1;
  const char* Name = "";
  int Border = -1;
  int Pattern = -1;
  int HotPattern = -1;
  int Glyph = -1;
};

PartSection TrackSection(const CommonIndexes& ix, bool vertical, bool first) {
  if (vertical) {
    return first ? PartSection{ix.ScrollBar1V, "SCROLLBAR1V", ix.ScrollBar1VBorder,
                               ix.ScrollBar1VPattern, ix.ScrollBar1VHotPattern}
                 : PartSection{ix.ScrollBar2V, "SCROLLBAR2V", ix.ScrollBar2VBorder,
                               ix.ScrollBar2VPattern, ix.ScrollBar2VHotPattern};
  }
  return first ? PartSection{ix.ScrollBar1H, "SCROLLBAR1H", ix.ScrollBar1HBorder,
                             ix.ScrollBar1HPattern, ix.ScrollBar1HHotPattern}
               : PartSection{ix.ScrollBar2H, "SCROLLBAR2H", ix.ScrollBar2HBorder,
                             ix.ScrollBar2HPattern, ix.ScrollBar2HHotPattern};
}

PartSection ButtonSection(const CommonIndexes& ix, bool vertical, bool first) {
  if (vertical) {
    return first ? PartSection{ix.ScrollBtnTop,           "SCROLLBTNTOP",
                               ix.ScrollBtnTopBorder,     ix.ScrollBtnTopPattern,
                               ix.ScrollBtnTopHotPattern, ix.ScrollBtnTopGlyph}
                 : PartSection{ix.ScrollBtnBottom,           "SCROLLBTNBOTTOM",
                               ix.ScrollBtnBottomBorder,     ix.ScrollBtnBottomPattern,
                               ix.ScrollBtnBottomHotPattern, ix.ScrollBtnBottomGlyph};
  }
  return first ? PartSection{ix.ScrollBtnLeft,           "SCROLLBTNLEFT",
                             ix.ScrollBtnLeftBorder,     ix.ScrollBtnLeftPattern,
                             ix.ScrollBtnLeftHotPattern, ix.ScrollBtnLeftGlyph}
               : PartSection{ix.ScrollBtnRight,           "SCROLLBTNRIGHT",
                             ix.ScrollBtnRightBorder,     ix.ScrollBtnRightPattern,
                             ix.ScrollBtnRightHotPattern, ix.ScrollBtnRightGlyph};
}

PartSection SliderSection(const CommonIndexes& ix, bool vertical) {
  return vertical ? PartSection{ix.ScrollSliderV,           "SCROLLSLIDERV",
                                ix.ScrollSliderVBorder,     ix.ScrollSliderVPattern,
                                ix.ScrollSliderVHotPattern, ix.ScrollSliderVGlyph}
                  : PartSection{ix.ScrollSliderH,           "SCROLLSLIDERH",
                                ix.ScrollSliderHBorder,     ix.ScrollSliderHPattern,
                                ix.ScrollSliderHHotPattern, ix.ScrollSliderHGlyph};
}

SectionPaint PaintOf(const TsSkinManager& manager, const PartSection& part,
                     const TCacheInfo& background, TPoint position, int state) {
  SectionPaint paint;
  paint.Manager = &manager;
  paint.SectionIndex = part.Section;
  paint.SectionName = part.Name;
  paint.Cache = background;
  paint.Position = position;
  paint.State = state;
  paint.PatternIndex = part.Pattern;
  paint.HotPatternIndex = part.HotPattern;
  return paint;
}

TRect ClipTo(const TRect& r, const Bitmap24& bitmap) {
  return ClipToPicture(r, bitmap.Width(), bitmap.Height());
}

}  // namespace

void TsScrollBar::RepaintIfNeeded() {
  if (!needsRepaint_ || !ReadyToPaint()) return;
  WindowDc dc(Handle());
  PaintSkinned(dc.Get());
}

TCacheInfo TsScrollBar::Background() const {
  if (memo_ == nullptr) return skinData_.RequestParentCache();
  if (!memo_->HandleAllocated()) return {};
  CacheInfo.Ready = false;
  SkinCommandToWindow(memo_->Handle(), SK_GETCACHE);
  TCacheInfo info = CacheInfo;
  // A memo that has not painted its frame yet has no picture to offer.
  if (info.Bitmap == nullptr || info.Bitmap->Empty()) return {};
  if (dynamic_cast<TForm*>(memo_) == nullptr) {
    info.X -= memo_->Left();
    info.Y -= memo_->Top();
  }
  return info;
}

void TsScrollBar::PaintTracks(Bitmap24& cache) {
  const TsSkinManager& manager = *skinData_.EffectiveManager();
  const bool vertical = Kind() == TScrollBarKind::sbVertical;
  const ScrollBarLayout layout = Layout();
  const TCacheInfo background = Background();
  const auto state = [&](TScrollPart part) {
    if (!Enabled()) return kPartNormal;
    return PartState(part) != kPartNormal ? PartState(part) : HotOrNormal();
  };
  for (const bool first : {true, false}) {
    const TScrollPart part = first ? TScrollPart::FirstTrack : TScrollPart::SecondTrack;
    const TRect r = ClipTo(PartRect(layout.Span(part)), cache);
    if (r.Empty()) continue;
    const PartSection section = TrackSection(manager.Indexes(), vertical, first);
    const SectionPaint paint =
        PaintOf(manager, section, background, {Left() + r.Left, Top() + r.Top}, state(part));
    PaintSectionByIndexes(paint, section.Border, cache, r, true);
  }
}

void TsScrollBar::PaintButtons(Bitmap24& target, const Bitmap24& cache) {
  const TsSkinManager& manager = *skinData_.EffectiveManager();
  const bool vertical = Kind() == TScrollBarKind::sbVertical;
  const ScrollBarLayout layout = Layout();
  const int arrow = GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
  const int length = vertical ? Height() : Width();
  // The painter reads the background, the target may be a copy of it.
  const TCacheInfo background{const_cast<Bitmap24*>(&cache), 0, 0, true};
  for (const bool first : {true, false}) {
    const TScrollPart part = first ? TScrollPart::FirstButton : TScrollPart::SecondButton;
    const PartSection section = ButtonSection(manager.Indexes(), vertical, first);
    int imageLength = 0;
    if (manager.IsValidSectionIndex(section.Section) &&
        manager.Sections()[static_cast<size_t>(section.Section)].ReservedBoolean &&
        manager.IsValidMaskIndex(section.Border)) {
      const ImageSize image = manager.Records().StateImageSize(section.Border);
      imageLength = vertical ? image.Height : image.Width;
    }
    const int paintedLength = PaintedButtonLength(layout.Span(part).Length(), arrow, imageLength);
    const ScrollSpan span =
        first ? ScrollSpan{0, paintedLength} : ScrollSpan{length - paintedLength, length};
    const TRect r = ClipTo(PartRect(span), target);
    if (r.Empty()) continue;
    PaintSectionByIndexes(PaintOf(manager, section, background, {r.Left, r.Top}, PartState(part)),
                          section.Border, target, r, true);
    if (!manager.IsValidMaskIndex(section.Glyph)) continue;
    const TsMaskData& glyph = manager.Masks()[static_cast<size_t>(section.Glyph)];
    if (glyph.Image) {
      const bool fits =
          vertical ? glyph.Image->Height() / 2 < r.Height() : glyph.Image->Width() / 3 < r.Width();
      if (!fits) continue;
    }
    const ImageSize size = manager.Records().StateImageSize(section.Glyph);
    const TPoint at{r.Left + (r.Width() - size.Width) / 2, r.Top + (r.Height() - size.Height) / 2};
    if (at.X >= 0 && at.Y >= 0) DrawMaskImage(target, at, PartState(part), glyph, 1);
  }
}

void TsScrollBar::PaintSlider(Bitmap24& target, const Bitmap24& cache) {
  const ScrollBarLayout layout = Layout();
  if (!layout.SliderFits()) return;
  if (!Enabled() && memo_ != nullptr && memo_->Enabled()) return;
  const TsSkinManager& manager = *skinData_.EffectiveManager();
  const bool vertical = Kind() == TScrollBarKind::sbVertical;
  const PartSection section = SliderSection(manager.Indexes(), vertical);
  if (!manager.IsValidSectionIndex(section.Section)) return;
  const TRect r = ClipTo(PartRect(layout.Slider()), target);
  if (r.Empty()) return;
  Bitmap24 slider(r.Width(), r.Height());
  CopyBitmapRect(slider, cache, {0, 0}, r);
  const int state = PartState(TScrollPart::Slider);
  const TCacheInfo background{const_cast<Bitmap24*>(&cache), 0, 0, true};
  PaintSectionByIndexes(PaintOf(manager, section, background, {r.Left, r.Top}, state),
                        section.Border, slider, {0, 0, r.Width(), r.Height()}, true);
  if (manager.IsValidMaskIndex(section.Glyph)) {
    const TsMaskData& grip = manager.Masks()[static_cast<size_t>(section.Glyph)];
    const bool fits = !grip.Image || (vertical ? grip.Image->Height() / 2 < r.Height()
                                               : grip.Image->Width() / 2 < r.Width());
    if (fits) {
      const ImageSize size = manager.Records().StateImageSize(section.Glyph);
      const int shift = state == kPartPressed ? 1 : 0;
      DrawMaskImage(slider,
                    {(r.Width() - size.Width) / 2 + shift, (r.Height() - size.Height) / 2 + shift},
                    state, grip, 1);
    }
  }
  CopyBitmapRect(target, slider, {r.Left, r.Top}, {0, 0, r.Width(), r.Height()});
}

void TsScrollBar::ApplyDisabledLookTo(Bitmap24& target) {
  if (memo_ != nullptr) {
    TCacheInfo memoCache = Background();
    if (memoCache.Ready) {
      // The memo's picture behind the bar, at the bar's offset from the memo.
      memoCache.X = 0;
      memoCache.Y = 0;
      ApplyDisabledLook(target, static_cast<int>(disabledKind_), Color(),
                        {Left() - memo_->Left(), Top() - memo_->Top()}, memoCache,
                        SharedBackgroundColor);
      return;
    }
    const TsSkinManager& manager = *skinData_.EffectiveManager();
    const int track = manager.Indexes().ScrollBar1H;
    if (manager.IsValidSectionIndex(track)) {
      MixRectWithColor(target, {0, 0, target.Width() - 1, target.Height() - 1}, 40,
                       manager.Sections()[static_cast<size_t>(track)].Color);
    }
    return;
  }
  const TCacheInfo parent = skinData_.RequestParentCache();
  const TColor behind = parent.Ready ? clMagenta : GetBgColorOf(Parent());
  ApplyDisabledLook(target, static_cast<int>(disabledKind_), Color(), {Left(), Top()}, parent,
                    behind);
}

void TsScrollBar::PaintSkinned(HDC dc) {
  if (!ReadyToPaint()) return;
  skinData_.Updating = skinData_.IsUpdating();
  if (skinData_.Updating) return;
  needsRepaint_ = false;
  skinData_.PrepareCacheBitmap();
  Bitmap24& cache = *skinData_.CacheBitmap;
  if (cache.Empty()) return;
  PaintTracks(cache);
  // A disabled bar fades a copy, so that the cache keeps the plain picture.
  Bitmap24 faded;
  if (!Enabled()) faded = cache.Clone();
  Bitmap24& target = Enabled() ? cache : faded;
  PaintButtons(target, cache);
  PaintSlider(target, cache);
  if (!Enabled()) ApplyDisabledLookTo(target);
  skinData_.BackgroundChanged = false;
  TCanvas canvas(dc);
  canvas.Draw(0, 0, target);
}

}  // namespace au
