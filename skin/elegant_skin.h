// "Elegant (internal)": the skin the program carries inside itself, so that
// its window is skinned without any skin folder on disk.
#pragma once

#include "skin/stored_skin.h"

namespace au {

inline constexpr const char* kElegantSkinName = "Elegant (internal)";

// A fresh copy of the stored skin; its pictures are the embedded artwork.
TsStoredSkin ElegantInternalSkin();

}  // namespace au
