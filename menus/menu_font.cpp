#include "menus/menu_font.h"

#include <windows.h>

#include "ui/wide_text.h"

namespace au {

void AssignMenuFont(TFont& font, bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    const LOGFONTW& menu = metrics.lfMenuFont;
    font.SetName(Narrow(menu.lfFaceName));
    font.SetHeight(menu.lfHeight);
    font.SetCharset(menu.lfCharSet);
    unsigned style = 0;
    if (menu.lfWeight >= FW_BOLD) style |= fsBold;
    if (menu.lfItalic) style |= fsItalic;
    if (menu.lfUnderline) style |= fsUnderline;
    if (menu.lfStrikeOut) style |= fsStrikeOut;
    font.SetStyle(style);
  }
  if (bold) font.SetStyle(font.Style() | fsBold);
}

}  // namespace au
