#pragma once
// The state the windows share with one another: the operating point the
// user typed, the current model, what the graph window shows, the offices
// and the results a window shows. The performance model and the selection
// procedures never read it; windows read it and pass values in. Everything
// runs on the one GUI thread: no locks.
//
// All pressures are psig, flows and air uses scfm, vessel volumes cubic feet.

#include <array>
#include <cstdint>

#include "catalogue.h"
#include "offices.h"

namespace zorvik {

// What the graph window's picture shows.
enum DisplayModes : std::uint8_t {
    DisplayNothing = 0,
    DisplayDrawingInches = 1,
    DisplayDrawingMm = 2,
    DisplayChartPsi = 4,
    DisplayChartBar = 5,
};

// Application types of the selection window.
enum ApplicationTypes : std::uint8_t {
    ApplicationFlow = 0,          // constant source feeding a continuous process
    ApplicationFillCylinder = 1,  // constant source charging a vessel or cylinder
};

inline constexpr int ChargePoints = 11;  // start pressure and ten equal steps

struct SharedState {
    std::uint8_t ApplicationType = ApplicationFlow;
    std::uint8_t DisplayMode = DisplayNothing;
    TPumpRecord CurrentPump;           // written only by SelectPump
    std::int32_t EntryErrorCount = 0;  // consecutive empty entries seen by ParseEntry
    bool EntryValid = false;           // result flag of the last numeric entry
    std::int32_t PumpIndex = 1;        // model number the windows work on

    // Operating point.
    double OutletPsi = 0;
    double InletPsi = 0;
    double AirDrivePsi = 0;
    double AirAvailableScfm = 0;

    // The selection's result for the model a window shows: its delivered
    // flow and drive air use, and whether the air available cut them back.
    double FlowScfm = 0;
    double AirUseScfm = 0;
    bool AirLimited = false;

    // Operating point of the performance chart.
    double GraphAirDrivePsi = 90.0;
    double GraphInletScale = 1.0;  // chart inlet = trunc(GraphInletPsi x scale + 0.5)
    double GraphMaxInletPsi = 0;

    // Selection inputs.
    double FlowRequiredScfm = 0;
    double OutStartPsi = 0;
    double OutFinalPsi = 0;
    double OutCapacityFt3 = 0;
    bool ShowChargeCurve = false;     // the chart also draws the selection overlay
    bool IgnoreAirAvailable = false;  // copies of the selection window's check boxes,
    bool IgnoreFlowRate = false;      // set by every selection run

    OfficeTable Offices;
    std::int32_t OfficeIndex = 1;  // chosen office, 0-based

    // Row of model n is ChargeFlowTable[n - 1]: flow at the start pressure,
    // then at ten equal pressure steps of the last vessel-charging search.
    std::array<std::array<double, ChargePoints>, PumpCount> ChargeFlowTable{};

    bool MetricUnits = false;  // the selection window shows bar and litres
};

extern SharedState Shared;

// Copies catalogue row n into Shared.CurrentPump. Any n outside 1..15
// changes nothing, so the previous model stays current.
void SelectPump(int n);

// The start-up initialisation: everything to its default, model 1 current,
// chart drive pressure 90 psig, built-in offices with office 1 chosen.
// Tests run it again to start from a clean state.
void InitialiseSharedState();

}  // namespace zorvik
