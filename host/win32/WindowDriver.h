// The platform side of the window table. The table keeps the windows, their
// threads, activation and focus, and runs the CBT hooks; a driver is told of
// each change once the hooks have allowed it and the table has made it, and
// shows it on a real screen, draws a picture, or records it. The headless
// driver does nothing. One driver serves the process; it is called on the
// thread that owns the window.
#pragma once

#include "win32/Types.h"

struct CREATESTRUCTA;

namespace win32 {

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  virtual void Created(HWND, const CREATESTRUCTA&) {}
  virtual void Destroyed(HWND) {}
  virtual void Shown(HWND, bool /*Visible*/) {}
  // The window became its thread's active window.
  virtual void Activated(HWND) {}
  virtual void Focused(HWND) {}
  virtual void Moved(HWND, const RECT&) {}
};

// The driver in use; the headless one unless another was installed.
WindowDriver& CurrentWindowDriver();

// Installs Driver (nil for the headless one) and returns the previous one,
// nil when that was the headless one. The caller keeps Driver alive while it
// is installed.
WindowDriver* SetWindowDriver(WindowDriver* Driver);

}  // namespace win32
