// The Win32 base types, with the shapes the Windows headers give them on a
// 64-bit target: handles are distinct pointer types, WPARAM and LPARAM are
// pointer-sized, DWORD is 32 bits.
#pragma once

#include <cstdint>

#define CALLBACK

using BOOL = int;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using LPVOID = void*;
using LPCSTR = const char*;
using LPDWORD = DWORD*;

inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;

// Each handle kind is a pointer to its own incomplete struct, so handles of
// different kinds do not convert into each other.
#define CAPTIONEER_DECLARE_HANDLE(name) \
  struct name##__;                      \
  using name = name##__*
CAPTIONEER_DECLARE_HANDLE(HWND);
CAPTIONEER_DECLARE_HANDLE(HHOOK);
CAPTIONEER_DECLARE_HANDLE(HINSTANCE);
CAPTIONEER_DECLARE_HANDLE(HMENU);
CAPTIONEER_DECLARE_HANDLE(HRSRC);
#undef CAPTIONEER_DECLARE_HANDLE
using HMODULE = HINSTANCE;
using HGLOBAL = void*;

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
using LPRECT = RECT*;
