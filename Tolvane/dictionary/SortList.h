// TSortList: a string list kept in ascending byte order by its own binary
// search and insertion.
#pragma once

#include <cstdint>

#include "vcl/StringList.h"

namespace Tolvane {

// Strings compare as unsigned bytes, case-sensitive, the shorter of two
// where one is a prefix of the other first. The list stays in order only as
// long as every insertion goes through SortInsert.
class TSortList : public vcl::TStringList {
 public:
  // Bisects for S. With Index -1 on entry, Index receives the position of S
  // or, when it is absent, the position of the first greater string (Count
  // when none is greater). With any other value on entry, Index receives
  // the object of the item compared last, narrowed to 32 bits; 0 for an
  // empty list. Returns whether S is present.
  bool SortFind(const vcl::AnsiString& S, vcl::Integer& Index) const;

  // Inserts S with AObject at its place; for an S already present, only
  // replaces that item's object.
  void SortInsert(const vcl::AnsiString& S, vcl::TObject* AObject);
};

}  // namespace Tolvane
