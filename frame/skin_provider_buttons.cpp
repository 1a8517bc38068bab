// The caption buttons of the frame: their sizes, layout and looks, hit
// testing of the caption, and what presses and releases on them do.
#include <windowsx.h>

#include <algorithm>

#include "frame/border_drag.h"
#include "frame/skin_provider.h"
#include "paint/masks/draw_mask_image.h"
#include "paint/masks/mask_copies.h"
#include "pixels/copy_bitmap_rect.h"
#include "skin/skin_manager.h"
#include "ui/gdi_handles.h"

namespace au {
namespace {

constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

bool IsSystemButtonCode(int code) {
  return code == HTMINBUTTON || code == HTMAXBUTTON || code == HTCLOSE || code == HTHELP;
}

bool Inside(const TRect& r, POINT p) {
  return p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom;
}

}  // namespace

template <typename Provider>
auto TsSkinProvider::FindButton(Provider& provider, int code) -> decltype(&provider.closeButton_) {
  switch (code) {
    case HTCLOSE:
      return &provider.closeButton_;
    case HTMAXBUTTON:
      return &provider.maximizeButton_;
    case HTMINBUTTON:
      return &provider.minimizeButton_;
    case HTHELP:
      return &provider.helpButton_;
    default:
      break;
  }
  const int index = code - kUserButtonCode;
  if (index < 0 || index >= provider.titleButtons_.Count()) return nullptr;
  return &provider.titleButtons_.Items(index).Button;
}

const TsCaptionButton* TsSkinProvider::ButtonOfCode(int code) const {
  return FindButton(*this, code);
}

TsCaptionButton* TsSkinProvider::MutableButtonOfCode(int code) {
  return FindButton(*this, code);
}

bool TsSkinProvider::SkinnedPopups() const {
  const TsSkinManager* manager = skinData_->EffectiveManager();
  return manager != nullptr && manager->SkinnedPopups();
}

int TsSkinProvider::ButtonMaskOf(int code) const {
  const FrameState s = CurrentFrameState();
  switch (code) {
    case HTMAXBUTTON:
      return s.Maximized() ? titleBarMasks_.Normal : titleBarMasks_.Maximize;
    case HTMINBUTTON:
      return s.Minimized() ? titleBarMasks_.Normal : titleBarMasks_.Minimize;
    default: {
      const TsCaptionButton* button = ButtonOfCode(code);
      return button != nullptr ? button->MaskIndex : -1;
    }
  }
}

bool TsSkinProvider::ButtonEnabled(int code) const {
  const FrameState s = CurrentFrameState();
  switch (code) {
    case HTMAXBUTTON:
      return s.Maximized() ? RestoreEnabled(s) : MaximizeEnabled(s);
    case HTMINBUTTON:
      return s.Minimized() ? RestoreEnabled(s) : MinimizeEnabled(s);
    case HTCLOSE:
    case HTHELP:
      return true;
    default: {
      const int index = code - kUserButtonCode;
      return index >= 0 && index < titleButtons_.Count() && titleButtons_.Items(index).Enabled();
    }
  }
}

bool TsSkinProvider::ButtonCanBePressed(int code) const {
  if (code != HTMAXBUTTON) return true;
  const FrameState s = CurrentFrameState();
  return MaximizeEnabled(s) || (s.Maximized() && RestoreEnabled(s));
}

int TsSkinProvider::SystemButtonWidth(int code) const {
  const TsSkinManager* manager = skinData_->EffectiveManager();
  const TsCaptionButton* button = ButtonOfCode(code);
  if (manager == nullptr || button == nullptr) return kDefaultButtonSize;
  return ButtonImageWidth(*manager, button->MaskIndex);
}

int TsSkinProvider::UserButtonWidth(const TsTitleButton& button) const {
  const TsSkinManager* manager = skinData_->EffectiveManager();
  const int image = manager != nullptr ? ButtonImageWidth(*manager, titleBarMasks_.TitleButton)
                                       : kDefaultButtonSize;
  const int glyph = button.Glyph().Empty() ? 0 : button.Glyph().Width() + 2;
  return std::max(glyph, image);
}

int TsSkinProvider::ButtonsWidth() const {
  const FrameState s = CurrentFrameState();
  int width = 0;
  if (CloseShown(s)) {
    width += SystemButtonWidth(HTCLOSE);
    if (MaximizeVisible(s)) width += SystemButtonWidth(HTMAXBUTTON);
    if (MinimizeVisible(s)) width += SystemButtonWidth(HTMINBUTTON);
    if (s.Has(biHelp)) width += SystemButtonWidth(HTHELP);
  }
  for (int i = 0; i < titleButtons_.Count(); ++i) width += UserButtonWidth(titleButtons_.Items(i));
  return width;
}

int TsSkinProvider::ButtonHeight() const {
  const TsSkinManager* manager = skinData_->EffectiveManager();
  return manager != nullptr ? CaptionButtonHeight(*manager, titleBarMasks_.Close)
                            : kDefaultButtonSize;
}

void TsSkinProvider::PlaceAndDrawButtons(Bitmap24& cache, const FrameGeometry& g) {
  const TsSkinManager* manager = skinData_->EffectiveManager();
  const FrameState s = CurrentFrameState();
  const int height = ButtonHeight();
  int x = g.Width - g.BorderWidth;
  const auto place = [&](TsCaptionButton& button, int width) {
    button.Rect = PlaceCaptionButton(x, width, height, g);
    button.Placed = true;
    x = button.Rect.Left;
  };
  const auto placeSystem = [&](int code) {
    TsCaptionButton& button = *MutableButtonOfCode(code);
    if (manager->IsValidMaskIndex(ButtonMaskOf(code))) place(button, SystemButtonWidth(code));
  };
  for (TsCaptionButton* button :
       {&closeButton_, &maximizeButton_, &minimizeButton_, &helpButton_}) {
    button->Placed = false;
  }
  if (CloseShown(s)) {
    placeSystem(HTCLOSE);
    if (MaximizeVisible(s)) placeSystem(HTMAXBUTTON);
    if (MinimizeVisible(s)) placeSystem(HTMINBUTTON);
    if (s.Has(biHelp)) placeSystem(HTHELP);
  }
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    TsTitleButton& button = titleButtons_.Items(i);
    place(button.Button, UserButtonWidth(button));
  }
  UpdateButtonStates();
  for (const int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP}) DrawButtonImage(cache, code);
  for (int i = 0; i < titleButtons_.Count(); ++i) DrawButtonImage(cache, kUserButtonCode + i);
}

