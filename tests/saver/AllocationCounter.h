#pragma once

namespace fl::test {

// How many times the test program allocated so far (global operator new).
long AllocationCount();

}  // namespace fl::test
