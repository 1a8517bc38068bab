// The skin state that every skinned control owns: which section of the skin
// it paints from and what kind of control it is.
#pragma once

#include <string>

#include "ui/core/component.h"

namespace au {

class TsCommonData {
 public:
  explicit TsCommonData(TComponent* owner) : ownerObject_(owner) {}

  // Kept in upper case; an empty name is stored as "UNKNOWN".
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);

  unsigned ControlClassCode = 0;

  TComponent* OwnerObject() const { return ownerObject_; }

 private:
  TComponent* ownerObject_;
  std::string skinSection_;
};

}  // namespace au
