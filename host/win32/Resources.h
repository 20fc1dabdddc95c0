// Module resources. A module (the program or a shared library) carries a
// compiled resource file in the 32-bit .res format, embedded as bytes, and
// registers it once loaded with a TModuleResources object of its own (a
// namespace-scope constant of the module, so its address tells the module).
// FindResourceA then finds a resource by type and name in the module whose
// handle it is given.
#pragma once

#include <cstddef>

#include "win32/Types.h"

// An integer resource id in place of a name (MAKEINTRESOURCE).
inline LPCSTR MAKEINTRESOURCEA(WORD Id) { return reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(Id)); }
inline bool IS_INTRESOURCE(LPCSTR Name) { return (reinterpret_cast<UINT_PTR>(Name) >> 16) == 0; }

inline const LPCSTR RT_BITMAP = MAKEINTRESOURCEA(2);
inline const LPCSTR RT_RCDATA = MAKEINTRESOURCEA(10);

inline constexpr DWORD ERROR_RESOURCE_DATA_NOT_FOUND = 1812;
inline constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;
inline constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// The resource of type lpType named lpName (each a string, compared
// ignoring ASCII case, or an integer id) in module hModule; nil, with the
// last error ERROR_RESOURCE_DATA_NOT_FOUND for a module without resources,
// ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND, when there
// is none.
HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
// The resource's data; it stays valid while the module is loaded.
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);

namespace win32 {

// Registers the module's resource file Data (Size bytes, living in the
// module) for the module that contains Data, and unregisters it when
// destroyed, as the module unloads. Entries of a malformed file are taken
// up to the first one that does not fit. A later registration for the same
// module hides an earlier one while it lasts.
class TModuleResources {
 public:
  TModuleResources(const unsigned char* Data, std::size_t Size);
  ~TModuleResources();
  TModuleResources(const TModuleResources&) = delete;
  TModuleResources& operator=(const TModuleResources&) = delete;

 private:
  HMODULE module_;
};

}  // namespace win32
