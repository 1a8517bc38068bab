#include "ui/canvas.h"

#include <string>

#include "ui/wide_text.h"

namespace au {

void TCanvas::FillRect(const RECT& r) {
  ::FillRect(dc_, &r, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& r) {
  ::FrameRect(dc_, &r, brush_.Handle());
}

void TCanvas::Rectangle(const RECT& r) {
  SelectScope pen(dc_, pen_.Handle());
  SelectScope brush(dc_, brush_.Handle());
  ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void TCanvas::MoveTo(int x, int y) {
  MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  SelectScope pen(dc_, pen_.Handle());
  ::LineTo(dc_, x, y);
}

void TCanvas::PrepareText() {
  SetTextColor(dc_, static_cast<COLORREF>(ResolveColor(font_.Color())));
  if (brush_.Style() == TBrushStyle::bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, static_cast<COLORREF>(ResolveColor(brush_.Color())));
  }
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  const std::wstring wide = Widen(text);
  SelectScope font(dc_, font_.Handle());
  PrepareText();
  ExtTextOutW(dc_, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

SIZE TCanvas::TextExtent(std::string_view text) {
  const std::wstring wide = Widen(text);
  SelectScope font(dc_, font_.Handle());
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

int TCanvas::DrawText(std::string_view text, RECT& r, UINT format) {
  const std::wstring wide = Widen(text);
  SelectScope font(dc_, font_.Handle());
  PrepareText();
  return ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, format);
}

void TCanvas::Draw(int x, int y, const Bitmap24& bitmap) {
  CopyFrom(RECT{x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap, 0, 0);
}

void TCanvas::CopyFrom(const RECT& dest, const Bitmap24& bitmap, int srcX, int srcY) {
  if (bitmap.Empty()) return;
  MemoryDc source;
  SelectScope select(source.Get(), static_cast<HBITMAP>(bitmap.NativeHandle()));
  BitBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Get(),
         srcX, srcY, SRCCOPY);
}

TBitmapCanvas::TBitmapCanvas(Bitmap24& bitmap) {
  previous_ = SelectObject(memory_.Get(), static_cast<HBITMAP>(bitmap.NativeHandle()));
  SetHandle(memory_.Get());
}

TBitmapCanvas::~TBitmapCanvas() {
  // GDI may still be batching drawing calls into the section; finish them
  // before anyone reads the pixels directly.
  GdiFlush();
  SelectObject(memory_.Get(), previous_);
}

}  // namespace au
