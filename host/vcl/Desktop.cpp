#include "vcl/Desktop.h"

namespace vcl {

namespace {
TDesktop* installed = nullptr;
}  // namespace

TDesktop* Desktop() { return installed; }

TDesktop* SetDesktop(TDesktop* Value) {
  TDesktop* previous = installed;
  installed = Value;
  win32::SetWindowDriver(Value);
  return previous;
}

}  // namespace vcl
