// Owned components: who destroys whom and in which order, who is told about
// it, and the life-cycle states a stored layout passes a component through.
#include "core/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/stored_layout.h"

namespace au {
namespace {

// What the components of one test saw, in the order they saw it.
struct Journal {
  std::vector<std::string> entries;
  void Add(std::string entry) { entries.push_back(std::move(entry)); }
  std::vector<std::string> Starting(char c) const {
    std::vector<std::string> out;
    for (const std::string& e : entries) {
      if (!e.empty() && e[0] == c) out.push_back(e);
    }
    return out;
  }
};

// The journal of the components that a stored layout creates (it passes them
// their owner only).
Journal* gLayoutJournal = nullptr;

// A component that writes its destruction, the notifications it receives and
// its loading into a journal.
class Logged : public TComponent {
 public:
  explicit Logged(TComponent* owner, Journal* journal = gLayoutJournal)
      : TComponent(owner), journal_(journal) {}
  ~Logged() override {
    if (journal_ == nullptr) return;
    std::string entry = "~" + Name();
    if (IsDestroying()) entry += " destroying";
    if (Owner() != nullptr && Owner()->IsDestroying()) entry += " owner-destroying";
    journal_->Add(entry);
  }

  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (journal_ == nullptr) return;
    // The component may be half destroyed already: only its address is used.
    const std::string what = component == watched ? watchedName : std::string("?");
    journal_->Add(Name() + (operation == TOperation::opInsert ? " +" : " -") + what);
  }

  void Loaded() override {
    const bool wasLoading = IsLoading();
    TComponent::Loaded();
    if (journal_ == nullptr) return;
    std::string entry = "loaded " + Name();
    if (!wasLoading) entry += " (was not loading)";
    if (IsLoading()) entry += " (still loading)";
    for (const TComponent* other : observed) {
      if (other->IsReading()) entry += " " + other->Name() + "-reading";
    }
    journal_->Add(entry);
  }

  // The component whose notifications are named in the journal.
  TComponent* watched = nullptr;
  std::string watchedName;
  // Components whose reading state Loaded writes down.
  std::vector<const TComponent*> observed;

