// A stored skin written out as a skin folder and read back through the real
// folder loader: every field equals the internal load except exactly those
// that the writer reports it could not carry.
#include "tools/skinkit/stored_skin_export.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "pixels/bmp_file.h"
#include "skin/elegant_skin.h"
#include "skin/skin_loader.h"
#include "tests/skin/skin_test_support.h"
#include "tools/jpeg_writer/jpeg_writer.h"

namespace au {
namespace {

using kit::RecordKind;
using Difference = std::tuple<RecordKind, int, std::string>;

SkinRecords Load(const TsStoredSkin& skin, const std::string& skinDirectory) {
  SkinRecords records;
  std::string name = skin.Name;
  SkinLoadSettings settings;
  settings.ApplicationFolder = "/";
  settings.SkinDirectory = skinDirectory;
  settings.InternalSkins = std::span<const TsStoredSkin>(&skin, 1);
  LoadSkinData(records, name, settings);
  records.RecomputeCommonIndexes();
  return records;
}

bool SamePicture(const Bitmap24& a, const Bitmap24& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Transparent() != b.Transparent() ||
      a.TransparentColor() != b.TransparentColor())
    return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

bool SameSteps(const TsGradArray& a, const TsGradArray& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tie(a[i].Color1, a[i].Color2, a[i].Percent, a[i].Mode, a[i].Reserved) !=
        std::tie(b[i].Color1, b[i].Color2, b[i].Percent, b[i].Mode, b[i].Reserved))
      return false;
  }
  return true;
}

// Every field in which two loads differ; a record missing on one side counts
// as a difference in its "count".
std::set<Difference> Differences(const SkinRecords& a, const SkinRecords& b) {
  std::set<Difference> found;
  const auto check = [&](bool same, RecordKind kind, std::size_t index, const char* field) {
    if (!same) found.insert({kind, static_cast<int>(index), field});
  };
  const TsSkinData& g = a.SkinData;
  const TsSkinData& h = b.SkinData;
  check(g.Version == h.Version, RecordKind::Global, 0, "Version");
  check(g.Author == h.Author, RecordKind::Global, 0, "Author");
  check(g.Description == h.Description, RecordKind::Global, 0, "Description");
  check(std::tie(g.Shadow1Color, g.Shadow1Offset, g.Shadow1Blur, g.Shadow1Transparency) ==
            std::tie(h.Shadow1Color, h.Shadow1Offset, h.Shadow1Blur, h.Shadow1Transparency),
        RecordKind::Global, 0, "Shadow1");
  check(SamePicture(a.MasterBitmap, b.MasterBitmap), RecordKind::Global, 0, "MasterBitmap");
  check(a.Indexes == b.Indexes, RecordKind::Global, 0, "CommonIndexes");

  check(a.Sections.size() == b.Sections.size(), RecordKind::Section, 0, "count");
  for (std::size_t i = 0; i < std::min(a.Sections.size(), b.Sections.size()); ++i) {
    const TsGeneralData& s = a.Sections[i];
    const TsGeneralData& t = b.Sections[i];
    const auto field = [&](bool same, const char* name) {
      check(same, RecordKind::Section, i, name);
    };
    field(s.ParentClass == t.ParentClass, "ParentClass");
    field(s.SectionName == t.SectionName, "SectionName");
    field(s.Color == t.Color, "Color");
    field(s.Bevel == t.Bevel, "Bevel");
    field(s.FontColor == t.FontColor, "FontColor");
    field(s.HotFontColor == t.HotFontColor, "HotFontColor");
    field(s.ReservedBoolean == t.ReservedBoolean, "ReservedBoolean");
    field(s.ShadowBlur == t.ShadowBlur, "ShadowBlur");
    field(s.ShadowColor == t.ShadowColor, "ShadowColor");
    field(s.ShadowEnabled == t.ShadowEnabled, "ShadowEnabled");
    field(s.ShadowOffset == t.ShadowOffset, "ShadowOffset");
    field(s.ShadowTransparency == t.ShadowTransparency, "ShadowTransparency");
    field(s.Transparency == t.Transparency, "Transparency");
    field(s.GradientPercent == t.GradientPercent, "GradientPercent");
    field(s.GradientData == t.GradientData, "GradientData");
    field(SameSteps(s.GradientArray, t.GradientArray), "GradientArray");
    field(s.ImagePercent == t.ImagePercent, "ImagePercent");
    field(s.ShowFocus == t.ShowFocus, "ShowFocus");
    field(s.FadingEnabled == t.FadingEnabled, "FadingEnabled");
    field(s.FadingIntervalIn == t.FadingIntervalIn, "FadingIntervalIn");
    field(s.FadingIntervalOut == t.FadingIntervalOut, "FadingIntervalOut");
    field(s.FadingIterations == t.FadingIterations, "FadingIterations");
    field(s.HotColor == t.HotColor, "HotColor");
    field(s.HotTransparency == t.HotTransparency, "HotTransparency");
    field(s.HotBevel == t.HotBevel, "HotBevel");
    field(s.HotGradientPercent == t.HotGradientPercent, "HotGradientPercent");
    field(s.HotGradientData == t.HotGradientData, "HotGradientData");
    field(SameSteps(s.HotGradientArray, t.HotGradientArray), "HotGradientArray");
    field(s.HotImagePercent == t.HotImagePercent, "HotImagePercent");
    field(s.BorderColor1 == t.BorderColor1, "BorderColor1");
    field(s.BorderColor2 == t.BorderColor2, "BorderColor2");
  }

  check(a.Masks.size() == b.Masks.size(), RecordKind::Mask, 0, "count");
  for (std::size_t i = 0; i < std::min(a.Masks.size(), b.Masks.size()); ++i) {
    const TsMaskData& m = a.Masks[i];
    const TsMaskData& n = b.Masks[i];
    const auto field = [&](bool same, const char* name) { check(same, RecordKind::Mask, i, name); };
    field(
        m.Image.has_value() == n.Image.has_value() && (!m.Image || SamePicture(*m.Image, *n.Image)),
        "Image");
    field(m.SectionName == n.SectionName, "SectionName");
    field(m.PropertyName == n.PropertyName, "PropertyName");
    field(std::tie(m.Rect.Left, m.Rect.Top, m.Rect.Right, m.Rect.Bottom) ==
              std::tie(n.Rect.Left, n.Rect.Top, n.Rect.Right, n.Rect.Bottom),
          "Rect");
    field(m.ImageCount == n.ImageCount, "ImageCount");
    field(m.MaskType == n.MaskType, "MaskType");
    field(m.BorderWidth == n.BorderWidth, "BorderWidth");
    field(m.StretchMode == n.StretchMode, "StretchMode");
    field(m.ImgType == n.ImgType, "ImgType");
    field(m.WL == n.WL, "WL");
    field(m.WT == n.WT, "WT");
    field(m.WR == n.WR, "WR");
    field(m.WB == n.WB, "WB");
  }

  check(a.Patterns.size() == b.Patterns.size(), RecordKind::Pattern, 0, "count");
  for (std::size_t i = 0; i < std::min(a.Patterns.size(), b.Patterns.size()); ++i) {
    const TsPatternData& p = a.Patterns[i];
    const TsPatternData& q = b.Patterns[i];
    check(SamePicture(p.Image, q.Image), RecordKind::Pattern, i, "Image");
    check(p.SectionName == q.SectionName, RecordKind::Pattern, i, "SectionName");
    check(p.PropertyName == q.PropertyName, RecordKind::Pattern, i, "PropertyName");
  }
  return found;
}

