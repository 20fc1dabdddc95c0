#include "vcl/OpenDialog.h"

#include <filesystem>

#include "vcl/Desktop.h"
#include "vcl/Forms.h"

namespace vcl {

bool TOpenDialog::Execute() {
  TDesktop* desktop = Desktop();
  if (desktop == nullptr) throw EInvalidOperation("No desktop is installed to show the file dialog");
  AnsiString chosen;
  if (!desktop->ChooseOpenFile(TOpenFileRequest{FTitle, FFilter, FDefaultExt, FFileName}, chosen)) return false;
  std::filesystem::path path(chosen);
  if (!path.has_extension() && !FDefaultExt.empty()) path += "." + FDefaultExt;
  // The dialog answers with a full path, as the platform's dialog does.
  FFileName = std::filesystem::absolute(path).lexically_normal().string();
  return true;
}

}  // namespace vcl
