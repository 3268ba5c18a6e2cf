// Replaces the global allocation functions of the test program to count calls.
#include <cstdlib>
#include <new>

#include "tests/saver/AllocationCounter.h"

namespace {

long allocations = 0;  // one thread

void* TryAllocate(std::size_t size) noexcept {
  ++allocations;
  return std::malloc(size == 0 ? 1 : size);
}
void* Allocate(std::size_t size) {
  if (void* block = TryAllocate(size)) return block;
  throw std::bad_alloc();
}
}  // namespace

// Every plain form, so that what one form allocates another form can free.
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return TryAllocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return TryAllocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

namespace fl::test {
long AllocationCount() { return allocations; }
}  // namespace fl::test
