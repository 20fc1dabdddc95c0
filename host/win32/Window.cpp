#include "win32/Window.h"

#include <unistd.h>

#include <mutex>
#include <unordered_map>
#include <vector>

#include "win32/Hooks.h"
#include "win32/LastError.h"
#include "win32/Thread.h"
#include "win32/ThreadExit.h"
#include "win32/WindowDriver.h"

namespace {

struct Window {
  DWORD thread;
  RECT rect;
  bool visible = false;
};

struct ThreadWindows {
  HWND active = nullptr;
  HWND focus = nullptr;
};

// The lock is never held while hooks or the driver run: they may create,
// activate or destroy windows themselves.
struct Table {
  std::mutex mutex;
  std::unordered_map<HWND, Window> windows;
  std::unordered_map<DWORD, ThreadWindows> threads;
  std::uintptr_t nextHandle = 0x10000;
};

// Never destroyed: forms still free their windows while the static objects
// of other files are destroyed at exit.
Table& Windows() {
  static auto* table = new Table;
  return *table;
}

LPARAM ToLParam(const void* p) { return reinterpret_cast<LPARAM>(p); }
WPARAM ToWParam(HWND h) { return reinterpret_cast<WPARAM>(h); }

LRESULT SendCbt(int code, WPARAM wParam, LPARAM lParam) {
  return win32::CallHooks(WH_CBT, code, wParam, lParam);
}

// Whether hWnd is a window of the calling thread; sets the last error if not.
bool IsOwnWindow(HWND hWnd) {
  Table& t = Windows();
  std::lock_guard lock(t.mutex);
  auto it = t.windows.find(hWnd);
  if (it == t.windows.end()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return false;
  }
  if (it->second.thread != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return true;
}

ThreadWindows CurrentThreadWindows() {
  Table& t = Windows();
  std::lock_guard lock(t.mutex);
  return t.threads[GetCurrentThreadId()];
}

bool Focus(HWND hWnd) {
  HWND previous = CurrentThreadWindows().focus;
  if (previous == hWnd) return true;
  if (SendCbt(HCBT_SETFOCUS, ToWParam(hWnd), ToLParam(previous)) != 0) return false;
  {
    Table& t = Windows();
    std::lock_guard lock(t.mutex);
    if (t.windows.count(hWnd) == 0) return false;
    t.threads[GetCurrentThreadId()].focus = hWnd;
  }
  win32::CurrentWindowDriver().Focused(hWnd);
  return true;
}

// Activates hWnd (a window of this thread) and focuses it; false when a hook
// prevented it.
bool Activate(HWND hWnd) {
  HWND previous = CurrentThreadWindows().active;
  if (previous == hWnd) return true;
  CBTACTIVATESTRUCT info{FALSE, previous};
  if (SendCbt(HCBT_ACTIVATE, ToWParam(hWnd), ToLParam(&info)) != 0) return false;
  {
    Table& t = Windows();
    std::lock_guard lock(t.mutex);
    if (t.windows.count(hWnd) == 0) return false;
    t.threads[GetCurrentThreadId()].active = hWnd;
  }
  win32::CurrentWindowDriver().Activated(hWnd);
  Focus(hWnd);
  return true;
}

}  // namespace

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam) {
  HWND handle;
  {
    Table& t = Windows();
    std::lock_guard lock(t.mutex);
    handle = reinterpret_cast<HWND>(t.nextHandle);
    t.nextHandle += 2;
    t.windows.emplace(handle, Window{GetCurrentThreadId(), RECT{X, Y, X + nWidth, Y + nHeight}});
  }
  CREATESTRUCTA cs{lpParam, hInstance, hMenu,  hWndParent,
                   nHeight, nWidth,    Y,      X,
                   static_cast<LONG>(dwStyle), lpWindowName, lpClassName, dwExStyle};
  CBT_CREATEWNDA info{&cs, nullptr};
  if (SendCbt(HCBT_CREATEWND, ToWParam(handle), ToLParam(&info)) != 0) {
    Table& t = Windows();
    std::lock_guard lock(t.mutex);
    t.windows.erase(handle);
    return nullptr;
  }
  if (!IsWindow(handle)) return nullptr;
  win32::CurrentWindowDriver().Created(handle, cs);
  return handle;
}

