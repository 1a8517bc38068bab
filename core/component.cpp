#include "core/component.h"

#include <algorithm>

namespace au {

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  MarkDestroying();
  // Tell those that hold a reference to this component, then forget them.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    std::erase(other->freeNotifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::MarkDestroying() {
  if (destroying_) return;
  destroying_ = true;
  for (TComponent* c : components_) c->MarkDestroying();
}

void TComponent::DestroyComponents() {
  MarkDestroying();
  while (!components_.empty()) {
    TComponent* last = components_.back();
    // The child's destructor removes it from this list through RemoveComponent.
    delete last;
  }
}

void TComponent::BeginReading() {
  loading_ = true;
  reading_ = true;
}

void TComponent::EndReading() {
  reading_ = false;
}

void TComponent::Loaded() {
  loading_ = false;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) std::erase(freeNotifies_, component);
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  std::erase(freeNotifies_, component);
  if (component != nullptr) std::erase(component->freeNotifies_, this);
}

void TComponent::InsertComponent(TComponent* component) {
  component->owner_ = this;
  components_.push_back(component);
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, TOperation::opRemove);
  std::erase(components_, component);
  component->owner_ = nullptr;
}

}  // namespace au
