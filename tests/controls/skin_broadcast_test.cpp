// Skin broadcasts through real forms and controls under Wine: who is told,
// in which order, and what each control's skin state makes of it.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "controls/ts_memo.h"
#include "controls/ts_panel.h"
#include "controls/ts_scroll_bar.h"
#include "controls/ts_speed_button.h"
#include "controls/ts_status_bar.h"
#include "paint/skin_messages.h"
#include "pixels/shared_paint_state.h"
#include "skin/elegant_skin.h"
#include "skin/skin_globals.h"
#include "skin/skin_manager.h"
#include "tests/controls/painted_form.h"
#include "tests/support/gui_driver.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace au {
namespace {

using test::PumpMessages;

// Records the skin commands that reach a control's window procedure, then
// lets the control handle them as usual.
class CommandLog {
 public:
  explicit CommandLog(TControl& control) : control_(control), next_(control.WindowProc) {
    control.WindowProc = [this](TMessage& m) {
      if (m.Msg == SM_ALPHACMD) commands_.push_back(SkinCommandOf(m));
      next_(m);
    };
  }
  ~CommandLog() { control_.WindowProc = next_; }
  int Count(TSkinCommand code) const {
    return static_cast<int>(std::count(commands_.begin(), commands_.end(), code));
  }

 private:
  TControl& control_;
  TWndMethod next_;
  std::vector<unsigned> commands_;
};

// A form with the internal skin, made active by each test as it needs.
using SkinnedFormTest = test::PaintedFormTest;

TEST_F(SkinnedFormTest, ABroadcastReachesSkinnedGrandchildrenOfAPlainContainerOnly) {
  auto* plain = Add<TPanel>(form_.get(), {0, 0, 300, 200});
  auto* memo = Add<TsMemo>(plain, {10, 10, 200, 80});
  auto* button = Add<TsSpeedButton>(plain, {10, 100, 80, 22});
  CommandLog plainLog(*plain);
  Activate();
  EXPECT_EQ(plainLog.Count(SK_SKINCHANGED), 0);
  EXPECT_EQ(plainLog.Count(SK_REFRESH), 0);
  EXPECT_EQ(memo->SkinData().SkinSectionIndex, manager_->SectionIndex("EDIT"));
  EXPECT_EQ(button->SkinData().SkinSectionIndex, manager_->SectionIndex("SPEEDBUTTON"));
  EXPECT_GE(button->SkinData().BordersMaskIndex, 0);
  EXPECT_FALSE(memo->SkinData().Updating);  // SK_REFRESH followed SK_SKINCHANGED
}

TEST_F(SkinnedFormTest, ASkinnedPanelIsToldOnceAndTellsItsChildrenItself) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* button = Add<TsSpeedButton>(panel, {10, 10, 80, 22});
  auto* memo = Add<TsMemo>(panel, {10, 40, 200, 80});
  CommandLog panelLog(*panel);
  CommandLog buttonLog(*button);
  CommandLog memoLog(*memo);
  Activate();
  EXPECT_EQ(panelLog.Count(SK_SKINCHANGED), 1);
  EXPECT_EQ(buttonLog.Count(SK_SKINCHANGED), 1);
  EXPECT_EQ(memoLog.Count(SK_SKINCHANGED), 1);
  EXPECT_EQ(memoLog.Count(SK_REFRESH), 1);
  EXPECT_EQ(panel->SkinData().SkinSectionIndex, manager_->SectionIndex("PANEL"));
}

TEST_F(SkinnedFormTest, CommandsOfAnotherManagerChangeNothing) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* memo = Add<TsMemo>(panel, {10, 40, 200, 80});
  Activate();
  const int section = memo->SkinData().SkinSectionIndex;
  ASSERT_GE(section, 0);
  TsSkinManager other(nullptr);
  EXPECT_FALSE(other.IsDefault());
  TMessage removed = SkinCommandMessage(SK_SKINREMOVED, 0, reinterpret_cast<LPARAM>(&other));
  BroadcastToForms(removed);
  EXPECT_EQ(memo->SkinData().SkinSectionIndex, section);
  EXPECT_EQ(panel->SkinData().SkinSectionIndex, manager_->SectionIndex("PANEL"));
}

TEST_F(SkinnedFormTest, RemovingTheSkinEmptiesIndexesAndCaches) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* memo = Add<TsMemo>(panel, {10, 40, 200, 80});
  Activate();
  memo->SkinData().PrepareCacheBitmap();
  EXPECT_EQ(memo->SkinData().CacheBitmap->Width(), 200);
  manager_->SetActive(false);
  EXPECT_EQ(memo->SkinData().SkinSectionIndex, -1);
  EXPECT_EQ(memo->SkinData().BordersMaskIndex, -1);
  EXPECT_TRUE(memo->SkinData().Updating);
  EXPECT_TRUE(memo->SkinData().CacheBitmap->Empty());
  EXPECT_EQ(memo->Color(), clWindow);
  EXPECT_EQ(manager_->SectionIndex("EDIT"), -1);
  EXPECT_EQ(manager_->SkinInfo(), "N/A");
}

