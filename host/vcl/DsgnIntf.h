// The design-time interface: what a design-time package builds its editors
// on and registers them with, and what the development environment asks
// them.
//
// A property editor serves one row of the object inspector for the
// components selected in the form designer; a component editor adds
// commands (verbs) to a component's context menu. A package registers its
// editors and its palette pages from its Register procedure; the entries
// are kept here, each tagged with the editor group that was current when it
// was made, so that the development environment can drop a package's
// entries when it unloads the package (NewEditorGroup, FreeEditorGroup).
//
// The host versions differ here, and only here:
//   vcl40  TPropertyEditor has AutoFill; TComponentEditor descends from the
//          reference-counted TInterfacedObject and is constructed with the
//          form designer as the interface IFormDesigner.
//   vcl35  TComponentEditor is a plain TObject, constructed with the form
//   vcl30  designer as a TFormDesigner object.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "vcl/ClassRegistry.h"
#include "vcl/Component.h"
#include "vcl/PropertyInfo.h"
#include "vcl/Set.h"
#if CAPTIONEER_VCL_VERSION >= 40
#include "vcl/InterfacedObject.h"
#endif

namespace vcl {

enum class TPropertyAttribute : Byte {
  paValueList,
  paSubProperties,
  paDialog,
  paMultiSelect,
  paAutoUpdate,
  paSortList,
  paReadOnly,
  paRevertable
};
inline constexpr TPropertyAttribute paValueList = TPropertyAttribute::paValueList;
inline constexpr TPropertyAttribute paSubProperties = TPropertyAttribute::paSubProperties;
inline constexpr TPropertyAttribute paDialog = TPropertyAttribute::paDialog;
inline constexpr TPropertyAttribute paMultiSelect = TPropertyAttribute::paMultiSelect;
inline constexpr TPropertyAttribute paAutoUpdate = TPropertyAttribute::paAutoUpdate;
inline constexpr TPropertyAttribute paSortList = TPropertyAttribute::paSortList;
inline constexpr TPropertyAttribute paReadOnly = TPropertyAttribute::paReadOnly;
inline constexpr TPropertyAttribute paRevertable = TPropertyAttribute::paRevertable;

// One byte; bit n stands for the attribute of ordinal n.
using TPropertyAttributes = TSet<TPropertyAttribute, 8>;

// Type information: what a property editor is registered for.
struct TTypeInfo {
  TTypeKind Kind;
  AnsiString Name;
};
using PTypeInfo = const TTypeInfo*;

// The type information of a host type; given for the types published
// properties have.
template <typename T>
PTypeInfo TypeInfo();
template <>
PTypeInfo TypeInfo<AnsiString>();
template <>
PTypeInfo TypeInfo<Integer>();
template <>
PTypeInfo TypeInfo<bool>();

// The form designer: the development environment's side of the form being
// designed, as the editors see it.
#if CAPTIONEER_VCL_VERSION >= 40
class IFormDesigner {
 public:
  // The form has changed: the environment marks it for saving and
  // refreshes the object inspector.
  virtual void Modified() = 0;
  // The component being designed (the form).
  virtual TComponent* GetRoot() = 0;

 protected:
  ~IFormDesigner() = default;
};
using TDesigner = IFormDesigner;
#else
class TFormDesigner : public TObject {
 public:
  virtual void Modified() = 0;
  virtual TComponent* GetRoot() = 0;
};
using TDesigner = TFormDesigner;
#endif

class TPropertyEditor;
using TGetPropEditProc = std::function<void(TPropertyEditor* Prop)>;
using TGetStrProc = std::function<void(const AnsiString& S)>;

// Serves one property of the selected components. Created by the
// development environment for an inspector row and freed by it.
class TPropertyEditor : public TObject {
 public:
  // Selection holds the selected components (at least one), Prop the
  // property of their class that the row shows.
  TPropertyEditor(TDesigner* ADesigner, std::vector<TPersistent*> Selection, const TPropInfo* Prop);

  // The virtual operations, in slot order.
  // The row was selected in the inspector. The base does nothing.
  virtual void Activate();
  // Whether all selected components hold the same value; the base answers
  // so only for a selection of one.
  virtual bool AllEqual();
#if CAPTIONEER_VCL_VERSION >= 40
  // Whether the inspector completes typed text from GetValues: the base
  // does so for value lists.
  virtual bool AutoFill();
#endif
  // The row's dialog button or double click. For a value list the base
  // moves to the value after the current one; otherwise it does nothing.
  virtual void Edit();
  // The base: paMultiSelect and paRevertable.
  virtual TPropertyAttributes GetAttributes();
  // The longest text the inspector lets the user type; the base 255.
  virtual Integer GetEditLimit();
  // The row's title: the property's name.
  virtual AnsiString GetName();
  // Sub-properties, one editor each, handed to Proc. The base has none.
  virtual void GetProperties(TGetPropEditProc Proc);
  // The text the row shows; the base "(unknown)".
  virtual AnsiString GetValue();
  // The values of a value list, handed to Proc. The base has none.
  virtual void GetValues(TGetStrProc Proc);
  // Called once after construction, before any other operation.
  virtual void Initialize();
  // Text typed into the row. The base ignores it.
  virtual void SetValue(const AnsiString& Value);

