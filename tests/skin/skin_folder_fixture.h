// A skins folder in a temporary directory and a loader call over it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/skin_loader.h"
#include "tests/skin/skin_test_support.h"

namespace au::test {

class SkinFolderTest : public ::testing::Test {
 protected:
  // The folder of skin `name` under the skins folder.
  std::filesystem::path Folder(const std::string& name = "Test") const {
    return dir_.Path() / "Skins" / name;
  }
  void WriteOptions(std::string_view text, const std::string& name = "Test") const {
    WriteFile(Folder(name) / "Options.dat", text);
  }

  // Loads `name` with the program in the temporary folder and SkinDirectory
  // "Skins", as a manager would.
  SkinLoadResult Load(std::string name = "Test") {
    const std::string app = dir_.Ansi() + "\\";
    SkinLoadSettings settings;
    settings.ApplicationFolder = app;
    settings.SkinDirectory = "Skins";
    settings.InternalSkins = internal;
    settings.CommonSections = common;
    settings.HueOffset = hue;
    settings.Saturation = saturation;
    settings.Manager = manager;
    settings.Report = &report;
    report = {};
    loadedName = std::move(name);
    return LoadSkinData(records, loadedName, settings);
  }

  const TsGeneralData& Section(const char* name) const {
    const int index = records.SectionIndex(name);
    EXPECT_GE(index, 0) << name;
    return records.Sections.at(static_cast<std::size_t>(index));
  }

  TempDir dir_;
  SkinRecords records;
  SkinLoadReport report;
  std::string loadedName;
  TsStoredSkins internal;
  std::vector<std::string> common;
  std::int32_t hue = 0;
  std::int32_t saturation = 0;
  TsSkinManager* manager = reinterpret_cast<TsSkinManager*>(std::uintptr_t{0x2000});
};

}  // namespace au::test
