#include "frame/frame_geometry.h"

#include <windows.h>

#include <algorithm>

namespace au {

FrameMetrics SystemFrameMetrics() {
  FrameMetrics m;
  m.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
  m.DialogFrameWidth = GetSystemMetrics(SM_CXDLGFRAME);
  m.DialogFrameHeight = GetSystemMetrics(SM_CYDLGFRAME);
  m.SizingFrameWidth = GetSystemMetrics(SM_CXFRAME);
  m.SizingFrameHeight = GetSystemMetrics(SM_CYFRAME);
  return m;
}

int CaptionHeightOf(TFormBorderStyle style, const FrameMetrics& metrics) {
  return style == TFormBorderStyle::bsNone ? 0 : metrics.CaptionHeight;
}

int BorderWidthOf(TFormBorderStyle style, const FrameMetrics& metrics) {
  switch (style) {
    case TFormBorderStyle::bsNone:
      return 0;
    case TFormBorderStyle::bsSizeable:
      return metrics.SizingFrameWidth;
    default:
      return metrics.DialogFrameWidth;
  }
}

int BorderHeightOf(TFormBorderStyle style, const FrameMetrics& metrics) {
  switch (style) {
    case TFormBorderStyle::bsNone:
      return 0;
    case TFormBorderStyle::bsSizeable:
      return metrics.SizingFrameHeight;
    default:
      return metrics.DialogFrameHeight;
  }
}

int AutomaticIconSize(int captionHeight) {
  if (captionHeight < 9) return 0;
  if (captionHeight <= 16) return 8;
  if (captionHeight <= 27) return 16;
  return 32;
}

FrameGeometry ComputeFrameGeometry(TFormBorderStyle style, const FrameMetrics& metrics,
                                   const WindowSizes& window, const IconSettings& icon) {
  FrameGeometry g;
  const bool none = style == TFormBorderStyle::bsNone;
  g.CaptionHeight = CaptionHeightOf(style, metrics);
  g.BorderWidth = BorderWidthOf(style, metrics);
  g.BorderHeight = BorderHeightOf(style, metrics);
  g.InnerBorder = window.InnerBorder;
  g.Width = window.Width;
  // A minimised window keeps only its title bar.
  g.Height = window.Iconic ? g.BorderHeight + g.CaptionHeight + 1 : window.Height;

  const int nonClientHeight = window.Height - window.ClientHeight;
  g.TitleHeight = std::max(0, none ? nonClientHeight : nonClientHeight - g.BorderHeight);
  if (window.Iconic) g.TitleHeight += g.BorderHeight;

  g.ClientOffsetX = (window.Width - window.ClientWidth) / 2;
  g.ClientOffsetY = none ? nonClientHeight : nonClientHeight - (g.BorderHeight + g.InnerBorder);

  g.IconShown = icon.ShowAppIcon &&
                (style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable);
  if (g.IconShown) {
    const int automatic = AutomaticIconSize(g.CaptionHeight);
    g.IconWidth = icon.Width != 0 ? icon.Width : automatic;
    g.IconHeight = icon.Height != 0 ? icon.Height : automatic;
  }
  g.IconRect.Left = g.BorderWidth;
  g.IconRect.Right = g.IconRect.Left + g.IconWidth;
  g.IconRect.Top = (g.CaptionHeight + g.BorderHeight - g.IconHeight) / 2;
  g.IconRect.Bottom = g.IconRect.Top + g.IconHeight;
  return g;
}

}  // namespace au
