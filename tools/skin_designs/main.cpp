// Draws our own skins and writes each as a skin folder:
//   skin_designs <folder>
// writes <folder>/<skin name>/ for every skin.
#include <exception>
#include <filesystem>
#include <iostream>

#include "tools/skin_designs/skins.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: skin_designs <folder>\n";
    return 2;
  }
  try {
    for (const auto& draw :
         {au::design::GraphiteSkin, au::design::HighContrastSkin, au::design::LinenSkin}) {
      const au::design::DesignedSkin skin = draw();
      au::kit::WriteSkinFolder(std::filesystem::path(argv[1]) / skin.Name, skin.Folder);
    }
  } catch (const std::exception& e) {
    std::cerr << "skin_designs: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
