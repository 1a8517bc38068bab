// The skin command message: one private window message through which the
// skin manager, the form frame and every skinned control talk. Queries are
// answered in the message record itself (lParam := 1, only for a direct call
// of the receiver's window procedure), in the result, or in the process-wide
// CacheInfo and SharedBackgroundColor, read right after the synchronous send.
#pragma once

#include <windows.h>

#include "pixels/color.h"
#include "skin/skin_commands.h"
#include "ui/control.h"
#include "ui/win_control.h"

namespace au {

class TsSkinManager;

inline constexpr UINT SM_ALPHACMD = 0xA100;

inline TMessage SkinCommandMessage(TSkinCommand code, unsigned parameter = 0, LPARAM lParam = 0) {
  return TMessage{SM_ALPHACMD, static_cast<WPARAM>(SkinCommandParam(code, parameter)), lParam, 0};
}
inline unsigned SkinCommandOf(const TMessage& m) {
  return SkinCommandOf(m.WParam);
}
inline unsigned SkinParameterOf(const TMessage& m) {
  return SkinCommandParameterOf(m.WParam);
}
inline TsSkinManager* SkinManagerOf(const TMessage& m) {
  return reinterpret_cast<TsSkinManager*>(m.LParam);
}

// The command to a raw window, through the window manager; the result is dropped.
void SkinCommandToWindow(HWND wnd, TSkinCommand code);
// The command to a control: sent to a windowed control's window when it has
// one and is not being destroyed, handed to a graphic control's procedure.
void SkinCommandToControl(TControl* control, TSkinCommand code);
// Asks a control directly; true when it answered 1 in the record.
bool QuerySkinCommand(TControl* control, TSkinCommand code);

// Delivers one message record to the descendants of a container: graphic
// children directly, skinned windowed children (which pass it on themselves)
// through their procedure, and into plain containers without telling them.
// A failure anywhere ends the walk silently.
void BroadcastToChildren(TWinControl* container, TMessage& message);
// Every form of the application, each through the window manager, then all
// its descendants.
void BroadcastToForms(TMessage& message);

// SK_PARENTPAINTED to every windowed child, directly.
void NotifyParentPainted(TWinControl* container);
// SK_SETURGENTPAINT with 0 to the control and, for a windowed one, all its
// descendants.
void ClearUrgentPaint(TControl* control);
// The colour a control's children see behind them (its own colour when it
// does not answer), system colours resolved.
TColor GetBgColorOf(TControl* control);
// The frame component of the form that owns `component`, or null.
TComponent* FindFormProvider(TComponent* component);

}  // namespace au
