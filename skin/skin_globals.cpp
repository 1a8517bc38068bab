#include "skin/skin_globals.h"

namespace au {

TsSkinManager* DefaultSkinManager = nullptr;
bool SkinChangeInProgress = false;
bool SkinBroadcastInProgress = false;

}  // namespace au
