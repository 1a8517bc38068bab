// What every skinned control of this system adds to its plain base: a skin
// state created with it and finished after loading, and the first steps that
// each of their window procedures shares.
#pragma once

#include <algorithm>
#include <cstddef>

#include <algorithm>
#include <cstddef>

#include "paint/common_data.h"
#include "paint/skin_messages.h"
#include "ui/gdi_handles.h"

namespace au {

// A class name given as a template argument, so that the class template
// itself can answer it.
template <std::size_t N>
struct ClassNameText {
  constexpr ClassNameText(const char (&text)[N]) { std::copy_n(text, N, Text); }
  char Text[N];
};

// `Name` is the skinned class's own name. The skin state picks its default
// section in the constructor below, where a virtual ClassName of the derived
// class cannot be reached yet; so the name is answered here, at this level.
template <typename Base, unsigned ClassCode, ClassNameText Name>
class TsSkinnedControl : public Base {
 public:
  explicit TsSkinnedControl(TComponent* owner) : Base(owner) {
    skinData_.ControlClassCode = ClassCode;
    skinData_.FinishLoading();
  }

  const char* ClassName() const override { return Name.Text; }

  TsCommonData& SkinData() { return skinData_; }

  void Loaded() override {
    Base::Loaded();
    skinData_.FinishLoading();
  }

 protected:
  // Codes 1 to 3 concern a control only when they carry its own manager.
  bool CarriesOwnManager(const TMessage& m) const {
    return SkinManagerOf(m) == skinData_.EffectiveManager();
  }
  // Made, placed and bound to a section of the loaded skin.
  bool ReadyAndSkinned() const { return skinData_.OwnerReady() && skinData_.IsSkinned(); }
  // A WM_PAINT paints into the device context it brings (a parent printing
  // its children), else into the window's own between begin and end paint.
  template <typename Paint>
  void PaintForMessage(const TMessage& m, Paint paint) {
    if (m.WParam != 0) {
      paint(reinterpret_cast<HDC>(m.WParam));
    } else if (this->HandleAllocated()) {
      PaintScope scope(this->Handle());
      paint(scope.Dc());
    }
  }

  TsCommonData skinData_{this, true};
};

// The answer "yes" to a query, given in the record itself.
inline void AnswerYes(TMessage& m) {
  m.LParam = 1;
  m.Result = 1;
}

}  // namespace au
