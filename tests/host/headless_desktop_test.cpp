#include "vcl/HeadlessDesktop.h"

#include <memory>

#include "forms_fixture.h"
#include "vcl/Dialogs.h"
#include "vcl/StdCtrls.h"
#include "win32/Window.h"

namespace {

using namespace vcl;

class HeadlessDesktopTest : public forms_test::FormsFixture {
 protected:
  // What a translating hook does on activation: new captions for the
  // dialog's buttons, a title, and a font.
  void TranslateOnActivation() {
    onActivate = [this](HWND h) {
      TForm* form = FindForm(h);
      if (form == nullptr) return;
      ++translations;
      form->SetCaption("Frage");
      for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* b = dynamic_cast<TButton*>(form->Components(i));
        if (b == nullptr) continue;
        if (b->Caption() == "&Yes") b->SetCaption("&Ja");
        if (b->Caption() == "&No") b->SetCaption("&Nein");
        b->Font()->SetName("Arial");
        b->Font()->SetSize(10);
        b->Font()->SetStyle(TFontStyles{TFontStyle::fsBold});
        b->Font()->SetCharset(238);
        b->Font()->SetColor(clRed);
      }
    };
  }
  int translations = 0;
};

TEST_F(HeadlessDesktopTest, RecordsWhatTheActivationShowedAfterTheHooks) {
  TranslateOnActivation();
  desktop.Press("&Ja");
  EXPECT_EQ(MessageDlg("Weiter?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0), mrYes);

  ASSERT_EQ(desktop.Activations().size(), 1u);
  const TFormView& shown = desktop.Activations()[0];
  EXPECT_EQ(shown.Caption, "Frage");
  ASSERT_EQ(shown.Buttons.size(), 2u);
  EXPECT_EQ(shown.Buttons[0].Name, "Yes");
  EXPECT_EQ(shown.Buttons[0].Caption, "&Ja");
  EXPECT_TRUE(shown.Buttons[0].Default);
  EXPECT_EQ(shown.Buttons[1].Caption, "&Nein");
  EXPECT_TRUE(shown.Buttons[1].Cancel);
  TFontView expected{"Arial", 10, -13, TFontStyles{TFontStyle::fsBold}, 238, clRed};
  EXPECT_EQ(shown.Buttons[0].Font, expected);
  EXPECT_EQ(shown.Buttons[1].Font, expected);
}

TEST_F(HeadlessDesktopTest, RecordsTheUntouchedFontOfAFreshDialog) {
  desktop.PressEnter();
  MessageDlg("?", mtInformation, TMsgDlgButtons{mbOK}, 0);
  ASSERT_EQ(desktop.Activations().size(), 1u);
  TFontView standard{"MS Sans Serif", 8, -11, TFontStyles{}, DEFAULT_CHARSET, clWindowText};
  EXPECT_EQ(desktop.Activations()[0].Buttons.at(0).Font, standard);
}

TEST_F(HeadlessDesktopTest, SwitchingAwayAndBackActivatesTheDialogAgain) {
  TranslateOnActivation();
  HWND dialog = nullptr;
  desktop.Then([&](TForm& modal) { dialog = modal.Handle(); })
      .SwitchAway()
      .Then([](TForm& modal) { EXPECT_FALSE(modal.Active()); })
      .SwitchBack()
      .Press("&Nein");
  EXPECT_EQ(MessageDlg("?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0), mrNo);
  EXPECT_EQ(Count(HCBT_ACTIVATE, dialog), 2);
  EXPECT_EQ(translations, 2);
  ASSERT_EQ(desktop.Activations().size(), 2u);
  for (const TFormView& shown : desktop.Activations()) {
    EXPECT_EQ(shown.Handle, dialog);
    EXPECT_EQ(shown.Buttons.at(0).Caption, "&Ja");
  }
}

TEST_F(HeadlessDesktopTest, SwitchBackWithoutSwitchingAwayFails) {
  desktop.SwitchBack();
  try {
    MessageDlg("?", mtConfirmation, TMsgDlgButtons{mbOK}, 0);
    FAIL() << "switched back to nothing";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "The desktop cannot switch back: no window was left by switching away");
  }
}

TEST_F(HeadlessDesktopTest, ResizingRunsTheMoveSizeHookAndResizesTheForm) {
  HWND dialog = nullptr;
  Integer width = 0;
  desktop.Resize(400, 200).Then([&](TForm& modal) {
    dialog = modal.Handle();
    width = modal.Width();
  });
  desktop.Close();
  MessageDlg("?", mtWarning, TMsgDlgButtons{mbOK}, 0);
  EXPECT_EQ(Count(HCBT_MOVESIZE, dialog), 1);
  EXPECT_EQ(width, 400);
}

TEST_F(HeadlessDesktopTest, NestedModalFormTakesTheFollowingSteps) {
  Integer inner = mrNone;
  desktop.Then([&](TForm&) { inner = MessageDlg("Sure?", mtConfirmation, mbYesNoCancel, 0); })
      .Press("&No")
      .Press("OK");
  EXPECT_EQ(MessageDlg("Done.", mtInformation, TMsgDlgButtons{mbOK}, 0), mrOk);
  EXPECT_EQ(inner, mrNo);
  // The outer dialog, the inner one, the outer one again.
  ASSERT_EQ(desktop.Activations().size(), 3u);
  EXPECT_EQ(desktop.Activations()[0].Caption, "Information");
  EXPECT_EQ(desktop.Activations()[1].Caption, "Confirm");
  EXPECT_EQ(desktop.Activations()[2].Caption, "Information");
}

TEST_F(HeadlessDesktopTest, WindowsThatAreNotFormsAreNotRecorded) {
  HWND raw = CreateWindowExA(0, "Raw", "Raw", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(raw);
  DestroyWindow(raw);
  EXPECT_TRUE(desktop.Activations().empty());
}

}  // namespace
