// TsSkinManager: the non-visual component that owns the application's active
// skin. It keeps the settings that choose the skin (its name, the folder of
// skin folders, the skins stored with it, colour changes, extra sections),
// owns the loaded records with their lookups, and tells every window when the
// skin has changed, has been removed or must be repainted.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "pixels/color.h"
#include "skin/skin_broadcaster.h"
#include "skin/skin_files.h"
#include "skin/skin_load_report.h"
#include "skin/skin_records.h"
#include "skin/stored_skin.h"

namespace au {

// A font as the menu settings store it.
struct TacFontDescription {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  TColor Color = clWindowText;
  int Charset = 1;  // the default character set
  unsigned Style = 0;
};

// Settings of the skinned pop-up menus.
struct TacMenuSupport {
  std::string IcoLineSkin;  // becomes "ICOLINE" after loading when empty
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  TacFontDescription ExtraLineFont;
};

inline constexpr char kDefaultSkinDirectory[] = "c:\\Skins";

class TMenuItem;

// What the manager asks of the pop-up menu painter that it owns. The painter
// draws through the window system, so the manager knows it only by this.
class SkinMenuPainter {
 public:
  virtual ~SkinMenuPainter() = default;
  // A skin is about to be applied: sizes measured on the previous one are stale.
  virtual void ResetSkinBorderWidth() = 0;
  // SkinnedPopups changed: the application's pop-up menus are handed over or back.
  virtual void SkinnedPopupsChanged() = 0;
  // The painter's own requests, which it posts to the application window while
  // a menu is open and the manager's hook hands back; true when it was one.
  virtual bool AnswerMenuRequest(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

class TsSkinManager : public TComponent {
 public:
  // Without a broadcaster the manager uses the process's default one.
  explicit TsSkinManager(TComponent* owner, SkinBroadcaster* broadcaster = nullptr);
  ~TsSkinManager() override;

  void Loaded() override;

  // Published properties, in their stored order.
  bool IsDefault() const { return DefaultSkinManagerIs(this); }
  void SetIsDefault(bool value);
  bool Active() const { return active_; }
  void SetActive(bool value);
  const std::vector<std::string>& CommonSections() const { return commonSections_; }
  void SetCommonSections(std::vector<std::string> lines);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  const TsStoredSkins& InternalSkins() const { return internalSkins_; }
  void SetInternalSkins(const TsStoredSkins& skins);
  TacMenuSupport& MenuSupport() { return menuSupport_; }
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::string& directory);
  // The name of the skin that is loaded (or, while inactive, that will be).
  const std::string& SkinName() const { return skinName_; }
  // Loads and applies skin `name`. When it cannot be loaded, SkinLoadError is
  // thrown and the manager keeps a whole skin: the one that was active, with
  // its name, or, when none was, the internal skin of that name (else the
  // first internal skin), as though the skin folder were not there. The
  // setters that reload (Active, CommonSections, HueOffset, Saturation) fail
  // the same way.
  void SetSkinName(const std::string& name);
  // The loaded skin's version ("4.81") while a skin is active, else "N/A".
  std::string SkinInfo() const;
  void SetSkinInfo(const std::string&) {}
  // The engine's version.
  std::string Version() const { return "4.81 beta"; }
  void SetVersion(const std::string&) {}
  bool SkinnedPopups() const { return skinnedPopups_; }
  void SetSkinnedPopups(bool value);

  std::function<void(TComponent* sender)> OnBeforeChange;
  std::function<void(TComponent* sender)> OnAfterChange;
  // Asked before a pop-up menu (known by its first item) gets its extra line:
  // the line's section, its text, its picture (empty: none) and whether the
  // menu has one at all may be changed.
  std::function<void(const TMenuItem& firstItem, std::string& section, std::string& text,
                     Bitmap24& graphic, bool& wanted)>
      OnGetMenuExtraLineData;

  // The pop-up menu painter, made by the window layer on first use and freed
  // with the manager; null until then.
  SkinMenuPainter* MenuPainter() const { return menuPainter_.get(); }
  void SetMenuPainter(std::unique_ptr<SkinMenuPainter> painter) {
    menuPainter_ = std::move(painter);
  }

  // Reloads the records from the current settings (nothing while inactive).
  // When there is no skin at all to load, the manager becomes inactive and
  // removes the skin from the windows. The skin is loaded into fresh records
  // that replace the current ones only once complete: on SkinLoadError the
  // current records stay as they were.
  void LoadSkinData();
  // What the last load of SkinName passed over: entries, keys and files that
  // were skipped or refused, each with its reason and place.
  const SkinLoadReport& LoadReport() const { return loadReport_; }
  // Where skin folders are read from; null (the default) is the disk. The
  // source must outlive the manager's use of it.
  void SetSkinFiles(const SkinFileSource* files) { files_ = files; }
  void ApplySkinToWindows();
  void RemoveSkinFromWindows();
  void RepaintAllWindows();
  void RecomputeCommonIndexes() { records_.RecomputeCommonIndexes(); }

  // Fills `names` with the skins that can be chosen (internal ones and the
  // skin folders under SkinDirectory), sorted without regard to case; returns
  // the first one found (an internal skin before any folder), or "".
  std::string ListSkinNames(std::vector<std::string>& names) const;

  // The loaded skin and its lookups.
  const SkinRecords& Records() const { return records_; }
  const TsSkinData& SkinData() const { return records_.SkinData; }
  const TsGeneralDataArray& Sections() const { return records_.Sections; }
  const TsMaskArray& Masks() const { return records_.Masks; }
  const CommonIndexes& Indexes() const { return records_.Indexes; }
  int SectionIndex(std::string_view name) const { return records_.SectionIndex(name); }
  int MaskIndex(int section, std::string_view sectionName, std::string_view property) const {
    return records_.MaskIndex(section, sectionName, property);
  }
  int TextureMaskIndex(int section, std::string_view sectionName, std::string_view property) const {
    return records_.TextureMaskIndex(section, sectionName, property);
  }
  int PatternIndex(int section, std::string_view sectionName, std::string_view property) const {
    return records_.PatternIndex(section, sectionName, property);
  }
  int MaskIndexByNames(std::string_view sectionName, std::string_view property) const {
    return records_.MaskIndexByNames(sectionName, property);
  }
  bool IsValidSectionIndex(int index) const { return records_.IsValidSectionIndex(index); }
  bool IsValidMaskIndex(int index) const { return records_.IsValidMaskIndex(index); }
  TColor GlobalColor() const { return records_.GlobalColor(); }
  TColor GlobalFontColor() const { return records_.GlobalFontColor(); }

 private:
  static bool DefaultSkinManagerIs(const TsSkinManager* manager);
  void Broadcast(TSkinCommand command);
  // Loads and applies skin `name`, between the change events.
  void ChangeSkin(const std::string& name);
  // Loads skin `name` into fresh records and puts them in place of the
  // current ones, and the loaded skin's name in SkinName; false (with `name`
  // stored) when there is no skin at all. Throws SkinLoadError with the
  // records and SkinName untouched.
  bool LoadAndReplace(std::string name, bool folderSkins, SkinLoadReport* report);
  const SkinFileSource& Files() const { return files_ != nullptr ? *files_ : DiskSkinFiles(); }
  // Hue or saturation: the same skin, recoloured.
  void Recolour();
  // Windows give the skin up (unless the stored settings are still being
  // read) and the indexes forget it.
  void StopSkinning();

  SkinBroadcaster& broadcaster_;
  SkinRecords records_;
  bool active_ = false;
  std::vector<std::string> commonSections_;
  int saturation_ = 0;
  int hueOffset_ = 0;
  TsStoredSkins internalSkins_;
  TacMenuSupport menuSupport_;
  std::string skinDirectory_;
  std::string skinName_;
  bool skinnedPopups_ = true;
  bool hooked_ = false;
  std::unique_ptr<SkinMenuPainter> menuPainter_;
  const SkinFileSource* files_ = nullptr;
  SkinLoadReport loadReport_;
};

}  // namespace au
