// TObject and TPersistent, the roots of the host's class tree.
#pragma once

#include "vcl/System.h"

namespace vcl {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

class TPersistent : public TObject {
 public:
  // Copies Source's state into this object. Classes that know Source's kind
  // override it; the base raises EConvertError, as the host does.
  virtual void Assign(const TPersistent* Source);

 protected:
  [[noreturn]] void AssignError(const TPersistent* Source) const;
};

// Whether Obj is a T or derives from one (the host's "is").
template <typename T, typename U>
bool Is(const U* Obj) {
  return dynamic_cast<const T*>(Obj) != nullptr;
}

}  // namespace vcl
