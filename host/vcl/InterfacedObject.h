// Reference-counted objects behind interfaces. An object handed out through
// an interface lives as long as some holder keeps a reference: _AddRef takes
// one, _Release gives one back and frees the object when none is left.
#pragma once

#include "vcl/Object.h"

namespace vcl {

class IInterface {
 public:
  virtual Integer _AddRef() = 0;
  virtual Integer _Release() = 0;

 protected:
  ~IInterface() = default;
};

// Starts with no reference: the first holder calls _AddRef.
class TInterfacedObject : public TObject, public IInterface {
 public:
  Integer _AddRef() override { return ++refCount_; }
  Integer _Release() override {
    const Integer left = --refCount_;
    if (left == 0) delete this;
    return left;
  }
  Integer RefCount() const { return refCount_; }

 private:
  Integer refCount_ = 0;
};

}  // namespace vcl
