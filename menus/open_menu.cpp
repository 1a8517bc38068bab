#include "menus/open_menu.h"

namespace au {

OpenMenuState& OpenMenu() {
  static OpenMenuState state;
  return state;
}

void ResetOpenMenu() {
  OpenMenuState& state = OpenMenu();
  state.CurrentMenuFirstItem = nullptr;
  state.MenuBackground.reset();
  state.SkinnedBackground = false;
  state.ExtraLineWanted = false;
  state.ExtraLinePrepared = false;
}

}  // namespace au
