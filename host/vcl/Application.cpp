#include "vcl/Application.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace vcl {

namespace {

std::unique_ptr<TApplication>& TheApplication() {
  static auto app = std::make_unique<TApplication>(nullptr);
  return app;
}

}  // namespace

TApplication* Application = TheApplication().get();

void ResetApplication() {
  // The old object frees its forms while Application still names it, so a
  // hook that runs meanwhile sees a consistent (shrinking) list.
  TheApplication().reset();
  TheApplication() = std::make_unique<TApplication>(nullptr);
  Application = TheApplication().get();
}

TForm* TApplication::MainForm() const {
  for (int i = 0; i < ComponentCount(); ++i)
    if (Components(i) == mainForm_) return mainForm_;
  return nullptr;
}

AnsiString TApplication::ExeName() const {
  AnsiString path(256, '\0');
  for (;;) {
    ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n < 0) {
      int error = errno;
      throw EOSError(AnsiString("Cannot find the program's file name: ") + std::strerror(error), error);
    }
    if (static_cast<std::size_t>(n) < path.size()) {
      path.resize(static_cast<std::size_t>(n));
      return path;
    }
    path.resize(path.size() * 2);
  }
}

AnsiString TApplication::Title() const {
  if (!title_.empty()) return title_;
  AnsiString name = ExeName();
  name.erase(0, name.rfind('/') + 1);
  std::size_t dot = name.rfind('.');
  if (dot != AnsiString::npos && dot > 0) name.erase(dot);
  return name;
}

}  // namespace vcl
