// Switching the converter's skin from outside, as a person does: the system
// menu opened on the title bar, "Available skins", a skin chosen by key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/wine/process_driver.h"

namespace au::bench {

// The skins the converter offers, in its menu's order (the built-in one and
// every skin folder in its skins folder).
std::vector<std::string> OfferedSkins();

// Chooses skin `index` of that list and returns the seconds from the choice
// to the window repainted; negative when the menu did not open.
double ChooseSkin(const Program& program, int index);

// Closes the message boxes the program shows, as a person would with Enter;
// whether there were any (a skin that could not be loaded is named in one).
bool CloseMessageBoxes(const Program& program);

// A fingerprint of the pixels of the window's title bar on screen, to see
// that a skin took (the rest of the window has a blinking caret).
std::uint64_t TitlePixelsOf(HWND wnd);

}  // namespace au::bench
