// What the fading engine asks of a control that fades between its looks.
// The control keeps its cache in its skin state; the engine blends the old
// picture into the new one and asks the control to show the frames.
#pragma once

#include "paint/common_data.h"

namespace au {

class TsFadingControl {
 public:
  // The skin state whose cache is the picture faded to.
  virtual TsCommonData& FadingState() = 0;
  // Paints the control's present state into its cache and returns that state
  // (0 normal, 1 hot, 2 pressed), whose border corners the cache then shows.
  virtual int PaintStateToCache() = 0;
  // Shows the control on screen as it paints now.
  virtual void RepaintState() = 0;

 protected:
  ~TsFadingControl() = default;
};

// A state change may fade: the caller asks for it, fading is allowed for the
// control's section, and its cache holds the picture it is leaving (a cache
// that must be rebuilt anyway is no picture to fade from).
bool MayStartFade(const TsCommonData& state, bool animate);

}  // namespace au
