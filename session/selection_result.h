#pragma once
// What a selection run hands back to the window: the rows of the models
// that qualify, in model order, each with the engine's figures it was made
// from, the duty the run read, or the reason it stopped early. An empty
// list after a complete run is what the window shows as "No selections";
// that row is the window's, never one of these.

#include <string>
#include <vector>

#include "charge_search.h"
#include "flow_search.h"
#include "gas_figures.h"
#include "session.h"

namespace zorvik {

enum class SelectionStop {
    None,              // the run went through the fifteen models
    EntryInvalid,      // a field was refused; ReadEntryField has shown why
    Cancelled,         // the user answered Cancel to the vessel charging question
    ValidationFailed,  // message holds the last failing check's text
};

// One listed model: the text of its list row and the figures the row was
// made from (FormatSelectionRow's arguments), in internal units, with the
// search's own figures of the model: `flow` for a continuous process,
// `charge` (its charge flows among them) for vessel charging. A model whose
// discharge can pass the temperature limit has OverLimitMark after its name.
inline constexpr const char* OverLimitMark = " *";

struct SelectionRow {
    std::string text;
    int pumpNo = 0;
    std::string series;
    std::string ratioText;
    double cyclesPerMin = 0;  // flow: cycles/min; fill: average cycles/min
    double air = 0;           // flow: drive air use, scfm; fill: total drive air, standard ft^3
    double flowOrTime = 0;    // flow: delivered flow, scfm; fill: fill time, minutes
    FlowCandidate flow;
    ChargeCandidate charge;
    // How hot the gas can get in each stage, compressed to the outlet or
    // final pressure, and whether that is above the limit the run read.
    std::optional<StageTemperatures> discharge;
    bool overTemperatureLimit = false;
};

struct SelectionResult {
    SelectionStop stop = SelectionStop::None;
    Text message;  // the validation message shown, when stop is ValidationFailed
    std::uint8_t applicationType = ApplicationFlow;
    bool metric = false;                            // the units the rows are written in
    std::optional<double> temperatureLimitCelsius;  // the discharge limit the rows are marked by
    FlowDuty flowDuty;                              // what the run read, for a continuous process
    ChargeDuty chargeDuty;                          // or for vessel charging
    std::vector<SelectionRow> rows;

    bool Completed() const { return stop == SelectionStop::None; }
    bool IsFill() const { return applicationType == ApplicationFillCylinder; }
};

}  // namespace zorvik
