// skinkit check on skin folders with and without faults.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/skin/skin_test_support.h"

namespace au {
namespace {

using test::SolidPicture;

struct Outcome {
  int Status = -1;
  std::string Output;
};

Outcome Skinkit(const std::string& arguments) {
  Outcome run;
  const std::string command = std::string(SKINKIT_PROGRAM) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
    run.Output.append(buffer, n);
  const int status = pclose(pipe);
  run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(SkinkitCheck, ListsWhatTheSkinHoldsAndEveryItemSkippedWithItsPlace) {
  test::TempDir dir;
  const auto skin = [&](const char* name) { return dir.Path() / name; };
  test::WriteBmp(skin("Clean") / "frame.bmp", SolidPicture(30, 20, 0x405060));
  test::WriteBmp(skin("Clean") / "master.bmp", SolidPicture(40, 30, 0x808080));
  test::WriteJpeg(skin("Clean") / "wood.jpg", SolidPicture(300, 300, 0x3060C0));
  test::WriteFile(skin("Clean") / "Options.dat",
                  "[GLOBALINFO]\nVERSION=5\nAUTHOR=Us\nMASTERBITMAP=master.bmp\n"
                  "[PANEL]\nCOLOR=255\nBORDERSMASK=frame.bmp\nPATTERN=wood.jpg\n"
                  "GLYPH=#(0,0,12,4)(3,0)\n");
  test::WriteFile(skin("Faults") / "garbage.bmp", std::string(200, 'x'));
  test::WriteFile(skin("Faults") / "Options.dat",
                  "[PANEL]\nCOLOR=red\nBORDERSMASK=missing.bmp\nGLYPH=garbage.bmp\n");
  test::WriteFile(skin("Refused") / "Options.dat", "[GLOBALINFO]\nDESCRIPTION=Skin #2\n");
  std::filesystem::create_directories(skin("Empty"));

  struct Case {
    const char* Arguments;
    int Status;
    std::vector<std::string> Lines;  // each must appear in the output
  };
  const std::string root = dir.Ansi() + "/";
  const Case cases[] = {
      {"Clean",
       0,
       {"  version 5, author \"Us\", description \"\"",
        "  sections 2, masks 2 (own pictures 1), patterns 1, master bitmap 40 x 30",
        "  sections: GLOBALINFO PANEL", "skipped or refused: 0"}},
      {"Faults/",
       1,
       {"  sections 1, masks 0 (own pictures 0), patterns 0, no master bitmap",
        "skipped or refused: 3", "  MISSING.BMP, section [PANEL], key BORDERSMASK: file not found",
        "  GARBAGE.BMP, section [PANEL], key GLYPH: picture could not be decoded (not a BMP file)",
        "  Options.dat, section [PANEL], key COLOR: malformed number ('red')"}},
      {"Refused",
       1,
       {"skipped or refused: 0",
        "not loaded: Options.dat, section [GLOBALINFO], key DESCRIPTION: malformed number"}},
      {"Empty", 1, {"not loaded: Options.dat not found"}},
  };
  for (const Case& c : cases) {
    const Outcome run = Skinkit("check '" + root + c.Arguments + "'");
    EXPECT_EQ(run.Status, c.Status) << c.Arguments << "\n" << run.Output;
    for (const std::string& line : c.Lines)
      EXPECT_NE(run.Output.find(line), std::string::npos) << c.Arguments << ": " << line << "\n"
                                                          << run.Output;
  }
  // The clean skin's holdings are not printed for a skin that did not load.
  EXPECT_EQ(Skinkit("check '" + root + "Refused'").Output.find("sections"), std::string::npos);
  EXPECT_EQ(Skinkit("check").Status, 2);
  EXPECT_EQ(Skinkit("check '" + root + "Nowhere'").Status, 2);
  EXPECT_EQ(Skinkit("frobnicate").Status, 2);
}

// Every skin we ship loads whole: nothing in it is skipped or refused. A
// folder added to skins/ is checked without being named here.
TEST(SkinkitCheck, EveryShippedSkinChecksClean) {
  std::vector<std::filesystem::path> folders;
  for (const auto& entry : std::filesystem::directory_iterator(ANSIUTF8_SKINS_DIR))
    if (entry.is_directory()) folders.push_back(entry.path());
  EXPECT_GE(folders.size(), 4u) << "the skins folder lost skins";
  for (const std::filesystem::path& folder : folders) {
    const Outcome run = Skinkit("check '" + folder.string() + "'");
    EXPECT_EQ(run.Status, 0) << run.Output;
    EXPECT_NE(run.Output.find("skipped or refused: 0"), std::string::npos) << run.Output;
  }
}

}  // namespace
}  // namespace au
