// A skinned form for the menu tests: the internal skin active on its manager,
// and the manager's menu painter.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "menus/ts_skinable_menus.h"
#include "skin/elegant_skin.h"
#include "skin/skin_manager.h"
#include "ui/application.h"
#include "ui/form.h"

namespace au::test {

class SkinnedMenuTest : public testing::Test {
 protected:
  SkinnedMenuTest() : form_(Application()->CreateForm<TForm>()) {
    form_->SetClientSize(300, 200);
    manager_ = new TsSkinManager(form_.get());
    manager_->MenuSupport().IcoLineSkin = "ICOLINE";
    manager_->SetInternalSkins({ElegantInternalSkin()});
    manager_->SetSkinName(kElegantSkinName);
    painter_ = SkinableMenusOf(*manager_);
  }
  ~SkinnedMenuTest() override { SetCursorPos(0, 0); }

  std::unique_ptr<TForm> form_;
  TsSkinManager* manager_ = nullptr;
  TsSkinableMenus* painter_ = nullptr;
};

}  // namespace au::test
