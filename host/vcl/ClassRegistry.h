// The class registry: for each registered class its name, its parent, its
// virtual constructor (given an owner) and its published properties and
// methods. The form reader finds classes here by name; every object finds
// its own class here (TObject::ClassInfo, ClassName).
//
// The host's own classes (TObject, TPersistent, TComponent, TControl,
// TWinControl, TForm, TButton, TLabel, TPanel, TFont, TStrings,
// TStringList) are registered before the first use of the registry.
// Registration is meant for start-up; lookups may happen at any time.
#pragma once

#include <typeindex>
#include <vector>

#include "vcl/Component.h"
#include "vcl/Method.h"
#include "vcl/PropertyInfo.h"
#include "vcl/Stream.h"

namespace vcl {

// A class name that no registered class has.
class EClassNotFound : public EFilerError {
  using EFilerError::EFilerError;
};

struct TClassInfo {
  AnsiString Name;
  const TClassInfo* Parent = nullptr;
  std::type_index Type = typeid(void);
  // The virtual constructor; null for classes the reader cannot create
  // (abstract classes, and anything that is not a component).
  TComponent* (*Create)(TComponent* Owner) = nullptr;
  // Whether an object is of this class or derives from it.
  bool (*IsInstance)(const TObject* Obj) = nullptr;
  std::vector<TPropInfo> Properties;  // this class's own, in declaration order
  std::vector<TMethodInfo> Methods;   // this class's own published methods

  bool InheritsFrom(const TClassInfo* Ancestor) const;
  // The published properties, the ancestors' first: the write order.
  std::vector<const TPropInfo*> AllProperties() const;
  // By name ignoring ASCII case, the most derived declaration first.
  const TPropInfo* FindProperty(const AnsiString& PropName) const;
  const TMethodInfo* FindMethod(const AnsiString& MethodName) const;
  const TMethodInfo* FindMethod(TMethodCode Code) const;
};

namespace detail {
const TClassInfo& AddClass(TClassInfo Info);
const TClassInfo* ExactClassInfo(const std::type_info& Type);
void EnsureStandardClasses();

template <typename C>
TClassInfo MakeClassInfo(const AnsiString& Name, const TClassInfo* Parent, std::vector<TPropInfo> Properties,
                         std::vector<TMethodInfo> Methods) {
  TClassInfo info;
  info.Name = Name;
  info.Parent = Parent;
  info.Type = typeid(C);
  if constexpr (std::is_base_of_v<TComponent, C> && !std::is_abstract_v<C> &&
                std::is_constructible_v<C, TComponent*>)
    info.Create = [](TComponent* Owner) -> TComponent* { return new C(Owner); };
  info.IsInstance = [](const TObject* Obj) { return dynamic_cast<const C*>(Obj) != nullptr; };
  info.Properties = std::move(Properties);
  info.Methods = std::move(Methods);
  return info;
}
}  // namespace detail

// Registers class C, derived from the registered class Parent, under Name.
// Registering the same class again returns the first registration; another
// class under a registered name raises EFilerError.
template <typename C, typename Parent>
const TClassInfo& RegisterClass(const AnsiString& Name, std::vector<TPropInfo> Properties = {},
                                std::vector<TMethodInfo> Methods = {}) {
  static_assert(std::is_base_of_v<Parent, C>, "a class registers under its own parent");
  detail::EnsureStandardClasses();
  const TClassInfo* parent = detail::ExactClassInfo(typeid(Parent));
  if (parent == nullptr) throw EFilerError("The parent of " + Name + " is not registered");
  return detail::AddClass(detail::MakeClassInfo<C>(Name, parent, std::move(Properties), std::move(Methods)));
}

// The registered class named Name (ASCII case ignored), or nullptr.
const TClassInfo* GetClass(const AnsiString& Name);
// The same, raising EClassNotFound when there is none.
const TClassInfo& FindClass(const AnsiString& Name);

// The registration of exactly class C, or nullptr.
template <typename C>
const TClassInfo* ClassInfoOf() {
  detail::EnsureStandardClasses();
  return detail::ExactClassInfo(typeid(C));
}

// The class of Obj: its own registration, or that of its nearest registered
// ancestor when its class was never registered.
const TClassInfo* ClassInfoOf(const TObject* Obj);

}  // namespace vcl
