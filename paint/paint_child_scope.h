// Tells a control's parent, for the lifetime of the scope, to paint only that
// control on its next paints (SK_SETPAINTCHILD), so that repainting one child
// does not repaint its siblings; the parent goes back to painting everything
// when the scope ends, also when it is left by an error.
#pragma once

#include "paint/skin_messages.h"

namespace au {

class PaintChildScope {
 public:
  explicit PaintChildScope(TControl& child) : parent_(child.Parent()) {
    if (parent_ != nullptr) Tell(reinterpret_cast<LPARAM>(&child));
  }
  ~PaintChildScope() {
    if (parent_ != nullptr) Tell(0);
  }
  PaintChildScope(const PaintChildScope&) = delete;
  PaintChildScope& operator=(const PaintChildScope&) = delete;

 private:
  void Tell(LPARAM child) {
    parent_->Perform(SM_ALPHACMD, SkinCommandParam(SK_SETPAINTCHILD), child);
  }

  TWinControl* parent_;
};

}  // namespace au
