#include "paint/graphic_children.h"

#include <vector>

#include "paint/sections/textures.h"
#include "paint/skin_messages.h"
#include "pixels/copy_bitmap_rect.h"
#include "pixels/shared_paint_state.h"
#include "ui/gdi_handles.h"

namespace au {
namespace {

bool Qualifies(const TControl& child, HDC target) {
  if (!child.Visible() || child.IsDestroying() || dynamic_cast<const TWinControl*>(&child)) {
    return false;
  }
  if (child.Width() <= 0 || child.Height() <= 0) return false;
  const RECT bounds = child.BoundsRect();
  return RectVisible(target, &bounds) != FALSE;
}

// The part of a child that lies on the container: a child may reach over its
// container's edges, and only this part of it is composed and shown.
RECT OnContainer(const RECT& bounds, const Bitmap24& composed) {
  const RECT whole{0, 0, composed.Width(), composed.Height()};
  RECT part{};
  IntersectRect(&part, &bounds, &whole);
  return part;
}

bool WhollyVisible(HDC target, const RECT& bounds) {
  RECT clip;
  if (GetClipBox(target, &clip) == NULLREGION) return false;
  RECT common;
  IntersectRect(&common, &clip, &bounds);
  return EqualRect(&common, &bounds) != FALSE;
}

}  // namespace

void PaintGraphicChildren(HDC target, TWinControl* container) {
  if (container == nullptr || !container->Visible() || container->ControlCount() == 0) return;
  RECT clip;
  if (GetClipBox(target, &clip) == NULLREGION || IsRectEmpty(&clip)) {
    container->Perform(SM_ALPHACMD, SkinCommandParam(SK_SETHALFVISIBLE), 0);
    return;
  }
  CacheInfo.Ready = false;
  if (container->HandleAllocated()) SkinCommandToWindow(container->Handle(), SK_GETCACHE);
  const TCacheInfo cache = CacheInfo;
  if (!cache.Ready || cache.Bitmap == nullptr) return;

  std::vector<TControl*> children;
  for (int i = 0; i < container->ControlCount(); ++i) {
    if (Qualifies(*container->Controls(i), target)) children.push_back(container->Controls(i));
  }
  if (children.empty()) return;

  Bitmap24 composed(container->Width(), container->Height());
  for (TControl* child : children) {
    const RECT b = child->BoundsRect();
    if (child->HasStyle(csOpaque)) {
      FillRectWithColor(composed, {b.left, b.top, b.right, b.bottom}, ResolveColor(child->Color()));
    } else {
      CopyBitmapRect(composed, *cache.Bitmap, {b.left, b.top},
                     {b.left + cache.X, b.top + cache.Y, b.right + cache.X, b.bottom + cache.Y});
    }
  }
  MemoryDc memory;
  {
    SelectScope select(memory.Get(), static_cast<HBITMAP>(composed.NativeHandle()));
    for (TControl* child : children) {
      const RECT b = child->BoundsRect();
      if (!WhollyVisible(target, b))
        child->Perform(SM_ALPHACMD, SkinCommandParam(SK_SETHALFVISIBLE), 0);
      SavedDc saved(memory.Get());
      SetViewportOrgEx(memory.Get(), b.left, b.top, nullptr);
      IntersectClipRect(memory.Get(), 0, 0, b.right - b.left, b.bottom - b.top);
      child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory.Get()), 0);
    }
    GdiFlush();
    for (TControl* child : children) {
      const RECT b = OnContainer(child->BoundsRect(), composed);
      if (IsRectEmpty(&b)) continue;
      // A child that left its first pixel magenta painted nothing: keep what is there.
      if (composed.Pixel(b.left, b.top) == clMagenta) continue;
      BitBlt(target, b.left, b.top, b.right - b.left, b.bottom - b.top, memory.Get(), b.left, b.top,
             SRCCOPY);
    }
  }
  CacheInfo.Ready = false;
}

}  // namespace au
