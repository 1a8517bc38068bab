// Font, brush and pen descriptions with lazily created GDI handles. Each calls
// its OnChange when a property changes, so that the control using it repaints.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "pixels/color.h"
#include "ui/gdi_handles.h"

namespace au {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
 public:
  TFont() = default;
  TFont(const TFont& other) { Assign(other); }
  TFont& operator=(const TFont& other) {
    Assign(other);
    return *this;
  }

  const std::string& Name() const { return name_; }  // UTF-8
  int Height() const { return height_; }             // negative: character height in pixels
  TColor Color() const { return color_; }
  int Charset() const { return charset_; }
  unsigned Style() const { return style_; }

  void SetName(const std::string& name);
  void SetHeight(int height);
  void SetColor(TColor color);
  void SetCharset(int charset);
  void SetStyle(unsigned style);
  void Assign(const TFont& other);

  // The GDI font for the current description (made on first use).
  HFONT Handle() const;

  std::function<void()> OnChange;

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  unsigned style_ = 0;
  mutable UniqueFont handle_;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
 public:
  TColor Color() const { return color_; }
  TBrushStyle Style() const { return style_; }
  void SetColor(TColor color);
  void SetStyle(TBrushStyle style);
  HBRUSH Handle() const;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable UniqueBrush handle_;
};

class TPen {
 public:
  TColor Color() const { return color_; }
  int Width() const { return width_; }
  void SetColor(TColor color);
  void SetWidth(int width);
  HPEN Handle() const;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  mutable UniquePen handle_;
};

}  // namespace au
