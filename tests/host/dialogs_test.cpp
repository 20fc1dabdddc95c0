#include "vcl/Dialogs.h"

#include <memory>

#include "forms_fixture.h"
#include "vcl/StdCtrls.h"
#include "win32/Window.h"

namespace {

using namespace vcl;

class DialogsTest : public forms_test::FormsFixture {};

TEST_F(DialogsTest, EachButtonKindAnswersWithItsResult) {
  struct Case {
    TMsgDlgBtn kind;
    const char* caption;
    Integer result;
  };
  const Case cases[] = {
      {mbYes, "&Yes", mrYes},       {mbNo, "&No", mrNo},           {mbOK, "OK", mrOk},
      {mbCancel, "Cancel", mrCancel}, {mbAbort, "&Abort", mrAbort}, {mbRetry, "&Retry", mrRetry},
      {mbIgnore, "&Ignore", mrIgnore}, {mbAll, "&All", mrAll},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    desktop.Press(c.caption);
    EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, TMsgDlgButtons{c.kind}, 0), c.result);
  }
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(DialogsTest, HelpLeavesTheDialogOpen) {
  desktop.Press("&Help").Then([](TForm& modal) { EXPECT_TRUE(modal.Modal()); }).Press("OK");
  EXPECT_EQ(MessageDlg("Saved.", mtInformation, TMsgDlgButtons{mbOK, mbHelp}, 0), mrOk);
}

TEST_F(DialogsTest, DialogHoldsItsButtonsInOrderOwnedAndShownByTheForm) {
  TMsgDlgButtons all{mbHelp, mbAll, mbIgnore, mbRetry, mbAbort, mbCancel, mbOK, mbNo, mbYes};
  std::unique_ptr<TForm> dialog(CreateMessageDialog("Text", mtWarning, all));
  EXPECT_EQ(dialog->Owner(), Application);
  EXPECT_EQ(dialog->Caption(), "Warning");
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(dialog->BorderStyle(), bsDialog);
  EXPECT_EQ(dialog->Width(), dialog->ClientWidth() + 6);

  const char* names[] = {"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "Help"};
  const char* captions[] = {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All", "&Help"};
  ASSERT_EQ(dialog->ComponentCount(), 10);
  auto* text = dynamic_cast<TLabel*>(dialog->Components(0));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Name(), "Message");
  EXPECT_EQ(text->Caption(), "Text");
  Integer previousRight = 0;
  for (int i = 0; i < 9; ++i) {
    auto* b = dynamic_cast<TButton*>(dialog->Components(i + 1));
    ASSERT_NE(b, nullptr) << i;
    EXPECT_EQ(b->Name(), names[i]);
    EXPECT_EQ(b->Caption(), captions[i]);
    EXPECT_EQ(GetParentForm(b), dialog.get());
    EXPECT_GT(b->Left(), previousRight);
    EXPECT_LE(b->Left() + b->Width(), dialog->ClientWidth());
    previousRight = b->Left() + b->Width();
  }
}

TEST_F(DialogsTest, CaptionsComeFromTheCurrentResourceStrings) {
  SetResString(&SMsgDlgYes, "&Ja");
  SetResString(&SMsgDlgNo, "&Nein");
  SetResString(&SMsgDlgConfirm, "Bestätigen");
  desktop.Press("&Nein");
  EXPECT_EQ(MessageDlg("Weiter?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0), mrNo);
  ASSERT_EQ(desktop.Activations().size(), 1u);
  const TFormView& shown = desktop.Activations()[0];
  EXPECT_EQ(shown.Caption, "Bestätigen");
  ASSERT_EQ(shown.Buttons.size(), 2u);
  EXPECT_EQ(shown.Buttons[0].Caption, "&Ja");
  EXPECT_EQ(shown.Buttons[1].Caption, "&Nein");
  EXPECT_EQ(shown.Labels, std::vector<AnsiString>{"Weiter?"});
}

TEST_F(DialogsTest, TitleFollowsTheDialogType) {
  Application->SetTitle("Ledger");
  struct Case {
    TMsgDlgType type;
    const char* title;
  };
  for (const Case& c : {Case{mtWarning, "Warning"}, Case{mtError, "Error"},
                        Case{mtInformation, "Information"}, Case{mtConfirmation, "Confirm"},
                        Case{mtCustom, "Ledger"}}) {
    std::unique_ptr<TForm> dialog(CreateMessageDialog("x", c.type, TMsgDlgButtons{mbOK}));
    EXPECT_EQ(dialog->Caption(), c.title);
  }
}

TEST_F(DialogsTest, CustomDialogWithoutTitleShowsTheProgramName) {
  std::unique_ptr<TForm> dialog(CreateMessageDialog("x", mtCustom, TMsgDlgButtons{mbOK}));
  EXPECT_EQ(dialog->Caption(), "host_forms_test");
}

TEST_F(DialogsTest, EnterAndEscapeAnswerWithTheDefaultAndCancelButtons) {
  struct Case {
    const char* what;
    TMsgDlgButtons buttons;
    Integer enter;
    Integer escape;
  };
  const Case cases[] = {
      {"yes no cancel", mbYesNoCancel, mrYes, mrCancel},
      {"ok cancel", mbOKCancel, mrOk, mrCancel},
      {"yes no", TMsgDlgButtons{mbYes, mbNo}, mrYes, mrNo},
      {"ok", TMsgDlgButtons{mbOK}, mrOk, mrOk},
      {"abort retry ignore", mbAbortRetryIgnore, mrRetry, mrNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    desktop.PressEnter();
    EXPECT_EQ(MessageDlg("?", mtConfirmation, c.buttons, 0), c.enter);
    // Escape does nothing without a Cancel button; the close box ends then.
    desktop.PressEscape();
    if (c.escape == mrNone) desktop.Close();
    EXPECT_EQ(MessageDlg("?", mtConfirmation, c.buttons, 0), c.escape == mrNone ? mrCancel : c.escape);
    EXPECT_EQ(desktop.PendingSteps(), 0u);
  }
}

TEST_F(DialogsTest, HelpContextReachesTheDialog) {
  Integer seen = -1;
  desktop.Then([&](TForm& modal) { seen = modal.HelpContext(); }).PressEnter();
  MessageDlg("?", mtInformation, TMsgDlgButtons{mbOK}, 417);
  EXPECT_EQ(seen, 417);
}

TEST_F(DialogsTest, DialogIsFreedWhenTheScriptRunsOut) {
  TForm main(nullptr);
  main.Show();
  EXPECT_THROW(MessageDlg("?", mtError, TMsgDlgButtons{mbOK}, 0), EInvalidOperation);
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_TRUE(main.Active());
}

TEST_F(DialogsTest, UnknownCaptionNamesTheShownButtons) {
  desktop.Press("&Oui");
  try {
    MessageDlg("?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0);
    FAIL() << "pressing a missing button succeeded";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Form 'Confirm' shows no button captioned \"&Oui\"; it shows \"&Yes\", \"&No\"");
  }
  EXPECT_EQ(Application->ComponentCount(), 0);
}

}  // namespace
