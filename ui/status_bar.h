// TStatusBar: the platform's status bar, showing either one simple text or a
// row of panels.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/panel.h"
#include "ui/win_control.h"

namespace au {

enum class TStatusPanelStyle { psText, psOwnerDraw };

struct TStatusPanel {
  std::string Text;  // UTF-8
  int Width = 50;
  TAlignment Alignment = TAlignment::taLeftJustify;
  TStatusPanelStyle Style = TStatusPanelStyle::psText;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);

  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool simple);
  // UTF-8.
  const std::string& SimpleText() const { return simpleText_; }
  virtual void SetSimpleText(const std::string& text);
  const std::vector<TStatusPanel>& Panels() const { return panels_; }
  void SetPanels(std::vector<TStatusPanel> panels);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool grip);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width) { borderWidth_ = width; }

  // Draws an owner-drawn panel; the rectangle is the panel's whole place.
  std::function<void(TComponent* sender, const TStatusPanel& panel, TCanvas& canvas,
                     const RECT& rect)>
      OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle(const TCreateParams& params) override;
  // The grip only makes sense when the form can be resized.
  bool ShowsSizeGrip();

 private:
  void UpdateWindowTexts();

  bool simplePanel_ = false;
  std::string simpleText_;
  std::vector<TStatusPanel> panels_;
  bool sizeGrip_ = true;
  int borderWidth_ = 0;
};

}  // namespace au
