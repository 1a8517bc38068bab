// The image entry of one mask, in the form that the loader reads back as the
// mask: its own picture in the "!" form, a rectangle of the master bitmap in
// whichever of the "^", "@", "~" and "#" forms gives the record.
#pragma once

#include <string>
#include <vector>

#include "skin/mask_data.h"
#include "tools/skinkit/round_trip_loss.h"

namespace au::kit {

// `sectionName` is the options-file section the entry goes into and
// `pictureName` the file of the mask's own picture. The fields that no form
// carries are added to `losses` under mask `index`.
std::string MaskEntryValue(const TsMaskData& mask, int index, const std::string& sectionName,
                           const std::string& pictureName, std::vector<RoundTripLoss>& losses);

}  // namespace au::kit
