// Test main for the tests that make no widgets: every test runs inside a
// strict notice recorder, with the C library's locale taken from the
// environment as the program's application object takes it.

#include <clocale>

#include "support/strict_notices.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    zorvik::testing::InitTests(&argc, argv);
    return RUN_ALL_TESTS();
}
