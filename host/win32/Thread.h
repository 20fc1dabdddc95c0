// Thread identifiers. A thread's identifier is the kernel's thread id; the
// hooks and windows that belong to a thread are dropped when it ends, so a
// later thread that is given the same id starts with none.
#pragma once

#include "win32/Types.h"

DWORD GetCurrentThreadId();

namespace win32 {

// Whether Id names a thread of this process that is running now.
bool IsThreadOfProcess(DWORD Id);

}  // namespace win32
