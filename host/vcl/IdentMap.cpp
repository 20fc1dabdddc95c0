#include "vcl/IdentMap.h"

#include "vcl/SysUtils.h"

namespace vcl {

bool IntToIdent(Integer Value, AnsiString& Ident, TIdentMap Map) {
  for (const auto& e : Map)
    if (e.Value == Value) {
      Ident = e.Name;
      return true;
    }
  return false;
}

bool IdentToInt(const AnsiString& Ident, Integer& Value, TIdentMap Map) {
  for (const auto& e : Map)
    if (SameText(Ident, e.Name)) {
      Value = e.Value;
      return true;
    }
  return false;
}

}  // namespace vcl