void TsSkinProvider::DrawButtonImage(Bitmap24& cache, int code) const {
  const TsSkinManager* manager = skinData_->EffectiveManager();
  const TsCaptionButton* button = ButtonOfCode(code);
  if (manager == nullptr || button == nullptr || !button->Placed) return;
  const int mode = CaptionButtonMode(button->State, formActive_, ButtonEnabled(code));
  const int maskIndex = ButtonMaskOf(code);
  const TPoint at{button->Rect.Left, button->Rect.Top};
  if (manager->IsValidMaskIndex(maskIndex)) {
    DrawMaskImage(cache, at, button->State, manager->Masks()[static_cast<size_t>(maskIndex)], mode);
  }
  if (IsSystemButtonCode(code)) return;
  const Bitmap24& glyph = titleButtons_.Items(code - kUserButtonCode).Glyph();
  if (glyph.Empty()) return;
  // Centred, and a pixel further right and down while pressed.
  const int shift = button->State == 2 ? 1 : 0;
  const int x = at.X + (button->Rect.Width() - glyph.Width()) / 2 + shift;
  const int y = at.Y + (button->Rect.Height() - glyph.Height()) / 2 + shift;
  CopyWithKey(cache, glyph, x, false, TCacheInfo{}, glyph.Pixel(0, glyph.Height() - 1),
              {0, 0, glyph.Width() - 1, glyph.Height() - 1}, y);
}

void TsSkinProvider::UpdateButtonStates() {
  for (const int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP}) {
    MutableButtonOfCode(code)->State =
        CaptionButtonState(code, hotButtonCode_, ButtonPressed, ButtonCanBePressed(code));
  }
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    titleButtons_.Items(i).Button.State =
        CaptionButtonState(kUserButtonCode + i, hotButtonCode_, ButtonPressed);
  }
}

void TsSkinProvider::RepaintButton(int code) {
  const TsCaptionButton* button = ButtonOfCode(code);
  if (button == nullptr || !button->Placed || FrameCache().Empty()) return;
  const FrameGeometry g = Geometry();
  if (!CacheFits(g) || button->Rect.Left < g.IconRect.Right) return;
  Bitmap24& cache = *skinData_->CacheBitmap;
  const TRect& r = button->Rect;
  CopyBitmapRect(
      cache, buttonsBackground_, {r.Left, r.Top},
      {r.Left - buttonsBackgroundLeft_, r.Top, r.Right - buttonsBackgroundLeft_, r.Bottom});
  DrawButtonImage(cache, code);
  if (!ShowingOnScreen()) return;
  WindowDc dc(form_->Handle(), true);
  if (dc.Get() != nullptr) CopyFrameRects(dc.Get(), {RECT{r.Left, r.Top, r.Right, r.Bottom}});
}

