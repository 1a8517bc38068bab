// The converter's entry point: the application object, its main window, the
// message loop.
#include <windows.h>

#include "app/main_form.h"
#include "controls/skin_broadcaster_win.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  au::TApplication application;
  application.Initialize();
  au::InstallWindowsSkinBroadcaster();
  application.CreateForm<au::TForm1>(
      au::CommandLineArgs(reinterpret_cast<const char16_t*>(GetCommandLineW())));
  application.Run();
  return 0;
}