TEST_F(SkinnedFormTest, TheBackgroundColourMixesTheParentByTransparencyIn256ths) {
  Activate({"[HALF]", "COLOR=16777215", "TRANSPARENCY=50", "[REDHALF]", "COLOR=200",
            "TRANSPARENCY=50", "[SOLID]", "COLOR=255"});
  form_->SetColor(clBlack);
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  panel->SkinData().SetSkinSection("HALF");
  EXPECT_EQ(GetBgColorOf(panel), 0xCDCDCD);  // 255 * 206 >> 8 = 205 in every channel
  form_->SetColor(MakeColor(100, 0, 0));
  panel->SkinData().SetSkinSection("REDHALF");
  EXPECT_EQ(RedOf(GetBgColorOf(panel)), 180);
  panel->SkinData().SetSkinSection("SOLID");
  EXPECT_EQ(GetBgColorOf(panel), 255);
}

TEST_F(SkinnedFormTest, AControlThatDoesNotAnswerGivesItsOwnColour) {
  auto* plain = Add<TPanel>(form_.get(), {0, 0, 300, 200});
  plain->SetColor(MakeColor(1, 2, 3));
  EXPECT_EQ(GetBgColorOf(plain), MakeColor(1, 2, 3));
  plain->SetColor(clBtnFace);
  EXPECT_EQ(GetBgColorOf(plain), ResolveColor(clBtnFace));
}

TEST_F(SkinnedFormTest, APositionChangeOnAnOpaqueControlRepaintsItButTellsNoChild) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* memo = Add<TsMemo>(panel, {10, 40, 200, 80});
  Activate({"[OPAQUE]", "COLOR=255"});
  panel->SkinData().SetSkinSection("OPAQUE");
  form_->Show();
  PumpMessages();
  ValidateRect(panel->Handle(), nullptr);
  CommandLog memoLog(*memo);
  panel->Perform(SM_ALPHACMD, SkinCommandParam(SK_POSITIONCHANGED, 1), 0);
  RECT dirty{};
  EXPECT_TRUE(GetUpdateRect(panel->Handle(), &dirty, FALSE));
  EXPECT_EQ(memoLog.Count(SK_POSITIONCHANGED), 0);
}

TEST_F(SkinnedFormTest, ASectionOrManagerChangeTellsTheControlItself) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* memo = Add<TsMemo>(panel, {10, 40, 200, 80});
  Activate();
  CommandLog memoLog(*memo);
  memo->SkinData().SetSkinSection("panel");
  EXPECT_EQ(memo->SkinData().SkinSection(), "PANEL");
  EXPECT_EQ(memoLog.Count(SK_REFRESH), 1);
  memo->SkinData().SetSkinSection("PANEL");  // the same again: nothing is sent
  EXPECT_EQ(memoLog.Count(SK_REFRESH), 1);
  memo->SkinData().SetSkinSection("NO SUCH SECTION");
  EXPECT_EQ(memoLog.Count(SK_SKINREMOVED), 1);
  memo->SkinData().SetSkinSection("");
  EXPECT_EQ(memo->SkinData().SkinSection(), "UNKNOWN");

  // Naming the default manager leaves the property unset.
  memo->SkinData().SetSkinManager(manager_);
  EXPECT_EQ(memo->SkinData().SkinManager(), nullptr);
  EXPECT_EQ(memo->SkinData().EffectiveManager(), manager_);
}

TEST_F(SkinnedFormTest, OnlyControlsOutsideTheContainerKindsBecomeHotUnderTheMouse) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* button = Add<TsSpeedButton>(panel, {10, 10, 80, 22});
  Activate();
  form_->Show();
  PumpMessages();
  test::MoveMouseTo(*panel, 200, 150);
  EXPECT_FALSE(panel->SkinData().MouseInside);
  EXPECT_FALSE(panel->SkinData().IsHotState());
  test::MoveMouseTo(*button, 5, 5);
  EXPECT_TRUE(button->SkinData().MouseInside);
  EXPECT_TRUE(button->SkinData().IsHotState());
  test::MoveMouseTo(*panel, 200, 150);
  EXPECT_FALSE(button->SkinData().IsHotState());
  button->SetEnabled(false);
  test::MoveMouseTo(*button, 5, 5);
  EXPECT_FALSE(button->SkinData().IsHotState());
}

TEST_F(SkinnedFormTest, AContainerTellsOnlyItsWindowedChildrenThatItHasPainted) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* button = Add<TsSpeedButton>(panel, {10, 10, 80, 22});
  auto* memo = Add<TsMemo>(panel, {10, 40, 200, 80});
  CommandLog buttonLog(*button);
  CommandLog memoLog(*memo);
  NotifyParentPainted(panel);
  EXPECT_EQ(memoLog.Count(SK_PARENTPAINTED), 1);
  EXPECT_EQ(buttonLog.Count(SK_PARENTPAINTED), 0);
}

