#include "win32/WindowDriver.h"

#include <atomic>

namespace win32 {

namespace {

class HeadlessWindowDriver final : public WindowDriver {};

HeadlessWindowDriver headless;
std::atomic<WindowDriver*> installed{nullptr};

}  // namespace

WindowDriver& CurrentWindowDriver() {
  WindowDriver* driver = installed.load();
  return driver != nullptr ? *driver : headless;
}

WindowDriver* SetWindowDriver(WindowDriver* Driver) { return installed.exchange(Driver); }

}  // namespace win32