void TsSkinProvider::SetHotButton(int code) {
  if (code == hotButtonCode_) return;
  const int previous = hotButtonCode_;
  hotButtonCode_ = code;
  ButtonPressed = false;
  UpdateButtonStates();
  RepaintButton(previous);
  RepaintButton(code);
}

void TsSkinProvider::SetPressedButton(int code) {
  const int previous = hotButtonCode_;
  hotButtonCode_ = code;
  ButtonPressed = true;
  UpdateButtonStates();
  if (previous != code) RepaintButton(previous);
  RepaintButton(code);
}

std::vector<ButtonHitArea> TsSkinProvider::ButtonHitAreas() const {
  const FrameState s = CurrentFrameState();
  std::vector<ButtonHitArea> areas;
  const auto add = [&](int code, bool enabled) {
    const TsCaptionButton* button = ButtonOfCode(code);
    if (button != nullptr && button->Placed) areas.push_back({code, button->Rect, enabled});
  };
  add(HTCLOSE, true);
  add(HTMAXBUTTON, MaximizeButtonLive(s));
  add(HTMINBUTTON, MinimizeButtonLive(s));
  add(HTHELP, true);
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    add(kUserButtonCode + i, titleButtons_.Items(i).Enabled());
  }
  return areas;
}

int TsSkinProvider::HitTestButtonsAt(POINT p) const {
  const FrameGeometry g = Geometry();
  if (p.x < 0 || p.y < 0 || p.x >= g.Width || p.y >= g.Height) return 0;
  if (CaptionButtonBand(g, ButtonHeight()).Contains(p.y)) {
    if (g.IconShown && g.IconWidth > 0 && p.x >= g.BorderWidth &&
        p.x <= g.BorderWidth + g.IconWidth) {
      return HTSYSMENU;
    }
    return HitTestCaptionButtons(ButtonHitAreas(), p.x);
  }
  TRect grip;
  if (GripArea(g, grip) && p.x >= grip.Left && p.y >= grip.Top) return HTBOTTOMRIGHT;
  if (CurrentFrameState().Maximized() &&
      (p.x < 2 || p.y < 2 || p.x >= g.Width - 4 || p.y >= g.Height - 4)) {
    return HTTRANSPARENT;
  }
  return 0;
}

int TsSkinProvider::HitTest(POINT p) {
  const int code = HitTestButtonsAt(p);
  const bool hot = code == HTSYSMENU || IsSystemButtonCode(code) || code >= kUserButtonCode;
  SetHotButton(hot ? code : 0);
  return code;
}

void TsSkinProvider::ClearHotUnlessOverButton() {
  POINT p;
  RECT window;
  int code = 0;
  if (GetCursorPos(&p) && GetWindowRect(form_->Handle(), &window)) {
    code = HitTestButtonsAt({p.x - window.left, p.y - window.top});
  }
  const bool hot = code == HTSYSMENU || IsSystemButtonCode(code) || code >= kUserButtonCode;
  SetHotButton(hot ? code : 0);
}

void TsSkinProvider::HandleNcHitTest(TMessage& m) {
  if (!HasBorder()) {
    CallOldWindowProc(m);
    return;
  }
  RECT window;
  GetWindowRect(form_->Handle(), &window);
  const int code =
      HitTest({GET_X_LPARAM(m.LParam) - window.left, GET_Y_LPARAM(m.LParam) - window.top});
  if (code == 0 || code == HTCAPTION) {
    // Borders, caption and client keep the platform's answers.
    CallOldWindowProc(m);
    return;
  }
  m.Result = code;
}

void TsSkinProvider::HandleLeftButtonDown(TMessage& m) {
  const int code = static_cast<int>(m.WParam);
  const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (IsSystemButtonCode(code)) {
    SetPressedButton(code);
    m.Result = 0;
    return;
  }
  if (const int index = code - kUserButtonCode; index >= 0 && index < titleButtons_.Count()) {
    SetPressedButton(code);
    TsTitleButton& button = titleButtons_.Items(index);
    if (button.OnMouseDown) button.OnMouseDown(button, TMouseButton::mbLeft, 0, screen.x, screen.y);
    m.Result = 0;
    return;
  }
  const FrameGeometry g = Geometry();
  if (code == HTSYSMENU) {
    if (!SkinnedPopups()) {
      CallOldWindowProc(m);
      return;
    }
    SetHotButton(0);
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    PopupSystemMenu(window.left + g.BorderWidth,
                    window.top + g.IconHeight + g.BorderHeight + g.InnerBorder);
    return;
  }
  const FrameState s = CurrentFrameState();
  if (s.Minimized()) {
    SendSysCommand(kMoveByCaption);
    return;
  }
  SetHotButton(0);
  if (resizeMode_ == TResizeMode::rmBorder && IsDragCode(code) && !s.Maximized()) {
    ActiveBorderDrag().Start(form_->Handle(), code, screen);
    return;
  }
  RECT window;
  GetWindowRect(form_->Handle(), &window);
  // A maximised window is not dragged by its title.
  if (s.Maximized() && screen.y - window.top < g.TitleBand()) return;
  CallOldWindowProc(m);
}

