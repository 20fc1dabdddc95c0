#include "vcl/Object.h"

#include "vcl/Exception.h"

namespace vcl {

void TPersistent::Assign(const TPersistent* Source) { AssignError(Source); }

void TPersistent::AssignError(const TPersistent* Source) const {
  (void)Source;
  throw EConvertError("Cannot assign this object");
}

}  // namespace vcl
