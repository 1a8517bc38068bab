// TsScrollBar: a scroll bar that, while a skin with scroll-bar sections is
// active, is a plain window painting itself: two arrow buttons, two track
// parts and a slider, each from its own section, with hot and pressed looks,
// repeat timers for held buttons and track parts, and slider dragging.
// Unskinned it is the platform's own scroll-bar control. A memo links its
// overlay bars to itself: they paint over its background and report their
// movements to it.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "controls/scroll_bar_layout.h"
#include "controls/skinned_control.h"
#include "controls/ts_speed_button.h"
#include "pixels/cache_info.h"
#include "pixels/rect.h"
#include "ui/scroll_bar.h"
#include "ui/timer.h"

namespace au {

// The scroll codes a skinned bar reports, in the platform's order (SB_LINEUP
// … SB_ENDSCROLL), -1 while no scrolling is under way.
inline constexpr int kNoScrollCode = -1;

// 0 normal, 1 hot, 2 pressed.
inline constexpr int kPartNormal = 0;
inline constexpr int kPartHot = 1;
inline constexpr int kPartPressed = 2;

class TsScrollBar : public TsSkinnedControl<TScrollBar, 142, "TsScrollBar"> {
 public:
  explicit TsScrollBar(TComponent* owner);
  ~TsScrollBar() override;

  void SetMin(int min) { SetParams(position_, min, max_); }
  void SetMax(int max) { SetParams(position_, min_, max); }
  void SetParams(int position, int min, int max) override;
  void SetPageSize(int pageSize) override;
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool smooth) { smooth_ = smooth; }
  unsigned DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(unsigned kind);

  // Skinned: a skin is active whose scroll-bar sections this bar paints from.
  bool Skinned() const;

  // Called with the old position whenever Position changes (not while the
  // positions of a drag are collected for a bar that is not Smooth).
  using TChangeCallback = std::function<void(TsScrollBar& bar, int oldPosition)>;
  void LinkToMemo(TWinControl* memo, TChangeCallback onChange);
  // While locked the bar does not paint; the memo locks its bars while it
  // hands them a new range.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);

  int PartState(TScrollPart part) const { return states_[static_cast<int>(part)]; }
  int ScrollCode() const { return scrollCode_; }
  ScrollBarLayout Layout() const;
  // The repeat or drag timer while one runs, else null.
  TTimer* RepeatTimer() const { return timer_.get(); }

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle(const TCreateParams& params) override;

 private:
  enum class TimerKind { Button, Page, Drag };

  bool ReadyToPaint() const;
  void HandleSkinCommand(TMessage& message);
  void HandleSkinnedMessage(TMessage& message);
  // The plain window or the platform's control, whichever the skin asks for.
  void RecreateIfWrongKind();

  void SetPartState(TScrollPart part, int state);
  int HotOrNormal() const { return skinData_.IsHotState() ? kPartHot : kPartNormal; }
  bool IsPressed(TScrollPart part) const { return PartState(part) == kPartPressed; }
  // The coordinate of a client point along the bar.
  int Along(POINT p) const;
  bool Over(TScrollPart part, POINT p) const;
  POINT CursorPoint() const;
  void MovePosition(int delta);
  void ReportScroll(int position);
  void ReportChange(int oldPosition);

  void Press(TMessage& message);
  void Release(TMessage& message);
  void Hover(POINT p);
  void MouseEntered();
  void MouseLeft();
  void KeyDown(TMessage& message);

  void StartTimer(TimerKind kind);
  void TimerTick(TimerKind kind);
  void StopScrolling();

  void RepaintIfNeeded();
  void PaintSkinned(HDC dc);
  // The background behind the bar: its memo's picture or its parent's.
  TCacheInfo Background() const;
  void PaintTracks(Bitmap24& cache);
  void PaintButtons(Bitmap24& target, const Bitmap24& cache);
  void PaintSlider(Bitmap24& target, const Bitmap24& cache);
  void ApplyDisabledLookTo(Bitmap24& target);
  // The bar's rectangle of a stretch along it.
  TRect PartRect(const ScrollSpan& span) const;

  TWinControl* memo_ = nullptr;
  TChangeCallback onChange_;
  bool smooth_ = true;
  unsigned disabledKind_ = dkBlended;
  std::array<int, kScrollPartCount> states_{};
  bool needsRepaint_ = false;
  bool locked_ = false;
  bool platformWindow_ = false;
  int scrollCode_ = kNoScrollCode;
  int dragOffset_ = 0;
  std::unique_ptr<TTimer> timer_;
  bool savedShowHint_ = true;
  // While the positions of a drag are collected: the position it started at.
  bool collecting_ = false;
  int collectedFrom_ = 0;
};

}  // namespace au
