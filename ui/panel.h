// TPanel: a plain container with a bevel and a centred caption.
#pragma once

#include "ui/win_control.h"

namespace au {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TBevelCut { bvNone, bvLowered, bvRaised };

// The text-drawing alignment flag (DT_LEFT, DT_RIGHT, DT_CENTER).
UINT AlignmentFormat(TAlignment alignment);

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut bevel);

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& message) override;

 private:
  TAlignment alignment_ = TAlignment::taCenter;
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
};

}  // namespace au
