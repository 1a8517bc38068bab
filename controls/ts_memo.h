// TsMemo: the memo of the main window with a skin state. The platform's edit
// control still draws the text, the caret and the selection and does all the
// editing and scrolling. Skinned, the memo paints its 2-pixel frame from its
// section, keeps the text background in the section's colour, and covers the
// edit control's own scroll bars with two skinned TsScrollBar windows that it
// keeps in step with the edit control's scroll state and whose movements it
// turns back into scroll requests for the edit control.
#pragma once

#include "controls/skinned_control.h"
#include "controls/ts_scroll_bar.h"
#include "ui/memo.h"

namespace au {

class TsMemo : public TsSkinnedControl<TMemo, 7, "TsMemo"> {
 public:
  explicit TsMemo(TComponent* owner);
  ~TsMemo() override;

  unsigned DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(unsigned kind);

  // The overlay bars while they exist (skinned, visible, larger than 15 x 15
  // pixels, and only in the directions the edit control shows), else null.
  TsScrollBar* VerticalScrollBar() const { return vertical_; }
  TsScrollBar* HorizontalScrollBar() const { return horizontal_; }

  // Brings the overlay bars in step with the edit control's scroll state,
  // making or freeing them as needed.
  void UpdateScrollBars();

  TNotifyEvent OnScrollCaret;
  TNotifyEvent OnVScroll;

  void WndProc(TMessage& message) override;

 private:
  void HandleSkinCommand(TMessage& message);
  void AfterMessage(const TMessage& message);
  void PaintClient(TMessage& message);
  // The frame around the edit control, in the window's non-client area.
  void PaintFrame();
  void RebuildCache();
  void RepaintFrame();
  void FreeScrollBars();
  // Makes, updates or frees one overlay bar from the edit control's scroll
  // information (`info` null when the direction has none).
  void SyncScrollBar(TsScrollBar*& bar, TScrollBarKind kind, const SCROLLINFO* info, bool enabled);
  void PlaceScrollBars();
  // A bar's new position, as the scroll request the edit control understands.
  void ScrollTo(TsScrollBar& bar);
  // The step of one character in a sideways EM_LINESCROLL, in pixels.
  int AverageCharWidth() const;

  unsigned disabledKind_ = dkBlended;
  // The state the frame cache was last painted in: 1 (hot) while focused or
  // under the mouse; its border corners are redrawn for that state.
  int paintedState_ = 0;
  TsScrollBar* vertical_ = nullptr;
  TsScrollBar* horizontal_ = nullptr;
  bool leftButtonDown_ = false;
};

}  // namespace au
