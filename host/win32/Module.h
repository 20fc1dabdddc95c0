// Module handles. A module's handle is the address it is loaded at, so the
// program and each shared library it loads have distinct handles, the same
// for every address inside one module.
#pragma once

#include "win32/Types.h"

inline constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_PIN = 0x1;
inline constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT = 0x2;
inline constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS = 0x4;

// With GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, lpModuleName is an address
// and *phModule the handle of the module that contains it. Module reference
// counts are not kept, so the other flags change nothing. Looking modules up
// by name is not offered: FALSE with ERROR_INVALID_PARAMETER. An address in
// no module gives FALSE with ERROR_MOD_NOT_FOUND.
BOOL GetModuleHandleExA(DWORD dwFlags, LPCSTR lpModuleName, HMODULE* phModule);

namespace win32 {

// The instance handle of the module containing Address (a function or
// variable of that module); nil when no module contains it. A shared library
// passes one of its own symbols to learn its own handle.
HINSTANCE ModuleInstance(const void* Address);

}  // namespace win32
