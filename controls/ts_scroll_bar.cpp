#include "controls/ts_scroll_bar.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>

#include "skin/skin_globals.h"
#include "skin/skin_manager.h"
#include "ui/application.h"
#include "ui/window_class.h"

namespace au {
namespace {

constexpr unsigned kFirstRepeatDelay = 500;
constexpr unsigned kRepeatInterval = 100;
constexpr unsigned kDragInterval = 10;

int ClampToInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

TsScrollBar::TsScrollBar(TComponent* owner) : TsSkinnedControl(owner) {}

TsScrollBar::~TsScrollBar() {
  // A timer must not fire into a bar that is going away, and a press cut
  // short gives the hints back.
  timer_.reset();
  if (scrollCode_ != kNoScrollCode && Application() != nullptr) {
    Application()->SetShowHint(savedShowHint_);
  }
}

bool TsScrollBar::Skinned() const {
  if (IsDestroying()) return false;
  TsSkinManager* manager = skinData_.EffectiveManager();
  if (manager == nullptr || manager->IsDestroying() || !manager->SkinData().SkinActive) {
    return false;
  }
  if (skinData_.IsSkinned()) return true;
  // The bar's own section is rarely in a skin; it paints from the scroll-bar
  // sections, so those are what make it skinned.
  const CommonIndexes& ix = manager->Indexes();
  return manager->IsValidSectionIndex(Kind() == TScrollBarKind::sbVertical ? ix.ScrollBar1V
                                                                           : ix.ScrollBar1H);
}

void TsScrollBar::LinkToMemo(TWinControl* memo, TChangeCallback onChange) {
  memo_ = memo;
  onChange_ = std::move(onChange);
}

void TsScrollBar::SetLocked(bool locked) {
  if (locked == locked_) return;
  locked_ = locked;
  if (!locked_) RepaintIfNeeded();
}

void TsScrollBar::SetDisabledKind(unsigned kind) {
  if (kind == disabledKind_) return;
  disabledKind_ = kind;
  skinData_.BackgroundChanged = true;
  needsRepaint_ = true;
  RepaintIfNeeded();
}

ScrollBarLayout TsScrollBar::Layout() const {
  const bool vertical = Kind() == TScrollBarKind::sbVertical;
  ScrollBarMeasures m;
  m.Length = vertical ? Height() : Width();
  m.Arrow = GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
  m.Min = min_;
  m.Max = max_;
  m.Position = position_;
  m.PageSize = pageSize_;
  m.Enabled = Enabled();
  return ScrollBarLayout(m);
}

TRect TsScrollBar::PartRect(const ScrollSpan& span) const {
  if (Kind() == TScrollBarKind::sbVertical) return {0, span.Start, Width(), span.End};
  return {span.Start, 0, span.End, Height()};
}

// Range and position.

void TsScrollBar::SetParams(int position, int min, int max) {
  const bool skinned = Skinned();
  if ((skinned && min >= max) || (!skinned && max < min)) {
    std::string text = "Scrollbar property out of range\r\nMax = " + std::to_string(max);
    text += memo_ != nullptr ? "(Owner=" + memo_->Name() + ")" : "(" + Name() + ")";
    if (!skinned) throw std::invalid_argument(text);
    Application()->MessageBox(text);
  }
  position = std::max(min, std::min(position, max));
  const bool rangeChanged = min != min_ || max != max_;
  min_ = min;
  max_ = max;
  if (!skinned) {
    const bool moved = position != position_;
    position_ = position;
    if (rangeChanged || moved) ApplyToWindow();
    if (moved) {
      if (HandleAllocated() && Enabled()) EnableScrollBar(Handle(), SB_CTL, ESB_ENABLE_BOTH);
      if (OnChange) OnChange(this);
    }
    return;
  }
  // The slider moves with the range as well.
  if (rangeChanged) needsRepaint_ = true;
  if (position == position_) {
    if (scrollCode_ != kNoScrollCode && !IsLoading() && !IsReading() && !IsCreating() &&
        Parent() != nullptr) {
      ReportScroll(position_);
    }
  } else {
    const int old = position_;
    position_ = position;
    needsRepaint_ = true;
    if (!collecting_) ReportChange(old);
    if (scrollCode_ != kNoScrollCode) ReportScroll(position_);
    if (OnChange) OnChange(this);
  }
  RepaintIfNeeded();
}

void TsScrollBar::SetPageSize(int pageSize) {
  // The memo hands its bars their page on every update: only a change repaints.
  if (pageSize < 0 || pageSize == pageSize_) return;
  pageSize_ = pageSize;
  if (platformWindow_) ApplyToWindow();
  needsRepaint_ = true;
  Invalidate();
}

void TsScrollBar::MovePosition(int delta) {
  SetPosition(ClampToInt(static_cast<long long>(position_) + delta));
}

void TsScrollBar::ReportScroll(int position) {
  if (!OnScroll) return;
  // The bar has moved already; what the handler does with its copy stays its own.
  int reported = position;
  OnScroll(this, scrollCode_, reported);
}

void TsScrollBar::ReportChange(int oldPosition) {
  if (onChange_) onChange_(*this, oldPosition);
}

// Part states.

void TsScrollBar::SetPartState(TScrollPart part, int state) {
  int& current = states_[static_cast<int>(part)];
  if (current == state) return;
  current = state;
  needsRepaint_ = true;
  if (state != kPartHot && state != kPartPressed) return;
  // One part is hot or pressed at a time; the track parts show the mouse is near.
  for (TScrollPart other :
       {TScrollPart::FirstButton, TScrollPart::SecondButton, TScrollPart::Slider,
        TScrollPart::FirstTrack, TScrollPart::SecondTrack}) {
    if (other == part) continue;
    const bool track = other == TScrollPart::FirstTrack || other == TScrollPart::SecondTrack;
    int& s = states_[static_cast<int>(other)];
    const int next = track ? kPartHot : kPartNormal;
    if (s != next) {
      s = next;
      needsRepaint_ = true;
    }
  }
}

int TsScrollBar::Along(POINT p) const {
  return Kind() == TScrollBarKind::sbVertical ? p.y : p.x;
}

bool TsScrollBar::Over(TScrollPart part, POINT p) const {
  const RECT client = ClientRect();
  return PtInRect(&client, p) && Layout().Span(part).Contains(Along(p));
}

POINT TsScrollBar::CursorPoint() const {
  POINT p{};
  GetCursorPos(&p);
  if (HandleAllocated()) ::ScreenToClient(Handle(), &p);
  return p;
}

// Mouse and keys.

void TsScrollBar::Press(TMessage& m) {
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  savedShowHint_ = Application()->ShowHint();
  Application()->SetShowHint(false);
  dragOffset_ = 0;
  // The memo's bars have no tab stop: clicking them leaves the focus, and so
  // the caret and the selection, in the memo, as the platform's bars do.
  if (TabStop() && CanFocus()) SetFocus();
  SetCaptureControl(this);
  const ScrollBarLayout layout = Layout();
  const int along = Along(p);
  switch (layout.PartAt(along)) {
    case TScrollPart::FirstButton:
      if (IsPressed(TScrollPart::FirstButton)) break;
      scrollCode_ = SB_LINEUP;
      SetPartState(TScrollPart::FirstButton, kPartPressed);
      if (position_ == min_) {
        ReportScroll(position_);
      } else {
        MovePosition(-SmallChange());
      }
      StartTimer(TimerKind::Button);
      break;
    case TScrollPart::SecondButton:
      if (IsPressed(TScrollPart::SecondButton)) break;
      SetPartState(TScrollPart::SecondButton, kPartPressed);
      scrollCode_ = SB_LINEDOWN;
      if (position_ != max_) {
        MovePosition(SmallChange());
        StartTimer(TimerKind::Button);
      }
      break;
    case TScrollPart::Slider:
      scrollCode_ = SB_THUMBTRACK;
      if (!smooth_ && !collecting_) {
        collecting_ = true;
        collectedFrom_ = position_;
      }
      if (IsPressed(TScrollPart::Slider)) break;
      dragOffset_ = layout.PositionAt(along) - position_;
      SetPartState(TScrollPart::Slider, kPartPressed);
      StartTimer(TimerKind::Drag);
      break;
    case TScrollPart::FirstTrack:
      scrollCode_ = SB_PAGEUP;
      if (IsPressed(TScrollPart::FirstTrack)) break;
      SetPartState(TScrollPart::FirstTrack, kPartPressed);
      SetPartState(TScrollPart::SecondTrack, HotOrNormal());
      if (LargeChange() != 0) MovePosition(-LargeChange());
      StartTimer(TimerKind::Page);
      break;
    case TScrollPart::SecondTrack:
      scrollCode_ = SB_PAGEDOWN;
      if (IsPressed(TScrollPart::SecondTrack)) break;
      SetPartState(TScrollPart::FirstTrack, HotOrNormal());
      SetPartState(TScrollPart::SecondTrack, kPartPressed);
      if (LargeChange() != 0) MovePosition(LargeChange());
      StartTimer(TimerKind::Page);
      break;
  }
  RepaintIfNeeded();
}

void TsScrollBar::Release(TMessage& m) {
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  timer_.reset();
  const bool sliderPressed = IsPressed(TScrollPart::Slider);
  if (sliderPressed || Over(TScrollPart::Slider, p)) {
    scrollCode_ = SB_THUMBPOSITION;
    // Assigned, not set: a hot track part would reset the pressed slider.
    states_[static_cast<int>(TScrollPart::FirstTrack)] = HotOrNormal();
    states_[static_cast<int>(TScrollPart::SecondTrack)] = HotOrNormal();
    needsRepaint_ = true;
    if (sliderPressed) {
      SetPosition(Layout().PositionAt(Along(p)) - dragOffset_);
      SetPartState(TScrollPart::Slider, Over(TScrollPart::Slider, p) ? kPartHot : kPartNormal);
    }
    if (collecting_) {
      collecting_ = false;
      if (position_ != collectedFrom_) ReportChange(collectedFrom_);
    }
  } else {
    // A pressed part goes back to hot under the pointer, to normal elsewhere.
    for (TScrollPart button : {TScrollPart::FirstButton, TScrollPart::SecondButton}) {
      if (IsPressed(button)) SetPartState(button, Over(button, p) ? kPartHot : kPartNormal);
    }
    for (TScrollPart track : {TScrollPart::FirstTrack, TScrollPart::SecondTrack}) {
      if (IsPressed(track)) SetPartState(track, HotOrNormal());
    }
  }
  RepaintIfNeeded();
  if (CaptureControl() == this) SetCaptureControl(nullptr);
  TScrollBar::WndProc(m);
  StopScrolling();
}

void TsScrollBar::StopScrolling() {
  scrollCode_ = SB_ENDSCROLL;
  ReportScroll(position_);
  Application()->SetShowHint(savedShowHint_);
  scrollCode_ = kNoScrollCode;
  collecting_ = false;
}

void TsScrollBar::Hover(POINT p) {
  const ScrollBarLayout layout = Layout();
  const int along = Along(p);
  if (IsPressed(TScrollPart::Slider)) {
    const int next = layout.PositionAt(along) - dragOffset_;
    if (next != position_) SetPosition(next);
  } else if (layout.Slider().Contains(along)) {
    SetPartState(TScrollPart::Slider, kPartHot);
  } else if (layout.FirstButton().Contains(along)) {
    if (!IsPressed(TScrollPart::FirstButton)) SetPartState(TScrollPart::FirstButton, kPartHot);
  } else if (layout.SecondButton().Contains(along)) {
    if (!IsPressed(TScrollPart::SecondButton)) SetPartState(TScrollPart::SecondButton, kPartHot);
  } else {
    SetPartState(TScrollPart::Slider, kPartNormal);
    SetPartState(TScrollPart::FirstButton, kPartNormal);
    SetPartState(TScrollPart::SecondButton, kPartNormal);
  }
  RepaintIfNeeded();
}

void TsScrollBar::MouseEntered() {
  // Assigned, not set: entering again during a drag keeps the slider pressed.
  for (TScrollPart track : {TScrollPart::FirstTrack, TScrollPart::SecondTrack}) {
    int& s = states_[static_cast<int>(track)];
    if (s == kPartNormal) {
      s = kPartHot;
      needsRepaint_ = true;
    }
  }
  RepaintIfNeeded();
}

void TsScrollBar::MouseLeft() {
  SetPartState(TScrollPart::FirstButton, kPartNormal);
  SetPartState(TScrollPart::SecondButton, kPartNormal);
  if (!IsPressed(TScrollPart::Slider)) {
    SetPartState(TScrollPart::Slider, kPartNormal);
    SetPartState(TScrollPart::FirstTrack, kPartNormal);
    SetPartState(TScrollPart::SecondTrack, kPartNormal);
  }
  RepaintIfNeeded();
}

void TsScrollBar::KeyDown(TMessage& m) {
  switch (m.WParam) {
    case VK_PRIOR:
      MovePosition(-LargeChange());
      break;
    case VK_NEXT:
      MovePosition(LargeChange());
      break;
    case VK_END:
      SetPosition(max_);
      break;
    case VK_HOME:
      SetPosition(min_);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      MovePosition(SmallChange());
      break;
    case VK_LEFT:
    case VK_UP:
      MovePosition(-SmallChange());
      break;
    default:
      break;
  }
}

// Timers.

void TsScrollBar::StartTimer(TimerKind kind) {
  auto timer = std::make_unique<TTimer>(nullptr);
  timer->SetInterval(kind == TimerKind::Drag ? kDragInterval : kFirstRepeatDelay);
  timer->OnTimer = [this, kind](TTimer*) { TimerTick(kind); };
  timer_ = std::move(timer);
}

void TsScrollBar::TimerTick(TimerKind kind) {
  if (!timer_) return;
  if (kind != TimerKind::Drag && timer_->Interval() != kRepeatInterval) {
    timer_->SetInterval(kRepeatInterval);
  }
  switch (kind) {
    case TimerKind::Button:
      if (IsPressed(TScrollPart::FirstButton)) {
        MovePosition(-SmallChange());
      } else if (IsPressed(TScrollPart::SecondButton)) {
        MovePosition(SmallChange());
      } else {
        timer_.reset();
      }
      break;
    case TimerKind::Page: {
      // Paging stops once the slider has reached the pointer.
      const int target = Layout().PositionAt(Along(CursorPoint()));
      if (IsPressed(TScrollPart::FirstTrack) && target < position_) {
        MovePosition(-LargeChange());
      } else if (IsPressed(TScrollPart::SecondTrack) && position_ < target) {
        MovePosition(LargeChange());
      } else {
        timer_.reset();
      }
      break;
    }
    case TimerKind::Drag:
      if (IsPressed(TScrollPart::Slider)) {
        const int next = Layout().PositionAt(Along(CursorPoint())) - dragOffset_;
        if (next != position_) SetPosition(next);
      } else {
        timer_.reset();
      }
      break;
  }
  RepaintIfNeeded();
}

// Windows and messages.

void TsScrollBar::CreateParams(TCreateParams& params) {
  TScrollBar::CreateParams(params);
  platformWindow_ = !Skinned();
  if (platformWindow_) return;
  params.ClassName = kControlClassName;
  params.PredefinedClass = false;
  params.Style &= ~static_cast<DWORD>(SBS_VERT);
}

void TsScrollBar::CreateWindowHandle(const TCreateParams& params) {
  if (platformWindow_) {
    TScrollBar::CreateWindowHandle(params);
  } else {
    TWinControl::CreateWindowHandle(params);
  }
  needsRepaint_ = true;
}

void TsScrollBar::RecreateIfWrongKind() {
  if (HandleAllocated() && platformWindow_ == Skinned()) RecreateWnd();
}

bool TsScrollBar::ReadyToPaint() const {
  return HandleAllocated() && !locked_ && !platformWindow_ && skinData_.OwnerReady() && Skinned() &&
         !SkinBroadcastInProgress && !IsLoading();
}

void TsScrollBar::HandleSkinCommand(TMessage& m) {
  if (IsDestroying()) {
    TScrollBar::WndProc(m);
    return;
  }
  const bool ours = CarriesOwnManager(m);
  switch (SkinCommandOf(m)) {
    case SK_SKINCHANGED:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      return;
    case SK_SKINREMOVED:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      timer_.reset();
      states_.fill(kPartNormal);
      RecreateWnd();
      return;
    case SK_REFRESH:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      skinData_.BackgroundChanged = true;
      RecreateWnd();
      return;
    case SK_PARENTPAINTED:
      skinData_.Updating = false;
      Invalidate();
      return;
    case SK_ISSKINNED:
      AnswerYes(m);
      return;
    default:
      if (skinData_.HandleSkinCommand(m)) return;
      break;
  }
  TScrollBar::WndProc(m);
}

void TsScrollBar::WndProc(TMessage& m) {
  if (m.Msg == SM_ALPHACMD) {
    HandleSkinCommand(m);
    return;
  }
  if (!skinData_.OwnerReady() || !Skinned()) {
    TScrollBar::WndProc(m);
    return;
  }
  HandleSkinnedMessage(m);
}

void TsScrollBar::HandleSkinnedMessage(TMessage& m) {
  const bool active = Enabled() && !platformWindow_;
  switch (m.Msg) {
    case WM_PAINT:
      RecreateIfWrongKind();
      PaintForMessage(m, [this](HDC dc) { PaintSkinned(dc); });
      return;
    case WM_NCHITTEST:
      RecreateIfWrongKind();
      if (active) {
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        ::ScreenToClient(Handle(), &p);
        Hover(p);
      }
      break;
    case WM_PRINTCLIENT:
      PaintSkinned(reinterpret_cast<HDC>(m.WParam));
      return;
    case WM_ERASEBKGND:
      // Every pixel is painted in WM_PAINT.
      m.Result = 1;
      return;
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (active) Press(m);
      break;
    case WM_LBUTTONUP:
      if (active) {
        Release(m);
        return;
      }
      break;
    case WM_KEYDOWN:
      if (active) KeyDown(m);
      break;
    case CM_CANCELMODE:
      // The capture went elsewhere: nothing stays pressed.
      timer_.reset();
      if (scrollCode_ != kNoScrollCode) {
        states_.fill(kPartNormal);
        needsRepaint_ = true;
        StopScrolling();
        RepaintIfNeeded();
      }
      break;
    default:
      break;
  }
  if (skinData_.HandleControlMessage(m)) return;
  TScrollBar::WndProc(m);
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (active) MouseEntered();
      break;
    case CM_MOUSELEAVE:
      if (active) MouseLeft();
      break;
    case CM_ENABLEDCHANGED:
      states_.fill(kPartNormal);
      needsRepaint_ = true;
      Invalidate();
      break;
    case WM_SIZE:
      needsRepaint_ = true;
      Invalidate();
      break;
    default:
      break;
  }
}

}  // namespace au
