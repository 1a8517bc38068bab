#include "menus/ts_skinable_menus.h"

#include <algorithm>
#include <exception>

#include "menus/menu_font.h"
#include "menus/open_menu.h"
#include "ui/application.h"

namespace au {
namespace {

// The painter's handlers as items hold them: recognisable among other
// handlers, and harmless once the painter is gone.
struct PainterMeasure {
  std::weak_ptr<TsSkinableMenus*> Painter;
  void operator()(TMenuItem& item, HDC dc, int& width, int& height) const {
    const auto painter = Painter.lock();
    if (!painter) return;
    const SIZE size = (*painter)->MeasureItem(item, dc);
    width = size.cx;
    height = size.cy;
  }
};

struct PainterDraw {
  std::weak_ptr<TsSkinableMenus*> Painter;
  void operator()(TMenuItem& item, HDC dc, const RECT& r, UINT itemState) const {
    if (const auto painter = Painter.lock()) (*painter)->DrawItem(item, dc, r, itemState);
  }
};

template <class Handler, class Event>
bool HeldBy(const Event& event, const std::shared_ptr<TsSkinableMenus*>& self) {
  const Handler* handler = event.template target<Handler>();
  return handler != nullptr && handler->Painter.lock() == self;
}

void VisitComponents(TComponent& component, const std::function<void(TPopupMenu&)>& visit) {
  for (int i = 0; i < component.ComponentCount(); ++i) {
    TComponent* child = component.Components(i);
    if (child == nullptr || child->IsDestroying()) continue;
    if (auto* menu = dynamic_cast<TPopupMenu*>(child)) visit(*menu);
    VisitComponents(*child, visit);
  }
}

std::string WithoutAmpersands(std::string text) {
  std::erase(text, '&');
  return text;
}

}  // namespace

TsSkinableMenus::TsSkinableMenus(TsSkinManager& owner) : owner_(owner) {}

TsSkinableMenus::~TsSkinableMenus() {
  ReleaseMenus();
  ResetOpenMenu();
}

TsSkinableMenus* SkinableMenusOf(TsSkinManager& manager) {
  if (manager.MenuPainter() == nullptr) {
    manager.SetMenuPainter(std::make_unique<TsSkinableMenus>(manager));
  }
  return dynamic_cast<TsSkinableMenus*>(manager.MenuPainter());
}

// --- Handing menus over -------------------------------------------------------

void TsSkinableMenus::WalkApplication(const std::function<void(TPopupMenu&)>& visit) const {
  TApplication* application = Application();
  if (application == nullptr || application->IsDestroying()) return;
  // A component that breaks while it is looked at keeps its menus as they are.
  try {
    VisitComponents(*application, visit);
  } catch (const std::exception&) {
  }
}

void TsSkinableMenus::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (owner_.IsDesigning() || !owner_.SkinnedPopups()) return;
  WalkApplication([this, value](TPopupMenu& menu) { InstallOnPopup(menu, value); });
}

void TsSkinableMenus::FollowSkin() {
  SetActive(owner_.SkinData().SkinActive);
}

void TsSkinableMenus::SkinnedPopupsChanged() {
  const bool on = active_ && owner_.SkinnedPopups();
  WalkApplication([this, on](TPopupMenu& menu) { InstallOnPopup(menu, on); });
}

void TsSkinableMenus::InstallOnPopup(TPopupMenu& menu, bool on) {
  menu.OwnerDraw = on;
  InstallOnItems(menu.Items(), on);
}

void TsSkinableMenus::InstallOnItems(TMenuItem& item, bool on) {
  for (int i = 0; i < item.Count(); ++i) {
    TMenuItem& child = *item.Items(i);
    if (on) {
      if (!child.OnMeasureItem) child.OnMeasureItem = PainterMeasure{self_};
      if (!child.OnDrawItem) child.OnDrawItem = PainterDraw{self_};
    } else {
      if (HeldBy<PainterMeasure>(child.OnMeasureItem, self_)) child.OnMeasureItem = nullptr;
      if (HeldBy<PainterDraw>(child.OnDrawItem, self_)) child.OnDrawItem = nullptr;
    }
    InstallOnItems(child, on);
  }
}

bool TsSkinableMenus::OwnsHandlers(const TMenuItem& item) const {
  for (int i = 0; i < item.Count(); ++i) {
    const TMenuItem& child = *item.Items(i);
    if (HeldBy<PainterMeasure>(child.OnMeasureItem, self_) ||
        HeldBy<PainterDraw>(child.OnDrawItem, self_) || OwnsHandlers(child)) {
      return true;
    }
  }
  return false;
}

void TsSkinableMenus::ReleaseMenus() {
  // Only menus that the painter drew give up owner-drawing; others keep theirs.
  WalkApplication([this](TPopupMenu& menu) {
    if (OwnsHandlers(menu.Items())) InstallOnPopup(menu, false);
  });
}

