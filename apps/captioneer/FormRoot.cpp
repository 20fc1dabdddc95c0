#include "FormRoot.h"

#include "vcl/ClassRegistry.h"
#include "vcl/Controls.h"

namespace captioneer {

void TFormRoot::GetChildren(const std::function<void(vcl::TComponent*)>& Proc, vcl::TComponent* Root) {
  if (Root != this) return;
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* control = dynamic_cast<vcl::TControl*>(Components(i));
    if (control == nullptr || control->Parent() == nullptr) Proc(Components(i));
  }
}

vcl::TComponent* CreateFormRoot(const vcl::AnsiString& ClassName, vcl::TComponent* Owner) {
  const vcl::TClassInfo* info = vcl::GetClass(ClassName);
  if (info == nullptr) return vcl::RegisterClass<TFormRoot, vcl::TComponent>(ClassName).Create(Owner);
  // Only a container hands out the components it owns when written; any
  // other registered class would drop them.
  if (info->Create == nullptr || !info->InheritsFrom(vcl::ClassInfoOf<vcl::TWinControl>()))
    throw vcl::EFilerError("Class \"" + ClassName + "\" cannot be the root of a form");
  return info->Create(Owner);
}

}  // namespace captioneer
