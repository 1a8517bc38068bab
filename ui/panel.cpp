#include "ui/panel.h"

#include "ui/canvas.h"

namespace au {

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque);
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  Invalidate();
}

void TPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  // Lets dialog navigation step into the panel's children.
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

UINT AlignmentFormat(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taLeftJustify:
      return DT_LEFT;
    case TAlignment::taRightJustify:
      return DT_RIGHT;
    default:
      return DT_CENTER;
  }
}

void TPanel::PaintWindow(HDC dc) {
  TCanvas canvas(dc);
  RECT r = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  if (bevelOuter_ != TBevelCut::bvNone) {
    DrawEdge(dc, &r, bevelOuter_ == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
             BF_RECT);
    InflateRect(&r, -1, -1);
  }
  if (!Caption().empty()) {
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(Caption(), r,
                    AlignmentFormat(alignment_) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

void TPanel::WndProc(TMessage& m) {
  TWinControl::WndProc(m);
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_COLORCHANGED) Invalidate();
}

}  // namespace au
