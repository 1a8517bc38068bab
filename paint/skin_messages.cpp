#include "paint/skin_messages.h"

#include "pixels/shared_paint_state.h"
#include "ui/application.h"
#include "ui/form.h"

namespace au {

void SkinCommandToWindow(HWND wnd, TSkinCommand code) {
  SendMessageW(wnd, SM_ALPHACMD, SkinCommandParam(code), 0);
}

void SkinCommandToControl(TControl* control, TSkinCommand code) {
  if (control == nullptr) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (!windowed->IsDestroying() && windowed->HandleAllocated()) {
      SkinCommandToWindow(windowed->Handle(), code);
    }
    return;
  }
  control->Perform(SM_ALPHACMD, SkinCommandParam(code), 0);
}

bool QuerySkinCommand(TControl* control, TSkinCommand code) {
  if (control == nullptr) return false;
  TMessage m = SkinCommandMessage(code);
  control->WindowProc(m);
  return m.LParam == 1;
}

namespace {

void WalkChildren(TWinControl* container, TMessage& m) {
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    if (child->IsDestroying()) continue;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (windowed == nullptr) {
      child->Perform(m.Msg, m.WParam, m.LParam);
    } else if (QuerySkinCommand(windowed, SK_ISSKINNED)) {
      windowed->WindowProc(m);
    } else {
      WalkChildren(windowed, m);
    }
  }
}

}  // namespace

void BroadcastToChildren(TWinControl* container, TMessage& m) {
  if (container == nullptr) return;
  try {
    WalkChildren(container, m);
  } catch (...) {
    // A receiver that fails ends the walk; the program goes on.
  }
}

void BroadcastToForms(TMessage& m) {
  TApplication* app = Application();
  if (app == nullptr) return;
  // From the last form to the first; forms may go away meanwhile. This
  // framework has no multiple-document forms, so there is no second walk
  // for their children.
  for (int i = app->ComponentCount() - 1; i >= 0; --i) {
    if (i >= app->ComponentCount()) break;
    auto* form = dynamic_cast<TForm*>(app->Components(i));
    if (form == nullptr || form->IsDestroying()) continue;
    SendMessageW(form->Handle(), m.Msg, m.WParam, m.LParam);
    BroadcastToChildren(form, m);
  }
}

void NotifyParentPainted(TWinControl* container) {
  if (container == nullptr) return;
  try {
    for (int i = 0; i < container->ControlCount(); ++i) {
      auto* child = dynamic_cast<TWinControl*>(container->Controls(i));
      if (child == nullptr || child->IsDestroying()) continue;
      child->Perform(SM_ALPHACMD, SkinCommandParam(SK_PARENTPAINTED), 0);
    }
  } catch (...) {
    // As for broadcasts: a failing child ends the round silently.
  }
}

void ClearUrgentPaint(TControl* control) {
  if (control == nullptr) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed == nullptr) {
    control->Perform(SM_ALPHACMD, SkinCommandParam(SK_SETURGENTPAINT, 0), 0);
    return;
  }
  if (windowed->HandleAllocated()) {
    SendMessageW(windowed->Handle(), SM_ALPHACMD, SkinCommandParam(SK_SETURGENTPAINT, 0), 0);
  }
  for (int i = 0; i < windowed->ControlCount(); ++i) ClearUrgentPaint(windowed->Controls(i));
}

TColor GetBgColorOf(TControl* control) {
  if (control == nullptr) return clMagenta;
  SharedBackgroundColor = clMagenta;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (windowed->HandleAllocated()) {
      SendMessageW(windowed->Handle(), SM_ALPHACMD, SkinCommandParam(SK_GETBGCOLOR), 0);
    }
  } else {
    control->Perform(SM_ALPHACMD, SkinCommandParam(SK_GETBGCOLOR), 0);
  }
  const TColor colour =
      SharedBackgroundColor == clMagenta ? control->Color() : SharedBackgroundColor;
  return ResolveColor(colour);
}

TComponent* FindFormProvider(TComponent* component) {
  for (TComponent* c = component; c != nullptr; c = c->Owner()) {
    if (auto* form = dynamic_cast<TForm*>(c)) {
      return reinterpret_cast<TComponent*>(
          SendMessageW(form->Handle(), SM_ALPHACMD, SkinCommandParam(SK_GETPROVIDER), 0));
    }
  }
  return nullptr;
}

}  // namespace au
