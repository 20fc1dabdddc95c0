// Saving and loading the dictionary file along with the form. The form
// stream holds only the pseudo-property "Storage" with an empty list; the
// dictionary itself travels in the file that FileName names.
#include "Tolvane/component/Captioneer.h"
#include "vcl/Application.h"
#include "vcl/Reader.h"
#include "vcl/SysUtils.h"
#include "vcl/ToolServices.h"
#include "vcl/Writer.h"

namespace Tolvane {

void TCaptioneer::DefineProperties(vcl::TFiler* Filer) {
  vcl::TComponent::DefineProperties(Filer);
  Filer->DefineProperty(
      "Storage", [this](vcl::TReader* Reader) { ReadCaptions(Reader); },
      [this](vcl::TWriter* Writer) { WriteCaptions(Writer); }, true);
}

// A name with a directory is written where it says; a bare name beside the
// project (designing) or the program. The file goes out before the list
// markers, so a failed save leaves them unwritten.
void TCaptioneer::WriteCaptions(vcl::TWriter* Writer) {
  if (FFileName.find(vcl::PathDelim) != vcl::AnsiString::npos)
    SaveTo(FFileName);
  else if (!FFileName.empty())
    SaveTo(GetAppDir() + FFileName);
  Writer->WriteListBegin();
  Writer->WriteListEnd();
}

// Reading tries the name as it stands first, then beside the project or
// the program; when neither exists, the dictionary keeps what the stream gave.
void TCaptioneer::ReadCaptions(vcl::TReader* Reader) {
  Reader->ReadListBegin();
  Reader->ReadListEnd();
  if (vcl::FileExists(FFileName))
    LoadFrom(FFileName);
  else if (vcl::FileExists(GetAppDir() + FFileName))
    LoadFrom(GetAppDir() + FFileName);
}

// While designing without a development environment's tool services there
// is no project: the name is then taken relative to the current directory.
vcl::AnsiString TCaptioneer::GetAppDir() const {
  if (ComponentState().Contains(vcl::csDesigning))
    return vcl::ToolServices != nullptr ? vcl::ExtractFilePath(vcl::ToolServices->GetProjectName()) : "";
  return vcl::ExtractFilePath(vcl::Application->ExeName());
}

}  // namespace Tolvane
