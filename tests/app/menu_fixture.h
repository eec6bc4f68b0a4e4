#pragma once

#include <string>

#include "base/cp1251.h"
#include "tests/support/fake_file_dialog.h"
#include "tests/support/scratch_dir.h"
#include "tests/app/window_fixture.h"

// A shown main window with the real containers and a fake file dialog, driven tick by tick
// with presses on the overlay and typed characters.
class TMenuTest : public TWindowTest {
protected:
  void SetUp() override {
    Form = MakeForm();
    Form->FormShow();
    ASSERT_EQ(Form->LoadError, 0);
    auto dialogs = std::make_unique<TFakeFileDialog>();
    Dialogs = dialogs.get();
    Form->FileDialogs = std::move(dialogs);
    Form->CaptureFrames = true;
  }

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) Form->Tick();
  }

  // A press in the middle of the open screen's button, then the ticks of its pressed look.
  void Click(const std::string& name) {
    TSefraDXButton* button = Form->MenuButtons->FindButton(name);
    ASSERT_NE(button, nullptr) << name;
    const TSize size = button->GetImageSize();
    Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, button->Left() + size.Width / 2, button->Top() + size.Height / 2);
    ASSERT_EQ(button->State(), TWidgetState::wsPressed) << name;
    Ticks(TSefraDXButton::PressedLookTicks);
  }

  TWidgetState StateOf(const std::string& name) {
    TSefraDXButton* button = Form->MenuButtons->FindButton(name);
    return button ? button->State() : TWidgetState::wsNormal;
  }

  void Type(const std::string& utf8) {
    for (char c : Cp1251(utf8)) Form->FormKeyPress(static_cast<std::uint8_t>(c));
  }

  std::unique_ptr<TfmMain> Form;
  TFakeFileDialog* Dialogs = nullptr;
};
