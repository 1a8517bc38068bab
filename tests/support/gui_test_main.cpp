// Entry point of the tests that create real windows: one application object
// for the whole run, as in the program.
#include <gtest/gtest.h>

#include "controls/skin_broadcaster_win.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  au::TApplication application;
  application.Initialize();
  au::InstallWindowsSkinBroadcaster();
  return RUN_ALL_TESTS();
}
