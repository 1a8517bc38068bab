#include "ui/memo_strings.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "ui/memo.h"

namespace au {

namespace {

// Which bytes start a double-byte character in the ANSI code page (none in a
// single-byte one), asked of the platform once rather than for every byte.
class LeadBytes {
 public:
  LeadBytes() {
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info)) return;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
      for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) lead_[b] = true;
    }
  }
  bool operator()(unsigned char c) const { return lead_[c]; }

 private:
  std::array<bool, 256> lead_{};
};

const LeadBytes& AnsiLeadBytes() {
  static const LeadBytes table;
  return table;
}

// Calls visit(position, length) for every line break of `text`, in order:
// length 2 for CR LF, 1 for a lone CR or LF.
template <typename Visit>
void ForEachBreak(std::string_view text, Visit visit) {
  const LeadBytes& isLead = AnsiLeadBytes();
  const size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r') {
      const bool pair = i + 1 < n && text[i + 1] == '\n';
      visit(i, pair ? 2 : 1);
      if (pair) ++i;
    } else if (c == '\n') {
      visit(i, 1);
    } else if (isLead(c) && i + 1 < n) {
      ++i;
    }
  }
}

}  // namespace

std::string NormalizeLineBreaks(std::string text) {
  size_t lone = 0;
  ForEachBreak(text, [&lone](size_t, size_t length) { lone += length == 1 ? 1 : 0; });
  if (lone == 0) return text;
  // Measured first, so that a big text is written once into its final size.
  std::string out;
  out.reserve(text.size() + lone);
  size_t from = 0;
  ForEachBreak(text, [&](size_t at, size_t length) {
    out.append(text, from, at - from);
    out += "\r\n";
    from = at + length;
  });
  out.append(text, from, std::string::npos);
  return out;
}

LRESULT TMemoStrings::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(memo_.Handle(), msg, wParam, lParam);
}

int TMemoStrings::Count() const {
  if (!memo_.HandleAllocated()) return 0;
  int count = static_cast<int>(Send(EM_GETLINECOUNT));
  const LRESULT lastStart = Send(EM_LINEINDEX, static_cast<WPARAM>(count - 1));
  if (Send(EM_LINELENGTH, static_cast<WPARAM>(lastStart)) == 0) --count;
  return count;
}

std::string TMemoStrings::Get(int index) const {
  if (index < 0) return std::string();
  constexpr int kCapacity = 4096;
  std::array<char, kCapacity> buffer{};
  // The first word of the buffer tells the control its capacity.
  *reinterpret_cast<WORD*>(buffer.data()) = kCapacity;
  const LRESULT n =
      Send(EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<size_t>(std::clamp<LRESULT>(n, 0, kCapacity)));
}

void TMemoStrings::ReplaceRange(int start, int end, const std::string& text) const {
  Send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
  Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TMemoStrings::Put(int index, std::string line) {
  if (index < 0) return;
  const auto start = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index)));
  if (start < 0) return;
  const auto length = static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
  ReplaceRange(start, start + length, line);
}

void TMemoStrings::Insert(int index, std::string line) {
  if (index < 0) return;
  auto start = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index)));
  if (start >= 0) {
    ReplaceRange(start, start, line + "\r\n");
    return;
  }
  start = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index - 1)));
  if (start < 0) return;
  const auto length = static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
  if (length == 0) return;
  ReplaceRange(start + length, start + length, "\r\n" + line);
}

void TMemoStrings::Delete(int index) {
  if (index < 0) return;
  const auto start = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index)));
  if (start < 0) return;
  auto end = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index + 1)));
  if (end < 0) end = start + static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
  ReplaceRange(start, end, std::string());
}

void TMemoStrings::Clear() {
  Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

std::string TMemoStrings::GetText() const {
  const auto length = static_cast<size_t>(Send(WM_GETTEXTLENGTH));
  std::string text(length + 1, '\0');
  const auto copied = static_cast<size_t>(
      Send(WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

void TMemoStrings::AdoptText(std::string text) {
  memo_.SetText(NormalizeLineBreaks(std::move(text)));
}

void TMemoStrings::SetUpdateState(bool updating) {
  if (!memo_.HandleAllocated()) return;
  HWND wnd = memo_.Handle();
  SendMessageW(wnd, WM_SETREDRAW, updating ? FALSE : TRUE, 0);
  if (!updating) {
    // Turning redrawing back on also shows the window; keep it as it was.
    ShowWindow(wnd, memo_.Visible() ? SW_SHOWNA : SW_HIDE);
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
  }
}

}  // namespace au