// --- Measures -----------------------------------------------------------------

int TsSkinableMenus::GetSkinBorderWidth() {
  if (skinBorderWidth_ >= 0) return skinBorderWidth_;
  const int mask = owner_.MaskIndexByNames("MAINMENU", "BORDERSMASK");
  if (!owner_.IsValidMaskIndex(mask)) {
    skinBorderWidth_ = 0;
  } else {
    const int width = owner_.Masks()[static_cast<size_t>(mask)].BorderWidth;
    skinBorderWidth_ = width > 0 ? width : 3;
  }
  return skinBorderWidth_;
}

int TsSkinableMenus::ExtraWidth(bool adjusted) {
  const OpenMenuState& menu = OpenMenu();
  if (!owner_.MenuSupport().UseExtraLine || !menu.ExtraLineWanted) return 0;
  const int width = owner_.MenuSupport().ExtraLineWidth;
  if (adjusted && GetSkinBorderWidth() < BorderWidth) {
    return width + GetSkinBorderWidth() - BorderWidth;
  }
  return width;
}

void TsSkinableMenus::DecideExtraLine(const TMenuItem& firstItem) {
  OpenMenuState& menu = OpenMenu();
  if (menu.ExtraLinePrepared) return;
  // The skin list (the menu that starts with it, and its own sub-menu)
  // leaves the whole width to the skins' names.
  const TMenuItem* owningItem = firstItem.Parent();
  if (firstItem.Name == kSkinSelectItemName ||
      (owningItem != nullptr && owningItem->Name == kSkinSelectItemName)) {
    menu.ExtraLineWanted = false;
    menu.ExtraLineGraphic = Bitmap24();
    menu.ExtraLinePrepared = true;
    return;
  }
  menu.ExtraLineSection = kExtraLineSection;
  menu.ExtraLineGraphic = Bitmap24();
  menu.ExtraLineText = "Don`t forget OnGetExtraLineData event...";
  menu.ExtraLineWanted = true;
  if (owner_.OnGetMenuExtraLineData) {
    owner_.OnGetMenuExtraLineData(firstItem, menu.ExtraLineSection, menu.ExtraLineText,
                                  menu.ExtraLineGraphic, menu.ExtraLineWanted);
  }
  menu.ExtraLineText = WithoutAmpersands(std::move(menu.ExtraLineText));
  if (!menu.ExtraLineWanted) menu.ExtraLineGraphic = Bitmap24();
  menu.ExtraLinePrepared = true;
}

SIZE TsSkinableMenus::MeasureItem(TMenuItem& item, HDC dc) {
  OpenMenuState& menu = OpenMenu();
  const TMenuItem* first = FirstItemOf(item);
  if (first != menu.CurrentMenuFirstItem) {
    ResetOpenMenu();
    menu.CurrentMenuFirstItem = first;
  }
  menu.ItemKind = MenuItemKindOf(item.Caption);
  DecideExtraLine(*first);

  TCanvas canvas(dc);
  AssignMenuFont(canvas.Font());
  const MenuItemMetrics metrics{Margin, Spacing, kMenuGlyphSize.cx, kMenuGlyphSize.cy};
  int textWidth = 0;
  if (menu.ItemKind == TacMenuItemKind::mkTitle) {
    textWidth = canvas.TextWidth("-" + item.Caption + "-");
  } else if (menu.ItemKind == TacMenuItemKind::mkNormal) {
    RECT r{0, 0, 0, 0};
    canvas.DrawText(item.Caption + ShortCutToText(item.ShortCut), r,
                    DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_HIDEPREFIX);
    textWidth = r.right - r.left;
  }
  const int extra = menu.ExtraLineWanted && InFirstColumn(item) ? ExtraWidth(false) : 0;
  return {MeasuredItemWidth(menu.ItemKind, textWidth, extra, metrics),
          MeasuredItemHeight(menu.ItemKind, canvas.TextHeight("W"), metrics)};
}

SIZE TsSkinableMenus::MenuWindowSizeOf(const TMenuItem& item) {
  const TMenuItem* menu = item.Parent();
  std::vector<MeasuredItem> measured;
  if (menu != nullptr) {
    WindowDc screen(nullptr);
    for (int i = 0; i < menu->Count(); ++i) {
      TMenuItem& sibling = *menu->Items(i);
      if (!sibling.Visible) continue;
      const SIZE size = MeasureItem(sibling, screen.Get());
      measured.push_back({size.cx, size.cy, sibling.Break != TMenuBreak::mbNone});
    }
  }
  return {MenuWidthOf(measured) + 2 * BorderWidth, MenuHeightOf(measured) + 2 * BorderWidth};
}

}  // namespace au
