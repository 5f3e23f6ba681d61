#pragma once
// The rated limits and constants of a model as lines of a printed page,
// in the texts of the Model Selection Data window: pressures in barg and
// psig side by side, whatever units the rest of the page is in.

#include <QString>
#include <vector>

#include "catalogue.h"
#include "text.h"

namespace zorvik {

struct ModelDataLine {
    QString label;
    QString value;
};

// Model number, drive pressure range, gas inlet range (or, for a model that
// boosts its own drive air, the common connection; for a two-stage model,
// the interstage limit), maximum outlet pressure, maximum compression
// ratio, piston displacement and the stall pressure formula.
std::vector<ModelDataLine> ModelDataLines(const TPumpRecord& pump, const Translator* reader);

}  // namespace zorvik
