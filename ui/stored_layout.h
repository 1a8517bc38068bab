// How a window's stored layout is applied: its components are created in
// their stored order and their properties assigned while they are being read;
// once every one of them is in place, each is told that loading is complete,
// in the same order, the root first.
#pragma once

#include <string>
#include <vector>

#include "core/component.h"

namespace au {

class StoredLayout {
 public:
  explicit StoredLayout(TComponent& root) : root_(root) {
    root.BeginReading();
    loaded_.push_back(&root);
  }
  StoredLayout(const StoredLayout&) = delete;
  StoredLayout& operator=(const StoredLayout&) = delete;

  // Creates the next stored component, owned by the root, in its reading state.
  template <typename Component>
  Component* Add(const char* name) {
    auto* component = new Component(&root_);
    component->SetName(name);
    component->BeginReading();
    loaded_.push_back(component);
    return component;
  }

  // Ends reading and tells every component it is loaded.
  void Finish() {
    for (TComponent* c : loaded_) c->EndReading();
    for (TComponent* c : loaded_) c->Loaded();
    loaded_.clear();
  }

 private:
  TComponent& root_;
  std::vector<TComponent*> loaded_;
};

}  // namespace au
