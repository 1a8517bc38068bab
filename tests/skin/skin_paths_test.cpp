#include "skin/skin_paths.h"

#include <gtest/gtest.h>

namespace au {
namespace {

TEST(SkinsFolder, RelativeFormsStartAtTheProgramFolder) {
  const char* app = "C:\\App\\Bin\\";
  EXPECT_EQ(ResolveSkinsFolder("..\\Skins", app), "C:\\App\\Skins\\");
  EXPECT_EQ(ResolveSkinsFolder("../Skins/", app), "C:\\App\\Skins\\");
  EXPECT_EQ(ResolveSkinsFolder("..\\..\\Skins", app), "C:\\App\\..\\Skins\\");  // one level only
  EXPECT_EQ(ResolveSkinsFolder(".\\Skins", app), "C:\\App\\Bin\\Skins\\");
  EXPECT_EQ(ResolveSkinsFolder("./Skins", app), "C:\\App\\Bin\\Skins\\");
  EXPECT_EQ(ResolveSkinsFolder("Skins", app), "C:\\App\\Bin\\Skins\\");
  EXPECT_EQ(ResolveSkinsFolder("", app), "C:\\App\\Bin\\");
  EXPECT_EQ(ResolveSkinsFolder("..", "C:\\App\\"), "C:\\");
  EXPECT_EQ(ResolveSkinsFolder("..", ""), "\\");
}

TEST(SkinsFolder, AbsoluteFormsGetATrailingSeparator) {
  const char* app = "C:\\App\\Bin\\";
  EXPECT_EQ(ResolveSkinsFolder("c:\\Skins", app), "c:\\Skins\\");
  EXPECT_EQ(ResolveSkinsFolder("c:\\Skins\\", app), "c:\\Skins\\");
  EXPECT_EQ(ResolveSkinsFolder("d:/skins/", app), "d:/skins\\");
  EXPECT_EQ(ResolveSkinsFolder("d:", app), "d:\\");
  EXPECT_EQ(ResolveSkinsFolder("/usr/share/skins", app), "/usr/share/skins\\");
  // A lone drive letter becomes that drive's root, after the program folder.
  EXPECT_EQ(ResolveSkinsFolder("d", ""), "d:\\");
}

TEST(SkinsFolder, SkinFoldersAndPictureFiles) {
  EXPECT_EQ(SkinFolderPath("c:\\Skins\\", "Elegant (internal)"),
            "c:\\Skins\\\\Elegant (internal)\\");
  EXPECT_EQ(ResolveSkinFile("c:\\Skins\\\\Blue\\", "MASTER.BMP"), "c:\\Skins\\\\Blue\\MASTER.BMP");
  EXPECT_EQ(ResolveSkinFile("c:\\Skins\\Blue\\", "D:\\ART\\X.BMP"), "D:\\ART\\X.BMP");
  EXPECT_EQ(ResolveSkinFile("c:\\Skins\\Blue\\", "/art/x.bmp"), "/art/x.bmp");
  EXPECT_EQ(ResolveSkinFile("", "X.BMP"), "X.BMP");
}

}  // namespace
}  // namespace au
