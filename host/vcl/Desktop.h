// The desktop: the user's side of the host. It drives modal loops (the user
// answers a modal form) and, as the window layer's driver, hears of every
// window that is created, shown, activated or destroyed. The headless
// desktop (HeadlessDesktop.h) follows a script; others may show a screen.
#pragma once

#include "vcl/System.h"
#include "win32/WindowDriver.h"

namespace vcl {

class TForm;

// What an open-file dialog asks the user.
struct TOpenFileRequest {
  AnsiString Title;
  AnsiString Filter;
  AnsiString DefaultExt;
  AnsiString FileName;
};

class TDesktop : public win32::WindowDriver {
 public:
  // Lets the user work with Form, which is shown and active, until Form has
  // a modal result. Raises when the user cannot answer.
  virtual void RunModal(TForm* Form) = 0;
  // Lets the user pick a file to open. True, with Chosen set to the file,
  // when the user confirms; false when the user cancels. The base raises
  // EInvalidOperation: a desktop without file dialogs cannot answer.
  virtual bool ChooseOpenFile(const TOpenFileRequest& Request, AnsiString& Chosen);
};

// The installed desktop; nil when there is none, and modal forms then fail.
TDesktop* Desktop();

// Installs Value (nil for none) as the desktop and the window driver, and
// returns the previous desktop. The caller keeps Value alive while it is
// installed.
TDesktop* SetDesktop(TDesktop* Value);

// Installs a desktop for the length of a scope.
class TDesktopScope {
 public:
  explicit TDesktopScope(TDesktop& Value) : previous_(SetDesktop(&Value)) {}
  ~TDesktopScope() { SetDesktop(previous_); }
  TDesktopScope(const TDesktopScope&) = delete;
  TDesktopScope& operator=(const TDesktopScope&) = delete;

 private:
  TDesktop* previous_;
};

}  // namespace vcl
