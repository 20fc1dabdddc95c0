#include "Tolvane/design/Register.h"

#include "Tolvane/component/Captioneer.h"
#include "Tolvane/design/Editors.h"
#include "vcl/ClassRegistry.h"

namespace Tolvane {

void Register() {
  const vcl::TComponentClass captioneer = vcl::ClassInfoOf<TCaptioneer>();
  vcl::RegisterPropertyEditor(vcl::TypeInfo<vcl::AnsiString>(), captioneer, "About",
                              vcl::PropertyEditorClass<TCaptioneerAboutProperty>());
  vcl::RegisterPropertyEditor(vcl::TypeInfo<vcl::AnsiString>(), captioneer, "FileName",
                              vcl::PropertyEditorClass<TCaptioneerFileNameProperty>());
  vcl::RegisterComponentEditor(captioneer, vcl::ComponentEditorClass<TCaptioneerEditor>());
  const vcl::TComponentClass classes[] = {captioneer};
  vcl::RegisterComponents("Quendale", classes, 0);
}

}  // namespace Tolvane
