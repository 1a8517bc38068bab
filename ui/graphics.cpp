#include "ui/graphics.h"

#include "ui/wide_text.h"

namespace au {

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // The colour is applied per drawing call; the GDI font stays valid.
  if (OnChange) OnChange();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetStyle(unsigned style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::Assign(const TFont& other) {
  if (&other == this) return;
  const bool sameFace = name_ == other.name_ && height_ == other.height_ &&
                        charset_ == other.charset_ && style_ == other.style_;
  if (sameFace) {
    // Painting assigns fonts all the time; keep the GDI font when only the
    // colour (or nothing) differs.
    SetColor(other.color_);
    return;
  }
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  charset_ = other.charset_;
  style_ = other.style_;
  Changed();
}

void TFont::Changed() {
  handle_.Reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = Widen(name_);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  handle_.Reset();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  handle_.Reset();
}

HBRUSH TBrush::Handle() const {
  if (style_ == TBrushStyle::bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) handle_.Reset(CreateSolidBrush(static_cast<COLORREF>(ResolveColor(color_))));
  return handle_.Get();
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  handle_.Reset();
}

void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  handle_.Reset();
}

HPEN TPen::Handle() const {
  if (!handle_)
    handle_.Reset(CreatePen(PS_SOLID, width_, static_cast<COLORREF>(ResolveColor(color_))));
  return handle_.Get();
}

}  // namespace au
