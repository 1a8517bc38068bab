// Lookups and geometry on hand-made records.
#include "skin/skin_records.h"

#include <gtest/gtest.h>

namespace au {
namespace {

TsGeneralData Section(std::string name, std::string parent = {}) {
  TsGeneralData section;
  section.SectionName = std::move(name);
  section.ParentClass = std::move(parent);
  return section;
}

TsMaskData Mask(std::string section, std::string property, TacImgType type = itisaBorder) {
  TsMaskData mask;
  mask.SectionName = std::move(section);
  mask.PropertyName = std::move(property);
  mask.ImgType = type;
  return mask;
}

class Lookups : public ::testing::Test {
 protected:
  void SetUp() override {
    r.Sections.push_back(Section("BASE"));                     // 0
    r.Sections.push_back(Section("PANEL", "BASE"));            // 1
    r.Sections.push_back(Section("SELF", "SELF"));             // 2
    r.Sections.push_back(Section("A", "B"));                   // 3
    r.Sections.push_back(Section("B", "A"));                   // 4
    r.Sections.push_back(Section("ORPHAN", "NOSUCH"));         // 5
    r.Sections.push_back(Section("GRANDCHILD", "PANEL"));      // 6
    r.Sections.push_back(Section(""));                         // 7
    r.Masks.push_back(Mask("BASE", "BORDERSMASK"));            // 0
    r.Masks.push_back(Mask("BASE", "PATTERN", itisaTexture));  // 1
    r.Masks.push_back(Mask("PANEL", "GLYPHMASK"));             // 2
    r.Masks.push_back(Mask("PANEL", "PATTERN", itisaGlyph));   // 3: not a texture
    r.Masks.push_back(Mask("PANEL", "BORDERSMASK"));           // 4
    r.Patterns.push_back({Bitmap24(), "BASE", "HOTPATTERN"});
  }
  SkinRecords r;
};

TEST_F(Lookups, SectionsAreFoundByExactName) {
  EXPECT_EQ(r.SectionIndex("PANEL"), 1);
  EXPECT_EQ(r.SectionIndex("panel"), -1);
  EXPECT_EQ(r.SectionIndex(""), 7);
  EXPECT_EQ(SkinRecords().SectionIndex("PANEL"), -1);
  EXPECT_TRUE(r.IsValidSectionIndex(7));
  EXPECT_FALSE(r.IsValidSectionIndex(8));
  EXPECT_FALSE(r.IsValidSectionIndex(-1));
  EXPECT_TRUE(r.IsValidMaskIndex(4));
  EXPECT_FALSE(r.IsValidMaskIndex(5));
}

TEST_F(Lookups, MasksComeFromTheSectionFirstThenItsParents) {
  EXPECT_EQ(r.MaskIndex(1, "PANEL", "BORDERSMASK"), 4);  // its own, not the parent's
  EXPECT_EQ(r.MaskIndex(1, "PANEL", "GLYPHMASK"), 2);
  EXPECT_EQ(r.MaskIndex(6, "GRANDCHILD", "BORDERSMASK"), 4);
  EXPECT_EQ(r.MaskIndex(6, "GRANDCHILD", "PATTERN"), 3);
  EXPECT_EQ(r.MaskIndex(1, "PANEL", "borderSmask"), -1);
  EXPECT_EQ(r.MaskIndex(1, "PANEL", "NONE"), -1);
  EXPECT_EQ(r.MaskIndex(-1, "PANEL", "GLYPHMASK"), -1);
  EXPECT_EQ(r.MaskIndex(7, "", "BORDERSMASK"), -1);
  EXPECT_EQ(r.MaskIndexByNames("", "BORDERSMASK"), -1);
  EXPECT_EQ(r.MaskIndexByNames("GRANDCHILD", "BORDERSMASK"), -1);  // no parent step
  EXPECT_EQ(r.MaskIndexByNames("PANEL", "BORDERSMASK"), 4);
}

TEST_F(Lookups, ParentChainsThatLoopOrBreakEndWithMinusOne) {
  EXPECT_EQ(r.MaskIndex(2, "SELF", "BORDERSMASK"), -1);
  EXPECT_EQ(r.MaskIndex(3, "A", "BORDERSMASK"), -1);
  EXPECT_EQ(r.TextureMaskIndex(4, "B", "PATTERN"), -1);
  EXPECT_EQ(r.PatternIndex(3, "A", "PATTERN"), -1);
  EXPECT_EQ(r.MaskIndex(5, "ORPHAN", "BORDERSMASK"), -1);
  // An index beyond the sections still allows the direct search.
  EXPECT_EQ(r.MaskIndex(99, "PANEL", "GLYPHMASK"), 2);
  EXPECT_EQ(r.MaskIndex(99, "GRANDCHILD", "GLYPHMASK"), -1);
}

TEST_F(Lookups, TexturesAndPatternsHaveTheirOwnSearches) {
  EXPECT_EQ(r.TextureMaskIndex(1, "PANEL", "PATTERN"), 1);  // PANEL's is a glyph: BASE's
  EXPECT_EQ(r.PatternIndex(6, "GRANDCHILD", "HOTPATTERN"), 0);
  EXPECT_EQ(r.PatternIndex(7, "", "HOTPATTERN"), -1);
  SkinRecords empty;
  empty.Sections = r.Sections;
  EXPECT_EQ(empty.TextureMaskIndex(0, "BASE", "PATTERN"), -1);
  EXPECT_EQ(empty.PatternIndex(0, "BASE", "HOTPATTERN"), -1);
}

TEST(MaskGeometry, BorderWidthsPreferOwnThenUniformThenAThird) {
  SkinRecords r;
  TsMaskData mask;
  mask.Rect = {10, 20, 10 + 90, 20 + 60};
  mask.ImageCount = 3;
  mask.MaskType = 1;
  r.Masks.push_back(std::move(mask));  // defaults: 90 / 9 = 10, 60 / 6 = 10
  TsMaskData uniform;
  uniform.Rect = r.Masks[0].Rect;
  uniform.ImageCount = 3;
  uniform.BorderWidth = 4;
  uniform.WL = 7;
  uniform.WB = -2;  // not positive: ignored
  r.Masks.push_back(std::move(uniform));

  EXPECT_EQ(r.BorderLeft(0), 10);
  EXPECT_EQ(r.BorderRight(0), 10);
  EXPECT_EQ(r.BorderTop(0), 10);
  EXPECT_EQ(r.BorderBottom(0), 10);
  EXPECT_EQ(r.BorderLeft(1), 7);
  EXPECT_EQ(r.BorderRight(1), 4);
  EXPECT_EQ(r.BorderTop(1), 4);
  EXPECT_EQ(r.BorderBottom(1), 4);
  EXPECT_EQ(r.BorderLeft(2), 0);
  EXPECT_EQ(r.BorderTop(-1), 0);
}

TEST(MaskGeometry, StateImagesAndCountsThatGiveNoImage) {
  SkinRecords r;
  TsMaskData strip;
  strip.Rect = {0, 0, 81, 48};
  strip.ImageCount = 3;
  strip.MaskType = 1;
  r.Masks.push_back(std::move(strip));
  TsMaskData own;
  own.Image = Bitmap24(90, 40);
  own.Rect = {0, 0, 90, 40};
  own.ImageCount = 1;  // ignored for pictures of their own
  own.MaskType = 0;
  r.Masks.push_back(std::move(own));
  TsMaskData broken;
  broken.Rect = {0, 0, 30, 30};
  broken.ImageCount = 0;
  broken.MaskType = -1;
  r.Masks.push_back(std::move(broken));

  EXPECT_EQ(r.StateImageSize(0), (ImageSize{27, 24}));
  EXPECT_EQ(r.StateImageSize(1), (ImageSize{30, 20}));
  EXPECT_EQ(r.StateImageSize(2), (ImageSize{0, 0}));
  EXPECT_EQ(r.BorderLeft(2), 0);
  EXPECT_EQ(r.BorderTop(2), 0);
  EXPECT_EQ(r.StateImageSize(3), (ImageSize{0, 0}));
}

TEST(GlobalColours, ComeFromGlobalInfoOrFallBack) {
  SkinRecords r;
  EXPECT_EQ(r.GlobalColor(), ResolveColor(clBtnFace));
  EXPECT_EQ(r.GlobalFontColor(), clMagenta);
  TsGeneralData global = Section("GLOBALINFO");
  global.Color = clBtnFace;  // a system colour is resolved
  global.FontColor[0] = 0x123456;
  r.Sections.push_back(Section("X"));
  r.Sections.push_back(global);
  r.RecomputeCommonIndexes();
  EXPECT_EQ(r.Indexes.GlobalInfo, 1);
  EXPECT_EQ(r.GlobalColor(), SystemColorValue(15));
  EXPECT_EQ(r.GlobalFontColor(), 0x123456);
  r.Indexes.GlobalInfo = 5;  // a stale index after the arrays shrank
  EXPECT_EQ(r.GlobalColor(), ResolveColor(clBtnFace));
  EXPECT_EQ(r.GlobalFontColor(), clMagenta);
}

TEST(CommonIndexesTable, EmptyRecordsGiveMinusOneEverywhere) {
  SkinRecords r;
  r.Indexes.GlobalInfo = 3;
  r.Indexes.ComboBoxGlyph = 9;
  r.RecomputeCommonIndexes();
  EXPECT_EQ(r.Indexes, CommonIndexes{});
  EXPECT_EQ(r.Indexes.GlobalInfo, -1);
  EXPECT_EQ(r.Indexes.ComboBoxGlyph, -1);
}

TEST(CommonIndexesTable, ComboEntriesUseTheirOwnLookups) {
  SkinRecords r;
  r.Sections.push_back(Section("BASE"));
  r.Sections.push_back(Section("COMBOBTN", "BASE"));
  r.Masks.push_back(Mask("BASE", "BORDERSMASK"));
  r.Masks.push_back(Mask("BASE", "PATTERN", itisaTexture));
  r.Masks.push_back(Mask("COMBOBOX", "GLYPHMASK"));  // found without a COMBOBOX section
  r.Masks.push_back(Mask("COMBOBTN", "HOTPATTERN", itisaGlyph));
  r.RecomputeCommonIndexes();
  EXPECT_EQ(r.Indexes.ComboBtn, 1);
  EXPECT_EQ(r.Indexes.ComboBtnBorder, -1);      // by names only: no parent step
  EXPECT_EQ(r.Indexes.ComboBtnPattern, 1);      // textures climb to BASE
  EXPECT_EQ(r.Indexes.ComboBtnHotPattern, -1);  // a glyph is no texture
  EXPECT_EQ(r.Indexes.ComboBoxGlyph, 2);
}

}  // namespace
}  // namespace au
