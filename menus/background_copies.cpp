#include "menus/background_copies.h"

#include <algorithm>

#include "ui/gdi_handles.h"

namespace au {

void CopyPictureToDc(HDC dc, int x, int y, int width, int height, const Bitmap24& picture, int srcX,
                     int srcY) {
  if (dc == nullptr || picture.Empty() || picture.NativeHandle() == nullptr) return;
  // Clip the source once; the destination device clips itself.
  const int left = std::max(srcX, 0);
  const int top = std::max(srcY, 0);
  const int right = std::min(srcX + width, picture.Width());
  const int bottom = std::min(srcY + height, picture.Height());
  if (left >= right || top >= bottom) return;
  MemoryDc source;
  SelectScope select(source.Get(), static_cast<HBITMAP>(picture.NativeHandle()));
  BitBlt(dc, x + left - srcX, y + top - srcY, right - left, bottom - top, source.Get(), left, top,
         SRCCOPY);
}

}  // namespace au
