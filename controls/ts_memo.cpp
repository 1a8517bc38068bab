#include "controls/ts_memo.h"

#include <algorithm>
#include <climits>

#include "paint/control_section.h"
#include "paint/repaint_border_corners.h"
#include "pixels/disabled_look.h"
#include "pixels/shared_paint_state.h"
#include "skin/skin_globals.h"
#include "skin/skin_manager.h"
#include "ui/canvas.h"
#include "ui/gdi_handles.h"

namespace au {
namespace {

// Moving a bar scrolls the memo, whose scrolling updates the bars again: this
// flag ends that round trip (and any other re-entry) at the second step.
bool gUpdatingScrollBars = false;

// Overlay bars only for memos large enough to carry them.
constexpr int kMinOverlaySize = 15;

// The width of the frame the skin paints over the edit control's border.
constexpr int kFrame = 2;

// The edit control reads the position of a thumb request as a signed 16-bit
// number: anything larger wraps round to the start of the text.
constexpr int kMaxThumbPosition = SHRT_MAX;

bool ShowsVertical(TScrollStyle style) {
  return style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
}
bool ShowsHorizontal(TScrollStyle style) {
  return style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
}

}  // namespace

TsMemo::TsMemo(TComponent* owner) : TsSkinnedControl(owner) {}

TsMemo::~TsMemo() {
  FreeScrollBars();
}

void TsMemo::SetDisabledKind(unsigned kind) {
  if (kind == disabledKind_) return;
  disabledKind_ = kind;
  skinData_.BackgroundChanged = true;
  RepaintFrame();
}

void TsMemo::FreeScrollBars() {
  delete vertical_;
  vertical_ = nullptr;
  delete horizontal_;
  horizontal_ = nullptr;
}

void TsMemo::RepaintFrame() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

// The overlay bars.

void TsMemo::UpdateScrollBars() {
  if (gUpdatingScrollBars || IsCreating() || IsDestroying() || Parent() == nullptr ||
      !HandleAllocated()) {
    return;
  }
  FlagScope guard(gUpdatingScrollBars);
  if (!ReadyAndSkinned() || !Visible() || Width() <= kMinOverlaySize ||
      Height() <= kMinOverlaySize) {
    FreeScrollBars();
    return;
  }
  SCROLLINFO vertical{sizeof(vertical), SIF_ALL, 0, 0, 0, 0, 0};
  SCROLLINFO horizontal{sizeof(horizontal), SIF_ALL, 0, 0, 0, 0, 0};
  const bool hasVertical =
      ShowsVertical(ScrollBars()) && GetScrollInfo(Handle(), SB_VERT, &vertical) != FALSE;
  const bool hasHorizontal =
      ShowsHorizontal(ScrollBars()) && GetScrollInfo(Handle(), SB_HORZ, &horizontal) != FALSE;
  const bool hadVertical = vertical_ != nullptr;
  const bool hadHorizontal = horizontal_ != nullptr;
  SyncScrollBar(vertical_, TScrollBarKind::sbVertical, hasVertical ? &vertical : nullptr,
                Enabled());
  // Wrapped text that is not left-aligned never scrolls sideways.
  SyncScrollBar(horizontal_, TScrollBarKind::sbHorizontal, hasHorizontal ? &horizontal : nullptr,
                Enabled() && !(WordWrap() && Alignment() != TAlignment::taLeftJustify));
  PlaceScrollBars();
  // The frame fills what the bars leave of the edit control's own ones.
  if (hadVertical != (vertical_ != nullptr) || hadHorizontal != (horizontal_ != nullptr)) {
    RepaintFrame();
  }
}

void TsMemo::SyncScrollBar(TsScrollBar*& bar, TScrollBarKind kind, const SCROLLINFO* info,
                           bool enabled) {
  if (info == nullptr) {
    delete bar;
    bar = nullptr;
    return;
  }
  if (bar == nullptr) {
    bar = new TsScrollBar(this);
    bar->SkinData().SetSkinManager(skinData_.SkinManager());
    bar->SetVisible(false);
    bar->SetLocked(true);
    bar->LinkToMemo(this, [this](TsScrollBar& moved, int) { ScrollTo(moved); });
    bar->SetTabStop(false);
    bar->SetKind(kind);
  }
  bar->SetLocked(true);
  // Something to scroll: the page is smaller than the range. (A page the size
  // of the range, or larger, leaves nothing: the bar then rests disabled.)
  const long long range = static_cast<long long>(info->nMax) - info->nMin + 1;
  const bool scrollable = info->nMax >= info->nMin && static_cast<long long>(info->nPage) < range;
  const int page = static_cast<int>(info->nPage);
  if (enabled && scrollable) {
    bar->SetEnabled(true);
    bar->SetMax(info->nMax - page + 1);
    bar->SetMin(info->nMin);
    bar->SetPosition(info->nPos);
    bar->SetPageSize(page);
    bar->SetLargeChange(page <= 0 ? 1 : page);
  } else {
    bar->SetEnabled(false);
    bar->SetMax(1);
    bar->SetMin(0);
    bar->SetPageSize(page);
    bar->SetPosition(-1);
  }
}

void TsMemo::PlaceScrollBars() {
  const int hScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  const int vScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  TWinControl* parent = Parent();
  const auto place = [&](TsScrollBar* bar, int left, int top, int width, int height) {
    if (bar->Parent() == nullptr) bar->SetParent(parent);
    bar->SetBounds(left, top, width, height);
    bar->SetLocked(false);
    bar->SetVisible(true);
    if (bar->HandleAllocated()) {
      SetWindowPos(bar->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  };
  if (vertical_ != nullptr) {
    const int width = vertical_->Width();
    const bool onLeft = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    place(vertical_, onLeft ? Left() + kFrame : Left() + Width() - width - kFrame, Top() + kFrame,
          width, Height() - 2 * kFrame - (horizontal_ != nullptr ? hScrollHeight : 0));
  }
  if (horizontal_ != nullptr) {
    place(horizontal_, Left() + kFrame, Top() + Height() - horizontal_->Height() - kFrame,
          Width() - 2 * kFrame - (vertical_ != nullptr ? vScrollWidth : 0), hScrollHeight);
  }
}

void TsMemo::ScrollTo(TsScrollBar& bar) {
  // While the bars are brought in step they follow the edit control; sending
  // their (possibly clamped) positions back would scroll it.
  if (gUpdatingScrollBars) return;
  const int position = bar.Position();
  const bool vertical = bar.Kind() == TScrollBarKind::sbVertical;
  const UINT request = vertical ? WM_VSCROLL : WM_HSCROLL;
  if (position <= kMaxThumbPosition) {
    Perform(request, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
    return;
  }
  if (vertical) {
    // Lines are counted exactly: scroll by the distance from the first one shown.
    const auto first = static_cast<int>(SendMessageA(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    Perform(EM_LINESCROLL, 0, position - first);
  } else {
    // Sideways the edit control scrolls by whole average characters. From a
    // thumb position a whole number of characters short of the target, that
    // many characters reach it to the pixel. The bars must not show that
    // stop on the way.
    const int step = AverageCharWidth();
    const int characters = (position - kMaxThumbPosition + step - 1) / step;
    {
      FlagScope quiet(gUpdatingScrollBars);
      Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position - characters * step), 0);
    }
    Perform(EM_LINESCROLL, characters, 0);
  }
  // The end of a scroll, as the thumb request would have told it.
  Perform(request, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
}

int TsMemo::AverageCharWidth() const {
  // Measured with the font the edit control draws with.
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
  WindowDc dc(Handle());
  SelectScope selected(dc.Get(), font != nullptr ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics{};
  if (GetTextMetricsW(dc.Get(), &metrics) == FALSE) return 1;
  return std::max<int>(1, metrics.tmAveCharWidth);
}

// Painting.

void TsMemo::RebuildCache() {
  skinData_.PrepareCacheBitmap();
  Bitmap24& cache = *skinData_.CacheBitmap;
  const TCacheInfo parent = skinData_.RequestParentCache();
  paintedState_ = skinData_.IsHotState() ? 1 : 0;
  PaintControlSection(skinData_, parent, true, false, cache, {Left(), Top()},
                      {0, 0, Width(), Height()}, paintedState_);
  if (!Enabled()) {
    ApplyDisabledLook(cache, static_cast<int>(disabledKind_), Color(), {Left(), Top()}, parent,
                      SharedBackgroundColor);
  }
  skinData_.BackgroundChanged = false;
  // The overlay bars paint over this picture (and fade into it when they are
  // disabled); bars that painted before it existed, or over an older one,
  // would keep that look until something else repainted them.
  for (TsScrollBar* bar : {vertical_, horizontal_})
    if (bar != nullptr) bar->Invalidate();
}

void TsMemo::PaintFrame() {
  if (skinData_.BackgroundChanged || !skinData_.CacheBitmap ||
      skinData_.CacheBitmap->Width() != Width() || skinData_.CacheBitmap->Height() != Height()) {
    RebuildCache();
  }
  RepaintBorderCorners(skinData_, paintedState_);
  const Bitmap24& cache = *skinData_.CacheBitmap;
  const int w = Width();
  const int h = Height();
  if (cache.Empty() || w < 2 * kFrame || h < 2 * kFrame) return;
  WindowDc window(Handle(), true);
  TCanvas canvas(window.Get());
  canvas.CopyFrom({0, 0, w, kFrame}, cache, 0, 0);
  canvas.CopyFrom({0, kFrame, kFrame, h}, cache, 0, kFrame);
  canvas.CopyFrom({kFrame, h - kFrame, w, h}, cache, kFrame, h - kFrame);
  canvas.CopyFrom({w - kFrame, kFrame, w, h}, cache, w - kFrame, kFrame);
  // What the overlay bars leave of the edit control's own bars, and the
  // corner between them, take the text background.
  canvas.Brush().SetColor(Color());
  const int barWidth = vertical_ != nullptr ? vertical_->Width() : 0;
  if (horizontal_ != nullptr) {
    const int top = h - horizontal_->Height() - kFrame - 1;
    canvas.FillRect({kFrame, top, w - barWidth - kFrame, h - kFrame});
  }
  if (vertical_ != nullptr && horizontal_ != nullptr) {
    canvas.FillRect({w - barWidth - kFrame - 1, kFrame, w - kFrame, h - kFrame});
  }
}

void TsMemo::PaintClient(TMessage& m) {
  skinData_.Updating = skinData_.IsUpdating();
  if (skinData_.Updating) {
    // The parent's background is not ready; it says so when it is.
    if (m.WParam == 0) ValidateRect(Handle(), nullptr);
    return;
  }
  if (const TsGeneralData* section = skinData_.Section(); section && !skinData_.CustomColor()) {
    const TColor colour = skinData_.IsHotState() ? section->HotColor : section->Color;
    if (Color() != colour) SetColor(colour);
  }
  TMemo::WndProc(m);
  UpdateScrollBars();
}

// Messages.

void TsMemo::HandleSkinCommand(TMessage& m) {
  const bool ours = CarriesOwnManager(m);
  switch (SkinCommandOf(m)) {
    case SK_SKINCHANGED:
      // The edit control keeps its single sunken border: the frame is painted over it.
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      return;
    case SK_SKINREMOVED:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      FreeScrollBars();
      // A new window shows the platform's own frame and scroll bars again.
      RecreateWnd();
      return;
    case SK_REFRESH:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      if (HandleAllocated()) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
      }
      return;
    case SK_ISSKINNED:
      AnswerYes(m);
      return;
    default:
      break;
  }
  if (!ReadyAndSkinned()) {
    TMemo::WndProc(m);
    return;
  }
  switch (SkinCommandOf(m)) {
    case SK_PARENTPAINTED:
      if (skinData_.IsUpdating()) {
        skinData_.Updating = false;
        RepaintFrame();
      }
      return;
    case SK_SETURGENTPAINT:
      skinData_.HandleSkinCommand(m);
      if (skinData_.UrgentPaint) RebuildCache();
      return;
    default:
      skinData_.HandleSkinCommand(m);
      return;
  }
}

void TsMemo::WndProc(TMessage& m) {
  if (m.Msg == SM_ALPHACMD) {
    HandleSkinCommand(m);
    return;
  }
  if (!ReadyAndSkinned()) {
    TMemo::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      PaintClient(m);
      return;
    case WM_ERASEBKGND:
      if (skinData_.IsUpdating()) {
        m.Result = 1;
        return;
      }
      break;
    case WM_NCPAINT:
      // Never the platform's frame: it would paint its bars over the overlay.
      // A frame deferred while the parent is busy is caught up when it has painted.
      skinData_.Updating = skinData_.IsUpdating();
      if (!skinData_.Updating) PaintFrame();
      m.Result = 0;
      return;
    case WM_PRINTCLIENT:
      Perform(WM_PAINT, m.WParam, m.LParam);
      Perform(WM_NCPAINT, m.WParam, m.LParam);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      leftButtonDown_ = true;
      break;
    case WM_LBUTTONUP:
      leftButtonDown_ = false;
      break;
    default:
      break;
  }
  if (skinData_.HandleControlMessage(m)) return;
  TMemo::WndProc(m);
  AfterMessage(m);
}

void TsMemo::AfterMessage(const TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case EM_LINESCROLL:
    case EM_SCROLL:
    case WM_HSCROLL:
    case WM_STYLECHANGED:
      UpdateScrollBars();
      break;
    case EM_SCROLLCARET:
      UpdateScrollBars();
      if (OnScrollCaret) OnScrollCaret(this);
      break;
    case WM_VSCROLL:
      UpdateScrollBars();
      if (OnVScroll) OnVScroll(this);
      break;
    case WM_MOVE:
      if (Visible() && !IsLoading()) UpdateScrollBars();
      break;
    case WM_SIZE:
      if (Visible()) RepaintFrame();
      UpdateScrollBars();
      break;
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      skinData_.BackgroundChanged = true;
      RepaintFrame();
      UpdateScrollBars();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The frame may have a focused look.
      if (skinData_.BackgroundChanged) RepaintFrame();
      break;
    case WM_WINDOWPOSCHANGED:
    case WM_MOUSEMOVE:
      if (leftButtonDown_) UpdateScrollBars();
      break;
    default:
      break;
  }
}

}  // namespace au
