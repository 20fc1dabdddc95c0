// Internal: what each part of the layer drops when a thread ends. Called
// once, on the ending thread, for a thread that has asked for its id.
#pragma once

#include "win32/Types.h"

namespace win32::detail {

void ReleaseThreadHooks(DWORD ThreadId);
void ReleaseThreadWindows(DWORD ThreadId);

}  // namespace win32::detail
