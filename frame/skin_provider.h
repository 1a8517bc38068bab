// TsSkinProvider: the component that skins a form's frame. It stands in front
// of the form's own message handler for its whole life, paints the borders,
// title bar, icon, caption and caption buttons from the active skin into a
// picture of the whole window (its frame cache), copies that over the
// platform's non-client area, cuts the window's shape from the transparent
// corners of the border images, answers hit tests for its caption parts,
// runs the caption buttons and its own system menu, and answers the skin
// commands for the form. The platform keeps its non-client sizes; the frame
// is painted over them.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "frame/caption_buttons.h"
#include "frame/frame_geometry.h"
#include "frame/frame_rules.h"
#include "frame/platform_skin_list.h"
#include "frame/system_menu.h"
#include "frame/title_bar_masks.h"
#include "frame/title_button.h"
#include "paint/common_data.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace au {

enum class TGripMode { gmNone, gmRightBottom };
enum class TResizeMode { rmStandard, rmBorder };

// True between a press on a caption button and the next change of the part
// under the mouse: a release counts only while it holds. One pressed caption
// button in the whole process.
extern bool ButtonPressed;

class TsSkinProvider : public TComponent {
 public:
  explicit TsSkinProvider(TComponent* owner);
  ~TsSkinProvider() override;

  const char* ClassName() const override { return "TsSkinProvider"; }
  void Loaded() override;

  // Published properties.
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(TAlignment alignment);
  TsCommonData& SkinData() { return *skinData_; }
  const TsCommonData& SkinData() const { return *skinData_; }
  TGripMode GripMode() const { return gripMode_; }
  void SetGripMode(TGripMode mode);
  bool MakeSkinMenu() const { return makeSkinMenu_; }
  void SetMakeSkinMenu(bool value) { makeSkinMenu_ = value; }
  // Forms of this framework carry no main menu, so there is no menu line to
  // paint; the section name is kept with the other settings.
  const std::string& MenuLineSkin() const { return menuLineSkin_; }
  void SetMenuLineSkin(const std::string& section) { menuLineSkin_ = section; }
  TResizeMode ResizeMode() const { return resizeMode_; }
  void SetResizeMode(TResizeMode mode) { resizeMode_ = mode; }
  bool ScreenSnap() const { return screenSnap_; }
  void SetScreenSnap(bool value) { screenSnap_ = value; }
  int SnapBuffer() const { return snapBuffer_; }
  void SetSnapBuffer(int pixels) { snapBuffer_ = pixels; }
  bool ShowAppIcon() const { return showAppIcon_; }
  void SetShowAppIcon(bool value);
  TsTitleButtons& TitleButtons() { return titleButtons_; }
  TsTitleIcon& TitleIcon() { return titleIcon_; }
  void SetTitleIcon(const TsTitleIcon& icon);
  const std::string& TitleSkin() const { return titleSkin_; }
  void SetTitleSkin(const std::string& section);
  bool UseGlobalColor() const { return useGlobalColor_; }
  void SetUseGlobalColor(bool value);

  // Run-time state.
  TForm* Form() const { return form_; }
  bool FormActive() const { return formActive_; }
  int HotButtonCode() const { return hotButtonCode_; }
  TsSystemMenu* SystemMenu() const { return systemMenu_; }
  // The picture of the whole window (SkinData's cache).
  const Bitmap24& FrameCache() const { return *skinData_->CacheBitmap; }
  // What lies behind the caption buttons, from ButtonsBackgroundLeft() on.
  const Bitmap24& ButtonsBackground() const { return buttonsBackground_; }
  int ButtonsBackgroundLeft() const { return buttonsBackgroundLeft_; }
  const std::vector<TRect>& RegionHoles() const { return regionHoles_; }
  const TitleBarMaskIndexes& TitleBarMasks() const { return titleBarMasks_; }
  // The record of a system caption button (HTCLOSE, HTMAXBUTTON,
  // HTMINBUTTON, HTHELP) or of a user button (kUserButtonCode + index); null
  // for other codes.
  const TsCaptionButton* ButtonOfCode(int code) const;
  FrameGeometry Geometry() const;
  FrameState CurrentFrameState() const;
  // The total width of the caption buttons shown.
  int ButtonsWidth() const;
  int ButtonHeight() const;

  // Paints the frame cache: in full, or only its title over the kept copy of
  // the window section's title strip when nothing else can have changed.
  void PaintForm();
  // Marks the frame for repainting and paints it on screen when visible.
  void InvalidateFrame();
  void PopupSystemMenu(int x, int y);
  void TitleButtonsChanged();

 private:
  // Message handling.
  void NewWndProc(TMessage& message);
  void CallOldWindowProc(TMessage& message) { oldWindowProc_(message); }
  void HandleSkinCommand(TMessage& message);
  void HandleSkinnedMessage(TMessage& message);
  // While the platform's frame is in use: the skin list in the platform's
  // system menu. True when the message was handled.
  bool HandlePlatformSkinList(TMessage& message);
  void SkinChanged(TMessage& message);
  void SkinRemoved(TMessage& message);
  void Refresh();
  void FollowMenus(bool ownManager);
  void AnswerCache() const;
  void AnswerBackgroundColor() const;
  bool Skinned() const;
  bool HasBorder() const;
  bool ShowingOnScreen() const;

