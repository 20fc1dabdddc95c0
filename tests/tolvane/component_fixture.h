// A clean host for tests of the component at run time: a fresh Application,
// no hooks, the English resource strings and a scripted desktop. Every test
// must leave no component alive, and so no hook installed.
#pragma once

#include <gtest/gtest.h>

#include "Tolvane/Tolvane.h"
#include "vcl/Application.h"
#include "vcl/Consts.h"
#include "vcl/HeadlessDesktop.h"
#include "win32/Hooks.h"

class ComponentFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    vcl::ResetApplication();
    vcl::ResetResStrings();
    win32::ResetHooks();
    ASSERT_EQ(Tolvane::CBTHook, nullptr);
    ASSERT_EQ(Tolvane::captioneerInstance, nullptr);
  }
  void TearDown() override {
    vcl::ResetApplication();
    EXPECT_EQ(Tolvane::CBTHook, nullptr) << "a component outlived its test";
    EXPECT_EQ(Tolvane::captioneerInstance, nullptr);
    win32::ResetHooks();
    vcl::ResetResStrings();
  }

  vcl::THeadlessDesktop desktop;
  vcl::TDesktopScope desktopScope{desktop};
};
