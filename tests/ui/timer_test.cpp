// Timers: they fire on the user-interface thread while enabled, follow a new
// interval, and survive being destroyed by their own handler.
#include "ui/timer.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/gui_driver.h"
#include "tests/ui/shown_form.h"

namespace au {
namespace {

using test::PumpMessages;
using test::PumpUntil;

TEST(Timer, FiresRepeatedlyWhileEnabled) {
  TTimer timer(nullptr);
  timer.SetInterval(10);
  int fired = 0;
  TTimer* sender = nullptr;
  timer.OnTimer = [&](TTimer* t) {
    ++fired;
    sender = t;
  };
  EXPECT_TRUE(PumpUntil([&] { return fired >= 3; }));
  EXPECT_EQ(sender, &timer);
}

TEST(Timer, StopsWhenDisabledAndResumesWhenEnabled) {
  TTimer timer(nullptr);
  timer.SetInterval(10);
  int fired = 0;
  timer.OnTimer = [&](TTimer*) { ++fired; };
  ASSERT_TRUE(PumpUntil([&] { return fired >= 1; }));
  timer.SetEnabled(false);
  const int atStop = fired;
  PumpMessages(200);
  EXPECT_EQ(fired, atStop);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return fired > atStop; }));
}

TEST(Timer, FollowsANewInterval) {
  TTimer timer(nullptr);
  timer.SetInterval(600000);  // far beyond this test
  int fired = 0;
  timer.OnTimer = [&](TTimer*) { ++fired; };
  PumpMessages(200);
  EXPECT_EQ(fired, 0);
  timer.SetInterval(10);
  EXPECT_TRUE(PumpUntil([&] { return fired >= 2; }));
  timer.SetInterval(600000);
  const int atChange = fired;
  PumpMessages(200);
  EXPECT_EQ(fired, atChange);
}

TEST(Timer, AZeroIntervalStopsIt) {
  TTimer timer(nullptr);
  timer.SetInterval(10);
  int fired = 0;
  timer.OnTimer = [&](TTimer*) { ++fired; };
  ASSERT_TRUE(PumpUntil([&] { return fired >= 1; }));
  timer.SetInterval(0);
  const int atStop = fired;
  PumpMessages(200);
  EXPECT_EQ(fired, atStop);
}

// Counts the live copies of a handler: a handler that is running must not
// have been destroyed, even when it destroyed its own timer.
int gLiveHandlers = 0;
struct HandlerLife {
  HandlerLife() { ++gLiveHandlers; }
  HandlerLife(const HandlerLife&) { ++gLiveHandlers; }
  HandlerLife& operator=(const HandlerLife&) = default;
  ~HandlerLife() { --gLiveHandlers; }
};
int gFired = 0;
bool gHandlerAliveAfterDelete = false;

TEST(Timer, MayBeDestroyedByItsOwnHandler) {
  TComponent owner(nullptr);
  {
    auto* timer = new TTimer(&owner);
    timer->SetInterval(10);
    timer->OnTimer = [life = HandlerLife()](TTimer* self) {
      ++gFired;
      delete self;
      // What the handler does after that must still be able to use what it holds.
      gHandlerAliveAfterDelete = gLiveHandlers > 0;
    };
  }
  // A second timer keeps going, so that messages are known to flow after the
  // first one is gone.
  TTimer witness(nullptr);
  witness.SetInterval(10);
  int witnessed = 0;
  witness.OnTimer = [&](TTimer*) { ++witnessed; };
  ASSERT_TRUE(PumpUntil([&] { return gFired == 1; }));
  EXPECT_TRUE(gHandlerAliveAfterDelete);
  EXPECT_EQ(gLiveHandlers, 0);
  EXPECT_EQ(owner.ComponentCount(), 0);
  const int since = witnessed;
  EXPECT_TRUE(PumpUntil([&] { return witnessed >= since + 5; }));
  EXPECT_EQ(gFired, 1);
}

TEST(Timer, AnOwnerTakesItsTimersWithIt) {
  int fired = 0;
  {
    TComponent owner(nullptr);
    auto* timer = new TTimer(&owner);
    timer->SetInterval(10);
    timer->OnTimer = [&](TTimer*) { ++fired; };
  }
  TTimer witness(nullptr);
  witness.SetInterval(10);
  int witnessed = 0;
  witness.OnTimer = [&](TTimer*) { ++witnessed; };
  EXPECT_TRUE(PumpUntil([&] { return witnessed >= 5; }));
  EXPECT_EQ(fired, 0);
}

}  // namespace
}  // namespace au
