// Drawing on a device context with a font, brush and pen. The canvas selects
// its objects only for the duration of each call, so a font or brush may
// change (and its GDI handle be replaced) at any time.
#pragma once

#include <windows.h>

#include <string_view>

#include "pixels/bitmap24.h"
#include "ui/gdi_handles.h"
#include "ui/graphics.h"

namespace au {

class TCanvas {
 public:
  TCanvas() = default;
  explicit TCanvas(HDC dc) : dc_(dc) {}
  virtual ~TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc) { dc_ = dc; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const RECT& r);
  void FrameRect(const RECT& r);
  void Rectangle(const RECT& r);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);

  // Texts are UTF-8; they are drawn through the wide APIs with the canvas
  // font's colour, on a transparent background when the brush is clear.
  void TextOut(int x, int y, std::string_view text);
  SIZE TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }
  // DrawTextW with the given DT_ flags; r may be changed by DT_CALCRECT.
  int DrawText(std::string_view text, RECT& r, UINT format);

  // Copies a 24-bit picture (or a part of it) onto the canvas.
  void Draw(int x, int y, const Bitmap24& bitmap);
  void CopyFrom(const RECT& dest, const Bitmap24& bitmap, int srcX, int srcY);

 private:
  void PrepareText();

  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
};

// A canvas that draws into a Bitmap24 through a memory device context.
class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(Bitmap24& bitmap);
  ~TBitmapCanvas() override;

 private:
  MemoryDc memory_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace au