 private:
  Journal* journal_;
};

Logged* MakeChild(Logged& owner, const std::string& name, Journal* journal) {
  auto* child = new Logged(&owner, journal);
  child->SetName(name);
  return child;
}

TEST(ComponentOwnership, AnOwnerDestroysWhatItOwnsLastCreatedFirst) {
  Journal journal;
  auto* owner = new Logged(nullptr);
  owner->SetName("owner");
  MakeChild(*owner, "a", &journal);
  Logged* b = MakeChild(*owner, "b", &journal);
  MakeChild(*b, "b1", &journal);
  MakeChild(*owner, "c", &journal);
  ASSERT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(owner->Components(1), b);
  delete owner;
  // A component's own components go with it, before its earlier siblings.
  const std::vector<std::string> expected{
      "~c destroying owner-destroying", "~b destroying owner-destroying",
      "~b1 destroying owner-destroying", "~a destroying owner-destroying"};
  EXPECT_EQ(journal.Starting('~'), expected);
}

TEST(ComponentOwnership, AComponentDestroyedOnItsOwnLeavesItsOwnerAndTellsIt) {
  Journal journal;
  Logged owner(nullptr, &journal);
  owner.SetName("owner");
  auto* a = new Logged(&owner);
  owner.watched = a;
  owner.watchedName = "a";
  auto* b = new Logged(&owner);
  EXPECT_EQ(a->Owner(), &owner);
  delete a;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
  // Not destroying: nobody is tearing the owner down.
  EXPECT_FALSE(b->IsDestroying());
  const std::vector<std::string> expected{"owner +?", "owner +?", "owner -a"};
  EXPECT_EQ(journal.entries, expected);
}

TEST(ComponentOwnership, EveryOwnedComponentIsMarkedBeforeTheFirstOneGoes) {
  // The first one destroyed still sees its siblings; they must already know
  // that they are on their way out, so that they do no work for a window that
  // is about to vanish.
  struct Probe : TComponent {
    Probe(TComponent* owner, const TComponent* sibling, bool* siblingDestroying)
        : TComponent(owner), sibling_(sibling), out_(siblingDestroying) {}
    ~Probe() override {
      if (sibling_ != nullptr) *out_ = sibling_->IsDestroying();
    }
    const TComponent* sibling_;
    bool* out_;
  };
  bool siblingDestroying = false;
  auto* owner = new TComponent(nullptr);
  auto* first = new Probe(owner, nullptr, nullptr);
  auto* grandchild = new TComponent(first);
  new Probe(owner, grandchild, &siblingDestroying);
  delete owner;
  EXPECT_TRUE(siblingDestroying);
}

TEST(ComponentFreeNotification, TheOtherSideIsToldWhenEitherGoesAway) {
  Journal journal;
  Logged listener(nullptr, &journal);
  listener.SetName("listener");
  auto* subject = new Logged(nullptr);
  listener.watched = subject;
  listener.watchedName = "subject";
  subject->FreeNotification(&listener);
  subject->FreeNotification(&listener);  // asking twice is asking once
  delete subject;
  EXPECT_EQ(journal.entries, std::vector<std::string>{"listener -subject"});

  // The other way round: the listener goes first, and the subject, destroyed
  // later, must not call it any more.
  auto* listener2 = new Logged(nullptr, &journal);
  listener2->SetName("listener2");
  Logged subject2(nullptr, &journal);
  subject2.SetName("subject2");
  subject2.watched = listener2;
  subject2.watchedName = "listener2";
  subject2.FreeNotification(listener2);
  journal.entries.clear();
  delete listener2;
  EXPECT_EQ(journal.entries, (std::vector<std::string>{"~listener2", "subject2 -listener2"}));
}

TEST(ComponentFreeNotification, RemovedRequestsAreNotAnswered) {
  Journal journal;
  Logged listener(nullptr, &journal);
  listener.SetName("listener");
  auto* subject = new Logged(nullptr);
  listener.watched = subject;
  subject->FreeNotification(&listener);
  subject->RemoveFreeNotification(&listener);
  delete subject;
  EXPECT_TRUE(journal.entries.empty());
}

TEST(ComponentStoredLayout, ComponentsAreReadInOrderAndToldLoadedOnceAllAreRead) {
  Journal journal;
  gLayoutJournal = &journal;
  Logged root(nullptr, &journal);
  root.SetName("root");
  EXPECT_FALSE(root.IsLoading());
  StoredLayout layout(root);
  EXPECT_TRUE(root.IsLoading());
  EXPECT_TRUE(root.IsReading());
  auto* first = layout.Add<Logged>("first");
  EXPECT_EQ(first->Owner(), &root);
  EXPECT_TRUE(first->IsLoading());
  EXPECT_TRUE(first->IsReading());
  auto* second = layout.Add<Logged>("second");
  EXPECT_EQ(second->Name(), "second");
  EXPECT_EQ(root.Components(0), first);
  EXPECT_EQ(root.Components(1), second);
  // A component's Loaded may rely on every other one having been read.
  root.observed = {first, second};
  first->observed = {&root, second};
  second->observed = {&root, first};
  EXPECT_FALSE(root.IsDesigning());
  layout.Finish();
  gLayoutJournal = nullptr;
  const std::vector<std::string> expected{"loaded root", "loaded first", "loaded second"};
  EXPECT_EQ(journal.Starting('l'), expected);
  for (const TComponent* c :
       {static_cast<const TComponent*>(&root), static_cast<const TComponent*>(first),
        static_cast<const TComponent*>(second)}) {
    EXPECT_FALSE(c->IsLoading()) << c->Name();
    EXPECT_FALSE(c->IsReading()) << c->Name();
  }
}

TEST(ComponentStoredLayout, ALaterComponentIsStillLoadingWhenAnEarlierOneIsToldLoaded) {
  // Loaded runs in stored order, so an earlier component must not take a later
  // one for complete.
  struct Watcher : TComponent {
    using TComponent::TComponent;
    void Loaded() override {
      TComponent::Loaded();
      laterWasLoading = later != nullptr && later->IsLoading();
    }
    const TComponent* later = nullptr;
    bool laterWasLoading = false;
  };
  TComponent root(nullptr);
  StoredLayout layout(root);
  auto* watcher = layout.Add<Watcher>("watcher");
  watcher->later = layout.Add<TComponent>("later");
  layout.Finish();
  EXPECT_TRUE(watcher->laterWasLoading);
  EXPECT_FALSE(watcher->later->IsLoading());
}

}  // namespace
}  // namespace au
