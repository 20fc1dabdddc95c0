#include "win32/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "win32/Hooks.h"
#include "win32/LastError.h"
#include "win32/Thread.h"
#include "win32/WindowDriver.h"

namespace {

struct CbtEvent {
  int code;
  WPARAM wParam;
  std::string detail;
  bool operator==(const CbtEvent&) const = default;
};

// What the fixture's hook saw, and what it answers per code.
struct HookLog {
  std::vector<CbtEvent> events;
  LRESULT answer[10] = {};
};
HookLog* seen = nullptr;

LRESULT CALLBACK LoggingHook(int code, WPARAM w, LPARAM l) {
  std::string detail;
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA* cs = reinterpret_cast<const CBT_CREATEWNDA*>(l)->lpcs;
    detail = std::string(cs->lpszName) + " " + std::to_string(cs->cx) + "x" + std::to_string(cs->cy);
  } else if (code == HCBT_ACTIVATE) {
    HWND previous = reinterpret_cast<const CBTACTIVATESTRUCT*>(l)->hWndActive;
    detail = previous == nullptr ? "from none" : "from other";
  } else if (code == HCBT_MOVESIZE) {
    const RECT* r = reinterpret_cast<const RECT*>(l);
    detail = std::to_string(r->right - r->left) + "x" + std::to_string(r->bottom - r->top);
  }
  seen->events.push_back({code, w, detail});
  LRESULT next = CallNextHookEx(nullptr, code, w, l);
  return code >= 0 && code < 10 && seen->answer[code] != 0 ? seen->answer[code] : next;
}

WPARAM W(HWND h) { return reinterpret_cast<WPARAM>(h); }

HWND Create(const char* title) {
  return CreateWindowExA(0, "TForm", title, 0, 10, 20, 300, 200, nullptr, nullptr, nullptr, nullptr);
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetHooks();
    seen = &hookLog;
    ASSERT_NE(SetWindowsHookExA(WH_CBT, LoggingHook, nullptr, GetCurrentThreadId()), nullptr);
  }
  void TearDown() override {
    for (HWND h : {first, second})
      if (h != nullptr && IsWindow(h)) DestroyWindow(h);
    win32::ResetHooks();
    seen = nullptr;
  }

  HookLog hookLog;
  HWND first = nullptr, second = nullptr;
};