  // Lifecycle.
  void PrepareForSkin();
  void LookUpTitleBarMasks();
  void TakeBorderIcons();
  // The platform's caption buttons and the skin list in its system menu go
  // while the skinned frame is in use.
  void TakePlatformFrameParts();
  void GiveBackBorderIcons();
  void ApplyGlobalColor();

  // Painting (skin_provider_paint.cpp).
  // The section of the title bar: TitleSkin, or "FORMTITLE" when none is set.
  std::string TitleSectionName() const;
  void PaintFrameToScreen();
  void PaintTitle(const FrameGeometry& g, const TCacheInfo& background, bool shortcut);
  void DrawIcon(Bitmap24& cache, const FrameGeometry& g);
  // Where the size grip lies (only with gmRightBottom and a grip image).
  bool GripArea(const FrameGeometry& g, TRect& area) const;
  void DrawTitleBarMask(Bitmap24& cache, const FrameGeometry& g);
  void DrawCaptionText(Bitmap24& cache, const FrameGeometry& g, bool shortcut);
  void CopyFrameRects(HDC dc, std::initializer_list<RECT> rects) const;
  void CopyFrameStrips(HDC dc, const FrameGeometry& g) const;
  void PaintClient(TMessage& message);
  void HandlePrint(TMessage& message);
  void SendNcPaint();
  void RepaintClient();
  bool CacheFits(const FrameGeometry& g) const;

  // The window shape.
  void RebuildShape(const FrameGeometry& g);
  void CutTitleFromShape();
  void RemoveShape(bool redraw);
  // True when the window took the region.
  bool SetShape(HRGN region, bool redraw);

  // Caption buttons (skin_provider_buttons.cpp).
  bool ButtonEnabled(int code) const;
  bool ButtonCanBePressed(int code) const;
  int ButtonMaskOf(int code) const;
  int SystemButtonWidth(int code) const;
  int UserButtonWidth(const TsTitleButton& button) const;
  bool SkinnedPopups() const;
  void PlaceAndDrawButtons(Bitmap24& cache, const FrameGeometry& g);
  void DrawButtonImage(Bitmap24& cache, int code) const;
  void RepaintButton(int code);
  void UpdateButtonStates();
  void SetHotButton(int code);
  void SetPressedButton(int code);
  void ClearHotUnlessOverButton();
  int HitTestButtonsAt(POINT windowPoint) const;
  int HitTest(POINT windowPoint);
  void HandleNcHitTest(TMessage& message);
  void HandleLeftButtonDown(TMessage& message);
  void HandleLeftButtonUp(TMessage& message);
  void HandleDoubleClick(TMessage& message);
  void HandleRightButton(TMessage& message);
  void SendSysCommand(WPARAM command);
  TsCaptionButton* MutableButtonOfCode(int code);
  // The lookup behind ButtonOfCode and MutableButtonOfCode, written once for a
  // const and a mutable provider.
  template <typename Provider>
  static auto FindButton(Provider& provider, int code) -> decltype(&provider.closeButton_);
  std::vector<ButtonHitArea> ButtonHitAreas() const;

  // Other window messages.
  void SnapToWorkArea(WINDOWPOS& pos) const;
  void FitMaximisedToWorkArea(MINMAXINFO& info) const;
  void TrackNonClientLeave();

  TForm* form_ = nullptr;
  TWndMethod oldWindowProc_;
  std::unique_ptr<TsCommonData> skinData_;
  TsSystemMenu* systemMenu_ = nullptr;  // owned as a component
  PlatformSkinList platformSkinList_;
  TsTitleButtons titleButtons_{*this};
  TsTitleIcon titleIcon_;
  std::unique_ptr<Bitmap24> titleCache_;
  Bitmap24 buttonsBackground_;
  int buttonsBackgroundLeft_ = 0;
  std::vector<TRect> regionHoles_;
  TitleBarMaskIndexes titleBarMasks_;
  TsCaptionButton closeButton_;
  TsCaptionButton maximizeButton_;
  TsCaptionButton minimizeButton_;
  TsCaptionButton helpButton_;

  TBorderIcons borderIcons_ = kDefaultBorderIcons;
  TAlignment captionAlignment_ = TAlignment::taLeftJustify;
  TGripMode gripMode_ = TGripMode::gmNone;
  bool makeSkinMenu_ = true;
  std::string menuLineSkin_;
  TResizeMode resizeMode_ = TResizeMode::rmStandard;
  bool screenSnap_ = false;
  int snapBuffer_ = 10;
  bool showAppIcon_ = true;
  std::string titleSkin_;
  bool useGlobalColor_ = true;

  bool formActive_ = true;
  int hotButtonCode_ = 0;
  bool regionValid_ = false;
  bool inRegionUpdate_ = false;
  // The window's shape is the one RegionHoles give, for this size.
  bool holesApplied_ = false;
  SIZE appliedShapeSize_{0, 0};
  bool fullRepaint_ = true;
  bool prepared_ = false;
  bool iconsTaken_ = false;
  bool trackingLeave_ = false;
  // The form's own border icons when the provider came, given back when the
  // skin goes.
  TBorderIcons formIcons_ = kDefaultBorderIcons;
};

}  // namespace au
