#include "paint/common_data.h"

#include <cctype>

namespace au {

void TsCommonData::SetSkinSection(const std::string& section) {
  if (section == skinSection_) return;
  std::string upper = section.empty() ? "UNKNOWN" : section;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  skinSection_ = std::move(upper);
}

}  // namespace au
