// The package's components that are alive, in construction order. The hook
// stays installed while one of them outside the designer is switched on, and
// captioneerInstance falls back to the most recent of them.
#pragma once

#include <vector>

namespace Tolvane {

class TCaptioneer;

namespace LiveComponents {

void Add(TCaptioneer* Component);
void Remove(TCaptioneer* Component);
const std::vector<TCaptioneer*>& All();

}  // namespace LiveComponents
}  // namespace Tolvane
