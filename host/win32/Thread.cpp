#include "win32/Thread.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <string>

#include "win32/ThreadExit.h"

namespace {

// Every thread learns its id through GetCurrentThreadId before it can own a
// window or be named to SetWindowsHookExA, so arming the clean-up there
// covers every thread that holds something.
struct ThreadExitGuard {
  DWORD id;
  ~ThreadExitGuard() {
    win32::detail::ReleaseThreadHooks(id);
    win32::detail::ReleaseThreadWindows(id);
  }
};

// Kept apart from the guard so that the id stays readable after the guard
// has run (static destructors of the main thread run after it).
thread_local DWORD currentId = 0;

}  // namespace

DWORD GetCurrentThreadId() {
  if (currentId == 0) {
    currentId = static_cast<DWORD>(::syscall(SYS_gettid));
    thread_local ThreadExitGuard guard{currentId};
  }
  return currentId;
}

namespace win32 {

bool IsThreadOfProcess(DWORD Id) {
  if (Id == 0) return false;
  struct stat st {};
  std::string path = "/proc/self/task/" + std::to_string(Id);
  return ::stat(path.c_str(), &st) == 0;
}

}  // namespace win32
