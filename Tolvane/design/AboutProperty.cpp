#include "Tolvane/component/Captioneer.h"
#include "Tolvane/design/Editors.h"

namespace Tolvane {

// The editor is registered for TCaptioneer only, so the selection holds
// TCaptioneer components.
void TCaptioneerAboutProperty::Edit() { static_cast<TCaptioneer*>(GetComponent(0))->ShowAbout(); }

vcl::TPropertyAttributes TCaptioneerAboutProperty::GetAttributes() { return {vcl::paDialog, vcl::paReadOnly}; }

// The row names the dialog it opens, whatever the property holds.
vcl::AnsiString TCaptioneerAboutProperty::GetValue() { return "(About...)"; }

}  // namespace Tolvane
