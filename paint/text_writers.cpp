#include "paint/text_writers.h"

#include "paint/sections/section_background.h"
#include "skin/skin_manager.h"
#include "ui/gdi_handles.h"

namespace au {
namespace {

// Draws the text four times offset in the contour colours that are set, then
// in place in the main colour.
void DrawInSectionColours(TCanvas& canvas, std::string_view text, const TsFontColors& colours,
                          RECT box, UINT format) {
  static constexpr POINT kContourOffsets[] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
  for (int i = 0; i < 4; ++i) {
    if (colours[static_cast<size_t>(i + 1)] == -1) continue;
    RECT moved = box;
    OffsetRect(&moved, kContourOffsets[i].x, kContourOffsets[i].y);
    canvas.Font().SetColor(colours[static_cast<size_t>(i + 1)]);
    canvas.DrawText(text, moved, format);
  }
  canvas.Font().SetColor(colours[0]);
  canvas.DrawText(text, box, format);
}

void DrawDisabled(TCanvas& canvas, std::string_view text, RECT box, UINT format) {
  RECT shadow = box;
  OffsetRect(&shadow, 1, 1);
  canvas.Font().SetColor(SystemColor(COLOR_BTNHIGHLIGHT));
  canvas.DrawText(text, shadow, format);
  canvas.Font().SetColor(SystemColor(COLOR_BTNSHADOW));
  canvas.DrawText(text, box, format);
}

// The single-line text's own box inside r, placed as the format aligns it.
RECT TextBox(TCanvas& canvas, std::string_view text, UINT format, const RECT& r) {
  const SIZE extent = canvas.TextExtent(text);
  const int dy = (extent.cy - (r.bottom - r.top)) / 2;
  const int dx = (extent.cx - (r.right - r.left)) / 2;
  RECT box = r;
  box.top -= dy;
  box.bottom += dy;
  if (format & DT_CENTER) {
    box.left -= dx;
    box.right += dx;
  } else if (format & DT_RIGHT) {
    box.left += (r.right - r.left) - extent.cx;
  } else {
    box.right += extent.cx - (r.right - r.left);
  }
  return box;
}

// The box a text of the canvas's font is drawn in, with a clear background;
// `r` grows by a pixel on every side as the writers return it.
RECT PrepareTextBox(TCanvas& canvas, std::string_view text, UINT format, RECT& r) {
  RECT box = r;
  if (!(format & DT_WORDBREAK)) {
    box = TextBox(canvas, text, format, r);
    InflateRect(&r, 1, 1);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  return box;
}

}  // namespace

void WriteControlText(TCanvas& canvas, std::string_view text, bool enabled, bool hot,
                      const TsCommonData& data, UINT format, RECT& r) {
  if (data.OwnerControl != nullptr) canvas.Font().Assign(data.OwnerControl->Font());
  if (hot && data.SkinSection() == "WEBBUTTON") {
    canvas.Font().SetStyle(canvas.Font().Style() | fsUnderline);
  }
  SavedDc saved(canvas.Handle());
  IntersectClipRect(canvas.Handle(), r.left, r.top, r.right, r.bottom);
  RECT box = PrepareTextBox(canvas, text, format, r);
  if (text.empty()) return;
  const UINT drawFormat = format | DT_NOCLIP;
  if (!enabled) {
    DrawDisabled(canvas, text, box, drawFormat);
    return;
  }
  const TsGeneralData* section = data.IsSkinned() ? data.Section() : nullptr;
  if (section == nullptr || data.CustomFont()) {
    if (data.OwnerControl != nullptr) canvas.Font().SetColor(data.OwnerControl->Font().Color());
    canvas.DrawText(text, box, drawFormat);
    return;
  }
  DrawInSectionColours(canvas, text, hot ? section->HotFontColor : section->FontColor, box,
                       drawFormat);
}

void WriteSectionText(TCanvas& canvas, std::string_view text, bool enabled,
                      const TsSkinManager* manager, bool hot, int sectionIndex, UINT format,
                      RECT& r) {
  manager = ManagerOrDefault(manager);
  if (manager == nullptr || !manager->IsValidSectionIndex(sectionIndex)) return;
  const RECT box = PrepareTextBox(canvas, text, format, r);
  if (text.empty()) return;
  if (!enabled) {
    DrawDisabled(canvas, text, box, format);
    return;
  }
  const TsGeneralData& section = manager->Sections()[static_cast<size_t>(sectionIndex)];
  DrawInSectionColours(canvas, text, hot ? section.HotFontColor : section.FontColor, box, format);
}

void WriteTextInColour(TCanvas& canvas, std::string_view text, TColor colour, UINT format,
                       RECT& r) {
  RECT box = PrepareTextBox(canvas, text, format, r);
  if (text.empty()) return;
  canvas.Font().SetColor(colour);
  canvas.DrawText(text, box, format);
}

std::string EllipsizeText(TCanvas& canvas, std::string_view text, int width) {
  if (width <= 0) return {};
  if (canvas.TextWidth(text) <= width) return std::string(text);
  std::string rest(text);
  while (!rest.empty()) {
    // Remove one character: its continuation bytes, then its lead byte.
    while (!rest.empty()) {
      const auto last = static_cast<unsigned char>(rest.back());
      rest.pop_back();
      if ((last & 0xC0) != 0x80) break;
    }
    if (rest.empty()) break;
    if (canvas.TextWidth(rest + "...") <= width) return rest + "...";
  }
  return rest;
}

}  // namespace au
