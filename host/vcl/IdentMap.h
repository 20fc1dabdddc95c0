// Integer-to-identifier maps: the names under which some integer values are
// written to form streams (colours as clRed, charsets as EASTEUROPE_CHARSET).
// A value without a name is written as a number.
#pragma once

#include <span>

#include "vcl/System.h"

namespace vcl {

struct TIdentMapEntry {
  Integer Value;
  const char* Name;
};
using TIdentMap = std::span<const TIdentMapEntry>;

// The first name of Value in Map; false when it has none.
bool IntToIdent(Integer Value, AnsiString& Ident, TIdentMap Map);
// The value named Ident, ignoring ASCII case; false when Map lacks it.
bool IdentToInt(const AnsiString& Ident, Integer& Value, TIdentMap Map);

}  // namespace vcl
