// A component's context menu in the form designer: the verbs of the
// component editor registered for its class.
#pragma once

#include <string>
#include <vector>

#include "vcl/DsgnIntf.h"

namespace ide {

// The menu texts, in verb order. Each call asks a new component editor, as
// the designer creates one when it builds the menu and frees it after.
std::vector<std::string> Verbs(vcl::TComponent* Component, vcl::TDesigner& Designer);
// Runs verb Index (ExecuteVerb of a new component editor).
void ExecuteVerb(vcl::TComponent* Component, vcl::TDesigner& Designer, int Index);

}  // namespace ide
