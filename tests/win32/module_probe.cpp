#include "win32/Module.h"

extern "C" HINSTANCE captioneer_probe_instance() {
  return win32::ModuleInstance(reinterpret_cast<const void*>(&captioneer_probe_instance));
}
