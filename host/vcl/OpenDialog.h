// The open-file dialog. The installed desktop answers it (Desktop.h): the
// user picks a file or cancels.
#pragma once

#include "vcl/Component.h"

namespace vcl {

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

  // Filter: "Description|pattern" pairs, separated by '|'.
  const AnsiString& Filter() const { return FFilter; }
  void SetFilter(const AnsiString& Value) { FFilter = Value; }
  const AnsiString& Title() const { return FTitle; }
  void SetTitle(const AnsiString& Value) { FTitle = Value; }
  // Appended, after a dot, to a chosen name that has no extension.
  const AnsiString& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const AnsiString& Value) { FDefaultExt = Value; }
  // The name the dialog opens with; after a confirmed Execute, the chosen
  // file's full path.
  const AnsiString& FileName() const { return FFileName; }
  void SetFileName(const AnsiString& Value) { FFileName = Value; }

  // Shows the dialog modally. True when the user confirmed a file; false,
  // with FileName unchanged, when the user cancelled. Raises
  // EInvalidOperation when no desktop is installed to answer.
  bool Execute();

 private:
  AnsiString FFilter;
  AnsiString FTitle;
  AnsiString FDefaultExt;
  AnsiString FFileName;
};

}  // namespace vcl
