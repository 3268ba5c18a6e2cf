// Replaces the global allocation functions of the test program to count calls.
#include <cstdlib>
#include <new>

#include "tests/saver/AllocationCounter.h"

namespace {
long allocations = 0;  // one thread
}  // namespace

namespace {
void* Allocate(std::size_t size) {
  ++allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
}  // namespace

// Every plain form, so that what one form allocates another form can free.
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace fl::test {
long AllocationCount() { return allocations; }
}  // namespace fl::test
