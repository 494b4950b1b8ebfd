// Entry point of the end-to-end test program: it starts the real executable
// under the same Wine and drives it with real input.
#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
