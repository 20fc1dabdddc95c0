// The form designer: the form being designed, with the components a person
// dropped on it, and the designer the editors report changes to.
#pragma once

#include <memory>
#include <string>

#include "vcl/DsgnIntf.h"
#include "vcl/Forms.h"

namespace ide {

class TFormDesigner final : public vcl::TDesigner {
 public:
  // A new, empty form named FormName, in design state.
  explicit TFormDesigner(const std::string& FormName);
  ~TFormDesigner();
  TFormDesigner(const TFormDesigner&) = delete;
  TFormDesigner& operator=(const TFormDesigner&) = delete;

  void Modified() override { ++modified_; }
  vcl::TComponent* GetRoot() override { return form_.get(); }

  vcl::TForm& Form() const { return *form_; }
  // How often an editor reported a change since the form was created.
  int ModifiedCount() const { return modified_; }

  // Drops a component of class Class on the form, named as the designer
  // names it: the class name without its T, and the first free number.
  vcl::TComponent* AddComponent(vcl::TComponentClass Class);

 private:
  std::unique_ptr<vcl::TForm> form_;
  int modified_ = 0;
};

}  // namespace ide
