#include "Tolvane/component/LiveComponents.h"

#include <algorithm>

namespace Tolvane::LiveComponents {

namespace {
std::vector<TCaptioneer*>& List() {
  static std::vector<TCaptioneer*> list;
  return list;
}
}  // namespace

void Add(TCaptioneer* Component) { List().push_back(Component); }

void Remove(TCaptioneer* Component) {
  auto& list = List();
  list.erase(std::remove(list.begin(), list.end(), Component), list.end());
}

const std::vector<TCaptioneer*>& All() { return List(); }

}  // namespace Tolvane::LiveComponents
