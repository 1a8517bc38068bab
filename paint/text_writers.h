// Texts in a skin section's font colours: the main colour with up to four
// one-pixel contours, or the disabled look.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "paint/common_data.h"
#include "ui/canvas.h"

namespace au {

class TsSkinManager;

// The control's caption in its section's colours (hot: the hot colours).
// Without word wrapping, `r` becomes the text's own box centred in it as the
// format aligns it, and is returned grown by one pixel on every side.
void WriteControlText(TCanvas& canvas, std::string_view text, bool enabled, bool hot,
                      const TsCommonData& data, UINT format, RECT& r);

// The same for a section given by index, with the canvas's own font and the
// format exactly as given.
void WriteSectionText(TCanvas& canvas, std::string_view text, bool enabled,
                      const TsSkinManager* manager, bool hot, int sectionIndex, UINT format,
                      RECT& r);

// The same in one colour, for a text that has no section to take colours
// from.
void WriteTextInColour(TCanvas& canvas, std::string_view text, TColor colour, UINT format, RECT& r);

// The text cut so that it fits `width` pixels, ending in "..." when cut.
std::string EllipsizeText(TCanvas& canvas, std::string_view text, int width);

}  // namespace au
