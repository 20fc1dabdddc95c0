#include "vcl/Memory.h"

#include <sys/mman.h>

#include <cstdint>

namespace vcl {

void AdviseLargeBuffer(void* Data, std::size_t Size) noexcept {
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  if (Size < 4 * kHugePage) return;
  const auto begin = (reinterpret_cast<std::uintptr_t>(Data) + kHugePage - 1) & ~(kHugePage - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(Data) + Size) & ~(kHugePage - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace vcl
