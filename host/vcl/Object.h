// TObject and TPersistent, the roots of the host's class tree.
#pragma once

#include "vcl/System.h"

namespace vcl {

struct TClassInfo;
class TFiler;

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The registered class of this object, or of its nearest registered
  // ancestor (ClassRegistry.h), and that class's name.
  const TClassInfo* ClassInfo() const;
  AnsiString ClassName() const;
};

class TPersistent : public TObject {
 public:
  // Copies Source's state into this object. Classes that know Source's kind
  // override it; the base raises EConvertError, as the host does.
  virtual void Assign(const TPersistent* Source);

  // Declares the properties that the filer stores beside the published
  // ones (TFiler::DefineProperty). The base declares none.
  virtual void DefineProperties(TFiler* Filer);

 protected:
  [[noreturn]] void AssignError(const TPersistent* Source) const;
};

// Whether Obj is a T or derives from one (the host's "is").
template <typename T, typename U>
bool Is(const U* Obj) {
  return dynamic_cast<const T*>(Obj) != nullptr;
}

}  // namespace vcl
