// TsCommonData: the skin state that every skinned control (and the form
// frame) owns. It binds the control to a skin manager and a section of the
// loaded skin, keeps the resolved indexes of that section and of its border
// and texture masks, owns the control's cache bitmap (its finished picture),
// and holds the flags that decide when the cache must be rebuilt and whether
// the control is drawn hot. It also gives a skinned control its default
// answers to the skin command message and its default reaction to moves,
// sizes, focus and the mouse.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "pixels/bitmap24.h"
#include "pixels/cache_info.h"
#include "ui/control.h"

namespace au {

class TsSkinManager;
struct TsGeneralData;

// Control kinds whose controls never become hot under the mouse: containers
// such as panels, tool bars, tab sheets, group boxes and status bars.
bool IsNoHotStateCode(unsigned code);
// The section a control of this kind paints from when it names none; empty
// when the kind has no default (the control's class name is used then).
const char* DefaultSectionOfCode(unsigned code);

class TsCommonData {
 public:
  TsCommonData(TComponent* owner, bool withCache);
  ~TsCommonData();
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // Stored properties.
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value);
  // Unset (null) means: follow the default manager.
  TsSkinManager* SkinManager() const { return skinManager_; }
  void SetSkinManager(TsSkinManager* manager);
  // Kept in upper case; assigning an empty name stores "UNKNOWN".
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);

  TsSkinManager* EffectiveManager() const;
  // The section record, or null while the index is not valid.
  const TsGeneralData* Section() const;

  // Run-time state.
  bool Updating = false;
  int BordersMaskIndex = -1;
  int SkinSectionIndex = -1;
  int PatternMaskIndex = -1;
  int HotPatternMaskIndex = -1;
  TControl* PaintChild = nullptr;
  bool UrgentPaint = false;
  bool BackgroundChanged = true;
  bool PartlyVisible = true;
  bool Painting = false;  // refuses re-entrant painting of the form frame
  TControl* const OwnerControl;
  TComponent* const OwnerObject;
  // An owner that is not a control (the form frame) has no window procedure
  // of its own; what it must be told directly is handed to this.
  TWndMethod OwnerHandler;
  std::unique_ptr<Bitmap24> CacheBitmap;
  unsigned ControlClassCode = 0;
  bool Focused = false;
  bool MouseInside = false;

  void UpdateIndexes();
  void AssignDefaultSection();
  // After the control and its children are loaded (or created in code).
  void FinishLoading();

  bool IsSkinned(bool requireActive = false) const;
  bool IsHotState() const;
  bool IsTransparentSection() const;
  bool IsUpdating() const;
  bool ShowsParent() const;

  // The owner is fully made and placed: not being created, read, loaded or
  // destroyed, and it has a parent.
  bool OwnerReady() const;

  void PrepareCacheBitmap();
  void InvalidateControl();
  TCacheInfo RequestParentCache() const;
  void Lock() { Updating = true; }
  void Unlock() { Updating = false; }
  void SetUpdating(bool value) { Updating = value; }

  // The default answer to a skin command; false when this command is not
  // handled here (the control may handle it itself).
  bool HandleSkinCommand(TMessage& message);
  // The default reaction to a control's messages, run before its own; true
  // when the message was swallowed and must go no further.
  bool HandleControlMessage(TMessage& message);

  // Copies the cache to a device context: clipped to `target`, leaving out
  // the opaque and graphic children of `container` (which paint themselves).
  // `offsets` Left/Top is the source position in the cache, Right/Bottom is
  // added to child positions. With `paintBorders` the border's corners are
  // first redrawn over the parent's current background.
  void CopyCacheToDevice(TWinControl* container, const RECT& offsets, bool paintBorders, HDC dc,
                         const RECT& target);

 private:
  bool IsEditType() const;
  // Section colour and font colour onto an edit control, unless custom.
  void ApplySectionColors();
  void RestoreSystemColors();
  // SK_REFRESH when the section was found, else SK_SKINREMOVED: to a placed
  // control, and with `frameToo` also to an owner that is not a control.
  void TellOwner(TsSkinManager* manager, bool frameToo);
  void PositionChanged(unsigned parameter);
  void AnswerBackgroundColor();
  TColor ParentColorFor() const;

  TsSkinManager* skinManager_ = nullptr;
  std::string skinSection_;
  bool customColor_ = false;
  bool customFont_ = false;
};

}  // namespace au
