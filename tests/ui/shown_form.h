// A form on screen for one test, with helpers to place controls on it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/gui_driver.h"
#include "ui/application.h"
#include "ui/form.h"

namespace au::test {

class ShownFormTest : public testing::Test {
 protected:
  ShownFormTest() : form_(Application()->CreateForm<TForm>()) {
    form_->SetBorderStyle(TFormBorderStyle::bsDialog);
    form_->SetClientSize(400, 300);
  }
  ~ShownFormTest() override {
    // Nothing of this test may reach the next one through the pointer.
    SetCursorPos(0, 0);
  }

  void ShowForm() {
    form_->Show();
    PumpMessages(50);
  }

  template <typename Control>
  Control* Add(TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new Control(form_.get());
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }

  std::unique_ptr<TForm> form_;
};

// Waits, dispatching messages, until `done` holds or `ms` milliseconds pass;
// tells whether it holds.
template <typename Condition>
bool PumpUntil(Condition done, int ms = 3000) {
  for (int waited = 0; waited < ms && !done(); waited += 10) PumpMessages(10);
  return done();
}

}  // namespace au::test
