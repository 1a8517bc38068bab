// TMemo: a multi-line edit control. Its text is 8-bit in the ANSI code page
// and goes through the 8-bit edit-control messages, because that is exactly
// what the converter converts; its Lines are a view onto the control's own
// text, holding no copy.
#pragma once

#include <memory>
#include <string>

#include "core/strings.h"
#include "ui/panel.h"
#include "ui/win_control.h"

namespace au {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);
  ~TMemo() override;

  TStrings& Lines() { return *lines_; }

  // The whole text, lines separated by CR LF as the control holds them.
  std::string Text();
  // Replaces the whole text when it differs from the current one, then tells
  // the control its text changed; throws EOutOfResources when the control
  // refuses the text (it keeps its former one).
  void SetText(const std::string& text);

  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

  void SelectAll();
  // Selection in bytes of the text.
  int SelStart();
  int SelLength();

  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle(const TCreateParams& params) override;
  // The text lives only in the window: it is kept here while the control has
  // none (a new window for a style change, a new parent, a recreated form)
  // and handed to the next window.
  void DestroyWnd() override;

 private:
  // Whether the control holds exactly `text`. Its text is fetched only when
  // its length allows a match, so a big text is not copied out just to be
  // found different.
  bool HoldsText(std::string_view text);

  std::unique_ptr<TStrings> lines_;
  std::string storedText_;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool readOnly_ = false;
  TBrush colorBrush_;  // background of the edit area, in Color
};

}  // namespace au
