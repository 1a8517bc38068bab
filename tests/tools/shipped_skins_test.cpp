// The skin folders in skins/, read through the real loader: each of our own
// skins covers the whole main window, together they use every form an
// options file can take, and the high-contrast skin keeps its promise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "skin/ini_file.h"
#include "skin/skin_loader.h"

namespace au {
namespace {

constexpr const char* kOwnSkins[] = {"Graphite", "High Contrast", "Linen"};

SkinRecords LoadShipped(const std::string& name) {
  SkinRecords records;
  std::string skinName = name;
  SkinLoadSettings settings;
  settings.ApplicationFolder = "/";
  settings.SkinDirectory = ANSIUTF8_SKINS_DIR;
  LoadSkinData(records, skinName, settings);
  records.RecomputeCommonIndexes();
  return records;
}

IniFile OptionsOf(const std::string& name) {
  std::ifstream in(std::filesystem::path(ANSIUTF8_SKINS_DIR) / name / "Options.dat",
                   std::ios::binary);
  return IniFile(std::string(std::istreambuf_iterator<char>(in), {}));
}

const TsMaskData* FindMask(const SkinRecords& r, const char* section, const char* property) {
  const int index = r.MaskIndex(r.SectionIndex(section), section, property);
  return r.IsValidMaskIndex(index) ? &r.Masks[static_cast<std::size_t>(index)] : nullptr;
}

// The close button as the frame of a dialog finds it: the small image of
// GLOBALINFO, else its big one, else the big one of the section FORM.
const TsMaskData* CloseButton(const SkinRecords& r) {
  if (FindMask(r, "GLOBALINFO", "BICONCLOSE") == nullptr) return FindMask(r, "FORM", "BICONCLOSE");
  const TsMaskData* small = FindMask(r, "GLOBALINFO", "SICONCLOSE");
  return small != nullptr ? small : FindMask(r, "GLOBALINFO", "BICONCLOSE");
}

TEST(ShippedSkins, EachOfOurSkinsCoversEveryPartOfTheMainWindow) {
  for (const char* name : kOwnSkins) {
    SCOPED_TRACE(name);
    const SkinRecords r = LoadShipped(name);
    ASSERT_FALSE(r.SkinData.SkinPath.empty()) << "not loaded from its folder";
    for (const char* section :
         {"GLOBALINFO",    "FORMTITLE",      "EDIT",          "ALPHAEDIT",    "BARTITLE",
          "STATUSBAR",     "TSSCROLLBAR",    "SCROLLBAR1H",   "SCROLLBAR2H",  "SCROLLBAR1V",
          "SCROLLBAR2V",   "SCROLLSLIDERH",  "SCROLLSLIDERV", "SCROLLBTNTOP", "SCROLLBTNBOTTOM",
          "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "MAINMENU",      "MENUITEM",     "DIVIDERV"})
      EXPECT_GE(r.SectionIndex(section), 0) << section;
    // Frames and state images; images may come from a parent section.
    const std::pair<const char*, int> frames[] = {
        {"FORMTITLE", 2},      {"EDIT", 1},          {"BARTITLE", 3},        {"MAINMENU", 1},
        {"DIVIDERV", 1},       {"SCROLLBAR1H", 3},   {"SCROLLBAR2H", 3},     {"SCROLLBAR1V", 3},
        {"SCROLLBAR2V", 3},    {"SCROLLBTNTOP", 3},  {"SCROLLBTNBOTTOM", 3}, {"SCROLLBTNLEFT", 3},
        {"SCROLLBTNRIGHT", 3}, {"SCROLLSLIDERH", 3}, {"SCROLLSLIDERV", 3}};
    for (const auto& [section, states] : frames) {
      const TsMaskData* frame = FindMask(r, section, "BORDERSMASK");
      ASSERT_NE(frame, nullptr) << section;
      EXPECT_GE(frame->ImageCount, states) << section;
    }
    for (const char* section :
         {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"}) {
      const TsMaskData* arrow = FindMask(r, section, "GLYPHMASK");
      ASSERT_NE(arrow, nullptr) << section;
      EXPECT_EQ(arrow->ImageCount, 3) << section;
    }
    const TsMaskData* close = CloseButton(r);
    ASSERT_NE(close, nullptr);
    EXPECT_GE(close->ImageCount, 3);
    EXPECT_NE(FindMask(r, "GLOBALINFO", "CHECK"), nullptr);
    EXPECT_NE(FindMask(r, "GLOBALINFO", "RADIOCHECKED"), nullptr);
    // Every image lies inside the picture it is cut from.
    for (const TsMaskData& mask : r.Masks) {
      const Bitmap24& from = mask.Image ? *mask.Image : r.MasterBitmap;
      const bool fromJpeg = mask.Image && mask.Rect.Right == 0;  // a small pattern
      if (fromJpeg) continue;
      EXPECT_TRUE(mask.Rect.Left >= 0 && mask.Rect.Top >= 0 && mask.Rect.Right <= from.Width() &&
                  mask.Rect.Bottom <= from.Height())
          << mask.SectionName << " " << mask.PropertyName;
    }
  }
}

TEST(ShippedSkins, TogetherOurSkinsUseEveryFormTheLoaderReads) {
  std::set<std::string> found;
  for (const char* name : kOwnSkins) {
    const IniFile options = OptionsOf(name);
    for (const IniFile::Section& section : options.Sections()) {
      for (const IniFile::Entry& entry : section.Entries) {
        const std::string& v = entry.Value;
        if (entry.Key == "PARENTCLASS") found.insert("PARENTCLASS");
        if (!v.empty() && std::string("@^~!").find(v.front()) != std::string::npos)
          found.insert(
              std::string(1, v.front()) +
              (v.front() == '!' && std::count(v.begin(), v.end(), '!') > 4 ? " with widths" : ""));
        if (v.size() > 1 && v.front() == '#') found.insert("#");
        if (v.find(".BMP") != std::string::npos && v.front() != '!' && entry.Key != "MASTERBITMAP")
          found.insert("plain file name");
        if (v.find("0x") == 0 || v.find('$') == 0) found.insert("hexadecimal colour");
      }
    }
    const SkinRecords r = LoadShipped(name);
    for (const TsPatternData& pattern : r.Patterns) found.insert("pattern " + pattern.PropertyName);
    for (const TsMaskData& mask : r.Masks) {
      if (mask.Image && mask.ImgType == itisaTexture && mask.Rect.Right == 0)
        found.insert("small JPEG " + mask.PropertyName);
      else if (mask.Image)
        found.insert("own picture");
      found.insert("states " + std::to_string(mask.ImageCount));
      found.insert("mask type " + std::to_string(mask.MaskType));
      if (mask.BorderWidth > 0) found.insert("uniform border width");
    }
    for (const TsGeneralData& s : r.Sections) {
      for (const TsGradArray* steps : {&s.GradientArray, &s.HotGradientArray})
        if (!steps->empty()) found.insert("gradient mode " + std::to_string(steps->front().Mode));
      if (s.FadingEnabled && (s.FadingIntervalIn != 5 || s.FadingIntervalOut != 5) &&
          s.FadingIterations != 5)
        found.insert("fading settings");
    }
  }
  const std::set<std::string> every = {"@",
                                       "^",
                                       "~",
                                       "!",
                                       "! with widths",
                                       "#",
                                       "plain file name",
                                       "PARENTCLASS",
                                       "hexadecimal colour",
                                       "pattern PATTERN",
                                       "pattern HOTPATTERN",
                                       "small JPEG PATTERN",
                                       "small JPEG HOTPATTERN",
                                       "own picture",
                                       "states 1",
                                       "states 2",
                                       "states 3",
                                       "states 4",
                                       "mask type 0",
                                       "mask type 1",
                                       "uniform border width",
                                       "gradient mode 0",
                                       "gradient mode 1",
                                       "gradient mode 2",
                                       "fading settings"};
  for (const std::string& form : every) EXPECT_TRUE(found.count(form)) << form;
}

// Relative luminance of an sRGB colour, as the web's accessibility
// guidelines define it, and the contrast ratio of two colours.
double Luminance(TColor c) {
  const auto linear = [](int channel) {
    const double s = channel / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(RedOf(c)) + 0.7152 * linear(GreenOf(c)) + 0.0722 * linear(BlueOf(c));
}
double Contrast(TColor a, TColor b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(ShippedSkins, HighContrastTextIsAtLeastSevenToOneAgainstEveryBackground) {
  const SkinRecords r = LoadShipped("High Contrast");
  ASSERT_FALSE(r.SkinData.SkinPath.empty());
  const auto section = [&](const char* name) -> const TsGeneralData& {
    const int i = r.SectionIndex(name);
    EXPECT_GE(i, 0) << name;
    return r.Sections[static_cast<std::size_t>(std::max(i, 0))];
  };
  // Every colour a section's background can show in one state: its colour and
  // the colours of its gradient; where it lets its parent show, the parent's.
  std::function<std::vector<TColor>(const char*, const char*, bool)> grounds =
      [&](const char* name, const char* parent, bool hot) {
        const TsGeneralData& s = section(name);
        EXPECT_EQ(hot ? s.HotImagePercent : s.ImagePercent, 0) << name << ": no texture";
        if ((hot ? s.HotTransparency : s.Transparency) == 100) {
          EXPECT_NE(parent, nullptr) << name;
          return parent ? grounds(parent, nullptr, false) : std::vector<TColor>{};
        }
        EXPECT_EQ(hot ? s.HotTransparency : s.Transparency, 0) << name;
        std::vector<TColor> colours = {hot ? s.HotColor : s.Color};
        if ((hot ? s.HotGradientPercent : s.GradientPercent) > 0) {
          for (const TsGradientStep& step : hot ? s.HotGradientArray : s.GradientArray) {
            colours.push_back(step.Color1);
            colours.push_back(step.Color2);
          }
        }
        // A frame that fills the middle would paint under the text too.
        const TsMaskData* frame = FindMask(r, name, "BORDERSMASK");
        if (frame != nullptr) {
          EXPECT_NE(frame->BorderWidth, 0) << name;
        }
        return colours;
      };
  struct Text {
    const char* Section;
    const char* Parent;  // what shows through a transparent section
  };
  const Text texts[] = {{"FORMTITLE", nullptr},
                        {"BARTITLE", nullptr},
                        {"STATUSBAR", nullptr},
                        {"MENUITEM", "MAINMENU"},
                        {"GLOBALINFO", nullptr}};
  for (const Text& text : texts) {
    for (const bool hot : {false, true}) {
      const TsGeneralData& s = section(text.Section);
      const TColor ink = hot ? s.HotFontColor[0] : s.FontColor[0];
      for (const TColor ground : grounds(text.Section, text.Parent, hot))
        EXPECT_GE(Contrast(ink, ground), 7.0) << text.Section << (hot ? " hot" : "");
    }
  }
  // The memos write in black, on the colours of EDIT.
  for (const TColor paper : {section("EDIT").Color, section("EDIT").HotColor})
    EXPECT_GE(Contrast(0, paper), 7.0) << "memo";
}

}  // namespace
}  // namespace au
