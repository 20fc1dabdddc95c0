// Windows hooks: per-thread hook chains.
//
// A hook is installed for one thread and is called only on that thread, for
// that thread's windows. The most recently installed hook of a thread runs
// first; CallNextHookEx passes the call to the next one still installed, so
// a hook removed while the chain runs is skipped. The host generates CBT
// events only, so WH_CBT is the one hook type it accepts, and it has no
// global (all-thread) hooks.
#pragma once

#include "win32/Types.h"

using HOOKPROC = LRESULT(CALLBACK*)(int code, WPARAM wParam, LPARAM lParam);

inline constexpr int WH_CBT = 5;

inline constexpr int HCBT_MOVESIZE = 0;
inline constexpr int HCBT_MINMAX = 1;
inline constexpr int HCBT_QS = 2;
inline constexpr int HCBT_CREATEWND = 3;
inline constexpr int HCBT_DESTROYWND = 4;
inline constexpr int HCBT_ACTIVATE = 5;
inline constexpr int HCBT_CLICKSKIPPED = 6;
inline constexpr int HCBT_KEYSKIPPED = 7;
inline constexpr int HCBT_SYSCOMMAND = 8;
inline constexpr int HCBT_SETFOCUS = 9;

// Installs lpfn at the head of dwThreadId's chain. Fails with 0 and the last
// error for another hook type (ERROR_INVALID_HOOK_FILTER), a nil procedure
// (ERROR_INVALID_FILTER_PROC), or a thread id that names no running thread
// of this process, 0 included (ERROR_INVALID_PARAMETER). hmod is not used:
// every hook procedure lives in this process.
HHOOK SetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId);

// Calls the next hook of the chain that is running on this thread and
// returns its result; 0 when no hook follows or no chain is running. As on
// current Windows, hhk is not used to find the position.
LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam);

// Removes a hook, from any thread. FALSE with ERROR_INVALID_HOOK_HANDLE for
// a handle that is not installed (handles are never reused).
BOOL UnhookWindowsHookEx(HHOOK hhk);

namespace win32 {

// Runs the calling thread's chain of idHook hooks with the event and returns
// the first hook's result; 0 when the thread has none. The window table calls
// it for every CBT event; tests may send events of their own.
LRESULT CallHooks(int idHook, int nCode, WPARAM wParam, LPARAM lParam);

// The number of hooks installed for a thread.
int HookCount(DWORD ThreadId);

// Makes the next Count installations that would succeed fail instead, with
// ERROR_NOT_ENOUGH_MEMORY, so that callers' failure paths can be tested.
void FailNextHookInstallations(int Count);

// Removes every hook of every thread and cancels pending failures: a clean
// start for a test.
void ResetHooks();

}  // namespace win32
