// Owned components with a name and a life cycle: the base of every control,
// form and non-visual part of a window. An owner destroys what it owns, last
// created first; a component being loaded from a stored layout is told when
// the whole layout has been applied.
#pragma once

#include <string>
#include <vector>

namespace au {

enum class TOperation { opInsert, opRemove };

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();

  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // The class's name as the stored layout knows it ("TsScrollBar", …).
  virtual const char* ClassName() const { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[index]; }

  // Life-cycle states. `Loading` lasts from the start of a stored layout until
  // `Loaded`; `Reading` while its properties are being assigned; `Destroying`
  // from the start of destruction. There is no form designer in this program,
  // so `Designing` is always false.
  bool IsLoading() const { return loading_; }
  bool IsReading() const { return reading_; }
  bool IsDestroying() const { return destroying_; }
  bool IsDesigning() const { return false; }

  // A stored layout brackets the assignment of a component's properties with
  // these two calls, then calls `Loaded` on every component it created.
  void BeginReading();
  void EndReading();
  virtual void Loaded();

  // Told when a component is added to or removed from this owner, and when a
  // component this one asked about (`FreeNotification`) goes away.
  virtual void Notification(TComponent* component, TOperation operation);
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  // Marks this component and everything it owns as being destroyed, then
  // destroys the owned components. Classes whose own teardown must not meet
  // live owned components (forms, the application) call it first thing in
  // their destructor; `~TComponent` calls it in any case.
  void DestroyComponents();
  void MarkDestroying();

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  bool loading_ = false;
  bool reading_ = false;
  bool destroying_ = false;
};

}  // namespace au
