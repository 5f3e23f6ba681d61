// Test main for the tests that make no widgets: every test runs inside a
// strict notice recorder.

#include "support/strict_notices.h"

int main(int argc, char** argv) {
    zorvik::testing::InitTests(&argc, argv);
    return RUN_ALL_TESTS();
}
