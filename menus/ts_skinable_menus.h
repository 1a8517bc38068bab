// TsSkinableMenus: the skin manager's pop-up menu painter. While the
// manager's skin is active it measures and draws the items of pop-up menus
// (the skinned frame's system menu, and the application's pop-up menus when
// the manager's SkinnedPopups is set) over one background picture per menu
// painted from the skin, and frames and shapes the menu window from it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "menus/menu_item_kinds.h"
#include "pixels/bitmap24.h"
#include "pixels/rect.h"
#include "skin/skin_manager.h"
#include "ui/canvas.h"
#include "ui/panel.h"
#include "ui/popup_menu.h"

namespace au {

// The painter's own requests, answered by the manager's hook on the
// application's hidden window: a menu item (in wParam) whose menu window is
// to be found, or the menu window itself.
inline constexpr UINT kMenuItemWindowRequest = 48307;
inline constexpr UINT kMenuWindowRequest = 48308;

// Owner-draw state flags the painter reads.
inline constexpr UINT kDrawSelected = ODS_SELECTED;  // 1
inline constexpr UINT kDrawDefault = ODS_DEFAULT;    // 0x20, bold caption
inline constexpr UINT kDrawHotLight = ODS_HOTLIGHT;  // 0x40

class TsSkinableMenus : public SkinMenuPainter {
 public:
  explicit TsSkinableMenus(TsSkinManager& owner);
  ~TsSkinableMenus() override;
  TsSkinableMenus(const TsSkinableMenus&) = delete;
  TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;

  // Published properties.
  TAlignment Alignment = TAlignment::taLeftJustify;
  int BevelWidth = 0;   // kept with the settings only
  int BorderWidth = 3;  // the platform's menu-window frame that is painted over
  TFont CaptionFont;    // kept with the settings only
  int Margin = 3;
  int Spacing = 6;
  // After an item is painted, before it goes to the screen.
  std::function<void(TMenuItem& item, TCanvas& canvas, TacMenuItemKind kind, UINT itemState)>
      OnDrawItem;

  TsSkinManager& Owner() const { return owner_; }
  bool Active() const { return active_; }
  // Hands the application's menus to the painter or takes them back.
  void SetActive(bool value);
  // Active exactly while the manager's skin is.
  void FollowSkin();

  // Owner-drawing on or off, then the items.
  void InstallOnPopup(TPopupMenu& menu, bool on);
  // The item and all its descendants get the painter's handlers where they
  // have none of their own; off removes only the painter's.
  void InstallOnItems(TMenuItem& item, bool on);

  SIZE MeasureItem(TMenuItem& item, HDC dc);
  void DrawItem(TMenuItem& item, HDC dc, const RECT& r, UINT itemState);
  // The divider line of a separator in `r` of the canvas, over `background`
  // (null: none) of the menu window that the canvas lies in.
  void DrawMenuDivider(HDC dc, const RECT& r, const Bitmap24* background);

  // The frame width of the skin's menu border: the BORDERSMASK of MAINMENU.
  int GetSkinBorderWidth();
  int SkinBorderWidth() { return GetSkinBorderWidth(); }
  // The extra line's width in the open menu; adjusted, it leaves out the part
  // that a narrower skin border does not cover.
  int ExtraWidth(bool adjusted);
  // What is cut from the open menu's window shape.
  const std::vector<TRect>& CornerHoles() const { return cornerHoles_; }

  // The size of the open menu's window, worked out from its items.
  SIZE MenuWindowSizeOf(const TMenuItem& item);
  void PrepareMenuBackground(const TMenuItem& firstItem, HWND menuWindow, SIZE windowSize);
  void AttachToMenuWindow(HWND menuWindow);

  // SkinMenuPainter.
  void ResetSkinBorderWidth() override { skinBorderWidth_ = -1; }
  void SkinnedPopupsChanged() override;
  bool AnswerMenuRequest(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

 private:
  void DecideExtraLine(const TMenuItem& firstItem);
  void PaintExtraLine(Bitmap24& background, SIZE size);
  void PaintIconColumn(Bitmap24& background, SIZE size);
  void CollectCornerHoles(int height, int width);
  void PaintWindowFrame(HWND menuWindow, SIZE size);
  void CopyFrameShare(HWND menuWindow, const TMenuItem& item, const RECT& r, SIZE size,
                      int firstColumn);
  void PaintNormalItem(TMenuItem& item, HDC dc, const RECT& r, UINT itemState, SIZE size,
                       int firstColumn, bool windowKnown);
  // The main text colour of a valid section, resolved.
  TColor SectionTextColour(int section, bool hot) const;
  // The skin's check image for the item; false when the skin has none.
  bool DrawCheckImage(Bitmap24& picture, const TMenuItem& item, bool selected) const;
  void WalkApplication(const std::function<void(TPopupMenu&)>& visit) const;
  // Takes the painter's handlers off every menu it reaches.
  void ReleaseMenus();
  bool OwnsHandlers(const TMenuItem& item) const;

  TsSkinManager& owner_;
  bool active_ = false;
  int skinBorderWidth_ = -1;
  bool borderDrawing_ = false;
  // The canvas's origin in the menu window (and so in its background).
  TPoint canvasOffset_{3, 3};
  std::vector<TRect> cornerHoles_;
  // Handlers given to items hold this weakly, so an item that outlives the
  // painter is drawn by nobody rather than by a freed painter.
  std::shared_ptr<TsSkinableMenus*> self_ = std::make_shared<TsSkinableMenus*>(this);
};

// The manager's painter, made on first use; null when the manager has a
// painter of another kind.
TsSkinableMenus* SkinableMenusOf(TsSkinManager& manager);

}  // namespace au