  // The Index-th selected component, from 0; raises EListError-style
  // EComponentError out of range.
  TPersistent* GetComponent(Integer Index) const;
  Integer PropCount() const { return static_cast<Integer>(selection_.size()); }
  TDesigner* Designer() const { return designer_; }
  const TPropInfo* GetPropInfo() const { return prop_; }
  // Tells the form designer that the form has changed.
  void Modified();

 protected:
  // The property's value as a string, of the first selected component.
  AnsiString GetStrValue() const;
  AnsiString GetStrValueAt(Integer Index) const;
  // Sets the value on every selected component, then calls Modified.
  void SetStrValue(const AnsiString& Value);

 private:
  TDesigner* designer_;
  std::vector<TPersistent*> selection_;
  const TPropInfo* prop_;
};

// The editor of string properties: the row shows the string and the user
// may type a new one.
class TStringProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  bool AllEqual() override;
  Integer GetEditLimit() override;
  AnsiString GetValue() override;
  void SetValue(const AnsiString& Value) override;
};

// Adds commands to a component's context menu in the form designer.
// Created through its class's virtual constructor (TComponentEditorClass)
// when the environment needs the verbs or the double-click action.
#if CAPTIONEER_VCL_VERSION >= 40
class TComponentEditor : public TInterfacedObject {
 public:
  TComponentEditor(TComponent* AComponent, IFormDesigner* ADesigner);
#else
class TComponentEditor : public TObject {
 public:
  TComponentEditor(TComponent* AComponent, TFormDesigner* ADesigner);
#endif

  // The virtual operations after the constructor, in slot order.
  // The double click: runs the first verb when there is one.
  virtual void Edit();
  // Runs verb Index; the base has no verbs and does nothing.
  virtual void ExecuteVerb(Integer Index);
  // The menu text of verb Index; the base gives no text.
  virtual AnsiString GetVerb(Integer Index);
  virtual Integer GetVerbCount();
  // Copies the component to the clipboard; the base does nothing.
  virtual void Copy();

  TComponent* Component() const { return component_; }
  TDesigner* Designer() const { return designer_; }

 private:
  TComponent* component_;
  TDesigner* designer_;
};

// Class references: the virtual constructors of editor classes.
struct TPropertyEditorClass {
  TPropertyEditor* (*Create)(TDesigner* ADesigner, std::vector<TPersistent*> Selection, const TPropInfo* Prop);
};
struct TComponentEditorClass {
  TComponentEditor* (*Create)(TComponent* AComponent, TDesigner* ADesigner);
};

template <typename E>
TPropertyEditorClass PropertyEditorClass() {
  static_assert(std::is_base_of_v<TPropertyEditor, E>);
  return {[](TDesigner* D, std::vector<TPersistent*> S, const TPropInfo* P) -> TPropertyEditor* {
    return new E(D, std::move(S), P);
  }};
}

template <typename E>
TComponentEditorClass ComponentEditorClass() {
  static_assert(std::is_base_of_v<TComponentEditor, E>);
  return {[](TComponent* C, TDesigner* D) -> TComponentEditor* { return new E(C, D); }};
}

using TComponentClass = const TClassInfo*;

// --- Registration ----------------------------------------------------------
// PropertyType: the property's type. ComponentClass: the class (and its
// descendants) the editor serves; nil for any. PropertyName: the one
// property served; empty for every property of that type.
void RegisterPropertyEditor(PTypeInfo PropertyType, TComponentClass ComponentClass,
                            const AnsiString& PropertyName, TPropertyEditorClass EditorClass);
void RegisterComponentEditor(TComponentClass ComponentClass, TComponentEditorClass EditorClass);
// Puts the classes (an open array, ComponentClasses_High its high index)
// on the palette page Page, creating the page at the end when it is new.
void RegisterComponents(const AnsiString& Page, const TComponentClass* ComponentClasses,
                        int ComponentClasses_High);

// --- What the development environment asks ---------------------------------
// Starts a new group and makes it current: registrations made from now on
// belong to it.
Integer NewEditorGroup();
// Drops every registration of Group. The current group becomes none
// (registrations then belong to group 0).
void FreeEditorGroup(Integer Group);

struct TPaletteEntry {
  AnsiString Page;
  std::vector<TComponentClass> Classes;
};
// The palette pages in the order they were first registered.
std::vector<TPaletteEntry> PalettePages();

// The editor for property Prop of components of class ComponentClass: the
// best fitting registration (a more derived class first, then one for the
// property's name, then the later one); without one, the default editor of
// the property's kind (DefaultEditors.h).
TPropertyEditorClass FindPropertyEditor(TComponentClass ComponentClass, const TPropInfo& Prop);

// Frees a component editor the way its base is released: the last
// reference given back on vcl40, deleted otherwise.
struct TComponentEditorRelease {
  void operator()(TComponentEditor* Editor) const;
};
using TComponentEditorPtr = std::unique_ptr<TComponentEditor, TComponentEditorRelease>;

// Creates the editor registered for Component's class or its nearest
// registered ancestor; the base TComponentEditor when there is none.
TComponentEditorPtr GetComponentEditor(TComponent* Component, TDesigner* Designer);

}  // namespace vcl
