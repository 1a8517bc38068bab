// The keys of the sections of an options file, chosen so that the loader
// reads every section back as its record: a field is written only where the
// loader would otherwise take another value from the section's parent or
// from the key's default.
#pragma once

#include <vector>

#include "skin/general_data.h"
#include "tools/skinkit/options_text.h"
#include "tools/skinkit/round_trip_loss.h"

namespace au::kit {

// One options-file section per record, in record order, each holding
// PARENTCLASS and the keys it must state. Fields that no key can carry are
// added to `losses`.
void AddSectionKeys(const TsGeneralDataArray& sections, OptionsText& options,
                    std::vector<RoundTripLoss>& losses);

}  // namespace au::kit
