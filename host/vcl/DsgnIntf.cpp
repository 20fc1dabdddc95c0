#include "vcl/DsgnIntf.h"

#include <algorithm>

#include "vcl/DefaultEditors.h"
#include "vcl/SysUtils.h"

namespace vcl {

namespace {

struct TPropertyRegistration {
  Integer Group;
  PTypeInfo PropertyType;
  TComponentClass ComponentClass;
  AnsiString PropertyName;
  TPropertyEditorClass EditorClass;
};

struct TComponentEditorRegistration {
  Integer Group;
  TComponentClass ComponentClass;
  TComponentEditorClass EditorClass;
};

struct TPaletteRegistration {
  Integer Group;
  AnsiString Page;
  TComponentClass ComponentClass;
};

// The registrations of all loaded packages. The environment registers from
// its main thread only.
struct TRegistry {
  Integer currentGroup = 0;
  Integer lastGroup = 0;
  std::vector<TPropertyRegistration> properties;
  std::vector<TComponentEditorRegistration> componentEditors;
  std::vector<TPaletteRegistration> palette;
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

// How many steps Ancestor lies above Class; -1 when it is no ancestor.
int Distance(TComponentClass Class, TComponentClass Ancestor) {
  int steps = 0;
  for (const TClassInfo* c = Class; c != nullptr; c = c->Parent, ++steps)
    if (c == Ancestor) return steps;
  return -1;
}

}  // namespace

template <>
PTypeInfo TypeInfo<AnsiString>() {
  static const TTypeInfo info{TTypeKind::tkString, "string"};
  return &info;
}

template <>
PTypeInfo TypeInfo<Integer>() {
  static const TTypeInfo info{TTypeKind::tkInteger, "Integer"};
  return &info;
}

template <>
PTypeInfo TypeInfo<bool>() {
  static const TTypeInfo info{TTypeKind::tkBoolean, "Boolean"};
  return &info;
}

// --- TPropertyEditor -----------------------------------------------------------

TPropertyEditor::TPropertyEditor(TDesigner* ADesigner, std::vector<TPersistent*> Selection,
                                 const TPropInfo* Prop)
    : designer_(ADesigner), selection_(std::move(Selection)), prop_(Prop) {}

void TPropertyEditor::Activate() {}

bool TPropertyEditor::AllEqual() { return PropCount() == 1; }

#if CAPTIONEER_VCL_VERSION >= 40
bool TPropertyEditor::AutoFill() { return GetAttributes().Contains(paValueList); }
#endif

void TPropertyEditor::Edit() {
  if (!GetAttributes().Contains(paValueList)) return;
  std::vector<AnsiString> values;
  GetValues([&](const AnsiString& S) { values.push_back(S); });
  if (values.empty()) return;
  const AnsiString current = GetValue();
  auto at = std::find(values.begin(), values.end(), current);
  SetValue(at == values.end() || at + 1 == values.end() ? values.front() : *(at + 1));
}

TPropertyAttributes TPropertyEditor::GetAttributes() { return {paMultiSelect, paRevertable}; }

Integer TPropertyEditor::GetEditLimit() { return 255; }

AnsiString TPropertyEditor::GetName() { return prop_->Name; }

void TPropertyEditor::GetProperties(TGetPropEditProc) {}

AnsiString TPropertyEditor::GetValue() { return "(unknown)"; }

void TPropertyEditor::GetValues(TGetStrProc) {}

void TPropertyEditor::Initialize() {}

void TPropertyEditor::SetValue(const AnsiString&) {}

TPersistent* TPropertyEditor::GetComponent(Integer Index) const {
  if (Index < 0 || Index >= PropCount())
    throw EComponentError(Format("List index out of bounds (%d)", Index));
  return selection_[static_cast<std::size_t>(Index)];
}

void TPropertyEditor::Modified() {
  if (designer_ != nullptr) designer_->Modified();
}

AnsiString TPropertyEditor::GetStrValue() const { return GetStrValueAt(0); }

AnsiString TPropertyEditor::GetStrValueAt(Integer Index) const { return prop_->GetStr(GetComponent(Index)); }

void TPropertyEditor::SetStrValue(const AnsiString& Value) {
  for (TPersistent* p : selection_) prop_->SetStr(p, Value);
  Modified();
}

// --- TStringProperty -------------------------------------------------------------

bool TStringProperty::AllEqual() {
  const AnsiString first = GetStrValue();
  for (Integer i = 1; i < PropCount(); ++i)
    if (GetStrValueAt(i) != first) return false;
  return true;
}

Integer TStringProperty::GetEditLimit() { return 255; }

AnsiString TStringProperty::GetValue() { return GetStrValue(); }

void TStringProperty::SetValue(const AnsiString& Value) { SetStrValue(Value); }

// --- TComponentEditor ----------------------------------------------------------

TComponentEditor::TComponentEditor(TComponent* AComponent, TDesigner* ADesigner)
    : component_(AComponent), designer_(ADesigner) {}

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}

void TComponentEditor::ExecuteVerb(Integer) {}

AnsiString TComponentEditor::GetVerb(Integer) { return {}; }

Integer TComponentEditor::GetVerbCount() { return 0; }

void TComponentEditor::Copy() {}

void TComponentEditorRelease::operator()(TComponentEditor* Editor) const {
#if CAPTIONEER_VCL_VERSION >= 40
  Editor->_Release();
#else
  delete Editor;
#endif
}

// --- Registration ----------------------------------------------------------------

void RegisterPropertyEditor(PTypeInfo PropertyType, TComponentClass ComponentClass,
                            const AnsiString& PropertyName, TPropertyEditorClass EditorClass) {
  TRegistry& r = Registry();
  r.properties.push_back({r.currentGroup, PropertyType, ComponentClass, PropertyName, EditorClass});
}

void RegisterComponentEditor(TComponentClass ComponentClass, TComponentEditorClass EditorClass) {
  TRegistry& r = Registry();
  r.componentEditors.push_back({r.currentGroup, ComponentClass, EditorClass});
}

void RegisterComponents(const AnsiString& Page, const TComponentClass* ComponentClasses,
                        int ComponentClasses_High) {
  TRegistry& r = Registry();
  for (int i = 0; i <= ComponentClasses_High; ++i)
    r.palette.push_back({r.currentGroup, Page, ComponentClasses[i]});
}

Integer NewEditorGroup() {
  TRegistry& r = Registry();
  r.currentGroup = ++r.lastGroup;
  return r.currentGroup;
}

void FreeEditorGroup(Integer Group) {
  TRegistry& r = Registry();
  auto inGroup = [Group](const auto& entry) { return entry.Group == Group; };
  std::erase_if(r.properties, inGroup);
  std::erase_if(r.componentEditors, inGroup);
  std::erase_if(r.palette, inGroup);
  r.currentGroup = 0;
}

std::vector<TPaletteEntry> PalettePages() {
  std::vector<TPaletteEntry> pages;
  for (const TPaletteRegistration& e : Registry().palette) {
    auto page = std::find_if(pages.begin(), pages.end(), [&](const TPaletteEntry& p) { return p.Page == e.Page; });
    if (page == pages.end()) page = pages.insert(pages.end(), TPaletteEntry{e.Page, {}});
    page->Classes.push_back(e.ComponentClass);
  }
  return pages;
}

TPropertyEditorClass FindPropertyEditor(TComponentClass ComponentClass, const TPropInfo& Prop) {
  const TPropertyRegistration* best = nullptr;
  int bestDistance = 0;
  for (const TPropertyRegistration& e : Registry().properties) {
    if (e.PropertyType->Kind != Prop.Kind) continue;
    if (!e.PropertyName.empty() && !SameText(e.PropertyName, Prop.Name)) continue;
    // A registration for no class serves every class, after all that name one.
    const int distance = e.ComponentClass == nullptr ? 1 << 16 : Distance(ComponentClass, e.ComponentClass);
    if (distance < 0) continue;
    const bool better = best == nullptr || distance < bestDistance ||
                        (distance == bestDistance && (!e.PropertyName.empty() || best->PropertyName.empty()));
    if (better) {
      best = &e;
      bestDistance = distance;
    }
  }
  if (best != nullptr) return best->EditorClass;
  return DefaultPropertyEditor(Prop.Kind);
}

TComponentEditorPtr GetComponentEditor(TComponent* Component, TDesigner* Designer) {
  const TClassInfo* cls = ClassInfoOf(Component);
  const TComponentEditorRegistration* best = nullptr;
  int bestDistance = 0;
  for (const TComponentEditorRegistration& e : Registry().componentEditors) {
    const int distance = Distance(cls, e.ComponentClass);
    if (distance >= 0 && (best == nullptr || distance <= bestDistance)) {
      best = &e;
      bestDistance = distance;
    }
  }
  TComponentEditor* editor = best != nullptr ? best->EditorClass.Create(Component, Designer)
                                             : new TComponentEditor(Component, Designer);
#if CAPTIONEER_VCL_VERSION >= 40
  editor->_AddRef();
#endif
  return TComponentEditorPtr(editor);
}

}  // namespace vcl
