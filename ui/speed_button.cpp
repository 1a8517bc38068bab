#include "ui/speed_button.h"

#include "ui/gdi_handles.h"
#include "ui/win_control.h"

namespace au {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  // The button raises OnClick itself, on a release inside.
  SetControlStyle(csCaptureMouse | csDoubleClicks);
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetGlyph(Bitmap24 glyph) {
  glyph_ = std::move(glyph);
  StateChanged();
}

void TSpeedButton::SetNumGlyphs(int n) {
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  StateChanged();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  StateChanged();
}

void TSpeedButton::SetMargin(int margin) {
  if (margin == margin_) return;
  margin_ = margin;
  StateChanged();
}

void TSpeedButton::SetSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
  StateChanged();
}

void TSpeedButton::SetDown(bool down) {
  if (groupIndex_ == 0) down = false;
  if (down == down_) return;
  if (down_ && !down && !allowAllUp_) return;
  down_ = down;
  if (down) {
    if (state_ == TButtonState::bsUp) state_ = TButtonState::bsExclusive;
    RaiseGroup();
  } else {
    state_ = TButtonState::bsUp;
  }
  StateChanged();
}

void TSpeedButton::RaiseGroup() {
  if (Parent() == nullptr || groupIndex_ == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other != nullptr && other != this && other->groupIndex_ == groupIndex_) {
      other->GroupButtonDown(this);
    }
  }
}

void TSpeedButton::GroupButtonDown(TSpeedButton*) {
  if (!down_) return;
  down_ = false;
  state_ = TButtonState::bsUp;
  StateChanged();
}

int TSpeedButton::GlyphWidth() const {
  if (glyph_.Empty() || numGlyphs_ < 1) return 0;
  return glyph_.Width() / numGlyphs_;
}

void TSpeedButton::MouseDown(TMouseButton button, int x, int y) {
  TGraphicControl::MouseDown(button, x, y);
  if (button != TMouseButton::mbLeft || !Enabled()) return;
  if (!down_) {
    state_ = TButtonState::bsDown;
    StateChanged();
  }
  dragging_ = true;
}

void TSpeedButton::MouseMove(int x, int y) {
  TGraphicControl::MouseMove(x, y);
  if (!dragging_) return;
  TButtonState next = TButtonState::bsUp;
  if (down_) {
    next = TButtonState::bsExclusive;
  } else if (PointInside(x, y)) {
    next = TButtonState::bsDown;
  }
  if (next != state_) {
    state_ = next;
    StateChanged();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, int x, int y) {
  TGraphicControl::MouseUp(button, x, y);
  if (!dragging_ || button != TMouseButton::mbLeft) return;
  dragging_ = false;
  const bool inside = PointInside(x, y);
  if (groupIndex_ == 0) {
    state_ = TButtonState::bsUp;
    if (inside) StateChanged();
  } else if (inside) {
    SetDown(!down_);
    if (down_) state_ = TButtonState::bsExclusive;
    StateChanged();
  } else {
    if (down_) state_ = TButtonState::bsExclusive;
    StateChanged();
  }
  if (inside) Click();
}

void TSpeedButton::WndProc(TMessage& m) {
  if (m.Msg == CM_ENABLEDCHANGED) {
    state_ = Enabled() ? (down_ ? TButtonState::bsExclusive : TButtonState::bsUp)
                       : TButtonState::bsDisabled;
    if (!Enabled()) dragging_ = false;
  }
  // A press whose capture was taken away will not see its release.
  const bool cancelled = m.Msg == CM_CANCELMODE && dragging_;
  if (cancelled) {
    dragging_ = false;
    state_ = down_ ? TButtonState::bsExclusive : TButtonState::bsUp;
  }
  TGraphicControl::WndProc(m);
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_ENABLEDCHANGED || cancelled) StateChanged();
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  HDC dc = canvas.Handle();
  RECT r{0, 0, Width(), Height()};
  const bool pressed = state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive;
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(r);
  DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  // Glyph and caption side by side, centred, one pixel down-right when pressed.
  const int offset = pressed ? 1 : 0;
  const int gw = GlyphWidth();
  const int gh = gw > 0 ? glyph_.Height() : 0;
  const SIZE text = Caption().empty() ? SIZE{0, 0} : canvas.TextExtent(Caption());
  const int gap = gw > 0 && text.cx > 0 ? spacing_ : 0;
  int x = margin_ >= 0 ? margin_ : (Width() - gw - gap - text.cx) / 2;
  if (gw > 0) {
    const int image = Enabled() || numGlyphs_ < 2 ? 0 : 1;
    MemoryDc source;
    SelectScope select(source.Get(), static_cast<HBITMAP>(glyph_.NativeHandle()));
    const TColor key = glyph_.Pixel(0, glyph_.Height() - 1);
    GdiTransparentBlt(dc, x + offset, (Height() - gh) / 2 + offset, gw, gh, source.Get(),
                      image * gw, 0, gw, gh, static_cast<UINT>(key));
    x += gw + gap;
  }
  if (text.cx > 0) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetColor(Enabled() ? Font().Color() : SystemColor(COLOR_GRAYTEXT));
    canvas.TextOut(x + offset, (Height() - text.cy) / 2 + offset, Caption());
  }
}

}  // namespace au
