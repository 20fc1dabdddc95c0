#include "vcl/Forms.h"

#include "forms_fixture.h"
#include "vcl/StdCtrls.h"
#include "win32/Window.h"

namespace {

using namespace vcl;
using forms_test::CbtEvent;

class FormsTest : public forms_test::FormsFixture {};

TEST_F(FormsTest, HandleIsCreatedOnDemandOnce) {
  TForm form(nullptr);
  form.SetCaption("Main");
  EXPECT_FALSE(form.HandleAllocated());
  EXPECT_TRUE(events.empty());
  HWND h = form.Handle();
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(form.Handle(), h);
  EXPECT_EQ(events, (std::vector<CbtEvent>{{HCBT_CREATEWND, h}}));
  EXPECT_EQ(FindForm(h), &form);
}

TEST_F(FormsTest, LifeOfAFormAsTheHooksSeeIt) {
  auto* form = new TForm(nullptr);
  form->Show();
  HWND h = form->Handle();
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(form->Active());
  EXPECT_EQ(Screen->ActiveForm(), form);
  form->Hide();
  EXPECT_FALSE(form->Active());
  delete form;
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(events, (std::vector<CbtEvent>{{HCBT_CREATEWND, h},
                                           {HCBT_ACTIVATE, h},
                                           {HCBT_SETFOCUS, h},
                                           {HCBT_DESTROYWND, h}}));
  EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(FormsTest, HooksRunBeforeTheFormIsActive) {
  TForm form(nullptr);
  bool activeDuringHook = true;
  onActivate = [&](HWND h) { activeDuringHook = FindForm(h)->Active(); };
  form.Show();
  EXPECT_FALSE(activeDuringHook);
  EXPECT_TRUE(form.Active());
}

TEST_F(FormsTest, HookCanPreventActivation) {
  TForm form(nullptr);
  refuse = HCBT_ACTIVATE;
  form.Show();
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(form.Active());
  EXPECT_TRUE(desktop.Activations().empty());
}

TEST_F(FormsTest, RefusedWindowRaises) {
  TForm form(nullptr);
  form.SetName("Refused");
  refuse = HCBT_CREATEWND;
  EXPECT_THROW(form.Handle(), EOSError);
  EXPECT_FALSE(form.HandleAllocated());
}

TEST_F(FormsTest, ShowingAnotherFormDeactivatesTheFirst) {
  TForm one(nullptr), two(nullptr);
  one.Show();
  two.Show();
  EXPECT_FALSE(one.Active());
  EXPECT_TRUE(two.Active());
  one.BringToFront();
  EXPECT_TRUE(one.Active());
  EXPECT_EQ(Count(HCBT_ACTIVATE, one.Handle()), 2);
}

// A dialog form with two buttons on a panel, owned by the form.
struct ButtonForm {
  TForm form{nullptr};
  TPanel* panel = new TPanel(&form);
  TButton* ok = new TButton(&form);
  TButton* cancel = new TButton(&form);
  ButtonForm() {
    form.SetCaption("Question");
    panel->SetParent(&form);
    ok->SetParent(panel);
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    cancel->SetParent(panel);
    cancel->SetCaption("Cancel");
    cancel->SetModalResult(mrCancel);
  }
};

TEST_F(FormsTest, ButtonClosesItsModalFormWithItsResult) {
  ButtonForm f;
  desktop.Press("OK");
  EXPECT_EQ(f.form.ShowModal(), mrOk);
  EXPECT_FALSE(f.form.Visible());
  EXPECT_FALSE(f.form.Modal());
  EXPECT_EQ(desktop.PendingSteps(), 0u);
}

TEST_F(FormsTest, ButtonWithoutModalResultLeavesTheFormOpen) {
  ButtonForm f;
  f.ok->SetModalResult(mrNone);
  desktop.Press("OK").Then([](TForm& modal) { EXPECT_TRUE(modal.Modal()); }).Press("Cancel");
  EXPECT_EQ(f.form.ShowModal(), mrCancel);
}

TEST_F(FormsTest, CloseEndsAModalFormWithCancelAndHidesAnother) {
  ButtonForm f;
  desktop.Close();
  EXPECT_EQ(f.form.ShowModal(), mrCancel);

  TForm plain(nullptr);
  plain.Show();
  plain.Close();
  EXPECT_FALSE(plain.Visible());
  EXPECT_EQ(plain.ModalResult(), mrNone);
}

TEST_F(FormsTest, ModalFormReturnsActivationToThePreviousWindow) {
  TForm main(nullptr);
  main.Show();
  ButtonForm f;
  desktop.Then([&](TForm& modal) {
    EXPECT_TRUE(modal.Active());
    EXPECT_FALSE(main.Active());
  });
  desktop.Press("Cancel");
  f.form.ShowModal();
  EXPECT_TRUE(main.Active());
  EXPECT_EQ(Count(HCBT_ACTIVATE, main.Handle()), 2);
}

TEST_F(FormsTest, ShowModalRefusesAVisibleForm) {
  TForm form(nullptr);
  form.Show();
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
  EXPECT_FALSE(form.Modal());
}

TEST_F(FormsTest, ModalLoopWithoutScriptFailsClearlyAndCleansUp) {
  ButtonForm f;
  try {
    f.form.ShowModal();
    FAIL() << "ShowModal returned without an answer";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "The desktop's script has no step left to answer the modal form 'Question'");
  }
  EXPECT_FALSE(f.form.Visible());
  EXPECT_FALSE(f.form.Modal());
  EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(FormsTest, ModalLoopWithoutDesktopFailsClearly) {
  SetDesktop(nullptr);
  ButtonForm f;
  try {
    f.form.ShowModal();
    FAIL() << "ShowModal returned without a desktop";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Cannot show form 'Question' modally: no desktop is installed to answer it");
  }
  EXPECT_FALSE(f.form.HandleAllocated());
  SetDesktop(&desktop);
}

TEST_F(FormsTest, ParentFormIsTheTopOfTheParentChain) {
  ButtonForm f;
  EXPECT_EQ(GetParentForm(f.ok), &f.form);
  EXPECT_EQ(GetParentForm(&f.form), &f.form);
  TButton loose(nullptr);
  EXPECT_EQ(GetParentForm(&loose), nullptr);
  loose.SetModalResult(mrOk);
  loose.Click();
}

}  // namespace
