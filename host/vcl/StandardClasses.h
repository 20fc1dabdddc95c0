// The registration of the host's own classes and their published
// properties. The class registry runs it before its first use.
#pragma once

namespace vcl {

void RegisterStandardClasses();

}  // namespace vcl
