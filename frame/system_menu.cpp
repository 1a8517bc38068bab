#include "frame/system_menu.h"

#include <vector>

#include "frame/frame_rules.h"
#include "frame/skin_provider.h"
#include "menus/ts_skinable_menus.h"
#include "skin/skin_manager.h"
#include "ui/application.h"
#include "ui/wide_text.h"

namespace au {
namespace {

constexpr TShortCut kAltF4 = scAlt | VK_F4;

std::unique_ptr<TMenuItem> Line() {
  return std::make_unique<TMenuItem>("", "-");
}

}  // namespace

std::string MenuCaptionOf(const std::string& text) {
  std::string caption;
  caption.reserve(text.size());
  for (const char c : text) {
    if (c == '&') caption += '&';
    caption += c;
  }
  return caption;
}

std::string SkinCaptionOf(const std::string& skinName) {
  return AnsiToUtf8(MenuCaptionOf(skinName));
}

std::string StripHotkeys(const std::string& caption) {
  std::string text;
  text.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      text += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      text += '&';
      ++i;
    }
  }
  return text;
}

void ChooseSkin(TsSkinManager& manager, const std::string& name) {
  try {
    manager.SetSkinName(name);
  } catch (const SkinLoadError& error) {
    if (Application() == nullptr) return;
    Application()->MessageBox(AnsiToUtf8("The skin \"" + name + "\" could not be loaded.\r\n\r\n" +
                                         error.what() + "\r\n\r\nThe skin \"" + manager.SkinName() +
                                         "\" stays."));
  }
}

TsSystemMenu::TsSystemMenu(TsSkinProvider& provider) : TPopupMenu(&provider), provider_(provider) {
  const auto add = [this](const char* name, const char* caption, WPARAM command) {
    TMenuItem* item = Items().Add(std::make_unique<TMenuItem>(name, caption));
    item->OnClick = [this, command](TMenuItem&) { SendCommand(command); };
    return item;
  };
  ItemRestore = add("ItemRestore", "Restore", SC_RESTORE);
  ItemMove = add("ItemMove", "Move", SC_MOVE);
  ItemSize = add("ItemSize", "Size", SC_SIZE);
  ItemMinimize = add("ItemMinimize", "Minimize", SC_MINIMIZE);
  ItemMaximize = add("ItemMaximize", "Maximize", SC_MAXIMIZE);
  Items().Add(Line());
  ItemClose = add("ItemClose", "Close", SC_CLOSE);
  ItemClose->ShortCut = kAltF4;
  UpdateItems();
}

void TsSystemMenu::SendCommand(WPARAM command) {
  TForm* form = provider_.Form();
  if (form == nullptr || !form->HandleAllocated()) return;
  SendMessageW(form->Handle(), WM_SYSCOMMAND, command, 0);
  // Closing may end the window; only the commands that keep it update.
  if (command != SC_CLOSE) UpdateItems();
}

void TsSystemMenu::UpdateItems() {
  const FrameState s = provider_.CurrentFrameState();
  ItemRestore->Visible = RestoreVisible(s);
  ItemRestore->Enabled = RestoreEnabled(s);
  ItemMove->Enabled = MoveEnabled(s);
  ItemSize->Visible = SizeVisible(s);
  ItemSize->Enabled = SizeEnabled(s);
  ItemMinimize->Visible = MinimizeVisible(s);
  ItemMinimize->Enabled = MinimizeEnabled(s);
  ItemMaximize->Visible = MaximizeVisible(s);
  ItemMaximize->Enabled = MaximizeEnabled(s);
  ItemClose->Visible = CloseShown(s);
}

void TsSystemMenu::UpdateSkinItems() {
  // The list and the line under it are made anew each time.
  if (Items().Count() > 0 && Items().Items(0)->Name == kSkinSelectItemName) {
    Items().Delete(0);
    if (Items().Count() > 0 && Items().Items(0)->IsLine()) Items().Delete(0);
  }
  TsSkinManager* manager = provider_.SkinData().EffectiveManager();
  if (!provider_.MakeSkinMenu() || manager == nullptr) return;
  std::vector<std::string> names;
  manager->ListSkinNames(names);
  if (names.empty()) return;
  auto list = std::make_unique<TMenuItem>(kSkinSelectItemName, kAvailableSkinsCaption);
  for (size_t i = 0; i < names.size(); ++i) {
    auto skin = std::make_unique<TMenuItem>(kSkinSelectItemName + std::to_string(i),
                                            SkinCaptionOf(names[i]));
    skin->RadioItem = true;
    skin->Checked = names[i] == manager->SkinName();
    if (i > 0 && i % kSkinsPerColumn == 0) skin->Break = TMenuBreak::mbBreak;
    skin->OnClick = [manager](TMenuItem& item) {
      ChooseSkin(*manager, Utf8ToAnsi(StripHotkeys(item.Caption)));
    };
    list->Add(std::move(skin));
  }
  Items().Insert(0, std::move(list));
  Items().Insert(1, Line());
}

void TsSystemMenu::Popup(int x, int y) {
  UpdateSkinItems();
  // The skin list is new at every showing, so the painter takes the menu anew.
  if (TsSkinManager* manager = provider_.SkinData().EffectiveManager()) {
    if (TsSkinableMenus* menus = SkinableMenusOf(*manager)) menus->InstallOnPopup(*this, true);
  }
  TPopupMenu::Popup(x, y);
}

}  // namespace au
