// The frame's picture: painting the frame cache from the skin, and putting
// it (and the client's background) on the screen.
#include <algorithm>

#include "frame/skin_provider.h"
#include "paint/control_section.h"
#include "paint/masks/draw_border_mask.h"
#include "paint/masks/draw_mask_image.h"
#include "paint/sections/section_background.h"
#include "paint/skin_messages.h"
#include "paint/text_writers.h"
#include "pixels/copy_bitmap_rect.h"
#include "skin/skin_manager.h"
#include "ui/canvas.h"
#include "ui/gdi_handles.h"
#include "ui/wide_text.h"

namespace au {
namespace {

constexpr WORD kApplicationIconId = 1;

// Sets a flag for the lifetime of the scope.
class PaintingScope {
 public:
  explicit PaintingScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~PaintingScope() { flag_ = false; }
  PaintingScope(const PaintingScope&) = delete;
  PaintingScope& operator=(const PaintingScope&) = delete;

 private:
  bool& flag_;
};

// The caption font's height: the status font's of the platform's non-client
// metrics, 0 (the font's default) when they cannot be read.
int CaptionFontHeight() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return 0;
  return metrics.lfStatusFont.lfHeight;
}

// What the window holds as its text: while the text is being set, the form's
// own copy still has the previous one.
std::string WindowCaption(HWND wnd) {
  std::wstring text(static_cast<size_t>(std::max(0, GetWindowTextLengthW(wnd))) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(wnd, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

HICON WindowIcon(HWND wnd) {
  for (const WPARAM kind : {WPARAM{ICON_SMALL}, WPARAM{ICON_BIG}}) {
    if (auto icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, kind, 0))) return icon;
  }
  for (const int index : {GCLP_HICONSM, GCLP_HICON}) {
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, index))) return icon;
  }
  return nullptr;
}

HICON ApplicationIcon() {
  if (HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kApplicationIconId))) {
    return icon;
  }
  return LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

void TsSkinProvider::PaintFrameToScreen() {
  if (!ShowingOnScreen() || IsLoading() || IsDestroying() || form_->IsLoading() ||
      form_->IsDestroying() || skinData_->IsUpdating()) {
    return;
  }
  const FrameGeometry g = Geometry();
  if (skinData_->BackgroundChanged || !CacheFits(g)) PaintForm();
  // After a full repaint the shape is set again, which also gives back a
  // title cut out while the platform drew into it.
  if (!regionValid_ && !inRegionUpdate_ && HasBorder()) RebuildShape(g);
  WindowDc dc(form_->Handle(), true);
  if (dc.Get() != nullptr) CopyFrameStrips(dc.Get(), g);
}

void TsSkinProvider::PaintForm() {
  TsSkinManager* manager = skinData_->EffectiveManager();
  if (manager == nullptr || form_ == nullptr || !form_->HandleAllocated() || skinData_->Painting) {
    return;
  }
  PaintingScope painting(skinData_->Painting);
  const FrameGeometry g = Geometry();
  if (g.Width <= 0 || g.Height <= 0) return;
  Bitmap24& cache = *skinData_->CacheBitmap;
  const TsGeneralData* section = skinData_->Section();
  const bool keepsTitleStrip = section != nullptr && section->ReservedBoolean;
  const bool shortcut = !fullRepaint_ && keepsTitleStrip && titleCache_ != nullptr &&
                        titleCache_->Width() == g.Width && CacheFits(g) && HasBorder();
  if (shortcut) {
    CopyBitmapRect(cache, *titleCache_, {0, 0}, {0, 0, g.Width, titleCache_->Height()});
    PaintTitle(g, TCacheInfo{titleCache_.get(), 0, 0, true}, true);
  } else {
    regionValid_ = false;
    if (!CacheFits(g)) cache.SetSize(g.Width, g.Height);
    const TRect whole{0, 0, g.Width, g.Height};
    const int state = formActive_ ? 1 : 0;
    if (section != nullptr && HasBorder()) {
      PaintControlSection(*skinData_, TCacheInfo{}, false, false, cache, {0, 0}, whole, state);
    } else if (section != nullptr) {
      SectionPaint paint;
      paint.Manager = manager;
      paint.SectionIndex = skinData_->SkinSectionIndex;
      paint.SectionName = skinData_->SkinSection();
      paint.State = state;
      PaintSectionByIndex(paint, cache, whole, false);
    }
    TRect grip;
    if (GripArea(g, grip)) {
      const int mask =
          manager->MaskIndex(manager->SectionIndex("GLOBALINFO"), "GLOBALINFO", "GRIPIMAGE");
      DrawMaskImage(cache, {grip.Left, grip.Top}, 0, manager->Masks()[static_cast<size_t>(mask)],
                    1);
    }
    const int band = std::min(g.TitleBand(), g.Height);
    if (keepsTitleStrip && (titleCache_ == nullptr || titleCache_->Width() != g.Width) &&
        band > 0) {
      titleCache_ = std::make_unique<Bitmap24>(g.Width, band);
      CopyBitmapRect(*titleCache_, cache, {0, 0}, {0, 0, g.Width, band});
    }
    if (HasBorder()) PaintTitle(g, TCacheInfo{&cache, 0, 0, true}, false);
  }
  fullRepaint_ = false;
  skinData_->BackgroundChanged = false;
  skinData_->Updating = false;
  if (!shortcut) {
    // Children that waited for the window's background may paint now.
    NotifyParentPainted(form_);
    InvalidateRect(form_->Handle(), nullptr, FALSE);
  }
}

