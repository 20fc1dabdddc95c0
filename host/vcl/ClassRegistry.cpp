#include "vcl/ClassRegistry.h"

#include <deque>
#include <mutex>
#include <unordered_map>

#include "vcl/FilerConsts.h"
#include "vcl/StandardClasses.h"
#include "vcl/SysUtils.h"

namespace vcl {

namespace {

struct Registry {
  std::mutex lock;
  std::deque<TClassInfo> classes;  // a deque keeps the entries where they are
  std::unordered_map<std::type_index, const TClassInfo*> byType;
  // Dynamic types met by ClassInfoOf(Obj) that were never registered,
  // mapped to their nearest registered ancestor.
  std::unordered_map<std::type_index, const TClassInfo*> nearest;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

int Depth(const TClassInfo* Info) {
  int d = 0;
  for (; Info != nullptr; Info = Info->Parent) ++d;
  return d;
}

}  // namespace

namespace detail {

const TClassInfo& AddClass(TClassInfo Info) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  if (auto it = r.byType.find(Info.Type); it != r.byType.end()) return *it->second;
  for (const auto& c : r.classes)
    if (SameText(c.Name, Info.Name)) throw EFilerError(Format(FilerConsts::SDuplicateClass, Info.Name.c_str()));
  r.classes.push_back(std::move(Info));
  const TClassInfo& added = r.classes.back();
  r.byType.emplace(added.Type, &added);
  r.nearest.clear();
  return added;
}

const TClassInfo* ExactClassInfo(const std::type_info& Type) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  auto it = r.byType.find(std::type_index(Type));
  return it == r.byType.end() ? nullptr : it->second;
}

void EnsureStandardClasses() {
  static const bool registered = (RegisterStandardClasses(), true);
  (void)registered;
}

}  // namespace detail

bool TClassInfo::InheritsFrom(const TClassInfo* Ancestor) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->Parent)
    if (c == Ancestor) return true;
  return false;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c != nullptr; c = c->Parent) chain.push_back(c);
  std::vector<const TPropInfo*> all;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const auto& p : (*it)->Properties) all.push_back(&p);
  return all;
}

const TPropInfo* TClassInfo::FindProperty(const AnsiString& PropName) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->Parent)
    for (const auto& p : c->Properties)
      if (SameText(p.Name, PropName)) return &p;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(const AnsiString& MethodName) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->Parent)
    for (const auto& m : c->Methods)
      if (SameText(m.Name, MethodName)) return &m;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(TMethodCode Code) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->Parent)
    for (const auto& m : c->Methods)
      if (m.Code == Code) return &m;
  return nullptr;
}

const TClassInfo* GetClass(const AnsiString& Name) {
  detail::EnsureStandardClasses();
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  for (const auto& c : r.classes)
    if (SameText(c.Name, Name)) return &c;
  return nullptr;
}

const TClassInfo& FindClass(const AnsiString& Name) {
  const TClassInfo* info = GetClass(Name);
  if (info == nullptr) throw EClassNotFound(Format(FilerConsts::SClassNotFound, Name.c_str()));
  return *info;
}

const TClassInfo* ClassInfoOf(const TObject* Obj) {
  if (Obj == nullptr) return nullptr;
  detail::EnsureStandardClasses();
  Registry& r = TheRegistry();
  const std::type_index type(typeid(*Obj));
  std::lock_guard guard(r.lock);
  if (auto it = r.byType.find(type); it != r.byType.end()) return it->second;
  if (auto it = r.nearest.find(type); it != r.nearest.end()) return it->second;
  const TClassInfo* best = nullptr;
  for (const auto& c : r.classes)
    if (c.IsInstance(Obj) && (best == nullptr || Depth(&c) > Depth(best))) best = &c;
  r.nearest.emplace(type, best);
  return best;
}

}  // namespace vcl
