#include "Tolvane/dictionary/SortList.h"

namespace Tolvane {

bool TSortList::SortFind(const vcl::AnsiString& S, vcl::Integer& Index) const {
  const bool positionMode = Index == -1;
  bool found = false;
  int low = 0;
  int high = Count() - 1;
  int probe = 0;
  while (low <= high) {
    probe = low + (high - low) / 2;
    // std::string compares as unsigned bytes, the shorter prefix first.
    const int order = S.compare(Strings(probe));
    if (order < 0) {
      high = probe - 1;
    } else if (order == 0) {
      found = true;
      break;
    } else {
      low = probe + 1;
      if (low > high && positionMode) ++probe;
    }
  }
  if (positionMode || Count() == 0)
    Index = probe;
  else
    Index = static_cast<vcl::Integer>(reinterpret_cast<std::uintptr_t>(GetObject(probe)));
  return found;
}

void TSortList::SortInsert(const vcl::AnsiString& S, vcl::TObject* AObject) {
  vcl::Integer index = -1;
  if (SortFind(S, index))
    PutObject(index, AObject);
  else
    InsertObject(index, S, AObject);
}

}  // namespace Tolvane
