// The commands of the skin command message through which the skin manager,
// the form frame and the skinned controls talk to each other. The parameter
// of a command is 0 or 1; the commands the manager broadcasts (1, 2, 3, 16)
// carry the manager itself.
#pragma once

#include <cstdint>

namespace au {

enum TSkinCommand : std::uint16_t {
  SK_SKINCHANGED = 1,     // a skin was loaded into the manager in lParam
  SK_SKINREMOVED = 2,     // the manager in lParam stopped skinning
  SK_REFRESH = 3,         // repaint with the current skin of the manager in lParam
  SK_GETPROVIDER = 4,     // result: the form's frame component
  SK_GETCACHE = 5,        // answer in CacheInfo: the background cache
  SK_PARENTPAINTED = 6,   // the parent has rebuilt its background
  SK_ISSKINNED = 7,       // lParam := 1 when the receiver handles skin commands
  SK_SETUPDATING = 8,     // parameter 1 sets, 0 clears Updating
  SK_SETURGENTPAINT = 9,  // parameter 1 sets, 0 clears UrgentPaint
  SK_ISUPDATING = 10,     // lParam := 1 while the background is not ready
  SK_ISHALFVISIBLE = 11,  // lParam := PartlyVisible
  SK_TRANSPARENTCHANGED = 12,
  SK_SECTIONREPAINT = 13,
  SK_SETPAINTCHILD = 15,  // lParam: the only child to paint next, or 0
  SK_STOPFADING = 16,
  SK_SETBGCHANGED = 17,
  SK_ISGRAPHICBG = 19,  // lParam := 1 when the background is not a plain colour
  SK_POSITIONCHANGED = 20,
  SK_GETBGCOLOR = 21,  // answer in SharedBackgroundColor
  SK_SETHALFVISIBLE = 22,
  SK_FADEPREPARE = 23,
  SK_FADEFRAME = 24,  // lParam: the blended frame of a running fade
};

// wParam of the message: the command in the high word, its parameter in the low.
constexpr std::uintptr_t SkinCommandParam(TSkinCommand code, unsigned parameter = 0) {
  return (static_cast<std::uintptr_t>(code) << 16) | (parameter & 0xFFFF);
}
constexpr unsigned SkinCommandOf(std::uintptr_t wParam) {
  return static_cast<unsigned>((wParam >> 16) & 0xFFFF);
}
constexpr unsigned SkinCommandParameterOf(std::uintptr_t wParam) {
  return static_cast<unsigned>(wParam & 0xFFFF);
}

}  // namespace au
