#include "Tolvane/component/Captioneer.h"
#include "Tolvane/design/Editors.h"
#include "win32/Window.h"
#include "win32/WinExec.h"

namespace Tolvane {

namespace {
constexpr vcl::Integer kAboutVerb = 0;
constexpr vcl::Integer kHelpVerb = 1;
}  // namespace

void TCaptioneerEditor::ExecuteVerb(vcl::Integer Index) {
  switch (Index) {
    case kAboutVerb:
      static_cast<TCaptioneer*>(Component())->ShowAbout();
      break;
    case kHelpVerb:
      // The help file is named without a directory: the viewer finds it by
      // its own rules. Its result is dropped; a missing viewer is silent.
      WinExec("WINHLP32.EXE TOLVANE.HLP", SW_HIDE);
      break;
    default:
      break;
  }
}

vcl::AnsiString TCaptioneerEditor::GetVerb(vcl::Integer Index) {
  switch (Index) {
    case kAboutVerb:
      return "About Captioneer";
    case kHelpVerb:
      return "Help Contents";
    default:
      return {};
  }
}

vcl::Integer TCaptioneerEditor::GetVerbCount() { return 2; }

}  // namespace Tolvane
