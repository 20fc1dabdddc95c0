// Advice to the system about large buffers.
#pragma once

#include <cstddef>

namespace vcl {

// Asks for transparent huge pages behind a large buffer that is about to be
// filled, so that filling it takes a fraction of the page faults. Buffers
// smaller than a few huge pages are left alone; the advice is a hint and
// its failure is ignored.
void AdviseLargeBuffer(void* Data, std::size_t Size) noexcept;

}  // namespace vcl
