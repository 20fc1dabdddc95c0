// A clean host for tests of forms and dialogs: a fresh Application, no
// hooks, the English resource strings, and a scripted desktop. A CBT hook
// records every event of the thread, and may refuse codes on request.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "vcl/Application.h"
#include "vcl/Consts.h"
#include "vcl/HeadlessDesktop.h"
#include "win32/Hooks.h"
#include "win32/Thread.h"

namespace forms_test {

struct CbtEvent {
  int code;
  HWND window;
  bool operator==(const CbtEvent&) const = default;
};

class FormsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    vcl::ResetApplication();
    vcl::ResetResStrings();
    win32::ResetHooks();
    fixture = this;
    hook = SetWindowsHookExA(WH_CBT, &FormsFixture::Record, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
  }
  void TearDown() override {
    vcl::ResetApplication();
    win32::ResetHooks();
    vcl::ResetResStrings();
    fixture = nullptr;
  }

  int Count(int code, HWND window) const {
    int n = 0;
    for (const CbtEvent& e : events) n += e.code == code && e.window == window;
    return n;
  }

  static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    fixture->events.push_back({code, window});
    if (code == HCBT_ACTIVATE && fixture->onActivate) fixture->onActivate(window);
    LRESULT next = CallNextHookEx(fixture->hook, code, wParam, lParam);
    return code == fixture->refuse ? 1 : next;
  }

  inline static FormsFixture* fixture = nullptr;
  HHOOK hook = nullptr;
  std::vector<CbtEvent> events;
  int refuse = -1;
  std::function<void(HWND)> onActivate;
  vcl::THeadlessDesktop desktop;
  vcl::TDesktopScope desktopScope{desktop};
};

}  // namespace forms_test
