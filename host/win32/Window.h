// The window table: top-level windows, each owned by the thread that created
// it, with its thread's active and focus window. Every change that Windows
// announces to CBT hooks is announced to the owning thread's hooks before it
// is made:
//
//   HCBT_CREATEWND   wParam the new window, lParam a CBT_CREATEWNDA*; a
//                    non-zero result fails the creation (no HCBT_DESTROYWND)
//   HCBT_DESTROYWND  wParam the window, lParam 0. Unlike Windows the result
//                    is not looked at: the host's forms always free their
//                    windows
//   HCBT_ACTIVATE    wParam the window, lParam a CBTACTIVATESTRUCT*; a
//                    non-zero result prevents the activation
//   HCBT_SETFOCUS    wParam the window gaining focus, lParam the one losing
//                    it; a non-zero result prevents the change
//   HCBT_MOVESIZE    wParam the window, lParam a RECT* with the new bounds;
//                    a non-zero result prevents the move
//
// A window may be used only by its own thread: another thread's calls fail
// with ERROR_ACCESS_DENIED, so a hook never sees another thread's windows.
// Handles are never reused. Windows have no window procedure or class in
// the host; the class name is passed on to the hooks and the driver only.
#pragma once

#include "win32/Types.h"

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

struct CREATESTRUCTA {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCSTR lpszName;
  LPCSTR lpszClass;
  DWORD dwExStyle;
};

struct CBT_CREATEWNDA {
  CREATESTRUCTA* lpcs;
  HWND hwndInsertAfter;
};

struct CBTACTIVATESTRUCT {
  BOOL fMouse;
  HWND hWndActive;
};

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam);
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);
// The thread that owns the window (0 for no window); *lpdwProcessId gets
// this process's id.
DWORD GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId);

// SW_HIDE hides the window, and a hidden active window leaves its thread
// without an active window. Any other value shows the window and activates
// it (the host has no minimized or maximized state). Returns whether the
// window was visible before.
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsWindowVisible(HWND hWnd);

// Activates the window and gives it the focus. Returns the previously active
// window; nil when the hooks prevented the activation or the window is not
// the calling thread's. Activating the active window again calls no hook.
HWND SetActiveWindow(HWND hWnd);
HWND GetActiveWindow();
HWND SetFocus(HWND hWnd);
HWND GetFocus();

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);

namespace win32 {

// The user brings a window of another program to the front: the calling
// thread is left without an active and a focus window. Windows calls no CBT
// hook for a deactivation, so none is called here.
void ActivateOtherApplication();

}  // namespace win32