bool TsSkinProvider::GripArea(const FrameGeometry& g, TRect& area) const {
  TsSkinManager* manager = skinData_->EffectiveManager();
  if (gripMode_ != TGripMode::gmRightBottom || manager == nullptr) return false;
  const int mask =
      manager->MaskIndex(manager->SectionIndex("GLOBALINFO"), "GLOBALINFO", "GRIPIMAGE");
  if (!manager->IsValidMaskIndex(mask)) return false;
  const ImageSize size = manager->Records().StateImageSize(mask);
  area.Right = g.Width - g.BorderWidth;
  area.Bottom = g.Height - g.BorderHeight;
  area.Left = area.Right - size.Width;
  area.Top = area.Bottom - size.Height;
  return true;
}

std::string TsSkinProvider::TitleSectionName() const {
  return titleSkin_.empty() ? "FORMTITLE" : titleSkin_;
}

void TsSkinProvider::PaintTitle(const FrameGeometry& g, const TCacheInfo& background,
                                bool shortcut) {
  TsSkinManager* manager = skinData_->EffectiveManager();
  Bitmap24& cache = *skinData_->CacheBitmap;
  const int rows = std::min(g.Height, CurrentFrameState().Minimized() ? g.Height : g.TitleBand());
  const std::string titleName = TitleSectionName();
  const int title = manager->SectionIndex(titleName);
  if (title >= 0) {
    SectionPaint paint;
    paint.Manager = manager;
    paint.SectionIndex = title;
    paint.SectionName = titleName;
    paint.Cache = background;
    paint.State = formActive_ ? 1 : 0;
    PaintSectionByIndex(paint, cache, {0, 0, g.Width, rows}, false);
  }
  DrawIcon(cache, g);
  const int buttonsWidth = ButtonsWidth();
  if (buttonsWidth > 0) DrawTitleBarMask(cache, g);

  // What lies behind the buttons, to repaint one of them alone later.
  buttonsBackgroundLeft_ = std::max(0, g.Width - buttonsWidth - g.BorderWidth - 1);
  buttonsBackground_.SetSize(g.Width - buttonsBackgroundLeft_, rows);
  CopyBitmapRect(buttonsBackground_, cache, {0, 0}, {buttonsBackgroundLeft_, 0, g.Width, rows});
  PlaceAndDrawButtons(cache, g);
  DrawCaptionText(cache, g, shortcut);
}

void TsSkinProvider::DrawIcon(Bitmap24& cache, const FrameGeometry& g) {
  if (!g.IconShown || g.IconWidth <= 0 || g.IconHeight <= 0) return;
  TBitmapCanvas canvas(cache);
  const TRect& r = g.IconRect;
  const Bitmap24& glyph = titleIcon_.Glyph;
  if (!glyph.Empty()) {
    const int automatic = AutomaticIconSize(g.CaptionHeight - 2);
    const int width = titleIcon_.Width != 0 ? titleIcon_.Width : automatic;
    const int height = titleIcon_.Height != 0 ? titleIcon_.Height : automatic;
    MemoryDc source;
    SelectScope select(source.Get(), static_cast<HBITMAP>(glyph.NativeHandle()));
    GdiTransparentBlt(canvas.Handle(), r.Left, r.Top, width, height, source.Get(), 0, 0,
                      glyph.Width(), glyph.Height(), RGB(255, 0, 255));
    return;
  }
  HICON icon = WindowIcon(form_->Handle());
  if (icon == nullptr) icon = ApplicationIcon();
  if (icon != nullptr) {
    DrawIconEx(canvas.Handle(), r.Left, r.Top, icon, g.IconWidth, g.IconHeight, 0, nullptr,
               DI_NORMAL);
  }
}

void TsSkinProvider::DrawTitleBarMask(Bitmap24& cache, const FrameGeometry& g) {
  TsSkinManager* manager = skinData_->EffectiveManager();
  const int index =
      manager->MaskIndex(skinData_->SkinSectionIndex, skinData_->SkinSection(), "TITLEBAR");
  if (!manager->IsValidMaskIndex(index)) return;
  const TsMaskData& mask = manager->Masks()[static_cast<size_t>(index)];
  if (mask.ImageCount <= 0) return;
  // Its left border reaches two thirds of a state image in front of the buttons.
  const int lead =
      mask.Image ? mask.Image->Width() / 9 * 2 : mask.Rect.Width() / (mask.ImageCount * 3) * 2;
  const TRect area{g.Width - (lead + ButtonsWidth()), 0, g.Width, g.TitleBand()};
  DrawBorderMask(cache, area, true, false, formActive_ ? 1 : 0, mask, TCacheInfo{});
}