void TsSkinProvider::HandleLeftButtonUp(TMessage& m) {
  int code = 0;
  POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (m.Msg == WM_LBUTTONUP) {
    if (ActiveBorderDrag().Active() && ActiveBorderDrag().Window() == form_->Handle()) {
      ActiveBorderDrag().Finish();
      return;
    }
    const bool onButton = IsSystemButtonCode(hotButtonCode_) || hotButtonCode_ >= kUserButtonCode;
    if (!ButtonPressed || !onButton) {
      CallOldWindowProc(m);
      return;
    }
    code = hotButtonCode_;
    ClientToScreen(form_->Handle(), &screen);
  } else {
    code = static_cast<int>(m.WParam);
  }
  RECT window;
  GetWindowRect(form_->Handle(), &window);
  const POINT p{screen.x - window.left, screen.y - window.top};
  const FrameState s = CurrentFrameState();
  m.Result = 0;
  switch (code) {
    case HTMINBUTTON:
      if (ButtonPressed && Inside(minimizeButton_.Rect, p)) {
        SetHotButton(0);
        SendSysCommand(s.Minimized() ? SC_RESTORE : SC_MINIMIZE);
        if (systemMenu_ != nullptr) systemMenu_->UpdateItems();
      }
      return;
    case HTMAXBUTTON:
      if (ButtonPressed && (!s.Minimized() || MaximizeEnabled(s))) {
        SetHotButton(0);
        SendSysCommand(s.Maximized() ? SC_RESTORE : SC_MAXIMIZE);
        if (systemMenu_ != nullptr) systemMenu_->UpdateItems();
      }
      return;
    case HTCLOSE:
      if (ButtonPressed) {
        SetHotButton(0);
        SendSysCommand(SC_CLOSE);
      }
      return;
    case HTHELP:
      if (ButtonPressed) {
        SendSysCommand(SC_CONTEXTHELP);
        SetHotButton(0);
        if (systemMenu_ != nullptr) systemMenu_->UpdateItems();
        InvalidateFrame();
      }
      return;
    default:
      break;
  }
  if (const int index = code - kUserButtonCode; index >= 0 && index < titleButtons_.Count()) {
    if (ButtonPressed) {
      TsTitleButton& button = titleButtons_.Items(index);
      if (button.OnMouseUp) button.OnMouseUp(button, TMouseButton::mbLeft, 0, screen.x, screen.y);
      SetHotButton(0);
    }
    return;
  }
  if (s.Minimized() && SkinnedPopups()) {
    POINT cursor;
    GetCursorPos(&cursor);
    PopupSystemMenu(cursor.x, cursor.y);
    return;
  }
  CallOldWindowProc(m);
}

void TsSkinProvider::HandleDoubleClick(TMessage& m) {
  const int code = static_cast<int>(m.WParam);
  const FrameState s = CurrentFrameState();
  m.Result = 0;
  if (code == HTCAPTION && MaximizeButtonLive(s)) {
    SendSysCommand(s.Maximized() || s.Minimized() ? SC_RESTORE : SC_MAXIMIZE);
    if (systemMenu_ != nullptr) systemMenu_->UpdateItems();
  } else if (code == HTSYSMENU) {
    SendSysCommand(SC_CLOSE);
  }
}

void TsSkinProvider::HandleRightButton(TMessage& m) {
  if (!SkinnedPopups()) {
    CallOldWindowProc(m);
    return;
  }
  const int code = static_cast<int>(m.WParam);
  const bool caption = code == HTCAPTION || code == HTSYSMENU;
  m.Result = 0;
  if (m.Msg == WM_NCRBUTTONDOWN) {
    if (!caption) CallOldWindowProc(m);
    return;
  }
  if (caption) {
    SetHotButton(0);
    PopupSystemMenu(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  }
}

}  // namespace au
