#include "skin/skin_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/skin/skin_test_support.h"

namespace au {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(SkinFiles, NamesMatchWithoutCaseAndWithEitherSeparator) {
  TempDir dir;
  WriteFile(dir.Path() / "Blue Skin" / "Pics" / "Frame.Bmp", "BMdata");
  const std::string root = dir.Ansi();
  EXPECT_TRUE(SkinFileExists(root + "\\Blue Skin\\Pics\\Frame.Bmp"));
  EXPECT_TRUE(SkinFileExists(root + "\\BLUE SKIN\\PICS\\FRAME.BMP"));
  EXPECT_TRUE(SkinFileExists(root + "/blue skin//pics\\frame.bmp"));
  EXPECT_TRUE(SkinFolderExists(root + "\\blue skin\\PICS\\"));
  EXPECT_FALSE(SkinFileExists(root + "\\blue skin\\pics"));  // a folder is no file
  EXPECT_FALSE(SkinFolderExists(root + "\\blue skin\\pics\\frame.bmp"));
  EXPECT_FALSE(SkinFileExists(root + "\\blue skin\\pics\\frame.bmp\\x"));
  EXPECT_FALSE(SkinFileExists(root + "\\red skin\\pics\\frame.bmp"));
  EXPECT_FALSE(SkinFileExists(""));

  const auto bytes = ReadSkinFile(root + "\\BLUE SKIN\\pics\\FRAME.bmp");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "BMdata");
}

TEST(SkinFiles, ReadingRefusesMissingFoldersAndOversizedFiles) {
  TempDir dir;
  WriteFile(dir.Path() / "big.dat", std::string(1000, 'x'));
  WriteFile(dir.Path() / "empty.dat", "");
  const std::string root = dir.Ansi();
  EXPECT_FALSE(ReadSkinFile(root + "\\missing.dat").has_value());
  EXPECT_FALSE(ReadSkinFile(root).has_value());
  EXPECT_FALSE(ReadSkinFile(root + "\\big.dat", 999).has_value());
  EXPECT_EQ(ReadSkinFile(root + "\\big.dat", 1000)->size(), 1000u);
  EXPECT_TRUE(ReadSkinFile(root + "\\EMPTY.DAT")->empty());
}

TEST(SkinFiles, ListsSubFoldersOnly) {
  TempDir dir;
  WriteFile(dir.Path() / "One" / "Options.dat", "[GLOBALINFO]");
  WriteFile(dir.Path() / "Two" / "x.bmp", "");
  WriteFile(dir.Path() / "file.txt", "");
  std::vector<std::string> names = ListSkinSubFolders(dir.Ansi() + "\\");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"One", "Two"}));
  EXPECT_TRUE(ListSkinSubFolders(dir.Ansi() + "\\nothing").empty());
}

}  // namespace
}  // namespace au
