#include "vcl/Object.h"

#include "vcl/ClassRegistry.h"
#include "vcl/Exception.h"

namespace vcl {

const TClassInfo* TObject::ClassInfo() const { return ClassInfoOf(this); }

AnsiString TObject::ClassName() const {
  const TClassInfo* info = ClassInfo();
  return info != nullptr ? info->Name : AnsiString();
}

void TPersistent::DefineProperties(TFiler* Filer) { (void)Filer; }

void TPersistent::Assign(const TPersistent* Source) { AssignError(Source); }

void TPersistent::AssignError(const TPersistent* Source) const {
  (void)Source;
  throw EConvertError("Cannot assign this object");
}

}  // namespace vcl
