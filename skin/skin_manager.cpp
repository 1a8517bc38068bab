#include "skin/skin_manager.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

#include "skin/skin_globals.h"
#include "skin/skin_loader.h"
#include "skin/skin_paths.h"

namespace au {
namespace {

// Tells nobody: what managers use until the window layer installs its own.
class SilentBroadcaster : public SkinBroadcaster {
 public:
  void BroadcastToForms(TSkinCommand, TsSkinManager*) override {}
  std::string ApplicationFolder() const override { return {}; }
  void HookApplication(TsSkinManager*) override {}
  void UnhookApplication(TsSkinManager*) override {}
};

SkinBroadcaster* gDefaultBroadcaster = nullptr;

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

SkinBroadcaster& DefaultSkinBroadcaster() {
  static SilentBroadcaster silent;
  return gDefaultBroadcaster != nullptr ? *gDefaultBroadcaster : silent;
}

void SetDefaultSkinBroadcaster(SkinBroadcaster* broadcaster) {
  gDefaultBroadcaster = broadcaster;
}

bool TsSkinManager::DefaultSkinManagerIs(const TsSkinManager* manager) {
  return DefaultSkinManager == manager;
}

TsSkinManager::TsSkinManager(TComponent* owner, SkinBroadcaster* broadcaster)
    : TComponent(owner),
      broadcaster_(broadcaster != nullptr ? *broadcaster : DefaultSkinBroadcaster()) {
  if (DefaultSkinManager == nullptr) {
    DefaultSkinManager = this;
    broadcaster_.HookApplication(this);
    hooked_ = true;
  }
  active_ = true;
  skinDirectory_ = kDefaultSkinDirectory;
}

TsSkinManager::~TsSkinManager() {
  MarkDestroying();
  // Every window gives the skin up before the records go.
  SetActive(false);
  // The painter may still hold menus; it lets them go while the records live.
  menuPainter_.reset();
  records_.Clear();
  if (hooked_) broadcaster_.UnhookApplication(this);
  if (DefaultSkinManager == this) DefaultSkinManager = nullptr;
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (skinDirectory_.empty()) skinDirectory_ = kDefaultSkinDirectory;
  if (menuSupport_.IcoLineSkin.empty()) menuSupport_.IcoLineSkin = "ICOLINE";
  if (active_ && !skinName_.empty()) ApplySkinToWindows();
}

void TsSkinManager::SetSkinName(const std::string& name) {
  if (!active_) {
    skinName_ = name;
    return;
  }
  ChangeSkin(name);
}

void TsSkinManager::ChangeSkin(const std::string& name) {
  if (OnBeforeChange) OnBeforeChange(this);
  std::optional<SkinLoadError> failure;
  {
    FlagScope changing(SkinChangeInProgress);
    bool loaded = false;
    try {
      loaded = LoadAndReplace(name, true, &loadReport_);
    } catch (const SkinLoadError& error) {
      // A skin on show stays as it is. Without one (at start, say) the
      // internal skin takes the place of the folder that failed, so that the
      // program always has a skin to show.
      if (records_.SkinData.SkinActive) throw;
      failure = error;
      loaded = LoadAndReplace(name, false, nullptr);
    }
    if (!loaded) {
      active_ = false;
      StopSkinning();
    } else if (active_) {
      ApplySkinToWindows();
    }
  }
  if (OnAfterChange) OnAfterChange(this);
  if (failure) throw *failure;
}

bool TsSkinManager::LoadAndReplace(std::string name, bool folderSkins, SkinLoadReport* report) {
  const std::string applicationFolder = broadcaster_.ApplicationFolder();
  SkinLoadSettings settings;
  settings.ApplicationFolder = applicationFolder;
  settings.SkinDirectory = skinDirectory_;
  settings.InternalSkins = internalSkins_;
  settings.CommonSections = commonSections_;
  settings.HueOffset = hueOffset_;
  settings.Saturation = saturation_;
  settings.Manager = this;
  settings.Files = files_;
  settings.Report = report;
  settings.FolderSkins = folderSkins;
  if (report != nullptr) *report = {};
  SkinRecords fresh;
  if (au::LoadSkinData(fresh, name, settings) == SkinLoadResult::NoSkinAvailable) {
    skinName_ = std::move(name);
    return false;
  }
  // The loader fills everything except what the manager keeps itself:
  // whether the skin has been sent to the windows, and the indexes worked out
  // when it was.
  fresh.SkinData.SkinActive = records_.SkinData.SkinActive;
  fresh.Indexes = records_.Indexes;
  records_ = std::move(fresh);
  skinName_ = std::move(name);
  return true;
}

void TsSkinManager::LoadSkinData() {
  if (!active_) return;
  FlagScope changing(SkinChangeInProgress);
  if (!LoadAndReplace(skinName_, true, &loadReport_)) {
    // With nothing to show the manager stops skinning as if Active had been
    // set false: no window may keep a skin that the manager no longer claims,
    // and an inactive manager has no records that a control could still find.
    active_ = false;
    StopSkinning();
  }
}

void TsSkinManager::StopSkinning() {
  if (!IsReading()) RemoveSkinFromWindows();
  RecomputeCommonIndexes();
}

void TsSkinManager::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (value) {
    SetSkinName(skinName_);
    return;
  }
  StopSkinning();
}

void TsSkinManager::SetSkinDirectory(const std::string& directory) {
  if (directory == skinDirectory_) return;
  skinDirectory_ = directory;
  records_.SkinData.SkinPath = ResolveSkinsFolder(directory, broadcaster_.ApplicationFolder());
}

void TsSkinManager::SetCommonSections(std::vector<std::string> lines) {
  // Blanks carry no meaning in the options form except in comments.
  for (std::string& line : lines) {
    if (line.empty() || line.front() == ';') continue;
    std::erase(line, ' ');
  }
  commonSections_ = std::move(lines);
  SetSkinName(skinName_);
}

void TsSkinManager::SetHueOffset(int value) {
  if (value == hueOffset_) return;
  hueOffset_ = value;
  Recolour();
}

void TsSkinManager::SetSaturation(int value) {
  if (value == saturation_) return;
  saturation_ = value;
  Recolour();
}

void TsSkinManager::Recolour() {
  {
    FlagScope changing(SkinChangeInProgress);
    if (!records_.SkinData.SkinActive) return;
    LoadSkinData();
  }
  // The skin's structure is unchanged: no new-skin command, no new indexes.
  if (active_ && !IsReading()) RepaintAllWindows();
}

void TsSkinManager::SetInternalSkins(const TsStoredSkins& skins) {
  internalSkins_ = skins;
}

void TsSkinManager::SetSkinnedPopups(bool value) {
  if (value == skinnedPopups_) return;
  skinnedPopups_ = value;
  if (menuPainter_ && !IsDesigning()) menuPainter_->SkinnedPopupsChanged();
}

void TsSkinManager::SetIsDefault(bool value) {
  // A manager cannot stop being the default this way; another one must take over.
  if (!value && DefaultSkinManager != nullptr) return;
  DefaultSkinManager = this;
  if (!active_) {
    RemoveSkinFromWindows();
  } else {
    ApplySkinToWindows();
    RepaintAllWindows();
  }
}

std::string TsSkinManager::SkinInfo() const {
  if (!records_.SkinData.SkinActive) return "N/A";
  // The C locale's "." separator, 15 significant digits.
  char text[64];
  std::snprintf(text, sizeof(text), "%.15g", records_.SkinData.Version);
  return text;
}

void TsSkinManager::Broadcast(TSkinCommand command) {
  broadcaster_.BroadcastToForms(command, this);
}

void TsSkinManager::ApplySkinToWindows() {
  if (menuPainter_) menuPainter_->ResetSkinBorderWidth();
  records_.SkinData.SkinActive = false;
  {
    FlagScope broadcasting(SkinBroadcastInProgress);
    RecomputeCommonIndexes();
    Broadcast(SK_SKINCHANGED);
  }
  records_.SkinData.SkinActive = true;
  RepaintAllWindows();
}

void TsSkinManager::RemoveSkinFromWindows() {
  records_.SkinData.SkinActive = false;
  Broadcast(SK_SKINREMOVED);
  records_.Clear();
}

void TsSkinManager::RepaintAllWindows() {
  Broadcast(SK_STOPFADING);
  Broadcast(SK_REFRESH);
}

std::string TsSkinManager::ListSkinNames(std::vector<std::string>& names) const {
  names.clear();
  std::string first;
  for (const TsStoredSkin& skin : internalSkins_) {
    if (first.empty()) first = skin.Name;
    names.push_back(skin.Name);
  }
  const std::string folder = ResolveSkinsFolder(skinDirectory_, broadcaster_.ApplicationFolder());
  const SkinFileSource& files = Files();
  if (files.FolderExists(folder)) {
    for (const std::string& sub : files.ListSubFolders(folder)) {
      if (sub.empty() || sub.front() == '.') continue;
      if (!files.FileExists(SkinFolderPath(folder, sub) + kOptionsFileName)) continue;
      if (first.empty()) first = sub;
      names.push_back(sub);
    }
  }
  std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
  return first;
}

}  // namespace au
