// Test main for the engine tests: GoogleTest alone, after taking the C
// library's locale from the environment as the program's application
// object does, so a run with LC_ALL=de_DE.UTF-8 sees what a German desktop
// makes of every figure.

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
