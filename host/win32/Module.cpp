#include "win32/Module.h"

#include <dlfcn.h>

#include "win32/LastError.h"

BOOL GetModuleHandleExA(DWORD dwFlags, LPCSTR lpModuleName, HMODULE* phModule) {
  if (phModule == nullptr || (dwFlags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *phModule = nullptr;
  Dl_info info{};
  if (::dladdr(lpModuleName, &info) == 0 || info.dli_fbase == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  *phModule = static_cast<HMODULE>(info.dli_fbase);
  return TRUE;
}

namespace win32 {

HINSTANCE ModuleInstance(const void* Address) {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     static_cast<LPCSTR>(Address), &module);
  return module;
}

}  // namespace win32
