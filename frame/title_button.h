// User caption buttons of a skinned frame (TsTitleButton in the collection
// TsTitleButtons) and the title icon settings (TsTitleIcon).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frame/caption_buttons.h"
#include "pixels/bitmap24.h"
#include "ui/control.h"

namespace au {

class TsSkinProvider;
class TsTitleButtons;

// The shift keys held with a mouse button; caption buttons are pressed
// without any.
using TShiftState = unsigned;

class TsTitleButton {
 public:
  using TMouseEvent = std::function<void(TsTitleButton& sender, TMouseButton button,
                                         TShiftState shift, int x, int y)>;

  explicit TsTitleButton(TsTitleButtons& collection) : collection_(collection) {}
  TsTitleButton(const TsTitleButton&) = delete;
  TsTitleButton& operator=(const TsTitleButton&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // The glyph is copied; its bottom-left pixel is its transparent colour.
  const Bitmap24& Glyph() const { return glyph_; }
  void SetGlyph(const Bitmap24& glyph);
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // Draw the skin's title button image behind the glyph.
  bool UseSkinData() const { return useSkinData_; }
  void SetUseSkinData(bool value);

  // x and y are screen coordinates.
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;

  TsCaptionButton Button;

  TsTitleButtons& Collection() const { return collection_; }

 private:
  void Changed();

  TsTitleButtons& collection_;
  bool enabled_ = true;
  Bitmap24 glyph_;
  std::string name_ = "TsTitleButton";
  bool useSkinData_ = true;
};

class TsTitleButtons {
 public:
  explicit TsTitleButtons(TsSkinProvider& provider) : provider_(provider) {}
  TsTitleButtons(const TsTitleButtons&) = delete;
  TsTitleButtons& operator=(const TsTitleButtons&) = delete;

  TsTitleButton& Add();
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  TsTitleButton& Items(int index) const { return *items_[static_cast<size_t>(index)]; }
  TsSkinProvider& Provider() const { return provider_; }

  // A button's look or size changed: the frame is painted again.
  void Changed();

 private:
  TsSkinProvider& provider_;
  std::vector<std::unique_ptr<TsTitleButton>> items_;
};

// A picture to show instead of the window's icon, and the icon's size; a
// size of 0 means automatic.
struct TsTitleIcon {
  Bitmap24 Glyph;
  int Width = 0;
  int Height = 0;
};

}  // namespace au
