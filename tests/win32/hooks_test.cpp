#include "win32/Hooks.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "win32/LastError.h"
#include "win32/Thread.h"

namespace {

// Hook procedures are plain functions, so the fixture they report to is
// reached through one pointer set for the length of a test.
struct Recorder;
Recorder* current = nullptr;

struct Recorder {
  std::vector<std::string> calls;
  HHOOK a = nullptr, b = nullptr, c = nullptr;
  HHOOK removeDuringChain = nullptr;
};

LRESULT CALLBACK HookA(int code, WPARAM w, LPARAM l) {
  current->calls.push_back("A" + std::to_string(code));
  return CallNextHookEx(current->a, code, w, l);
}
LRESULT CALLBACK HookB(int code, WPARAM w, LPARAM l) {
  current->calls.push_back("B" + std::to_string(code));
  if (current->removeDuringChain != nullptr) {
    UnhookWindowsHookEx(current->removeDuringChain);
    current->removeDuringChain = nullptr;
  }
  return CallNextHookEx(current->b, code, w, l);
}
LRESULT CALLBACK HookC(int code, WPARAM w, LPARAM l) {
  current->calls.push_back("C" + std::to_string(code));
  return CallNextHookEx(current->c, code, w, l);
}
LRESULT CALLBACK Answer42(int, WPARAM, LPARAM) { return 42; }
LRESULT CALLBACK EchoWParam(int code, WPARAM w, LPARAM l) {
  LRESULT next = CallNextHookEx(nullptr, code, w, l);
  return next != 0 ? next : static_cast<LRESULT>(w);
}

class HooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetHooks();
    current = &rec;
  }
  void TearDown() override {
    win32::ResetHooks();
    current = nullptr;
  }
  HHOOK Install(HOOKPROC proc) { return SetWindowsHookExA(WH_CBT, proc, nullptr, GetCurrentThreadId()); }

  Recorder rec;
};

TEST_F(HooksTest, MostRecentHookRunsFirstAndPassesOn) {
  rec.a = Install(HookA);
  rec.b = Install(HookB);
  rec.c = Install(HookC);
  ASSERT_TRUE(rec.a && rec.b && rec.c);
  EXPECT_EQ(win32::HookCount(GetCurrentThreadId()), 3);

  EXPECT_EQ(win32::CallHooks(WH_CBT, HCBT_ACTIVATE, 0, 0), 0);
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"C5", "B5", "A5"}));
}

TEST_F(HooksTest, ResultOfTheChainComesFromItsEnd) {
  Install(Answer42);
  rec.a = Install(HookA);
  EXPECT_EQ(win32::CallHooks(WH_CBT, HCBT_SETFOCUS, 0, 0), 42);
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"A9"}));
}

TEST_F(HooksTest, AHookThatDoesNotPassOnEndsTheChain) {
  rec.a = Install(HookA);
  Install(Answer42);
  EXPECT_EQ(win32::CallHooks(WH_CBT, HCBT_ACTIVATE, 0, 0), 42);
  EXPECT_TRUE(rec.calls.empty());
}

TEST_F(HooksTest, ArgumentsReachEveryHookUnchanged) {
  Install(EchoWParam);
  Install(EchoWParam);
  EXPECT_EQ(win32::CallHooks(WH_CBT, HCBT_CREATEWND, 1234, 5), 1234);
}

TEST_F(HooksTest, HookRemovedWhileTheChainRunsIsSkipped) {
  rec.a = Install(HookA);
  rec.b = Install(HookB);
  rec.c = Install(HookC);
  rec.removeDuringChain = rec.a;
  win32::CallHooks(WH_CBT, HCBT_ACTIVATE, 0, 0);
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"C5", "B5"}));
  EXPECT_EQ(win32::HookCount(GetCurrentThreadId()), 2);

  rec.calls.clear();
  win32::CallHooks(WH_CBT, HCBT_ACTIVATE, 0, 0);
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"C5", "B5"}));
}

TEST_F(HooksTest, HookRemovingItselfFinishesItsCall) {
  rec.a = Install(HookA);
  rec.b = Install(HookB);
  rec.removeDuringChain = rec.b;
  win32::CallHooks(WH_CBT, HCBT_ACTIVATE, 0, 0);
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"B5", "A5"}));
  EXPECT_EQ(win32::HookCount(GetCurrentThreadId()), 1);
}

