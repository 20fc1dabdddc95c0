#include "vcl/Desktop.h"

#include "vcl/Forms.h"

namespace vcl {

namespace {
TDesktop* installed = nullptr;
}  // namespace

bool TDesktop::ChooseOpenFile(const TOpenFileRequest& Request, AnsiString&) {
  throw EInvalidOperation("The desktop cannot answer the file dialog '" + Request.Title + "'");
}

TDesktop* Desktop() { return installed; }

TDesktop* SetDesktop(TDesktop* Value) {
  TDesktop* previous = installed;
  installed = Value;
  win32::SetWindowDriver(Value);
  return previous;
}

}  // namespace vcl
