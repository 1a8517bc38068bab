#include "ui/status_bar.h"

#include <commctrl.h>

#include "ui/form.h"
#include "ui/wide_text.h"

namespace au {

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque);
  SetColor(clBtnFace);
  SetBounds(0, 0, 0, 19);
  SetAlign(TAlign::alBottom);
}

bool TStatusBar::ShowsSizeGrip() {
  TForm* form = GetParentForm(this);
  return sizeGrip_ && form != nullptr && form->BorderStyle() == TFormBorderStyle::bsSizeable;
}

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = STATUSCLASSNAMEW;
  params.PredefinedClass = true;
  params.Caption.clear();
  // We place and size the bar ourselves.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (ShowsSizeGrip()) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWindowHandle(const TCreateParams& params) {
  TWinControl::CreateWindowHandle(params);
  UpdateWindowTexts();
}

void TStatusBar::SetSimplePanel(bool simple) {
  if (simple == simplePanel_) return;
  simplePanel_ = simple;
  UpdateWindowTexts();
}

void TStatusBar::SetSimpleText(const std::string& text) {
  if (text == simpleText_) return;
  simpleText_ = text;
  UpdateWindowTexts();
}

void TStatusBar::SetPanels(std::vector<TStatusPanel> panels) {
  panels_ = std::move(panels);
  UpdateWindowTexts();
}

void TStatusBar::SetSizeGrip(bool grip) {
  if (grip == sizeGrip_) return;
  sizeGrip_ = grip;
  RecreateWnd();
}

void TStatusBar::UpdateWindowTexts() {
  if (!HandleAllocated()) return;
  HWND wnd = Handle();
  SendMessageW(wnd, SB_SIMPLE, simplePanel_ ? TRUE : FALSE, 0);
  if (simplePanel_) {
    SendMessageW(wnd, SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(Widen(simpleText_).c_str()));
    return;
  }
  std::vector<int> edges;
  int x = 0;
  for (size_t i = 0; i < panels_.size(); ++i) {
    x += panels_[i].Width;
    edges.push_back(i + 1 == panels_.size() ? -1 : x);
  }
  if (edges.empty()) edges.push_back(-1);
  SendMessageW(wnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < panels_.size(); ++i) {
    const UINT style = panels_[i].Style == TStatusPanelStyle::psOwnerDraw ? SBT_OWNERDRAW : 0;
    SendMessageW(wnd, SB_SETTEXTW, i | style,
                 reinterpret_cast<LPARAM>(Widen(panels_[i].Text).c_str()));
  }
}

}  // namespace au
