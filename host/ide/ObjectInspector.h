// The object inspector: one row per published property of the selected
// component, each served by the property editor registered for it.
#pragma once

#include <string>
#include <vector>

#include "vcl/DsgnIntf.h"

namespace ide {

struct TInspectorRow {
  std::string Name;
  vcl::TPropertyAttributes Attributes;
  std::string Value;
};

class TObjectInspector {
 public:
  explicit TObjectInspector(vcl::TDesigner& Designer) : designer_(Designer) {}

  // The rows for Component, in the class's property order. Each row asks a
  // new editor, as the inspector creates one per row and frees it.
  std::vector<TInspectorRow> Rows(vcl::TComponent* Component) const;
  // The row's dialog button: Edit of the property's editor. Raises
  // EPropertyError for a property the component does not publish.
  void Edit(vcl::TComponent* Component, const std::string& Property) const;
  // Text typed into the row: SetValue of the property's editor, refused
  // for read-only rows.
  void SetValue(vcl::TComponent* Component, const std::string& Property, const std::string& Value) const;

 private:
  vcl::TDesigner& designer_;
};

class EPropertyError : public vcl::Exception {
  using vcl::Exception::Exception;
};

}  // namespace ide
