#include "ide/ObjectInspector.h"

#include <memory>

namespace ide {

namespace {

std::unique_ptr<vcl::TPropertyEditor> EditorFor(vcl::TDesigner& Designer, vcl::TComponent* Component,
                                                const vcl::TPropInfo& Prop) {
  const vcl::TClassInfo* cls = vcl::ClassInfoOf(Component);
  std::unique_ptr<vcl::TPropertyEditor> editor(
      vcl::FindPropertyEditor(cls, Prop).Create(&Designer, {Component}, &Prop));
  editor->Initialize();
  return editor;
}

const vcl::TPropInfo& Property(vcl::TComponent* Component, const std::string& Name) {
  const vcl::TClassInfo* cls = vcl::ClassInfoOf(Component);
  const vcl::TPropInfo* prop = cls != nullptr ? cls->FindProperty(Name) : nullptr;
  if (prop == nullptr) throw EPropertyError(Component->Name() + " has no property " + Name);
  return *prop;
}

}  // namespace

std::vector<TInspectorRow> TObjectInspector::Rows(vcl::TComponent* Component) const {
  std::vector<TInspectorRow> rows;
  const vcl::TClassInfo* cls = vcl::ClassInfoOf(Component);
  if (cls == nullptr) return rows;
  for (const vcl::TPropInfo* prop : cls->AllProperties()) {
    const auto editor = EditorFor(designer_, Component, *prop);
    rows.push_back({editor->GetName(), editor->GetAttributes(), editor->GetValue()});
  }
  return rows;
}

void TObjectInspector::Edit(vcl::TComponent* Component, const std::string& Name) const {
  EditorFor(designer_, Component, Property(Component, Name))->Edit();
}

void TObjectInspector::SetValue(vcl::TComponent* Component, const std::string& Name, const std::string& Value) const {
  const auto editor = EditorFor(designer_, Component, Property(Component, Name));
  if (editor->GetAttributes().Contains(vcl::paReadOnly)) throw EPropertyError(Name + " is read-only");
  editor->SetValue(Value);
}

}  // namespace ide
