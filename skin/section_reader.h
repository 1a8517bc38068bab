// Reading a skin section's keys into a TsGeneralData. Options-file sections
// and common sections inherit differently, so the reader asks a SectionValues
// for each key and takes what it does not give from a fallback record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "skin/general_data.h"

namespace au {

class SectionValues {
 public:
  virtual ~SectionValues() = default;
  // An inheritable integer key; nothing when not given (a written -1 counts
  // as not given).
  virtual std::optional<std::int32_t> Integer(std::string_view key) const = 0;
  // An inheritable text key; nothing when not given.
  virtual std::optional<std::string> Text(std::string_view key) const = 0;
  // A key that is never inherited, read as a plain integer.
  virtual std::int32_t OwnInteger(std::string_view key, std::int32_t fallback) const = 0;
};

// Every field except SectionName and ParentClass. What `values` does not give
// comes from `inherited`. COLOR is resolved to RGB when `resolveColor` is set.
TsGeneralData ReadSectionFields(const SectionValues& values, const TsGeneralData& inherited,
                                bool resolveColor);

// 0..4 select a bevel; a skin's number outside the enumeration draws none.
TsControlBevel BevelFromNumber(std::int32_t number);

}  // namespace au