TEST_F(WindowTest, LifeOfAWindowAsTheHooksSeeIt) {
  first = Create("Confirm");
  ASSERT_NE(first, nullptr);
  ShowWindow(first, SW_SHOWNORMAL);
  MoveWindow(first, 0, 0, 400, 150, TRUE);
  ShowWindow(first, SW_HIDE);
  DestroyWindow(first);

  std::vector<CbtEvent> expected = {
      {HCBT_CREATEWND, W(first), "Confirm 300x200"},
      {HCBT_ACTIVATE, W(first), "from none"},
      {HCBT_SETFOCUS, W(first), ""},
      {HCBT_MOVESIZE, W(first), "400x150"},
      {HCBT_DESTROYWND, W(first), ""},
  };
  EXPECT_EQ(hookLog.events, expected);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(WindowTest, ActivationMovesBetweenWindowsAndReportsThePrevious) {
  first = Create("One");
  second = Create("Two");
  EXPECT_EQ(SetActiveWindow(first), nullptr);
  EXPECT_EQ(SetActiveWindow(second), first);
  EXPECT_EQ(GetActiveWindow(), second);
  EXPECT_EQ(GetFocus(), second);
  EXPECT_EQ(hookLog.events.back().detail, "");
  EXPECT_EQ(hookLog.events[hookLog.events.size() - 2], (CbtEvent{HCBT_ACTIVATE, W(second), "from other"}));

  // Activating the active window again is no new activation.
  std::size_t before = hookLog.events.size();
  EXPECT_EQ(SetActiveWindow(second), second);
  EXPECT_EQ(hookLog.events.size(), before);
}

TEST_F(WindowTest, NonZeroHookResultPreventsTheChange) {
  first = Create("One");
  hookLog.answer[HCBT_ACTIVATE] = 1;
  EXPECT_EQ(SetActiveWindow(first), nullptr);
  ShowWindow(first, SW_SHOWNORMAL);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_TRUE(IsWindowVisible(first));

  hookLog.answer[HCBT_ACTIVATE] = 0;
  hookLog.answer[HCBT_MOVESIZE] = 1;
  EXPECT_FALSE(MoveWindow(first, 1, 2, 3, 4, TRUE));
  RECT r{};
  ASSERT_TRUE(GetWindowRect(first, &r));
  EXPECT_EQ(r.right - r.left, 300);

  hookLog.answer[HCBT_CREATEWND] = 1;
  std::size_t before = hookLog.events.size();
  EXPECT_EQ(Create("Refused"), nullptr);
  ASSERT_EQ(hookLog.events.size(), before + 1);
  HWND refused = reinterpret_cast<HWND>(hookLog.events.back().wParam);
  EXPECT_FALSE(IsWindow(refused));
}

TEST_F(WindowTest, SwitchingToAnotherProgramAndBackActivatesAgain) {
  first = Create("Dialog");
  ShowWindow(first, SW_SHOWNORMAL);
  win32::ActivateOtherApplication();
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  SetActiveWindow(first);

  int activations = 0;
  for (const CbtEvent& e : hookLog.events) activations += e.code == HCBT_ACTIVATE;
  EXPECT_EQ(activations, 2);
  EXPECT_EQ(GetActiveWindow(), first);
}

TEST_F(WindowTest, SetFocusOnAnInactiveWindowActivatesIt) {
  first = Create("One");
  second = Create("Two");
  SetActiveWindow(first);
  hookLog.events.clear();
  EXPECT_EQ(SetFocus(second), first);
  EXPECT_EQ(GetActiveWindow(), second);
  ASSERT_EQ(hookLog.events.size(), 2u);
  EXPECT_EQ(hookLog.events[0].code, HCBT_ACTIVATE);
  EXPECT_EQ(hookLog.events[1].code, HCBT_SETFOCUS);
}

TEST_F(WindowTest, HookOfOneThreadSeesOnlyItsThreadsWindows) {
  HWND foreign = nullptr;
  DWORD foreignThread = 0;
  std::thread other([&] {
    foreign = Create("Other thread");
    foreignThread = GetCurrentThreadId();
    ShowWindow(foreign, SW_SHOWNORMAL);
    EXPECT_EQ(GetActiveWindow(), foreign);
    DestroyWindow(foreign);
  });
  other.join();
  EXPECT_NE(foreign, nullptr);
  EXPECT_NE(foreignThread, GetCurrentThreadId());
  EXPECT_TRUE(hookLog.events.empty());
  EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(WindowTest, AnotherThreadCannotUseAWindow) {
  first = Create("Mine");
  std::thread other([&] {
    EXPECT_EQ(SetActiveWindow(first), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(DestroyWindow(first));
    EXPECT_FALSE(MoveWindow(first, 0, 0, 1, 1, TRUE));
    DWORD pid = 0;
    EXPECT_NE(GetWindowThreadProcessId(first, &pid), GetCurrentThreadId());
    EXPECT_NE(pid, 0u);
  });
  other.join();
  EXPECT_TRUE(IsWindow(first));
  EXPECT_EQ(GetWindowThreadProcessId(first, nullptr), GetCurrentThreadId());
}

TEST_F(WindowTest, WindowsOfAnEndedThreadAreGone) {
  HWND left = nullptr;
  std::thread other([&] { left = Create("Left behind"); });
  other.join();
  EXPECT_FALSE(IsWindow(left));
}

TEST_F(WindowTest, BadHandlesFail) {
  HWND bogus = reinterpret_cast<HWND>(0x3);
  EXPECT_FALSE(DestroyWindow(bogus));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SetActiveWindow(bogus), nullptr);
  EXPECT_FALSE(ShowWindow(bogus, SW_SHOWNORMAL));
  EXPECT_TRUE(hookLog.events.empty());
}

TEST_F(WindowTest, DriverHearsOfChangesAfterTheHooksAllowedThem) {
  struct Recording : win32::WindowDriver {
    std::vector<std::string> seen;
    void Created(HWND, const CREATESTRUCTA& cs) override { seen.push_back(std::string("created ") + cs.lpszName); }
    void Destroyed(HWND) override { seen.push_back("destroyed"); }
    void Shown(HWND, bool visible) override { seen.push_back(visible ? "shown" : "hidden"); }
    void Activated(HWND h) override { seen.push_back(GetActiveWindow() == h ? "activated" : "?"); }
    void Focused(HWND) override { seen.push_back("focused"); }
    void Moved(HWND, const RECT& r) override { seen.push_back("moved " + std::to_string(r.left)); }
  } driver;
  win32::WindowDriver* previous = win32::SetWindowDriver(&driver);
  first = Create("Dialog");
  ShowWindow(first, SW_SHOWNORMAL);
  MoveWindow(first, 7, 0, 10, 10, TRUE);
  hookLog.answer[HCBT_MOVESIZE] = 1;
  MoveWindow(first, 8, 0, 10, 10, TRUE);
  ShowWindow(first, SW_HIDE);
  DestroyWindow(first);
  win32::SetWindowDriver(previous);
  EXPECT_EQ(driver.seen, (std::vector<std::string>{"created Dialog", "shown", "activated", "focused",
                                                   "moved 7", "hidden", "destroyed"}));
}

}  // namespace
