// Global operator new that remembers the size it failed to get, then throws
// as usual: code that can live without the memory (picture decoding) catches
// std::bad_alloc; a handler that cannot ends in the fatal error report.
#include "shell/allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<size_t> failedSize{0};

void* allocate(size_t n) {
  if (n == 0) n = 1;
  for (;;) {
    if (void* p = std::malloc(n)) return p;
    std::new_handler handler = std::get_new_handler();
    if (!handler) {
      failedSize = n;
      throw std::bad_alloc();
    }
    handler();
  }
}
}  // namespace

size_t lastFailedAllocationSize() { return failedSize; }

void* operator new(size_t n) { return allocate(n); }
void* operator new[](size_t n) { return allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
