// The property editors the design-time interface offers by default: the
// environment uses them, by the property's kind, for every property that no
// package registered an editor for.
//
//   tkInteger      TIntegerProperty  the number, or its name in the ident map
//   tkBoolean      TEnumProperty     False / True
//   tkEnumeration  TEnumProperty     the member's name
//   tkSet          TSetProperty      [member,member], one sub-row per member
//   tkString       TStringProperty
//   tkClass        TClassProperty    (ClassName), sub-rows for its properties
//   tkMethod       TMethodProperty   the name of the root's handler
//
// Editors handed to a TGetPropEditProc (GetProperties) belong to the
// receiver, which frees them.
#pragma once

#include "vcl/DsgnIntf.h"

namespace vcl {

// Ordinal properties (integers, Booleans, enumerations, sets): the value is
// the property's ordinal.
class TOrdinalProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  // Whether every selected component holds the first one's ordinal.
  bool AllEqual() override;

 protected:
  Int64 GetOrdValue() const { return GetOrdValueAt(0); }
  Int64 GetOrdValueAt(Integer Index) const;
  // Sets the ordinal on every selected component, then calls Modified.
  void SetOrdValue(Int64 Value);
};

// Integers: shown as the name the property's ident map gives the value
// (a colour as clWindowText), else as the decimal number. Typed text is a
// name of the map or a number, decimal or hexadecimal with a leading '$'.
class TIntegerProperty : public TOrdinalProperty {
 public:
  using TOrdinalProperty::TOrdinalProperty;
  AnsiString GetValue() override;
  // Raises EConvertError for text that is neither.
  void SetValue(const AnsiString& Value) override;
};

// Enumerations, and Booleans as the enumeration False, True: a value list
// of the members' names.
class TEnumProperty : public TOrdinalProperty {
 public:
  using TOrdinalProperty::TOrdinalProperty;
  TPropertyAttributes GetAttributes() override;
  // The member's name; the number for an ordinal without a member.
  AnsiString GetValue() override;
  void GetValues(TGetStrProc Proc) override;
  // A member's name, ignoring ASCII case; raises EConvertError otherwise.
  void SetValue(const AnsiString& Value) override;

 private:
  const TEnumNames& Members() const;
};

// Sets: read-only as a whole; each member is a Boolean sub-row.
class TSetProperty : public TOrdinalProperty {
 public:
  using TOrdinalProperty::TOrdinalProperty;
  TPropertyAttributes GetAttributes() override;
  // One TSetElementProperty per member of the base type.
  void GetProperties(TGetPropEditProc Proc) override;
  // The members held, in ordinal order: "[fsBold,fsItalic]".
  AnsiString GetValue() override;
};

// One member of a set property: whether the set holds it.
class TSetElementProperty : public TPropertyEditor {
 public:
  TSetElementProperty(TDesigner* ADesigner, std::vector<TPersistent*> Selection, const TPropInfo* Prop,
                      Integer Element);
  bool AllEqual() override;
  TPropertyAttributes GetAttributes() override;
  // The member's name.
  AnsiString GetName() override;
  AnsiString GetValue() override;
  void GetValues(TGetStrProc Proc) override;
  // "True" adds the member to every selected component's set, "False"
  // removes it; raises EConvertError otherwise.
  void SetValue(const AnsiString& Value) override;

 private:
  bool HasElement(Integer Index) const;
  Integer element_;
};

// Sub-objects (a font, a string list): read-only as a whole; their own
// published properties are the sub-rows.
class TClassProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
  // An editor for each published property of the first selected
  // component's sub-object, serving the sub-objects of the whole selection.
  void GetProperties(TGetPropEditProc Proc) override;
  // The sub-object's class name in brackets, "(TFont)"; empty for none.
  AnsiString GetValue() override;

 private:
  std::vector<TPersistent*> SubObjects() const;
};

// Events: the handler is a published method of the root (the form being
// designed), shown and chosen by its name.
class TMethodProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  bool AllEqual() override;
  TPropertyAttributes GetAttributes() override;
  // The handler's name; empty when the event has none or the root does not
  // publish it.
  AnsiString GetValue() override;
  // The root's published methods that fit the event.
  void GetValues(TGetStrProc Proc) override;
  // Assigns the root's method of that name to the event of every selected
  // component; empty text clears it. Raises EConvertError for a name the
  // root does not publish or whose parameters do not fit.
  void SetValue(const AnsiString& Value) override;

 private:
  AnsiString MethodName(const TMethod& Method) const;
  const TClassInfo* RootClass() const;
  bool Fits(const TMethodInfo& Method) const;
};

// The default editor for properties of Kind.
TPropertyEditorClass DefaultPropertyEditor(TTypeKind Kind);

}  // namespace vcl
