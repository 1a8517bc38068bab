#include "frame/title_button.h"

#include "frame/skin_provider.h"

namespace au {

void TsTitleButton::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TsTitleButton::SetGlyph(const Bitmap24& glyph) {
  glyph_ = glyph.Clone();
  Changed();
}

void TsTitleButton::SetUseSkinData(bool value) {
  if (value == useSkinData_) return;
  useSkinData_ = value;
  Changed();
}

void TsTitleButton::Changed() {
  collection_.Changed();
}

TsTitleButton& TsTitleButtons::Add() {
  items_.push_back(std::make_unique<TsTitleButton>(*this));
  Changed();
  return *items_.back();
}

void TsTitleButtons::Clear() {
  items_.clear();
  Changed();
}

void TsTitleButtons::Changed() {
  provider_.TitleButtonsChanged();
}

}  // namespace au
