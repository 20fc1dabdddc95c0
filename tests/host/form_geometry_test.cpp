#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "vcl/Forms.h"

using namespace vcl;

namespace {

class FormGeometry : public forms_test::FormsFixture {};

}  // namespace

TEST_F(FormGeometry, ClientSizeFollowsTheFrameOfEachBorderStyle) {
  struct Case {
    TFormBorderStyle style;
    Integer frame;
    Integer captionBar;
  } cases[] = {
      {bsNone, 0, 0},       {bsSingle, 3, 19},     {bsSizeable, 4, 19},
      {bsDialog, 3, 19},    {bsToolWindow, 3, 16}, {bsSizeToolWin, 4, 16},
  };
  for (const Case& c : cases) {
    TForm form(nullptr);
    form.SetBorderStyle(c.style);
    form.SetClientWidth(360);
    form.SetClientHeight(130);
    EXPECT_EQ(form.Width(), 360 + 2 * c.frame) << static_cast<int>(c.style);
    EXPECT_EQ(form.Height(), 130 + 2 * c.frame + c.captionBar) << static_cast<int>(c.style);
    form.SetWidth(200);
    form.SetHeight(100);
    EXPECT_EQ(form.ClientWidth(), 200 - 2 * c.frame) << static_cast<int>(c.style);
    EXPECT_EQ(form.ClientHeight(), 100 - 2 * c.frame - c.captionBar) << static_cast<int>(c.style);
  }
}

TEST_F(FormGeometry, StartsSizeableWithAllTitleBarButtonsAndKeepsOuterSizeAcrossStyles) {
  TForm form(nullptr);
  EXPECT_EQ(form.BorderStyle(), bsSizeable);
  EXPECT_EQ(form.BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize, biMaximize}));
  EXPECT_EQ(form.Position(), poDesigned);
  EXPECT_EQ(form.Width(), 320);
  EXPECT_EQ(form.ClientWidth(), 312);
  EXPECT_EQ(form.ClientHeight(), 213);
  form.SetBorderStyle(bsDialog);
  EXPECT_EQ(form.Width(), 320);
  EXPECT_EQ(form.ClientWidth(), 314);
  EXPECT_EQ(form.ClientHeight(), 215);
  EXPECT_EQ(static_cast<int>(bsDialog), 3);
  EXPECT_EQ(static_cast<int>(poScreenCenter), 4);
}

TEST_F(FormGeometry, ScreenCenterPlacesTheOuterFrameWhenShown) {
  EXPECT_EQ(Screen->Width(), 1024);
  EXPECT_EQ(Screen->Height(), 768);
  TForm form(Application);
  form.SetBorderStyle(bsDialog);
  form.SetPosition(poScreenCenter);
  form.SetBounds(5, 6, 366, 155);
  EXPECT_EQ(form.Left(), 5);  // placed only when shown
  form.Show();
  EXPECT_EQ(form.Left(), (1024 - 366) / 2);
  EXPECT_EQ(form.Top(), (768 - 155) / 2);
  // Shown again after a move: centred again.
  form.Hide();
  form.SetBounds(0, 0, 101, 51);
  form.Show();
  EXPECT_EQ(form.Left(), 461);
  EXPECT_EQ(form.Top(), 358);
}

TEST_F(FormGeometry, DesignedPositionStays) {
  TForm form(Application);
  form.SetBounds(5, 6, 366, 155);
  form.Show();
  EXPECT_EQ(form.Left(), 5);
  EXPECT_EQ(form.Top(), 6);
}
