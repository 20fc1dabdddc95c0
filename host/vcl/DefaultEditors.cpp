#include "vcl/DefaultEditors.h"

#include <charconv>
#include <limits>

#include "vcl/Exception.h"
#include "vcl/SysUtils.h"

namespace vcl {

namespace {

const AnsiString kFalse = "False";
const AnsiString kTrue = "True";

// The host's integer syntax: an optional sign, then decimal digits or '$'
// and hexadecimal digits; a hexadecimal value fills all 32 bits.
bool TryStrToInt(const AnsiString& Text, Integer& Value) {
  const char* first = Text.data();
  const char* last = first + Text.size();
  const bool negative = first != last && *first == '-';
  if (first != last && (*first == '-' || *first == '+')) ++first;
  const bool hex = first != last && *first == '$';
  if (hex) ++first;
  if (first == last) return false;
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(first, last, magnitude, hex ? 16 : 10);
  if (error != std::errc() || end != last) return false;
  const std::uint64_t limit = hex ? std::numeric_limits<std::uint32_t>::max()
                                  : std::uint64_t{std::numeric_limits<Integer>::max()} + (negative ? 1 : 0);
  if (magnitude > limit) return false;
  const auto bits = static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
  Value = static_cast<Integer>(bits);
  return true;
}

EConvertError InvalidValue() { return EConvertError("Invalid property value"); }

bool ParseBoolean(const AnsiString& Text) {
  if (SameText(Text, kTrue)) return true;
  if (SameText(Text, kFalse)) return false;
  throw InvalidValue();
}

// Creates the editor the environment would use for Prop of objects of class
// Class, ready for use.
TPropertyEditor* NewEditor(TDesigner* Designer, const std::vector<TPersistent*>& Selection, const TClassInfo* Class,
                           const TPropInfo& Prop) {
  TPropertyEditor* editor = FindPropertyEditor(Class, Prop).Create(Designer, Selection, &Prop);
  editor->Initialize();
  return editor;
}

}  // namespace

// --- TOrdinalProperty ------------------------------------------------------------

bool TOrdinalProperty::AllEqual() {
  const Int64 first = GetOrdValue();
  for (Integer i = 1; i < PropCount(); ++i)
    if (GetOrdValueAt(i) != first) return false;
  return true;
}

Int64 TOrdinalProperty::GetOrdValueAt(Integer Index) const { return GetPropInfo()->GetOrd(GetComponent(Index)); }

void TOrdinalProperty::SetOrdValue(Int64 Value) {
  for (Integer i = 0; i < PropCount(); ++i) GetPropInfo()->SetOrd(GetComponent(i), Value);
  Modified();
}

// --- TIntegerProperty -----------------------------------------------------------

AnsiString TIntegerProperty::GetValue() {
  const auto value = static_cast<Integer>(GetOrdValue());
  AnsiString ident;
  if (IntToIdent(value, ident, GetPropInfo()->IdentMap)) return ident;
  return std::to_string(value);
}

void TIntegerProperty::SetValue(const AnsiString& Value) {
  Integer number = 0;
  if (!IdentToInt(Value, number, GetPropInfo()->IdentMap) && !TryStrToInt(Value, number))
    throw EConvertError("'" + Value + "' is not a valid integer value");
  SetOrdValue(number);
}

// --- TEnumProperty ---------------------------------------------------------------

TPropertyAttributes TEnumProperty::GetAttributes() { return {paMultiSelect, paValueList, paSortList, paRevertable}; }

AnsiString TEnumProperty::GetValue() {
  const Int64 value = GetOrdValue();
  const TEnumNames& members = Members();
  if (value >= 0 && value < static_cast<Int64>(members.size())) return members[static_cast<std::size_t>(value)];
  return std::to_string(value);
}

void TEnumProperty::GetValues(TGetStrProc Proc) {
  for (const AnsiString& name : Members()) Proc(name);
}

void TEnumProperty::SetValue(const AnsiString& Value) {
  const TEnumNames& members = Members();
  for (std::size_t i = 0; i < members.size(); ++i)
    if (SameText(members[i], Value)) return SetOrdValue(static_cast<Int64>(i));
  throw InvalidValue();
}

const TEnumNames& TEnumProperty::Members() const {
  static const TEnumNames boolean{kFalse, kTrue};
  return GetPropInfo()->Kind == TTypeKind::tkBoolean ? boolean : GetPropInfo()->Names;
}

// --- TSetProperty ----------------------------------------------------------------

TPropertyAttributes TSetProperty::GetAttributes() { return {paSubProperties, paReadOnly, paRevertable}; }

void TSetProperty::GetProperties(TGetPropEditProc Proc) {
  std::vector<TPersistent*> selection;
  for (Integer i = 0; i < PropCount(); ++i) selection.push_back(GetComponent(i));
  for (std::size_t e = 0; e < GetPropInfo()->Names.size(); ++e) {
    auto* editor = new TSetElementProperty(Designer(), selection, GetPropInfo(), static_cast<Integer>(e));
    editor->Initialize();
    Proc(editor);
  }
}

AnsiString TSetProperty::GetValue() {
  const Int64 bits = GetOrdValue();
  const TEnumNames& names = GetPropInfo()->Names;
  AnsiString text = "[";
  for (std::size_t e = 0; e < names.size(); ++e) {
    if ((bits & (Int64{1} << e)) == 0) continue;
    if (text.size() > 1) text += ',';
    text += names[e];
  }
  return text + "]";
}

// --- TSetElementProperty -------------------------------------------------------

TSetElementProperty::TSetElementProperty(TDesigner* ADesigner, std::vector<TPersistent*> Selection,
                                         const TPropInfo* Prop, Integer Element)
    : TPropertyEditor(ADesigner, std::move(Selection), Prop), element_(Element) {}

bool TSetElementProperty::AllEqual() {
  const bool first = HasElement(0);
  for (Integer i = 1; i < PropCount(); ++i)
    if (HasElement(i) != first) return false;
  return true;
}

TPropertyAttributes TSetElementProperty::GetAttributes() { return {paMultiSelect, paValueList, paSortList}; }

AnsiString TSetElementProperty::GetName() { return GetPropInfo()->Names[static_cast<std::size_t>(element_)]; }

AnsiString TSetElementProperty::GetValue() { return HasElement(0) ? kTrue : kFalse; }

void TSetElementProperty::GetValues(TGetStrProc Proc) {
  Proc(kFalse);
  Proc(kTrue);
}

void TSetElementProperty::SetValue(const AnsiString& Value) {
  const bool add = ParseBoolean(Value);
  const Int64 bit = Int64{1} << element_;
  for (Integer i = 0; i < PropCount(); ++i) {
    TPersistent* p = GetComponent(i);
    const Int64 bits = GetPropInfo()->GetOrd(p);
    GetPropInfo()->SetOrd(p, add ? bits | bit : bits & ~bit);
  }
  Modified();
}

bool TSetElementProperty::HasElement(Integer Index) const {
  return (GetPropInfo()->GetOrd(GetComponent(Index)) & (Int64{1} << element_)) != 0;
}

// --- TClassProperty ----------------------------------------------------------------

TPropertyAttributes TClassProperty::GetAttributes() { return {paMultiSelect, paSubProperties, paReadOnly}; }

void TClassProperty::GetProperties(TGetPropEditProc Proc) {
  const std::vector<TPersistent*> objects = SubObjects();
  if (objects.empty()) return;
  const TClassInfo* cls = ClassInfoOf(objects.front());
  if (cls == nullptr) return;
  for (const TPropInfo* prop : cls->AllProperties()) Proc(NewEditor(Designer(), objects, cls, *prop));
}

AnsiString TClassProperty::GetValue() {
  const TPersistent* object = GetPropInfo()->GetObject(GetComponent(0));
  const TClassInfo* cls = object != nullptr ? ClassInfoOf(object) : nullptr;
  return cls != nullptr ? "(" + cls->Name + ")" : AnsiString();
}

// The sub-objects of the selection, as long as every selected component has
// one: a sub-row serves all of them or none.
std::vector<TPersistent*> TClassProperty::SubObjects() const {
  std::vector<TPersistent*> objects;
  for (Integer i = 0; i < PropCount(); ++i) {
    TPersistent* object = GetPropInfo()->GetObject(GetComponent(i));
    if (object == nullptr) return {};
    objects.push_back(object);
  }
  return objects;
}

// --- TMethodProperty ---------------------------------------------------------------

bool TMethodProperty::AllEqual() {
  const TMethod first = GetPropInfo()->GetMethod(GetComponent(0));
  for (Integer i = 1; i < PropCount(); ++i)
    if (!(GetPropInfo()->GetMethod(GetComponent(i)) == first)) return false;
  return true;
}

TPropertyAttributes TMethodProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

AnsiString TMethodProperty::GetValue() { return MethodName(GetPropInfo()->GetMethod(GetComponent(0))); }

void TMethodProperty::GetValues(TGetStrProc Proc) {
  for (const TClassInfo* c = RootClass(); c != nullptr; c = c->Parent)
    for (const TMethodInfo& m : c->Methods)
      if (Fits(m)) Proc(m.Name);
}

void TMethodProperty::SetValue(const AnsiString& Value) {
  TMethod method;
  if (!Value.empty()) {
    const TClassInfo* root = RootClass();
    const TMethodInfo* info = root != nullptr ? root->FindMethod(Value) : nullptr;
    if (info == nullptr || !Fits(*info)) throw InvalidValue();
    method = TMethod{info->Code, Designer()->GetRoot()};
  }
  for (Integer i = 0; i < PropCount(); ++i) GetPropInfo()->SetMethod(GetComponent(i), method);
  Modified();
}

AnsiString TMethodProperty::MethodName(const TMethod& Method) const {
  const TClassInfo* root = RootClass();
  const TMethodInfo* info = Method && root != nullptr ? root->FindMethod(Method.Code) : nullptr;
  return info != nullptr ? info->Name : AnsiString();
}

const TClassInfo* TMethodProperty::RootClass() const {
  TComponent* root = Designer() != nullptr ? Designer()->GetRoot() : nullptr;
  return root != nullptr ? ClassInfoOf(root) : nullptr;
}

bool TMethodProperty::Fits(const TMethodInfo& Method) const {
  const std::type_info* wanted = GetPropInfo()->Signature;
  return wanted == nullptr || Method.Signature == nullptr || *wanted == *Method.Signature;
}

// --- Choice by kind ------------------------------------------------------------------

TPropertyEditorClass DefaultPropertyEditor(TTypeKind Kind) {
  switch (Kind) {
    case TTypeKind::tkInteger:
      return PropertyEditorClass<TIntegerProperty>();
    case TTypeKind::tkBoolean:
    case TTypeKind::tkEnumeration:
      return PropertyEditorClass<TEnumProperty>();
    case TTypeKind::tkSet:
      return PropertyEditorClass<TSetProperty>();
    case TTypeKind::tkString:
      return PropertyEditorClass<TStringProperty>();
    case TTypeKind::tkClass:
      return PropertyEditorClass<TClassProperty>();
    case TTypeKind::tkMethod:
      return PropertyEditorClass<TMethodProperty>();
  }
  return PropertyEditorClass<TPropertyEditor>();
}

}  // namespace vcl