TEST_F(HooksTest, CallNextHookExOutsideAChainReturnsZero) {
  rec.a = Install(HookA);
  EXPECT_EQ(CallNextHookEx(rec.a, HCBT_ACTIVATE, 1, 2), 0);
  EXPECT_TRUE(rec.calls.empty());
}

TEST_F(HooksTest, UnhookTwiceFails) {
  HHOOK h = Install(HookA);
  EXPECT_TRUE(UnhookWindowsHookEx(h));
  EXPECT_FALSE(UnhookWindowsHookEx(h));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HOOK_HANDLE);
  EXPECT_EQ(win32::HookCount(GetCurrentThreadId()), 0);
}

TEST_F(HooksTest, BadInstallationsFailWithZero) {
  struct Case {
    const char* what;
    int idHook;
    HOOKPROC proc;
    DWORD thread;
    DWORD error;
  };
  const Case cases[] = {
      {"other hook type", 2, HookA, GetCurrentThreadId(), ERROR_INVALID_HOOK_FILTER},
      {"nil procedure", WH_CBT, nullptr, GetCurrentThreadId(), ERROR_INVALID_FILTER_PROC},
      {"thread 0 (global hook)", WH_CBT, HookA, 0, ERROR_INVALID_PARAMETER},
      {"no such thread", WH_CBT, HookA, 0x7FFFFFF0u, ERROR_INVALID_PARAMETER},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(SetWindowsHookExA(c.idHook, c.proc, nullptr, c.thread), nullptr);
    EXPECT_EQ(GetLastError(), c.error);
  }
  EXPECT_EQ(win32::HookCount(GetCurrentThreadId()), 0);
}

TEST_F(HooksTest, InjectedFailuresAffectOnlyTheNextInstallations) {
  win32::FailNextHookInstallations(2);
  EXPECT_EQ(Install(HookA), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(Install(HookA), nullptr);
  HHOOK h = Install(HookA);
  EXPECT_NE(h, nullptr);
  EXPECT_EQ(win32::HookCount(GetCurrentThreadId()), 1);
}

TEST_F(HooksTest, HandlesAreNeverReused) {
  HHOOK first = Install(HookA);
  UnhookWindowsHookEx(first);
  HHOOK second = Install(HookA);
  EXPECT_NE(first, second);
}

TEST_F(HooksTest, HookOfAnotherThreadRunsOnlyOnThatThread) {
  rec.a = Install(HookA);
  std::thread other([&] {
    // This thread has no hooks of its own: the main thread's hook stays away.
    EXPECT_EQ(win32::CallHooks(WH_CBT, HCBT_ACTIVATE, 0, 0), 0);
  });
  other.join();
  EXPECT_TRUE(rec.calls.empty());

  win32::CallHooks(WH_CBT, HCBT_ACTIVATE, 0, 0);
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"A5"}));
}

TEST_F(HooksTest, HookInstalledForAnotherThreadIsCalledThere) {
  static thread_local int calls = 0;
  struct Local {
    static LRESULT CALLBACK Count(int code, WPARAM w, LPARAM l) {
      ++calls;
      return CallNextHookEx(nullptr, code, w, l);
    }
  };
  // The worker reports its id, waits for the main thread to hook it, sends
  // one event and reports how many times the hook ran there.
  DWORD workerId = 0;
  int workerCalls = -1;
  std::mutex m;
  std::condition_variable cv;
  bool hooked = false;
  std::thread worker([&] {
    {
      std::lock_guard lock(m);
      workerId = GetCurrentThreadId();
    }
    cv.notify_all();
    std::unique_lock lock(m);
    cv.wait(lock, [&] { return hooked; });
    win32::CallHooks(WH_CBT, HCBT_ACTIVATE, 0, 0);
    workerCalls = calls;
  });
  {
    std::unique_lock lock(m);
    cv.wait(lock, [&] { return workerId != 0; });
    ASSERT_NE(SetWindowsHookExA(WH_CBT, Local::Count, nullptr, workerId), nullptr);
    hooked = true;
  }
  cv.notify_all();
  win32::CallHooks(WH_CBT, HCBT_ACTIVATE, 0, 0);
  worker.join();
  EXPECT_EQ(workerCalls, 1);
  EXPECT_EQ(calls, 0);
  // The worker has ended, and its chain with it.
  EXPECT_EQ(win32::HookCount(workerId), 0);
}

}  // namespace
