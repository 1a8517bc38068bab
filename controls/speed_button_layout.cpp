#include "controls/speed_button_layout.h"

namespace au {

int MarginOffset(int margin) {
  return margin < 0 ? 0 : margin + 3;
}

int TextAreaWidth(const SpeedButtonMeasures& m) {
  if (!m.HasCaption) return 0;
  return m.Width - m.ArrowWidth - 2 * m.Margin - (m.GlyphWidth != 0 ? m.GlyphWidth + m.Spacing : 0);
}

RECT CaptionRect(const SpeedButtonMeasures& m) {
  const int w = m.Width;
  const int h = m.Height;
  const int g = m.GlyphWidth;
  const int gh = m.GlyphHeight;
  const int a = m.ArrowWidth;
  const int mo = MarginOffset(m.Margin);
  const int sp = m.Spacing;
  const int tw = m.TextWidth;
  const int th = m.TextHeight;
  const int gap = g > 0 ? sp : 0;
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
  switch (m.Layout) {
    case TButtonLayout::blGlyphLeft:
    case TButtonLayout::blGlyphRight: {
      const int s = (w - a - g - (g >= 1 && m.HasCaption ? sp : 0) - tw) / 2 - mo;
      top = (h - th) / 2;
      bottom = h - top;
      const bool glyphLeft = m.Layout == TButtonLayout::blGlyphLeft;
      switch (m.Alignment) {
        case TAlignment::taLeftJustify:
          left = glyphLeft ? g + m.Margin + gap : mo;
          right = glyphLeft ? w - a - mo - 2 * s : mo + tw;
          break;
        case TAlignment::taRightJustify:
          left = glyphLeft ? mo + 2 * s + g + gap : mo + 2 * s;
          right = glyphLeft ? w - a - mo : mo + 2 * s + tw;
          break;
        default:
          left = glyphLeft ? g + mo + s + gap : mo + s;
          right = glyphLeft ? w - a - mo - s : mo + s + tw;
          break;
      }
      break;
    }
    default: {
      left = (w - tw - a) / 2;
      right = w - (w - tw - a) / 2 - a;
      const bool f = gh >= 1 && m.HasCaption;
      const int v = (h - gh - (f ? sp : 0) - th) / 2 - mo;
      if (m.Layout == TButtonLayout::blGlyphTop) {
        top = gh + v + mo + (f ? sp : 0);
        bottom = h - v - mo;
      } else {
        top = v + mo;
        bottom = h - v - mo - gh - (f ? sp : 0);
      }
      break;
    }
  }
  RECT r{left + m.TextOffset - 1, top, right + m.TextOffset + 2, bottom};
  if (m.Pressed) OffsetRect(&r, 1, 1);
  return r;
}

RECT GlyphRect(const SpeedButtonMeasures& m) {
  const int w = m.Width;
  const int h = m.Height;
  const int g = m.GlyphWidth;
  const int gh = m.GlyphHeight;
  const int a = m.ArrowWidth;
  const int mo = MarginOffset(m.Margin);
  const bool f = m.HasCaption && g > 0;
  const int sp = f ? m.Spacing : 0;
  const int hs = (w - (a + g + sp + m.TextWidth)) / 2 - mo;
  const int vs = (h - (gh + sp + m.TextHeight)) / 2 - mo;
  const int gy = (h - gh) / 2;
  int x = 0;
  int y = gy;
  switch (m.Layout) {
    case TButtonLayout::blGlyphLeft:
      x = m.Alignment == TAlignment::taLeftJustify    ? mo
          : m.Alignment == TAlignment::taRightJustify ? mo + 2 * hs
                                                      : mo + hs;
      break;
    case TButtonLayout::blGlyphRight:
      x = m.Alignment == TAlignment::taLeftJustify    ? w - a - mo - 2 * hs - sp - g
          : m.Alignment == TAlignment::taRightJustify ? w - a - g - mo
                                                      : (m.TextWidth + w + sp - a - g) / 2;
      break;
    case TButtonLayout::blGlyphTop:
      x = (w - a - g) / 2 + 1;
      y = mo + vs;
      break;
    case TButtonLayout::blGlyphBottom:
      x = (w - a - g) / 2 + 1;
      y = h - mo - vs - gh;
      break;
  }
  const int d = m.Pressed ? 1 : 0;
  return RECT{x + d, y + d, x + d + g, y + d + gh};
}

}  // namespace au
