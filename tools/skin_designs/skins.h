// Our own skins, each drawn from scratch and put together as a skin folder.
#pragma once

#include <string>
#include <vector>

#include "tools/skinkit/skin_folder_writer.h"

namespace au::design {

struct DesignedSkin {
  std::string Name;  // the skin folder's name, the name the user chooses
  kit::SkinFolderContent Folder;
};

// Dark graphite chrome with a teal accent around light paper for the text.
DesignedSkin GraphiteSkin();
// Black, white and yellow: every text at least 7:1 against its background.
DesignedSkin HighContrastSkin();
// Woven linen and walnut, from photographs-like JPEG textures of our own.
DesignedSkin LinenSkin();

}  // namespace au::design
