#pragma once
// What the windows of one run share with one another: the operating point
// the last selection run read, the current model, what the graph window
// shows and at which drive and inlet pressures, the units of the selection
// window, and the offices. The application owns one and hands it to the
// windows it makes; a test or a job item makes its own, and two sessions
// never see each other. The performance model, the searches and the
// pictures never read it: windows read it and pass values in.
//
// All pressures are psig, flows and air uses scfm, vessel volumes cubic feet.

#include <cstdint>
#include <optional>

#include "catalogue.h"
#include "charge_search.h"
#include "flow_search.h"
#include "gases.h"
#include "office_table.h"

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

// The gas temperature until the user types another, degC (68 degF).
inline constexpr double StandardGasCelsius = 20;

// The chart's drive pressure until the user adjusts it, psig.
inline constexpr double DefaultGraphAirDrivePsi = 90.0;

struct Session {
    std::uint8_t ApplicationType = ApplicationFlow;
    std::uint8_t DisplayMode = DisplayNothing;
    TPumpRecord CurrentPump = CatalogueRow(1);  // written only by SelectPump
    std::int32_t PumpIndex = 1;                 // model number the windows work on

    // The operating point the last selection run read.
    double OutletPsi = 0;
    double InletPsi = 0;
    double AirDrivePsi = 0;
    double AirAvailableScfm = 0;
    double FlowRequiredScfm = 0;
    double OutStartPsi = 0;
    double OutFinalPsi = 0;
    double OutCapacityFt3 = 0;
    bool IgnoreAirAvailable = false;  // the selection window's check boxes
    bool IgnoreFlowRate = false;      // as the last run took them

    // The gas boosted, as the last run read it: its temperature at the inlet
    // (and in the vessel being charged), degC, the limit its discharge may
    // reach (none by default), and whether a vessel's contents are counted
    // from the real-gas model.
    Gas GasBoosted = Gas::Air;
    double GasCelsius = StandardGasCelsius;
    std::optional<double> TemperatureLimitCelsius;
    bool RealGasContents = false;

    // Operating point of the graph window's chart.
    double GraphAirDrivePsi = DefaultGraphAirDrivePsi;
    double GraphInletScale = 1.0;  // chart inlet = trunc(GraphInletPsi x scale + 0.5)

    OfficeTable Offices = InitOffices();
    std::int32_t OfficeIndex = DefaultOfficeIndex;  // chosen office, 0-based

    bool MetricUnits = false;  // the selection window shows bar and litres

    // Copies catalogue row n into CurrentPump. Any n outside 1..15 changes
    // nothing, so the previous model stays current.
    void SelectPump(int n);

    // The office printouts name (see ChosenOffice in office_table.h).
    const TAddressData& Office() const { return ChosenOffice(Offices, OfficeIndex); }

    // The duty the last selection run read: a comparison evaluates at
    // exactly the conditions that made the list.
    FlowDuty LastFlowDuty() const;
    ChargeDuty LastChargeDuty() const;
};

}  // namespace zorvik
