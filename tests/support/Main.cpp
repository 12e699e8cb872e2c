// The main of every test program: the tests' folders go, and the programs
// they start end, however the program ends short of SIGKILL and a crash, the
// end of the ctest that started it included.
#include <gtest/gtest.h>

#include "support/TempDir.h"

int main(int argc, char** argv) {
    EndWithTheRunner();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
