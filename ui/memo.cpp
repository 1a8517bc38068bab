#include "ui/memo.h"

#include <utility>

#include "ui/memo_strings.h"

namespace au {

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner), lines_(std::make_unique<TMemoStrings>(*this)) {
  SetControlStyle(csClickEvents | csDoubleClicks);
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

void TMemo::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"EDIT";
  params.PredefinedClass = true;
  params.Caption.clear();
  params.ExStyle |= WS_EX_CLIENTEDGE;
  // Without ES_NOHIDESEL: as edit controls do by default, only the memo with
  // the focus shows its selection, so the highlight tells where typing goes.
  params.Style |= ES_MULTILINE | ES_WANTRETURN;
  if (!wordWrap_) params.Style |= ES_AUTOHSCROLL;
  params.Style |= ES_AUTOVSCROLL;
  if (readOnly_) params.Style |= ES_READONLY;
  if (alignment_ == TAlignment::taCenter) params.Style |= ES_CENTER;
  if (alignment_ == TAlignment::taRightJustify) params.Style |= ES_RIGHT;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) {
    params.Style |= WS_VSCROLL;
  }
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) {
    params.Style |= WS_HSCROLL;
  }
}

void TMemo::CreateWindowHandle(const TCreateParams& params) {
  TWinControl::CreateWindowHandle(params);
  if (!HandleAllocated()) return;
  // The platform's default limit (about 30 000 characters) would refuse
  // ordinary files; lift it to the control's maximum.
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
  if (!storedText_.empty()) {
    const std::string text = std::exchange(storedText_, std::string());
    SendMessageA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TMemo::DestroyWnd() {
  if (HandleAllocated()) storedText_ = Text();
  TWinControl::DestroyWnd();
}

std::string TMemo::Text() {
  return Lines().GetText();
}

void TMemo::SetText(const std::string& text) {
  if (HoldsText(text)) return;
  if (SendMessageA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) == 0) {
    throw EOutOfResources("Text exceeds memo capacity");
  }
  Perform(CM_TEXTCHANGED);
}

bool TMemo::HoldsText(std::string_view text) {
  // The control counts its text in UTF-16 code units, which costs nothing to
  // ask (its length in bytes costs a copy of the text under Wine). In bytes of
  // the ANSI code page the text is at least half and at most three times as
  // long: a surrogate pair may become one byte, a character of a double-byte
  // code page two, one of the UTF-8 code page three.
  const auto units = static_cast<size_t>(SendMessageW(Handle(), WM_GETTEXTLENGTH, 0, 0));
  if (text.size() > 3 * units || 2 * text.size() < units) return false;
  return Text() == text;
}

void TMemo::SetScrollBars(TScrollStyle style) {
  if (style == scrollBars_) return;
  scrollBars_ = style;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  RecreateWnd();
}

void TMemo::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  RecreateWnd();
}

void TMemo::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TMemo::SelectAll() {
  SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

int TMemo::SelStart() {
  DWORD start = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TMemo::SelLength() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TMemo::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == EN_CHANGE && OnChange) OnChange(this);
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, static_cast<COLORREF>(ResolveColor(Font().Color())));
      SetBkColor(dc, static_cast<COLORREF>(ResolveColor(Color())));
      colorBrush_.SetColor(Color());
      m.Result = reinterpret_cast<LRESULT>(colorBrush_.Handle());
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace au