struct RoundTrip {
  std::set<Difference> Found;     // between the internal load and the folder load
  std::set<Difference> Reported;  // by the writer
};

RoundTrip WriteAndReadBack(const TsStoredSkin& skin) {
  const test::TempDir empty;
  const SkinRecords internal = Load(skin, empty.Ansi());
  const kit::ExportedSkin exported = kit::ExportStoredSkin(skin);
  const test::TempDir skins;
  kit::WriteSkinFolder(skins.Path() / skin.Name, exported.Folder);
  const SkinRecords folder = Load(skin, skins.Ansi());
  EXPECT_EQ(folder.SkinData.SkinPath.empty(), false) << "the folder was not loaded";
  RoundTrip result{Differences(internal, folder), {}};
  for (const kit::RoundTripLoss& loss : exported.Losses)
    result.Reported.insert({loss.Kind, loss.Index, loss.Field});
  return result;
}

TEST(SkinFolderRoundTrip, TheBuiltInSkinLosesOnlyBlankHotGradientsAndGlyphWidths) {
  const TsStoredSkin elegant = ElegantInternalSkin();
  const RoundTrip trip = WriteAndReadBack(elegant);
  EXPECT_EQ(trip.Found, trip.Reported);
  // A single blank cannot be written, as values are trimmed: the hot
  // gradient reads as empty, which parses to the same (no) steps. Glyphs in
  // the "@" form get no border widths; glyphs are drawn whole, never cut.
  const SkinRecords internal = Load(elegant, test::TempDir().Ansi());
  for (const auto& [kind, index, field] : trip.Found) {
    SCOPED_TRACE(field + " " + std::to_string(index));
    if (kind == RecordKind::Section) {
      EXPECT_EQ(field, "HotGradientData");
      EXPECT_EQ(internal.Sections[static_cast<std::size_t>(index)].HotGradientData, " ");
    } else {
      ASSERT_EQ(kind, RecordKind::Mask);
      EXPECT_EQ(internal.Masks[static_cast<std::size_t>(index)].ImgType, itisaGlyph);
      EXPECT_TRUE(field == "WL" || field == "WT" || field == "WR" || field == "WB");
    }
  }
}

