#include "vcl/Controls.h"

#include <gtest/gtest.h>

#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

using namespace vcl;

TEST(Controls, ParentIsKeptApartFromOwner) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  auto* button = new TButton(&form);
  button->SetParent(panel);
  EXPECT_EQ(button->Owner(), &form);
  EXPECT_EQ(button->Parent(), panel);
  EXPECT_EQ(panel->ControlCount(), 1);
  EXPECT_EQ(form.ComponentCount(), 2);
  EXPECT_EQ(button->Width(), 75);
  EXPECT_EQ(button->Height(), 25);
}

TEST(Controls, FreeingAParentFreesItsControlsAndTheyLeaveTheirOwner) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  (new TButton(&form))->SetParent(panel);
  new TLabel(&form);
  delete panel;
  ASSERT_EQ(form.ComponentCount(), 1);
  EXPECT_NE(dynamic_cast<TLabel*>(form.Components(0)), nullptr);
}

TEST(Controls, FreeingAControlUnparentsIt) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  delete button;
  EXPECT_EQ(form.ControlCount(), 0);
  EXPECT_EQ(form.ComponentCount(), 0);
}
