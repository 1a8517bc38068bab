// A skin stored inside the program, written out as a skin folder that the
// loader reads back as the same records.
#pragma once

#include <vector>

#include "skin/stored_skin.h"
#include "tools/skinkit/round_trip_loss.h"
#include "tools/skinkit/skin_folder_writer.h"

namespace au::kit {

struct ExportedSkin {
  SkinFolderContent Folder;
  // Every field of the stored skin's records that the folder cannot carry
  // exactly; empty when the folder loads back as the same records.
  std::vector<RoundTripLoss> Losses;
};

// The records are those the loader makes of the stored skin; the folder
// holds them as an options file, a 24-bit master bitmap, a 24-bit picture per
// mask that has one of its own, and the stored JPEG files of the patterns.
// Throws std::invalid_argument when the skin cannot be written at all (two
// sections whose names differ only in case).
ExportedSkin ExportStoredSkin(const TsStoredSkin& skin);

}  // namespace au::kit
