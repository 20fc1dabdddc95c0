#include "Tolvane/component/Captioneer.h"

#include "vcl/Controls.h"

namespace Tolvane {

TCaptioneer::TCaptioneer(vcl::TComponent* AOwner)
    : vcl::TComponent(AOwner), FCaptions(new vcl::TStringList), FFont(new vcl::TFont) {
  // The owner is normally the form the component sits on; an owner that is
  // no control (a data module, or none) leaves the host's default font.
  if (auto* control = dynamic_cast<vcl::TControl*>(AOwner)) FFont->Assign(control->Font());
  FTranslate = true;
}

TCaptioneer::~TCaptioneer() {
  FCaptions.reset();
  FFont.reset();
}

void TCaptioneer::SetCaptions(const vcl::TStrings* Value) { FCaptions->Assign(Value); }

void TCaptioneer::SetFont(const vcl::TFont* Value) { FFont->Assign(Value); }

void TCaptioneer::SetTitle(const vcl::AnsiString& Value) {
  if (Value != FTitle) FTitle = Value;
}

}  // namespace Tolvane
