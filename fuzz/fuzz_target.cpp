// One libFuzzer target: ZORVIK_FUZZ_CHECK names the check of
// checks/fuzz_checks.h that every input goes through. A failed check throws;
// the uncaught exception ends the run like a crash, and libFuzzer keeps the
// input.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/checks/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zorvik::fuzz::ZORVIK_FUZZ_CHECK(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