TsSkinGeneral StoredSection(const char* name, const char* parent) {
  TsSkinGeneral s;
  s.SectionName = name;
  s.ParentClass = parent;
  s.Color = 0x102030;
  s.FontColor = "0 255 -1 -1 -1";
  s.HotFontColor = "0 -1 -1 -1 -1";
  s.GradientData = "1;2;50;0;0";
  s.HotGradientData = " ";
  return s;
}

TsSkinImage StoredImage(const char* section, const char* property, int count, int width) {
  TsSkinImage i;
  i.SectionName = section;
  i.PropertyName = property;
  i.Right = 30;
  i.Bottom = 20;
  i.ImageCount = count;
  i.BorderWidth = width;
  i.StretchMode = 1;
  return i;
}

TsSkinPattern StoredPattern(const char* section, const char* name, int size) {
  return {section, EncodeJpeg(test::SolidPicture(size, size, 0x808080)), name, "PATTERN"};
}

// A stored skin made to meet the rules in which a folder reads a field
// otherwise, beside some that it reads back exactly.
TsStoredSkin AwkwardSkin() {
  TsStoredSkin skin;
  skin.Name = "Awkward";
  skin.Version = 0.1 + 0.2;  // needs all 17 digits
  skin.Description = "Skin #2";
  skin.MasterBitmap = EncodeBmp24(test::SolidPicture(40, 40, 0x336699));
  skin.GeneralData = {StoredSection("GLOBALINFO", ""), StoredSection("BASE", ""),
                      StoredSection("CHILD", "BASE"), StoredSection("SYSTEM", "")};
  skin.GeneralData[2].FontColor = "0 -1 -1 -1 -1";  // -1 under a parent that states 255
  skin.GeneralData[3].Color = static_cast<TColor>(0xFF00000F);
  skin.Images = {StoredImage("BASE", "BORDERSMASK", 1, 12),   // too wide for the "^" form
                 StoredImage("CHILD", "BORDERSMASK", 0, 0)};  // no count: 3 over 2 rows
  skin.Patterns = {StoredPattern("BASE", "big.jpg", 300)};
  return skin;
}

TEST(SkinFolderRoundTrip, EveryFieldThatReadsBackOtherwiseIsReported) {
  const RoundTrip trip = WriteAndReadBack(AwkwardSkin());
  const std::set<Difference> expected = {
      {RecordKind::Global, 0, "Description"},       // "#" reads as a rectangle
      {RecordKind::Section, 0, "HotGradientData"},  // a lone blank is trimmed away
      {RecordKind::Section, 1, "HotGradientData"},
      {RecordKind::Section, 2, "HotGradientData"},
      {RecordKind::Section, 3, "HotGradientData"},
      {RecordKind::Section, 2, "FontColor"},  // a written -1 counts as not given
      {RecordKind::Section, 3, "Color"},      // a system colour is resolved
  };
  EXPECT_EQ(trip.Found, expected);
  EXPECT_EQ(trip.Reported, expected);
}

// Records that a folder cannot hold in their place: the writer says so, and
// the folder indeed loads otherwise.
TEST(SkinFolderRoundTrip, RecordsOutOfPlaceAreReported) {
  struct Case {
    const char* name;
    void (*change)(TsStoredSkin&);
    Difference loss;
  };
  const Case cases[] = {
      {"a mask of a section that does not exist",
       [](TsStoredSkin& s) { s.Images.push_back(StoredImage("NOWHERE", "BORDERSMASK", 1, 2)); },
       {RecordKind::Mask, 2, "SectionName"}},
      {"masks in another order than their sections",
       [](TsStoredSkin& s) { std::swap(s.Images[0], s.Images[1]); },
       {RecordKind::Mask, 1, "order"}},
      {"a pattern too small to stay one",
       [](TsStoredSkin& s) { s.Patterns.push_back(StoredPattern("CHILD", "small.jpg", 20)); },
       {RecordKind::Pattern, 1, "Image"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TsStoredSkin skin = AwkwardSkin();
    c.change(skin);
    const RoundTrip trip = WriteAndReadBack(skin);
    EXPECT_TRUE(trip.Reported.count(c.loss));
    EXPECT_GT(trip.Found.size(), AwkwardSkin().GeneralData.size() + 3);
  }
}

}  // namespace
}  // namespace au
