// TScrollBar: the platform's stand-alone scroll bar control.
#pragma once

#include <functional>

#include "ui/win_control.h"

namespace au {

enum class TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int PageSize() const { return pageSize_; }
  // A skinned bar that paints itself applies its own range rules.
  virtual void SetParams(int position, int min, int max);
  void SetPosition(int position) { SetParams(position, min_, max_); }
  virtual void SetPageSize(int pageSize);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int change) { smallChange_ = change; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int change) { largeChange_ = change; }

  TNotifyEvent OnChange;
  // The scroll code (SB_LINEUP …) and the position it leads to.
  std::function<void(TComponent*, int code, int& position)> OnScroll;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle(const TCreateParams& params) override;
  // Works out the position a scroll request leads to and applies it.
  void Scroll(int code, int trackPosition);
  // Hands the range, page and position to the platform's control.
  void ApplyToWindow();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;

 private:
  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

}  // namespace au
