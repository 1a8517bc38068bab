// Draws the pictures of the internal "Elegant" skin and writes them as the
// 8-bit files that the program embeds:
//   elegant_artwork <folder> [--preview <file.bmp>]
// writes <folder>/elegant_master.bmp and <folder>/button_huge.bmp, and with
// --preview an enlarged 24-bit overview of both for review.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "pixels/bmp_file.h"
#include "tools/artwork/master_art.h"
#include "tools/artwork/palette_quantizer.h"
#include "tools/artwork/preview.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out) std::cerr << "cannot write " << path << "\n";
  return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace au;
  using namespace au::art;
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--preview")) {
    std::cerr << "usage: elegant_artwork <folder> [--preview <file.bmp>]\n";
    return 2;
  }
  const std::string folder = argv[1];
  const IndexedPicture master = QuantizeTo256Colors(DrawMasterPicture());
  const IndexedPicture huge = QuantizeTo256Colors(DrawButtonHugePicture());
  bool ok = WriteFile(folder + "/elegant_master.bmp", EncodeBmp8(master)) &&
            WriteFile(folder + "/button_huge.bmp", EncodeBmp8(huge));
  if (ok && argc == 4) ok = WriteFile(argv[3], EncodeBmp24(DrawPreview(master, huge)));
  return ok ? 0 : 1;
}
