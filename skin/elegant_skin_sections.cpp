#include <iterator>

#include "skin/elegant_skin_tables.h"

namespace au {
namespace {

// Nearly every section of the skin shares these values; each row below states
// only the values in which its section differs. Bevels, shadows, image shares
// and border colours are the same in every section.
struct SectionRow {
  const char* SectionName = "";
  const char* ParentClass = "";
  TColor Color = 16777215;
  const char* FontColor = "0 -1 -1 -1 -1";
  const char* HotFontColor = "0 -1 -1 -1 -1";
  bool ReservedBoolean = false;
  std::int32_t ShadowBlur = 6;
  std::int32_t ShadowOffset = 3;
  std::int32_t ShadowTransparency = 60;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  const char* GradientData = " ";
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIntervalIn = 5;
  std::int32_t FadingIntervalOut = 5;
  std::int32_t FadingIterations = 5;
  TColor HotColor = 16777215;
  std::int32_t HotTransparency = 0;
  std::int32_t HotGradientPercent = 0;
  const char* HotGradientData = " ";
};

// clang-format off
constexpr SectionRow kSections[] = {
  {.SectionName = "GLOBALINFO", .Color = 13750737, .FontColor = "0 16777215 -1 -1 -1"},
  {.SectionName = "MENULINE", .HotFontColor = "16777215 6174735 6174735 -1 -1", .Transparency = 100, .HotTransparency = 100},
  {.SectionName = "SPLITTER", .ParentClass = "SPEEDBUTTON_SMALL", .Transparency = 100, .FadingEnabled = true, .HotColor = 15790320, .HotTransparency = 100,
   .HotGradientPercent = 100, .HotGradientData = "12632256;16777215;110;0;0;16777215;16777215;0;0;0"},
  {.SectionName = "TOOLBAR", .ParentClass = "PANEL", .Color = 14408667,
   .GradientPercent = 100, .GradientData = "14079702;11842740;110;0;0;11842740;11842740;0;0;0"},
  {.SectionName = "PANEL", .Color = 14408667,
   .GradientPercent = 100, .GradientData = "13816530;11579568;110;0;0;11579568;11579568;0;0;0"},
  {.SectionName = "PAGECONTROL", .Color = 14540253,
   .GradientPercent = 100, .GradientData = "16777215;12632256;110;0;0;12632256;12632256;0;0;0"},
  {.SectionName = "PAGECONTROLBOTTOM", .Color = 14540253,
   .GradientPercent = 100, .GradientData = "12632256;16777215;110;0;0;16777215;16777215;0;0;0"},
  {.SectionName = "PAGECONTROLLEFT", .Color = 14540253,
   .GradientPercent = 100, .GradientData = "16777215;12632256;110;1;0;12632256;12632256;0;1;0"},
  {.SectionName = "PAGECONTROLRIGHT", .Color = 14540253,
   .GradientPercent = 100, .GradientData = "12632256;16777215;110;1;0;16777215;16777215;0;1;0"},
  {.SectionName = "SCROLLBAR1H"},
  {.SectionName = "SCROLLBAR2H"},
  {.SectionName = "SCROLLBAR1V"},
  {.SectionName = "SCROLLBAR2V"},
  {.SectionName = "ALPHACOMBOBOX", .HotFontColor = "0 -1 -1 16777215 16777215",
   .GradientPercent = 100, .GradientData = "16777215;12632256;110;0;0;12632256;12632256;0;0;0", .ShowFocus = true},
  {.SectionName = "COMBOBOX", .ShowFocus = true},
  {.SectionName = "ALPHAEDIT", .HotFontColor = "0 -1 -1 16777215 16777215",
   .GradientPercent = 100, .GradientData = "16777215;12632256;110;0;0;12632256;12632256;0;0;0"},
  {.SectionName = "MENUITEM", .HotFontColor = "16777215 7752489 7752489 -1 -1", .Transparency = 100, .HotColor = 13016934,
   .HotGradientPercent = 100, .HotGradientData = "10386025;16777215;7;0;0;16777215;7427390;33;0;0;7427390;11824436;23;0;0;11824436;15838563;31;0;0;15838563;12287577;9;0;0;12287577;16777215;7;0;0;16777215;16777215;0;0;0"},
  {.SectionName = "SCROLLBTNBOTTOM"},
  {.SectionName = "SCROLLBTNLEFT"},
  {.SectionName = "SCROLLBTNRIGHT"},
  {.SectionName = "SCROLLBTNTOP"},
  {.SectionName = "SCROLLSLIDERH"},
  {.SectionName = "SCROLLSLIDERV"},
  {.SectionName = "SPEEDBUTTON_SMALL", .Transparency = 100, .FadingEnabled = true, .HotColor = 15790320, .HotTransparency = 100,
   .HotGradientPercent = 100, .HotGradientData = "12632256;16777215;110;0;0;16777215;16777215;0;0;0"},
  {.SectionName = "TABCONTROL", .Color = 14540253,
   .GradientPercent = 100, .GradientData = "16777215;12632256;110;0;0;12632256;12632256;0;0;0"},
  {.SectionName = "TABCONTROLBOTTOM", .Color = 14540253,
   .GradientPercent = 100, .GradientData = "12632256;16777215;110;0;0;16777215;16777215;0;0;0"},
  {.SectionName = "TABCONTROLLEFT", .Color = 14540253,
   .GradientPercent = 100, .GradientData = "16777215;12632256;110;1;0;12632256;12632256;0;1;0"},
  {.SectionName = "TABCONTROLRIGHT",
   .GradientPercent = 100, .GradientData = "12632256;16777215;110;1;0;16777215;16777215;0;1;0"},
  {.SectionName = "TRACKBAR", .Color = 15791348, .Transparency = 100, .FadingEnabled = true, .HotTransparency = 100},
  {.SectionName = "DIVIDER", .Transparency = 100},
  {.SectionName = "GROUPBOX", .Color = 14408667, .Transparency = 100},
  {.SectionName = "MAINMENU", .Color = 15790320,
   .GradientPercent = 100, .GradientData = "16579836;12500670;110;1;0;12500670;12500670;0;1;0", .HotColor = 15790320},
  {.SectionName = "FORM", .Color = 12500670, .ReservedBoolean = true, .HotColor = 12500670},
  {.SectionName = "FORMTITLE", .FontColor = "16777215 6250335 5197647 -1 -1", .HotFontColor = "16777215 -1 -1 -1 -1",
   .GradientPercent = 100, .GradientData = "12632256;16777215;5;0;0;16777215;6579300;20;0;0;6579300;14079702;85;0;0;14079702;14079702;0;0;0",
   .HotGradientPercent = 100, .HotGradientData = "12632256;16777215;5;0;0;16777215;7428938;20;0;0;7428938;4862758;9;0;0;4862758;8279081;19;0;0;8279081;15238400;23;0;0;15238400;16777215;34;0;0;16777215;16777215;0;0;0"},
  {.SectionName = "DIALOG",
   .GradientPercent = 100, .GradientData = "16777215;12632256;110;0;0;12632256;12632256;0;0;0",
   .HotGradientPercent = 100, .HotGradientData = "16777215;12632256;110;0;0;12632256;12632256;0;0;0"},
  {.SectionName = "PROGRESSH", .Color = 12632256,
   .GradientPercent = 100, .GradientData = "15592167;8759727;36;0;0;8759727;4032941;7;0;0;4032941;4385023;26;0;0;4385023;8451583;31;0;0;8451583;8451583;0;0;0"},
  {.SectionName = "GAUGE", .Color = 14342874},
  {.SectionName = "PROGRESSV", .Color = 12632256,
   .GradientPercent = 100, .GradientData = "15592167;8889261;36;1;0;8889261;4232618;7;1;0;4232618;4381183;26;1;0;4381183;8450815;31;1;0;8450815;8450815;0;1;0"},
  {.SectionName = "EDIT"},
  {.SectionName = "TABTOP",
   .GradientPercent = 100, .GradientData = "15658734;13619151;99;0;0;13619151;13619151;0;0;0",
   .HotGradientPercent = 100, .HotGradientData = "13816530;16777215;54;0;0;16777215;16777215;56;0;0;16777215;16777215;0;0;0"},
  {.SectionName = "TABBOTTOM",
   .GradientPercent = 100, .GradientData = "15658734;13619151;99;0;0;13619151;13619151;0;0;0",
   .HotGradientPercent = 100, .HotGradientData = "16777215;16777215;58;0;0;16777215;14671839;51;0;0;14671839;14671839;0;0;0"},
  {.SectionName = "TABRIGHT",
   .GradientPercent = 100, .GradientData = "15658734;13619151;99;1;0;13619151;13619151;0;1;0",
   .HotGradientPercent = 100, .HotGradientData = "16777215;16777215;57;1;0;16777215;14869218;53;1;0;14869218;14869218;0;1;0"},
  {.SectionName = "TABLEFT",
   .GradientPercent = 100, .GradientData = "15658734;13619151;99;1;0;13619151;13619151;0;1;0",
   .HotGradientPercent = 100, .HotGradientData = "15658734;16777215;99;1;0;16777215;16777215;0;1;0"},
  {.SectionName = "STATUSBAR", .Color = 12632256,
   .GradientPercent = 100, .GradientData = "9737364;13948116;15;0;0;13948116;15066597;9;0;0;15066597;14671839;16;0;0;14671839;12369084;70;0;0;12369084;12369084;0;0;0"},
  {.SectionName = "BAR", .Color = 13750737,
   .GradientPercent = 100, .GradientData = "11119017;12632256;100;1;0;12632256;12632256;0;1;0",
   .HotGradientPercent = 100, .HotGradientData = "16777215;8421504;100;1;0;8421504;8421504;0;1;0"},
  {.SectionName = "BARPANEL", .Color = 13169407,
   .GradientData = "10724259;15000804;100;0;0;15000804;15000804;0;0;0"},
  {.SectionName = "DRAGBAR", .Color = 12632256, .FontColor = "16777215 9123073 9123073 -1 -1", .HotFontColor = "16777215 -1 -1 -1 -1",
   .GradientPercent = 100, .GradientData = "15592167;13153177;24;0;0;13153177;9921847;19;0;0;9921847;16495874;39;0;0;16495874;16763257;18;0;0;16763257;16763257;0;0;0",
   .HotGradientPercent = 100, .HotGradientData = "12632256;16777215;5;0;0;16777215;7821124;20;0;0;7821124;6765870;6;0;0;6765870;8606508;21;0;0;8606508;11625752;15;0;0;11625752;16752695;43;0;0;16752695;16752695;0;0;0"},
  {.SectionName = "PANEL_LOW",
   .GradientPercent = 100, .GradientData = "11974326;13487565;110;0;0;13487565;13487565;0;0;0",
   .HotGradientPercent = 100, .HotGradientData = "11974326;13487565;110;0;0;13487565;13487565;0;0;0"},
  {.SectionName = "RADIOBUTTON", .Transparency = 100, .FadingEnabled = true, .FadingIterations = 20, .HotTransparency = 100},
  {.SectionName = "CHECKBOX", .Transparency = 100, .FadingEnabled = true, .FadingIterations = 20, .HotTransparency = 100},
  {.SectionName = "BUTTON_BIG", .FontColor = "16777215 -1 -1 7556907 7952439", .HotFontColor = "16777215 -1 -1 7295797 7689785",
   .GradientPercent = 100, .GradientData = "12632256;15851729;0;0;0;15851729;7428938;12;0;0;7428938;7162680;23;0;0;7162680;12953997;74;0;0;12953997;12953997;0;0;0",
   .FadingEnabled = true, .FadingIterations = 20,
   .HotGradientPercent = 100, .HotGradientData = "15592167;9667440;28;0;0;9667440;7621929;21;0;0;7621929;13796891;33;0;0;13796891;16763257;18;0;0;16763257;16763257;0;0;0"},
  {.SectionName = "BUTTON", .Color = 15724527,
   .GradientPercent = 100, .GradientData = "15066597;10790052;110;0;0;10790052;10790052;0;0;0",
   .ShowFocus = true, .FadingEnabled = true, .FadingIterations = 20,
   .HotGradientPercent = 100, .HotGradientData = "16777215;12632256;34;0;0;12632256;12632256;39;0;0;12632256;16777215;21;0;0;16777215;16777215;16;0;0;16777215;16777215;0;0;0"},
  {.SectionName = "WEBBUTTON", .FontColor = "8388608 -1 -1 -1 -1", .HotFontColor = "16711680 -1 -1 -1 -1", .Transparency = 100,
   .FadingEnabled = true, .FadingIterations = 20, .HotTransparency = 100},
  {.SectionName = "SPEEDBUTTON", .Transparency = 100, .FadingEnabled = true, .FadingIterations = 20, .HotColor = 15790320,
   .HotGradientPercent = 100, .HotGradientData = "12632256;16777215;110;0;0;16777215;16777215;0;0;0"},
  {.SectionName = "TOOLBUTTON", .Color = 15791348, .Transparency = 100, .FadingEnabled = true, .FadingIterations = 20,
   .HotGradientPercent = 100, .HotGradientData = "16777215;12632256;110;0;0;12632256;12632256;0;0;0"},
  {.SectionName = "BARTITLE", .Color = 12632256, .FontColor = "16777215 -1 -1 8476717 7359276", .HotFontColor = "16777215 -1 -1 10581852 9266494",
   .GradientPercent = 100, .GradientData = "15592167;9667440;28;0;0;9667440;7621929;21;0;0;7621929;13796891;33;0;0;13796891;16763257;18;0;0;16763257;16763257;0;0;0",
   .FadingEnabled = true, .FadingIterations = 20,
   .HotGradientPercent = 100, .HotGradientData = "15592167;13153177;24;0;0;13153177;9921847;19;0;0;9921847;16495874;39;0;0;16495874;16763257;18;0;0;16763257;16763257;0;0;0"},
  {.SectionName = "EXTRALINE", .Color = 12632256,
   .GradientPercent = 100, .GradientData = "15592167;8759727;36;0;0;8759727;4032941;7;0;0;4032941;4385023;26;0;0;4385023;8451583;31;0;0;8451583;8451583;0;0;0"},
  {.SectionName = "GRIPH", .FontColor = "0 16777215 -1 -1 -1", .Transparency = 100},
  {.SectionName = "HINT", .Color = 8581887,
   .GradientData = "8437446;9695999;24;2;0;9695999;11466239;24;2;0;11466239;14089215;24;2;0;14089215;11466239;24;2;0;11466239;11466239;0;2;0"},
  {.SectionName = "BUTTON_HUGE",
   .GradientPercent = 100, .GradientData = "12500670;13816530;51;0;0;13816530;12500670;46;0;0;12500670;12500670;0;0;0",
   .FadingEnabled = true, .FadingIterations = 20,
   .HotGradientPercent = 100, .HotGradientData = "12500670;12500670;26;0;0;12500670;10987431;25;0;0;10987431;12500670;24;0;0;12500670;12500670;22;0;0;12500670;12500670;0;0;0"},
  {.SectionName = "COLHEADER", .Color = 12500670, .Transparency = 100, .HotTransparency = 100},
  // The last item has no name; it is loaded like the others.
  {.SectionName = "", .Color = 0, .FontColor = "", .HotFontColor = "", .ShadowBlur = 0, .ShadowOffset = 0, .ShadowTransparency = 0,
   .GradientData = "", .FadingIntervalIn = 0, .FadingIntervalOut = 0, .FadingIterations = 0, .HotColor = 0, .HotGradientData = ""},
};
// clang-format on

}  // namespace

TsSkinGenerals ElegantSkinSections() {
  TsSkinGenerals sections;
  sections.reserve(std::size(kSections));
  for (const SectionRow& row : kSections) {
    TsSkinGeneral& item = sections.emplace_back();
    item.SectionName = row.SectionName;
    item.ParentClass = row.ParentClass;
    item.Color = row.Color;
    item.Bevel = cbNone;
    item.ShadowBlur = row.ShadowBlur;
    item.ShadowColor = 0;
    item.ShadowDontUse = false;
    item.ShadowEnabled = false;
    item.ReservedBoolean = row.ReservedBoolean;
    item.ShadowOffset = row.ShadowOffset;
    item.ShadowTransparency = row.ShadowTransparency;
    item.FontColor = row.FontColor;
    item.HotFontColor = row.HotFontColor;
    item.Transparency = row.Transparency;
    item.GradientPercent = row.GradientPercent;
    item.GradientData = row.GradientData;
    item.ImagePercent = 0;
    item.ShowFocus = row.ShowFocus;
    item.FadingEnabled = row.FadingEnabled;
    item.FadingIntervalIn = row.FadingIntervalIn;
    item.FadingIntervalOut = row.FadingIntervalOut;
    item.FadingIterations = row.FadingIterations;
    item.HotColor = row.HotColor;
    item.HotTransparency = row.HotTransparency;
    item.HotBevel = cbNone;
    item.HotGradientPercent = row.HotGradientPercent;
    item.HotGradientData = row.HotGradientData;
    item.HotImagePercent = 0;
    item.BorderColor1 = 0;
    item.BorderColor2 = 0;
  }
  return sections;
}

}  // namespace au
