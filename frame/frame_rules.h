// Which caption buttons and system-menu commands a window offers, and which
// of them it allows, from its border style, the border icons the frame draws
// and whether it is minimised or maximised.
#pragma once

#include "ui/form.h"

namespace au {

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

struct FrameState {
  TFormBorderStyle Style = TFormBorderStyle::bsSizeable;
  TBorderIcons Icons = kDefaultBorderIcons;
  TWindowState State = TWindowState::wsNormal;

  bool Minimized() const { return State == TWindowState::wsMinimized; }
  bool Maximized() const { return State == TWindowState::wsMaximized; }
  bool Has(TBorderIcon icon) const { return (Icons & icon) != 0; }
};

// The close button and the "Close" command: the system menu icon is drawn.
bool CloseShown(const FrameState& s);
// "Restore": shown for single and sizeable frames with a close button.
bool RestoreVisible(const FrameState& s);
// Restoring makes sense: maximised with a maximise icon, or minimised.
bool RestoreEnabled(const FrameState& s);
// The maximise (minimise) button and command: always while minimised, never
// for dialog and borderless frames, for a single frame only with its icon,
// and only with a close button; a sizeable frame shows them even without
// their icons.
bool MaximizeVisible(const FrameState& s);
bool MinimizeVisible(const FrameState& s);
// Maximising is allowed: the icon is drawn, the window is not maximised and
// the frame can be sized or is single.
bool MaximizeEnabled(const FrameState& s);
bool MinimizeEnabled(const FrameState& s);
// The maximise (minimise) button answers the mouse, and a double click on the
// title maximises or restores: its command, or restoring, is allowed.
bool MaximizeButtonLive(const FrameState& s);
bool MinimizeButtonLive(const FrameState& s);
bool MoveEnabled(const FrameState& s);
bool SizeVisible(const FrameState& s);
bool SizeEnabled(const FrameState& s);

}  // namespace au
