#include "cost_options.h"

#include <iterator>

#include "fixed_format.h"
#include "number_text.h"

namespace zorvik::cli {

bool ReadCostOptions(const Arguments& parsed, CostSettings& cost, std::string& error) {
    double* targets[] = {&cost.kwPer100Scfm, &cost.hoursPerYear, &cost.pricePerKwh};
    const double highest[] = {MaxKwPer100Scfm, MaxHoursPerYear, MaxPricePerKwh};
    for (std::size_t i = 0; i < std::size(CostOptionNames); ++i) {
        if (!parsed.Has(CostOptionNames[i])) continue;
        // Within its range no figure made of it overflows.
        const auto v = ParseNumber(parsed.Value(CostOptionNames[i]));
        if (!v || !(*v >= 0 && *v <= highest[i])) {
            error =
                std::string("--") + CostOptionNames[i] + " must be a number from 0 to " + ShortestNumber(highest[i]);
            return false;
        }
        *targets[i] = *v;
    }
    cost.inletIsPlantAir = parsed.Has("inlet-is-plant-air");
    return true;
}

}  // namespace zorvik::cli
