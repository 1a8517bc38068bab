// The two tables of the internal skin, kept apart from its global settings.
#pragma once

#include "skin/stored_skin.h"

namespace au {

TsSkinGenerals ElegantSkinSections();
TsSkinImages ElegantSkinImages();

}  // namespace au
