// The skin manager's setters, broadcasts and life cycle, heard through a
// broadcaster that records what every window would be told.
#include "skin/skin_manager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "pixels/bmp_file.h"
#include "pixels/color_transforms.h"
#include "skin/elegant_skin.h"
#include "skin/skin_color_transform.h"
#include "skin/skin_globals.h"
#include "skin/skin_load_report.h"
#include "skin/skin_paths.h"
#include "tests/skin/skin_test_support.h"

namespace au {
namespace {

using test::SolidPicture;

// One command as a window received it, with the process state at that moment.
struct Heard {
  TSkinCommand Command;
  TsSkinManager* Manager;
  bool Reading;
  bool ChangeInProgress;
  bool BroadcastInProgress;
  bool SkinActive;
  bool ManagerIsDefault;
};

class RecordingBroadcaster final : public SkinBroadcaster {
 public:
  void BroadcastToForms(TSkinCommand command, TsSkinManager* manager) override {
    heard.push_back({command, manager, manager->IsReading(), SkinChangeInProgress,
                     SkinBroadcastInProgress, manager->SkinData().SkinActive,
                     DefaultSkinManager == manager});
    if (failOn == command) throw std::runtime_error("a window failed");
  }
  std::string ApplicationFolder() const override { return folder; }
  void HookApplication(TsSkinManager* manager) override { hooked.push_back(manager); }
  void UnhookApplication(TsSkinManager* manager) override { std::erase(hooked, manager); }

  std::vector<TSkinCommand> Commands() const {
    std::vector<TSkinCommand> commands;
    for (const Heard& h : heard) commands.push_back(h.Command);
    return commands;
  }

  std::vector<Heard> heard;
  std::string folder;
  std::vector<TsSkinManager*> hooked;
  std::optional<TSkinCommand> failOn;
};

const std::vector<TSkinCommand> kApplied = {SK_SKINCHANGED, SK_STOPFADING, SK_REFRESH};
const std::vector<TSkinCommand> kRepainted = {SK_STOPFADING, SK_REFRESH};
const std::vector<TSkinCommand> kRemoved = {SK_SKINREMOVED};

TsSkinGeneral StoredSection(std::string name, TColor color) {
  TsSkinGeneral section;
  section.SectionName = std::move(name);
  section.Color = color;
  section.FontColor = "0 -1 -1 -1 -1";
  section.HotFontColor = "0 -1 -1 -1 -1";
  return section;
}

// A small internal skin: GLOBALINFO and PANEL over a master bitmap.
TsStoredSkin SmallSkin(std::string name, TColor panelColor, double version = 5.5) {
  TsStoredSkin skin;
  skin.Name = std::move(name);
  skin.Version = version;
  skin.GeneralData = {StoredSection("GLOBALINFO", 0xE0E0E0), StoredSection("PANEL", panelColor)};
  skin.MasterBitmap = EncodeBmp24(SolidPicture(30, 20, 0x405060));
  return skin;
}

class SkinManagerTest : public ::testing::Test {
 protected:
  SkinManagerTest() { windows.folder = dir.Ansi() + "\\"; }

  void TearDown() override {
    // Every test destroys its managers, and nothing leaves a flag behind.
    EXPECT_EQ(DefaultSkinManager, nullptr);
    EXPECT_FALSE(SkinChangeInProgress);
    EXPECT_FALSE(SkinBroadcastInProgress);
  }

  // A manager whose skins folder is the empty "Skins" beside the program.
  std::unique_ptr<TsSkinManager> NewManager(TsStoredSkins skins = {}) {
    auto manager = std::make_unique<TsSkinManager>(nullptr, &windows);
    manager->SetSkinDirectory("Skins");
    manager->SetInternalSkins(skins);
    return manager;
  }
  // A manager with `skins` whose skin `name` is loaded and applied.
  std::unique_ptr<TsSkinManager> ActiveManager(TsStoredSkins skins, const std::string& name) {
    auto manager = NewManager(std::move(skins));
    manager->SetSkinName(name);
    EXPECT_TRUE(manager->SkinData().SkinActive);
    windows.heard.clear();
    return manager;
  }

  void WriteOptions(const std::string& skin, std::string_view text) const {
    test::WriteFile(dir.Path() / "Skins" / skin / "Options.dat", text);
  }