BOOL DestroyWindow(HWND hWnd) {
  if (!IsOwnWindow(hWnd)) return FALSE;
  SendCbt(HCBT_DESTROYWND, ToWParam(hWnd), 0);
  {
    Table& t = Windows();
    std::lock_guard lock(t.mutex);
    // A hook may have destroyed the window already.
    if (t.windows.erase(hWnd) == 0) return TRUE;
    ThreadWindows& own = t.threads[GetCurrentThreadId()];
    if (own.active == hWnd) own.active = nullptr;
    if (own.focus == hWnd) own.focus = nullptr;
  }
  win32::CurrentWindowDriver().Destroyed(hWnd);
  return TRUE;
}

BOOL IsWindow(HWND hWnd) {
  Table& t = Windows();
  std::lock_guard lock(t.mutex);
  return t.windows.count(hWnd) != 0 ? TRUE : FALSE;
}

DWORD GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId) {
  Table& t = Windows();
  std::lock_guard lock(t.mutex);
  auto it = t.windows.find(hWnd);
  if (it == t.windows.end()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (lpdwProcessId != nullptr) *lpdwProcessId = static_cast<DWORD>(::getpid());
  return it->second.thread;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  if (!IsOwnWindow(hWnd)) return FALSE;
  bool show = nCmdShow != SW_HIDE;
  bool wasVisible;
  {
    Table& t = Windows();
    std::lock_guard lock(t.mutex);
    Window& w = t.windows.at(hWnd);
    wasVisible = w.visible;
    w.visible = show;
    if (!show) {
      ThreadWindows& own = t.threads[GetCurrentThreadId()];
      if (own.active == hWnd) own.active = nullptr;
      if (own.focus == hWnd) own.focus = nullptr;
    }
  }
  if (wasVisible != show) win32::CurrentWindowDriver().Shown(hWnd, show);
  if (show) Activate(hWnd);
  return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hWnd) {
  Table& t = Windows();
  std::lock_guard lock(t.mutex);
  auto it = t.windows.find(hWnd);
  return it != t.windows.end() && it->second.visible ? TRUE : FALSE;
}

HWND SetActiveWindow(HWND hWnd) {
  if (!IsOwnWindow(hWnd)) return nullptr;
  HWND previous = CurrentThreadWindows().active;
  return Activate(hWnd) ? previous : nullptr;
}

HWND GetActiveWindow() { return CurrentThreadWindows().active; }

HWND SetFocus(HWND hWnd) {
  ThreadWindows own = CurrentThreadWindows();
  if (hWnd == nullptr) {
    Table& t = Windows();
    std::lock_guard lock(t.mutex);
    t.threads[GetCurrentThreadId()].focus = nullptr;
    return own.focus;
  }
  if (!IsOwnWindow(hWnd)) return nullptr;
  // Every window is top-level, so a window that takes the focus is first
  // made the active one.
  bool done = own.active == hWnd ? Focus(hWnd) : Activate(hWnd) && GetFocus() == hWnd;
  return done ? own.focus : nullptr;
}

HWND GetFocus() { return CurrentThreadWindows().focus; }

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL) {
  if (!IsOwnWindow(hWnd)) return FALSE;
  RECT bounds{X, Y, X + nWidth, Y + nHeight};
  if (SendCbt(HCBT_MOVESIZE, ToWParam(hWnd), ToLParam(&bounds)) != 0) return FALSE;
  {
    Table& t = Windows();
    std::lock_guard lock(t.mutex);
    auto it = t.windows.find(hWnd);
    if (it == t.windows.end()) return FALSE;
    it->second.rect = RECT{X, Y, X + nWidth, Y + nHeight};
  }
  win32::CurrentWindowDriver().Moved(hWnd, RECT{X, Y, X + nWidth, Y + nHeight});
  return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
  Table& t = Windows();
  std::lock_guard lock(t.mutex);
  auto it = t.windows.find(hWnd);
  if (it == t.windows.end() || lpRect == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *lpRect = it->second.rect;
  return TRUE;
}

namespace win32 {

void ActivateOtherApplication() {
  Table& t = Windows();
  std::lock_guard lock(t.mutex);
  t.threads[GetCurrentThreadId()] = ThreadWindows{};
}

namespace detail {

// The thread is ending: its windows go without hooks, which belong to the
// same thread and have been dropped.
void ReleaseThreadWindows(DWORD ThreadId) {
  std::vector<HWND> gone;
  {
    Table& t = Windows();
    std::lock_guard lock(t.mutex);
    for (auto it = t.windows.begin(); it != t.windows.end();) {
      if (it->second.thread == ThreadId) {
        gone.push_back(it->first);
        it = t.windows.erase(it);
      } else {
        ++it;
      }
    }
    t.threads.erase(ThreadId);
  }
  for (HWND h : gone) CurrentWindowDriver().Destroyed(h);
}

}  // namespace detail

}  // namespace win32
