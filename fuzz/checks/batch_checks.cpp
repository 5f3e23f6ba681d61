// The batch file of zorvik-select flow --batch and fill --batch.

#include <sstream>
#include <string>
#include <vector>

#include "fuzz/checks/check.h"
#include "fuzz/checks/fuzz_checks.h"
#include "batch_file.h"

namespace zorvik::fuzz {

// A file the header refuses yields no points; otherwise every point has
// the header's line number or a later one, in order, and either all its
// values and a cell for every carried column, or a message instead.
void CheckBatchFile(std::string_view data) {
    const std::vector<std::string> names = {"drive", "air", "inlet", "outlet", "flow"};
    std::istringstream in{std::string(data)};
    BatchReader reader(in, names);
    if (!reader.HeaderError().empty()) return;
    int previous = 1;
    for (BatchCase point; reader.Next(point);) {
        ZORVIK_REQUIRE(point.line > previous, "a point's line number does not follow the one before");
        previous = point.line;
        if (point.error.empty()) {
            ZORVIK_REQUIRE(point.values.size() == names.size(), "a point without all its values and no message");
            ZORVIK_REQUIRE(point.carried.size() == reader.CarriedColumns().size(), "a point without its carried cells");
        } else {
            ZORVIK_REQUIRE(point.values.empty(), "a refused point with values");
        }
    }
}

}  // namespace zorvik::fuzz