  static TColor PanelColor(const TsSkinManager& manager) {
    const int index = manager.SectionIndex("PANEL");
    EXPECT_GE(index, 0);
    return index < 0 ? -1 : manager.Sections()[static_cast<std::size_t>(index)].Color;
  }

  test::TempDir dir;
  RecordingBroadcaster windows;
};

TEST_F(SkinManagerTest, ANameWaitsWhileInactiveAndActivationLoadsAndAppliesIt) {
  auto manager = NewManager({ElegantInternalSkin()});
  manager->SetActive(false);
  windows.heard.clear();

  manager->SetSkinName(kElegantSkinName);
  EXPECT_EQ(manager->SkinName(), kElegantSkinName);
  EXPECT_TRUE(windows.heard.empty());
  EXPECT_TRUE(manager->Sections().empty());
  EXPECT_EQ(manager->SkinInfo(), "N/A");

  manager->SetActive(true);
  ASSERT_EQ(windows.Commands(), kApplied);
  for (const Heard& h : windows.heard) {
    SCOPED_TRACE(h.Command);
    EXPECT_EQ(h.Manager, manager.get());
    EXPECT_FALSE(h.Reading);
    // The whole change counts as one: no fading until every window has the skin.
    EXPECT_TRUE(h.ChangeInProgress);
    // Scroll bars wait only while the new indexes are resolved.
    EXPECT_EQ(h.BroadcastInProgress, h.Command == SK_SKINCHANGED);
    EXPECT_EQ(h.SkinActive, h.Command != SK_SKINCHANGED);
  }
  EXPECT_TRUE(manager->Active());
  EXPECT_TRUE(manager->SkinData().SkinActive);
  EXPECT_EQ(manager->SkinInfo(), "4.81");
  EXPECT_GE(manager->Indexes().GlobalInfo, 0);
  EXPECT_EQ(manager->Indexes().GlobalInfo, manager->SectionIndex("GLOBALINFO"));
  EXPECT_FALSE(manager->Masks().empty());

  windows.heard.clear();
  manager->SetActive(true);
  EXPECT_TRUE(windows.heard.empty());
}

TEST_F(SkinManagerTest, AnUnknownNameFallsBackToTheFirstInternalSkin) {
  auto manager = NewManager({SmallSkin("First", 0x111111), SmallSkin("Second", 0x222222)});
  manager->SetSkinName("Second");
  EXPECT_EQ(PanelColor(*manager), 0x222222);

  windows.heard.clear();
  manager->SetSkinName("No such skin");
  EXPECT_EQ(manager->SkinName(), "First");
  EXPECT_EQ(PanelColor(*manager), 0x111111);
  EXPECT_EQ(windows.Commands(), kApplied);
  EXPECT_TRUE(manager->SkinData().SkinActive);
}

TEST_F(SkinManagerTest, WithNoSkinAtAllTheManagerStopsSkinning) {
  auto manager = NewManager();
  manager->SetSkinName("Missing");
  EXPECT_FALSE(manager->Active());
  EXPECT_EQ(manager->SkinName(), "Missing");
  EXPECT_FALSE(manager->SkinData().SkinActive);
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  EXPECT_TRUE(manager->Sections().empty());
  // Windows are never told that an empty skin is active.
  for (const Heard& h : windows.heard) EXPECT_NE(h.Command, SK_SKINCHANGED);
}

TEST_F(SkinManagerTest, ASkinThatVanishesIsRemovedFromTheWindows) {
  WriteOptions("Folder", "[GLOBALINFO]\nVERSION=6\n[PANEL]\nCOLOR=255\n");
  auto manager = ActiveManager({}, "Folder");
  EXPECT_EQ(manager->SkinInfo(), "6");

  manager->SetSkinName("Gone");
  EXPECT_FALSE(manager->Active());
  EXPECT_EQ(windows.Commands(), kRemoved);
  EXPECT_FALSE(windows.heard[0].SkinActive);
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  EXPECT_EQ(manager->SectionIndex("PANEL"), -1);
  EXPECT_EQ(manager->Indexes(), CommonIndexes{});

  // Nothing is left for deactivation to remove, and the skin comes back with its folder.
  windows.heard.clear();
  manager->SetActive(false);
  EXPECT_TRUE(windows.heard.empty());
  manager->SetSkinName("Folder");
  manager->SetActive(true);
  EXPECT_EQ(windows.Commands(), kApplied);
  EXPECT_EQ(PanelColor(*manager), 255);

  // A recolouring that finds the folder gone removes the skin instead of repainting.
  std::filesystem::remove_all(dir.Path() / "Skins" / "Folder");
  windows.heard.clear();
  manager->SetHueOffset(30);
  EXPECT_EQ(windows.Commands(), kRemoved);
  EXPECT_FALSE(manager->Active());
  EXPECT_TRUE(manager->Sections().empty());
}

TEST_F(SkinManagerTest, ColourSettingsBeforeAnySkinTakeEffectAtTheNextLoad) {
  auto manager = NewManager({SmallSkin("First", 0x2060C0)});
  manager->SetHueOffset(120);
  manager->SetSaturation(50);
  EXPECT_EQ(manager->HueOffset(), 120);
  EXPECT_EQ(manager->Saturation(), 50);
  EXPECT_FALSE(SkinChangeInProgress);
  EXPECT_TRUE(windows.heard.empty());
  EXPECT_TRUE(manager->Sections().empty());

  manager->SetSkinName("First");
  EXPECT_EQ(PanelColor(*manager), ScaleSaturation(ShiftHue(120, 0x2060C0), SaturationAmount(50)));
}

TEST_F(SkinManagerTest, ColourChangesRecolourFromTheSourceAndOnlyRepaint) {
  auto manager = ActiveManager({SmallSkin("First", 0x2060C0)}, "First");
  const CommonIndexes indexes = manager->Indexes();

  manager->SetHueOffset(120);
  EXPECT_EQ(PanelColor(*manager), ShiftHue(120, 0x2060C0));
  ASSERT_EQ(windows.Commands(), kRepainted);
  for (const Heard& h : windows.heard) {
    EXPECT_FALSE(h.ChangeInProgress);
    EXPECT_FALSE(h.BroadcastInProgress);
    EXPECT_TRUE(h.SkinActive);
  }
  EXPECT_EQ(manager->Indexes(), indexes);

  // Each change starts again from the stored colours.
  windows.heard.clear();
  manager->SetSaturation(50);
  EXPECT_EQ(PanelColor(*manager), ScaleSaturation(ShiftHue(120, 0x2060C0), SaturationAmount(50)));
  manager->SetHueOffset(0);
  EXPECT_EQ(PanelColor(*manager), ScaleSaturation(0x2060C0, SaturationAmount(50)));
  EXPECT_EQ(windows.heard.size(), 4u);

  // Equal values change nothing.
  windows.heard.clear();
  manager->SetHueOffset(0);
  manager->SetSaturation(50);
  manager->SetSkinnedPopups(true);
  EXPECT_TRUE(windows.heard.empty());

  // While stored settings are read the skin is recoloured but nobody is told yet.
  manager->BeginReading();
  manager->SetSaturation(0);
  manager->EndReading();
  EXPECT_EQ(PanelColor(*manager), 0x2060C0);
  EXPECT_TRUE(windows.heard.empty());
}

TEST_F(SkinManagerTest, OnlyTheFirstManagerIsTheDefaultUntilAnotherIsMadeIt) {
  auto first = NewManager();
  EXPECT_EQ(DefaultSkinManager, first.get());
  EXPECT_TRUE(first->IsDefault());
  EXPECT_EQ(windows.hooked, std::vector<TsSkinManager*>{first.get()});

  auto second = ActiveManager({SmallSkin("First", 0x111111)}, "First");
  EXPECT_FALSE(second->IsDefault());
  second->SetIsDefault(false);
  EXPECT_FALSE(second->IsDefault());
  EXPECT_TRUE(windows.heard.empty());

  second->SetIsDefault(true);
  EXPECT_TRUE(second->IsDefault());
  EXPECT_FALSE(first->IsDefault());
  EXPECT_EQ(windows.Commands(), (std::vector<TSkinCommand>{SK_SKINCHANGED, SK_STOPFADING,
                                                           SK_REFRESH, SK_STOPFADING, SK_REFRESH}));
  for (const Heard& h : windows.heard) EXPECT_EQ(h.Manager, second.get());

  // The default cannot be given up, only taken over.
  windows.heard.clear();
  second->SetIsDefault(false);
  EXPECT_TRUE(second->IsDefault());
  EXPECT_TRUE(windows.heard.empty());

  // An inactive manager that takes over removes the skin from the windows.
  first->SetActive(false);
  windows.heard.clear();
  first->SetIsDefault(true);
  EXPECT_TRUE(first->IsDefault());
  EXPECT_EQ(windows.Commands(), kRemoved);
  EXPECT_EQ(windows.heard[0].Manager, first.get());

  // Destroying a manager that is no longer the default leaves the default alone.
  second.reset();
  EXPECT_EQ(DefaultSkinManager, first.get());
  first.reset();
  EXPECT_TRUE(windows.hooked.empty());
}

TEST_F(SkinManagerTest, DeactivationRemovesTheSkinAndEmptiesTheRecords) {
  auto manager = ActiveManager({ElegantInternalSkin()}, kElegantSkinName);
  ASSERT_GE(manager->SectionIndex("GLOBALINFO"), 0);
  ASSERT_NE(manager->Indexes(), CommonIndexes{});

  manager->SetActive(false);
  ASSERT_EQ(windows.Commands(), kRemoved);
  EXPECT_EQ(windows.heard[0].Manager, manager.get());
  EXPECT_FALSE(windows.heard[0].SkinActive);
  EXPECT_TRUE(manager->Sections().empty());
  EXPECT_TRUE(manager->Masks().empty());
  EXPECT_TRUE(manager->Records().Patterns.empty());
  EXPECT_EQ(manager->Records().MasterBitmap.Width(), 0);
  EXPECT_EQ(manager->Indexes(), CommonIndexes{});
  EXPECT_EQ(manager->SectionIndex("GLOBALINFO"), -1);
  EXPECT_EQ(manager->SkinInfo(), "N/A");

  // With no skin active, colour changes are only stored.
  windows.heard.clear();
  manager->SetHueOffset(30);
  EXPECT_TRUE(windows.heard.empty());
  EXPECT_TRUE(manager->Sections().empty());
}

TEST_F(SkinManagerTest, SkinInfoIsTheActiveSkinsVersionAndTheReadOnlyTextsStay) {
  auto manager =
      NewManager({SmallSkin("Whole", 0x111111, 4), SmallSkin("Long", 0x111111, 0.1 + 0.2)});
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  manager->SetSkinName("Whole");
  EXPECT_EQ(manager->SkinInfo(), "4");
  manager->SetSkinName("Long");
  EXPECT_EQ(manager->SkinInfo(), "0.3");  // fifteen significant digits

  manager->SetSkinInfo("1.0");
  manager->SetVersion("1.0");
  EXPECT_EQ(manager->SkinInfo(), "0.3");
  EXPECT_EQ(manager->Version(), "4.81 beta");
}

TEST_F(SkinManagerTest, CommonSectionsLoseTheirBlanksExceptInComments) {
  auto manager = NewManager({SmallSkin("First", 0x111111)});
  manager->SetActive(false);
  windows.heard.clear();
  manager->SetCommonSections({"; keep these blanks", "[My Section]", "COLOR = 255", "", "   "});
  EXPECT_EQ(manager->CommonSections(),
            (std::vector<std::string>{"; keep these blanks", "[MySection]", "COLOR=255", "", ""}));
  EXPECT_TRUE(windows.heard.empty());

  manager->SetSkinName("First");
  manager->SetActive(true);
  windows.heard.clear();
  manager->SetCommonSections({"[Extra Panel]", "PARENTCLASS = PANEL", "TRANSPARENCY = 40"});
  EXPECT_EQ(windows.Commands(), kApplied);
  EXPECT_EQ(manager->SectionIndex("Extra Panel"), -1);
  const int extra = manager->SectionIndex("ExtraPanel");
  ASSERT_GE(extra, 0);
  EXPECT_EQ(manager->Sections()[static_cast<std::size_t>(extra)].Transparency, 40);
  EXPECT_EQ(manager->Sections()[static_cast<std::size_t>(extra)].Color, 0x111111);
}

TEST_F(SkinManagerTest, SettingTheSkinsFolderNeverReloads) {
  auto manager = std::make_unique<TsSkinManager>(nullptr, &windows);
  EXPECT_EQ(manager->SkinDirectory(), "c:\\Skins");
  manager->SetSkinDirectory("c:\\Skins");
  EXPECT_EQ(manager->SkinData().SkinPath, "");

  WriteOptions("Folder", "[GLOBALINFO]\n[PANEL]\nCOLOR=255\n");
  manager->SetSkinDirectory("Skins");
  manager->SetSkinName("Folder");
  const std::string skinFolder = SkinFolderPath(windows.folder + "Skins\\", "Folder");
  EXPECT_EQ(manager->SkinData().SkinPath, skinFolder);
  windows.heard.clear();

  manager->SetSkinDirectory("Skins");
  EXPECT_EQ(manager->SkinData().SkinPath, skinFolder);
  manager->SetSkinDirectory("Other");
  EXPECT_EQ(manager->SkinDirectory(), "Other");
  EXPECT_EQ(manager->SkinData().SkinPath, windows.folder + "Other\\");
  EXPECT_TRUE(windows.heard.empty());
  EXPECT_EQ(PanelColor(*manager), 255);
  EXPECT_TRUE(manager->SkinData().SkinActive);
}

TEST_F(SkinManagerTest, ListsInternalSkinsAndSkinFoldersSortedWithoutRegardToCase) {
  // The program lives in App\Bin\, its skins in App\Skins\.
  windows.folder = (dir.Path() / "App" / "Bin").string() + "\\";
  const auto skins = dir.Path() / "App" / "Skins";
  test::WriteFile(skins / "beta" / "OPTIONS.DAT", "[GLOBALINFO]\n");
  test::WriteFile(skins / "Gamma" / "Options.dat", "[GLOBALINFO]\n");
  test::WriteFile(skins / ".hidden" / "Options.dat", "[GLOBALINFO]\n");
  test::WriteFile(skins / "NoOptions" / "Readme.txt", "no skin here");
  test::WriteFile(skins / "Pretender" / "Options.dat" / "Inside.txt", "a folder, not a file");
  test::WriteFile(skins / "Options.dat", "[GLOBALINFO]\n");

  auto manager = NewManager({SmallSkin("Zeta internal", 1), SmallSkin("alpha internal", 2)});
  manager->SetSkinDirectory("..\\Skins");
  std::vector<std::string> names = {"stale"};
  EXPECT_EQ(manager->ListSkinNames(names), "Zeta internal");
  EXPECT_EQ(names, (std::vector<std::string>{"alpha internal", "beta", "Gamma", "Zeta internal"}));

  // Without internal skins the (only) folder is the first choice.
  std::filesystem::remove_all(skins / "Gamma");
  manager->SetInternalSkins({});
  EXPECT_EQ(manager->ListSkinNames(names), "beta");
  EXPECT_EQ(names, std::vector<std::string>{"beta"});

  manager->SetSkinDirectory("Nowhere");
  EXPECT_EQ(manager->ListSkinNames(names), "");
  EXPECT_TRUE(names.empty());
  EXPECT_TRUE(windows.heard.empty());
}

TEST_F(SkinManagerTest, ChangeEventsBracketSkinChangesButNotColourChanges) {
  auto manager = NewManager({SmallSkin("First", 0x111111), SmallSkin("Second", 0x222222)});
  std::vector<std::string> events;
  const auto note = [&](const char* what) {
    return [&, what](TComponent* sender) {
      EXPECT_EQ(sender, manager.get());
      EXPECT_FALSE(SkinChangeInProgress);
      events.push_back(what + std::to_string(windows.heard.size()));
    };
  };
  manager->OnBeforeChange = note("before ");
  manager->OnAfterChange = note("after ");

  manager->SetSkinName("First");
  EXPECT_EQ(events, (std::vector<std::string>{"before 0", "after 3"}));
  manager->SetCommonSections({"[EXTRA]"});
  manager->SetActive(false);
  manager->SetActive(true);
  EXPECT_EQ(events.size(), 6u);

  events.clear();
  manager->SetHueOffset(40);
  manager->SetSaturation(-20);
  manager->SetIsDefault(true);  // applies and repaints, but changes no skin
  manager->SetSkinDirectory("Other");
  manager->SetSkinName("Second");
  EXPECT_EQ(events, (std::vector<std::string>{"before 19", "after 22"}));
}

// Enough of a manager's records to see whether they stayed as they were.
std::string RecordsSummary(const TsSkinManager& manager) {
  const SkinRecords& r = manager.Records();
  std::string summary = manager.SkinName() + " " + manager.SkinInfo() + " " + r.SkinData.SkinPath +
                        " masks " + std::to_string(r.Masks.size()) + " patterns " +
                        std::to_string(r.Patterns.size()) + " master " +
                        std::to_string(r.MasterBitmap.Width()) + "x" +
                        std::to_string(r.MasterBitmap.Height());
  for (const TsGeneralData& section : r.Sections)
    summary += " " + section.SectionName + "=" + std::to_string(section.Color);
  return summary;
}

TEST_F(SkinManagerTest, ALoadErrorReachesTheCallerAndClearsTheFlags) {
  WriteOptions("Good", "[GLOBALINFO]\nVERSION=5\n[PANEL]\nCOLOR=255\n");
  WriteOptions("Shadow", "[GLOBALINFO]\nSHADOW1COLOR=dark\n");
  // A mask is read before the entry that fails: it must not join the old skin.
  WriteOptions("Image", "[PANEL]\nFRAME=#(0,0,9,9)(1,0)\nBORDERSMASK=#(a,0,42,45)(1,0)\n");
  auto manager = NewManager({SmallSkin("First", 0x111111)});
  int afterChanges = 0;
  manager->OnAfterChange = [&](TComponent*) { ++afterChanges; };
  const auto expectFailure = [&](const std::function<void()>& change, const char* file,
                                 const char* section, const char* key) {
    windows.heard.clear();
    try {
      change();
      ADD_FAILURE() << "no load error for " << key;
    } catch (const SkinLoadError& error) {
      EXPECT_EQ(error.Issue().File, file);
      EXPECT_EQ(error.Issue().Section, section);
      EXPECT_EQ(error.Issue().Key, key);
      EXPECT_NE(error.Issue().Reason.find("malformed number"), std::string::npos);
    }
    EXPECT_FALSE(SkinChangeInProgress);
    EXPECT_FALSE(SkinBroadcastInProgress);
  };

  // With no skin on show the internal skin takes the failed folder's place,
  // and the caller still learns why.
  expectFailure([&] { manager->SetSkinName("Shadow"); }, "Options.dat", "GLOBALINFO",
                "SHADOW1COLOR");
  EXPECT_EQ(manager->SkinName(), "First");
  EXPECT_EQ(PanelColor(*manager), 0x111111);
  EXPECT_EQ(windows.Commands(), kApplied);
  EXPECT_EQ(afterChanges, 1);

  // The skin on show stays whole and keeps its name; no window hears of the attempt.
  const std::string first = RecordsSummary(*manager);
  expectFailure([&] { manager->SetSkinName("Image"); }, "Options.dat", "PANEL", "BORDERSMASK");
  EXPECT_EQ(RecordsSummary(*manager), first);
  EXPECT_TRUE(manager->SkinData().SkinActive);
  EXPECT_TRUE(windows.heard.empty());
  EXPECT_EQ(afterChanges, 1);

  // A reload in place fails the same way and keeps the colours it had.
  manager->SetSkinName("Good");
  const std::string good = RecordsSummary(*manager);
  WriteOptions("Good", "[GLOBALINFO]\nSHADOW1BLUR=soft\n");
  expectFailure([&] { manager->SetHueOffset(90); }, "Options.dat", "GLOBALINFO", "SHADOW1BLUR");
  EXPECT_EQ(RecordsSummary(*manager), good);
  EXPECT_TRUE(windows.heard.empty());

  // Common sections are read in the "#" form over the master bitmap of the skin.
  manager->SetSkinName("First");
  const std::string again = RecordsSummary(*manager);
  expectFailure(
      [&] {
        manager->SetCommonSections({"[EXTRA]", "BORDERSMASK=#(0,0,x,9)(1,0)"});
      },
      "common sections", "EXTRA", "BORDERSMASK");
  EXPECT_EQ(RecordsSummary(*manager), again);
}

TEST_F(SkinManagerTest, AWindowFailingDuringTheBroadcastLeavesNoFlagSet) {
  auto manager = NewManager({SmallSkin("First", 0x111111)});
  windows.failOn = SK_SKINCHANGED;
  EXPECT_THROW(manager->SetSkinName("First"), std::runtime_error);
  EXPECT_FALSE(SkinBroadcastInProgress);
  EXPECT_FALSE(SkinChangeInProgress);
  windows.failOn.reset();
}

TEST_F(SkinManagerTest, DestroyingTheDefaultManagerRemovesItsSkinAndItsHook) {
  TComponent owner(nullptr);
  auto* manager = new TsSkinManager(&owner, &windows);
  manager->SetSkinDirectory("Skins");
  manager->SetInternalSkins({SmallSkin("First", 0x111111)});
  manager->SetSkinName("First");
  // An inactive manager that is not the default has nothing to tell when it goes.
  auto other = NewManager();
  other->SetActive(false);
  windows.heard.clear();
  other.reset();
  EXPECT_TRUE(windows.heard.empty());
  EXPECT_EQ(DefaultSkinManager, manager);
  ASSERT_EQ(windows.hooked, std::vector<TsSkinManager*>{manager});

  const TsSkinManager* const address = manager;
  delete manager;  // also leaves its owner
  ASSERT_EQ(windows.Commands(), kRemoved);
  EXPECT_EQ(windows.heard[0].Manager, address);
  // Windows still find the default manager while they give up its skin.
  EXPECT_TRUE(windows.heard[0].ManagerIsDefault);
  EXPECT_FALSE(windows.heard[0].SkinActive);
  EXPECT_EQ(DefaultSkinManager, nullptr);
  EXPECT_TRUE(windows.hooked.empty());
  EXPECT_EQ(owner.ComponentCount(), 0);

  // The next manager created is the default again, and its owner destroys it.
  new TsSkinManager(&owner, &windows);
  EXPECT_NE(DefaultSkinManager, nullptr);
}

TEST_F(SkinManagerTest, AStoredLayoutLoadsWhileReadingAndAppliesOnceMoreWhenLoaded) {
  auto manager = std::make_unique<TsSkinManager>(nullptr, &windows);
  manager->BeginReading();
  manager->SetInternalSkins({ElegantInternalSkin()});
  manager->SetSkinDirectory("Skins");
  manager->SetSkinName(kElegantSkinName);
  manager->EndReading();
  ASSERT_EQ(windows.Commands(), kApplied);
  for (const Heard& h : windows.heard) EXPECT_TRUE(h.Reading);

  manager->Loaded();
  ASSERT_EQ(windows.heard.size(), 6u);
  for (std::size_t i = 3; i < 6; ++i) {
    EXPECT_EQ(windows.heard[i].Command, kApplied[i - 3]);
    EXPECT_FALSE(windows.heard[i].Reading);
  }
  EXPECT_EQ(manager->SkinInfo(), "4.81");
  EXPECT_EQ(manager->MenuSupport().IcoLineSkin, "ICOLINE");
}

TEST_F(SkinManagerTest, LoadingCompletesEmptySettingsAndAppliesOnlyANamedActiveSkin) {
  auto manager = std::make_unique<TsSkinManager>(nullptr, &windows);
  manager->BeginReading();
  manager->SetSkinDirectory("");
  manager->MenuSupport().IcoLineSkin = "MYLINE";
  manager->EndReading();
  manager->Loaded();
  EXPECT_EQ(manager->SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(manager->MenuSupport().IcoLineSkin, "MYLINE");
  EXPECT_TRUE(windows.heard.empty());  // no skin named

  auto inactive = NewManager({SmallSkin("First", 0x111111)});
  inactive->BeginReading();
  inactive->SetActive(false);
  inactive->SetSkinName("First");
  inactive->EndReading();
  inactive->Loaded();
  EXPECT_TRUE(windows.heard.empty());
  EXPECT_FALSE(inactive->SkinData().SkinActive);
}

}  // namespace
}  // namespace au
