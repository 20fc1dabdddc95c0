// The unit's design-time registration. The development environment calls
// Register when it loads a package for design; a package exports it under
// the host's naming of unit procedures (the C++ function Unit::Register(),
// by its mangled name).
#pragma once

namespace Tolvane {

// Puts TCaptioneer on the palette page "Quendale" and attaches its
// editors: the About and FileName property editors and the component
// editor.
void Register();

}  // namespace Tolvane