void TsSkinProvider::DrawCaptionText(Bitmap24& cache, const FrameGeometry& g, bool shortcut) {
  TsSkinManager* manager = skinData_->EffectiveManager();
  const std::string titleName = TitleSectionName();
  int section = manager->SectionIndex(titleName);
  if (section < 0) section = skinData_->SkinSectionIndex;
  TBitmapCanvas canvas(cache);
  canvas.Font().Assign(form_->Font());
  canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
  if (!shortcut) canvas.Font().SetHeight(CaptionFontHeight());
  RECT r;
  r.left = g.BorderWidth + 4 + (g.IconShown ? g.IconWidth : 0);
  r.top = shortcut ? 0 : g.BorderHeight;
  r.right = g.Width - ButtonsWidth() - 6;
  r.bottom = shortcut ? titleCache_->Height() : g.CaptionHeight;
  if (r.right <= r.left || r.bottom <= r.top) return;
  // Cut to the text's own box, so that nothing of it reaches the buttons.
  const std::string text = EllipsizeText(canvas, WindowCaption(form_->Handle()), r.right - r.left);
  if (text.empty()) return;
  WriteSectionText(canvas, text, true, manager, formActive_, section,
                   AlignmentFormat(captionAlignment_) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                   r);
}

void TsSkinProvider::CopyFrameRects(HDC dc, std::initializer_list<RECT> rects) const {
  const Bitmap24& cache = FrameCache();
  if (cache.Empty()) return;
  MemoryDc source;
  SelectScope select(source.Get(), static_cast<HBITMAP>(cache.NativeHandle()));
  for (const RECT& r : rects) {
    if (r.right <= r.left || r.bottom <= r.top) continue;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source.Get(), r.left, r.top,
           SRCCOPY);
  }
}

void TsSkinProvider::CopyFrameStrips(HDC dc, const FrameGeometry& g) const {
  // Title, then the side borders below it and the bottom border; the client
  // area is left to the window.
  const int title = std::min(g.TitleHeight, g.Height);
  const int side = g.BorderWidth + g.InnerBorder;
  const int bottom = g.BorderHeight + g.InnerBorder;
  CopyFrameRects(dc, {RECT{0, 0, g.Width, title}, RECT{0, title, side, g.Height},
                      RECT{g.Width - side, title, g.Width, g.Height},
                      RECT{0, g.Height - bottom, g.Width, g.Height}});
}

void TsSkinProvider::PaintClient(TMessage& m) {
  const bool ready = ShowingOnScreen() && !skinData_->BackgroundChanged && !skinData_->Updating &&
                     !FrameCache().Empty();
  const auto paint = [&](HDC dc) {
    if (!ready) return;  // the frame paint repaints the client once it is ready
    const FrameGeometry g = Geometry();
    RECT client;
    GetClientRect(form_->Handle(), &client);
    TControl* only = skinData_->PaintChild;
    if (only != nullptr && only->Parent() == form_) {
      const RECT b = only->BoundsRect();
      SavedDc saved(dc);
      IntersectClipRect(dc, b.left, b.top, b.right, b.bottom);
      MemoryDc source;
      SelectScope select(source.Get(), static_cast<HBITMAP>(FrameCache().NativeHandle()));
      BitBlt(dc, b.left, b.top, b.right - b.left, b.bottom - b.top, source.Get(),
             b.left + g.ClientOffsetX, b.top + g.ClientOffsetY, SRCCOPY);
      form_->PaintControls(dc, only);
      return;
    }
    skinData_->CopyCacheToDevice(form_, {g.ClientOffsetX, g.ClientOffsetY, 0, 0}, false, dc,
                                 client);
    form_->PaintControls(dc, nullptr);
  };
  if (m.WParam != 0) {
    paint(reinterpret_cast<HDC>(m.WParam));
  } else {
    PaintScope scope(form_->Handle());
    paint(scope.Dc());
  }
  m.Result = 1;
}

void TsSkinProvider::HandlePrint(TMessage& m) {
  auto dc = reinterpret_cast<HDC>(m.WParam);
  if ((m.LParam & PRF_NONCLIENT) && dc != nullptr && ShowingOnScreen()) {
    const FrameGeometry g = Geometry();
    if (skinData_->BackgroundChanged || !CacheFits(g)) PaintForm();
    CopyFrameStrips(dc, g);
    m.LParam &= ~static_cast<LPARAM>(PRF_NONCLIENT);
  }
  CallOldWindowProc(m);
}

}  // namespace au
