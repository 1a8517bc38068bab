// A field of a skin's records that a skin folder cannot carry exactly, found
// while the folder is written.
#pragma once

#include <string>

namespace au::kit {

enum class RecordKind { Global, Section, Mask, Pattern };

struct RoundTripLoss {
  RecordKind Kind = RecordKind::Global;
  int Index = 0;      // in the section, mask or pattern array; 0 for the global information
  std::string Field;  // the record's field, as the record names it
  std::string Reason;
};

}  // namespace au::kit
