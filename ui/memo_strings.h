// The line list of a memo: every operation is a request to the edit control,
// which holds the only copy of the text.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

#include "core/strings.h"

namespace au {

class TMemo;

// The edit control refused a text (it does not fit).
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TMemo& memo) : memo_(memo) {}

  // One fewer than the control shows when the text ends in a line break.
  int Count() const override;
  // Get, Put, Insert and Delete refuse a negative index before they ask the
  // control: the edit control takes line -1 for the line that holds the caret.
  // At most 4096 bytes of the line, without its break.
  std::string Get(int index) const override;
  void Put(int index, std::string line) override;
  void Insert(int index, std::string line) override;
  void Delete(int index) override;
  void Clear() override;

  // The control's text exactly as it holds it.
  std::string GetText() const override;
  // Normalises every line break to CR LF, then replaces the control's text
  // unless it is already the same; throws EOutOfResources when the control
  // refuses it.
  void SetText(std::string_view text) override { AdoptText(std::string(text)); }
  // The same without a copy: the normalised text is the only one this side of
  // the control while the control takes it.
  void AdoptText(std::string text) override;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void ReplaceRange(int start, int end, const std::string& text) const;

  TMemo& memo_;
};

// CR LF stays, a lone LF or a lone CR becomes CR LF. The two bytes of a
// double-byte character are copied together, so a trail byte is never taken
// for a break. A text that needs no change is handed back as it is.
std::string NormalizeLineBreaks(std::string text);

}  // namespace au
