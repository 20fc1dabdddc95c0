#include "ide/FormDesigner.h"

#include "vcl/SysUtils.h"

namespace ide {

TFormDesigner::TFormDesigner(const std::string& FormName) : form_(std::make_unique<vcl::TForm>(nullptr)) {
  form_->SetDesigning(true);
  form_->SetName(FormName);
}

TFormDesigner::~TFormDesigner() = default;

vcl::TComponent* TFormDesigner::AddComponent(vcl::TComponentClass Class) {
  if (Class == nullptr || Class->Create == nullptr)
    throw vcl::EComponentError("The designer cannot create a component of this class");
  vcl::TComponent* component = Class->Create(form_.get());
  const std::string base = Class->Name.size() > 1 && Class->Name[0] == 'T' ? Class->Name.substr(1) : Class->Name;
  for (int n = 1;; ++n) {
    const std::string name = base + std::to_string(n);
    if (form_->FindComponent(name) == nullptr) {
      component->SetName(name);
      return component;
    }
  }
}

}  // namespace ide