TEST_F(SkinnedFormTest, UrgentPaintIsClearedThroughTheWholeTree) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* button = Add<TsSpeedButton>(panel, {10, 10, 80, 22});
  auto* memo = Add<TsMemo>(panel, {10, 40, 200, 80});
  Activate();
  for (TsCommonData* data : {&panel->SkinData(), &button->SkinData(), &memo->SkinData()}) {
    data->UrgentPaint = true;
  }
  ClearUrgentPaint(form_.get());
  EXPECT_FALSE(panel->SkinData().UrgentPaint);
  EXPECT_FALSE(button->SkinData().UrgentPaint);
  EXPECT_FALSE(memo->SkinData().UrgentPaint);
}

TEST_F(SkinnedFormTest, AReceiverThatFailsEndsTheWalkWithoutReachingTheProgram) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* first = Add<TsMemo>(panel, {10, 10, 200, 50});
  auto* second = Add<TsMemo>(panel, {10, 70, 200, 50});
  Activate();
  const TWndMethod original = first->WindowProc;
  first->WindowProc = [&](TMessage& m) {
    if (m.Msg == SM_ALPHACMD && SkinCommandOf(m) == SK_SETBGCHANGED) throw std::runtime_error("x");
    original(m);
  };
  second->SkinData().BackgroundChanged = false;
  TMessage m = SkinCommandMessage(SK_SETBGCHANGED);
  EXPECT_NO_THROW(BroadcastToChildren(panel, m));
  EXPECT_FALSE(second->SkinData().BackgroundChanged);  // the walk ended at the first memo
  first->WindowProc = original;
}

TEST_F(SkinnedFormTest, QueriesAndSendsReachOnlyThoseThatCanTakeThem) {
  auto* plain = Add<TPanel>(form_.get(), {0, 0, 300, 200});
  auto* memo = Add<TsMemo>(plain, {10, 10, 200, 50});
  EXPECT_FALSE(QuerySkinCommand(plain, SK_ISSKINNED));
  EXPECT_TRUE(QuerySkinCommand(memo, SK_ISSKINNED));
  // A windowed control without a window yet is not sent anything.
  TsMemo detached(nullptr);
  CommandLog log(detached);
  SkinCommandToControl(&detached, SK_SETBGCHANGED);
  EXPECT_EQ(log.Count(SK_SETBGCHANGED), 0);
  SkinCommandToControl(memo, SK_SETBGCHANGED);
}

TEST_F(SkinnedFormTest, EachSkinnedControlMadeInCodeTakesTheSectionOfItsOwnClass) {
  Activate();
  auto* bar = Add<TsScrollBar>(form_.get(), {0, 0, 100, 17});
  auto* memo = Add<TsMemo>(form_.get(), {0, 20, 100, 50});
  auto* panel = Add<TsPanel>(form_.get(), {0, 80, 100, 50});
  auto* status = Add<TsStatusBar>(form_.get(), {0, 140, 100, 20});
  auto* button = Add<TsSpeedButton>(panel, {0, 0, 80, 22});
  const struct {
    TControl* Control;
    TsCommonData& Data;
    const char* ClassName;
    const char* Section;
  } rows[] = {
      // No default section for its kind: the class's own name.
      {bar, bar->SkinData(), "TsScrollBar", "TSSCROLLBAR"},
      {memo, memo->SkinData(), "TsMemo", "EDIT"},
      {panel, panel->SkinData(), "TsPanel", "PANEL"},
      {status, status->SkinData(), "TsStatusBar", "STATUSBAR"},
      {button, button->SkinData(), "TsSpeedButton", "SPEEDBUTTON"},
  };
  for (const auto& row : rows) {
    EXPECT_STREQ(row.Control->ClassName(), row.ClassName);
    EXPECT_EQ(row.Data.SkinSection(), row.Section) << row.ClassName;
  }
}

TEST(DefaultSections, FollowTheControlKind) {
  EXPECT_STREQ(DefaultSectionOfCode(7), "EDIT");
  EXPECT_STREQ(DefaultSectionOfCode(51), "PANEL");
  EXPECT_STREQ(DefaultSectionOfCode(92), "SPEEDBUTTON");
  EXPECT_STREQ(DefaultSectionOfCode(151), "STATUSBAR");
  EXPECT_STREQ(DefaultSectionOfCode(165), "TRACKBAR");
  EXPECT_STREQ(DefaultSectionOfCode(142), "");
  // Without a default, the class name of the owner is used, upper-cased.
  struct TsScrollBarLike : TComponent {
    using TComponent::TComponent;
    const char* ClassName() const override { return "TsScrollBar"; }
  } owner(nullptr);
  TsCommonData data(&owner, true);
  data.ControlClassCode = 142;
  data.AssignDefaultSection();
  EXPECT_EQ(data.SkinSection(), "TSSCROLLBAR");
  EXPECT_TRUE(IsNoHotStateCode(51));
  EXPECT_TRUE(IsNoHotStateCode(161));
  EXPECT_FALSE(IsNoHotStateCode(92));
  EXPECT_FALSE(IsNoHotStateCode(300));
}

}  // namespace
}  // namespace au
